#include "controls/picturebox.h"

#include <QTest>

namespace {

constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kGreen = 0x00FF00;

// A box whose inner area is exactly w x h pixels.
std::unique_ptr<PictureBox> box(int w, int h, bool border = false)
{
    auto pic = std::make_unique<PictureBox>();
    pic->setBorder(border);
    pic->resize(w + (border ? 2 : 0), h + (border ? 2 : 0));
    pic->setBackColor(0xFFFFFF);
    return pic;
}

int count(const PictureBox &pic, int32_t colour)
{
    int n = 0;
    const QImage &img = pic.image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += pic.Point(x, y) == colour;
    return n;
}

} // namespace

class TstPictureBox : public QObject
{
    Q_OBJECT
private slots:
    void userScaleMapsByFloor()
    {
        auto pic = box(100, 50, true);
        QCOMPARE(pic->image().size(), QSize(100, 50));
        pic->setScaleWidth(10);
        pic->setScaleHeight(5);
        QCOMPARE(pic->toPixelX(0.099), int64_t(0));
        QCOMPARE(pic->toPixelX(0.1), int64_t(1));
        QCOMPARE(pic->toPixelX(9.99), int64_t(99));
        QCOMPARE(pic->toPixelX(10), int64_t(100)); // the first column outside
        QCOMPARE(pic->toPixelY(-0.01), int64_t(-1));
        // A vertical line far past the bottom edge is clipped, one pixel wide, solid.
        pic->Line(2.05, 0, 2.05, 1e6, kRed);
        for (int y = 0; y < 50; ++y) {
            QCOMPARE(pic->Point(20, y), kRed);
            QCOMPARE(pic->Point(19, y), 0xFFFFFF);
            QCOMPARE(pic->Point(21, y), 0xFFFFFF);
        }
        // A line at the scale's far edge leaves no trace.
        pic->Line(10, 0, 10, 5, kBlue);
        QCOMPARE(count(*pic, kBlue), 0);
        QCOMPARE(pic->Point(100, 0), -1);
    }

    void userScaleSurvivesResizePixelScaleFollows()
    {
        auto pic = box(100, 50);
        pic->setScaleWidth(256);
        pic->setScaleHeight(17.5f);
        pic->resize(300, 80);
        QCOMPARE(pic->scaleWidth(), 256.0f);
        QCOMPARE(pic->scaleHeight(), 17.5f);
        pic->setPixelScale();
        QCOMPARE(pic->scaleWidth(), 300.0f);
        pic->resize(200, 60);
        QCOMPARE(pic->image().size(), QSize(200, 60));
        QCOMPARE(pic->scaleWidth(), 200.0f);
        QCOMPARE(pic->scaleHeight(), 60.0f);
    }

    void linesReplacePixelsInDrawingOrder()
    {
        auto pic = box(40, 40);
        pic->setPixelScale();
        // Lines over the same pixels: only the last one shows.
        pic->Line(10, 0, 10, 39, kRed);
        pic->Line(10, 0, 10, 39, kBlue);
        QCOMPARE(pic->Point(10, 5), kBlue);
        // A crossing line in between decides the crossing pixel by order.
        pic->Line(5, 0, 5, 39, kRed);
        pic->Line(0, 20, 39, 20, kGreen);
        pic->Line(5, 0, 5, 39, kRed);
        QCOMPARE(pic->Point(5, 20), kRed);
        QCOMPARE(pic->Point(10, 20), kGreen);
        QCOMPARE(pic->Point(10, 19), kBlue);
        // Clearing drops whatever is waiting to be drawn.
        pic->Line(30, 0, 30, 39, kRed);
        pic->Cls();
        QCOMPARE(count(*pic, 0xFFFFFF), 40 * 40);
        // Reading the image shows what was drawn just before.
        pic->Line(30, 0, 30, 39, kRed);
        QCOMPARE(pic->image().pixel(30, 39), qRgb(255, 0, 0));
    }

    void slantedLinesAreTheSameWhereverClipped()
    {
        // A line drawn into a large box and into a small one covers the same pixels of the
        // small box's area: clipping never moves a pixel.
        const struct
        {
            double x1, y1, x2, y2;
        } lines[] = { { 3, -20, -40, 90 }, { -7, 3, 250, 61 }, { 199, 0, 0, 199 },
            { 12.7, 0, 0, 31.9 }, { 0, 0, 1000, 3 } };
        for (const auto &l : lines) {
            auto large = box(300, 300);
            auto small = box(60, 45);
            large->setPixelScale();
            small->setPixelScale();
            large->Line(l.x1 + 100, l.y1 + 100, l.x2 + 100, l.y2 + 100, kRed);
            small->Line(l.x1, l.y1, l.x2, l.y2, kRed);
            const QImage expected = large->image().copy(100, 100, 60, 45);
            QCOMPARE(small->image(), expected);
        }
        // Both end pixels are drawn; the line is unbroken (8-connected).
        auto pic = box(50, 50);
        pic->setPixelScale();
        pic->Line(2, 3, 40, 17, kBlue);
        QCOMPARE(pic->Point(2, 3), kBlue);
        QCOMPARE(pic->Point(40, 17), kBlue);
        QCOMPARE(count(*pic, kBlue), 39);
    }

    void degenerateInputsDrawNothing()
    {
        auto pic = box(20, 20);
        pic->setScaleWidth(0);
        pic->setScaleHeight(10);
        pic->Line(1, 1, 5, 5, kRed);
        pic->setScaleWidth(10);
        pic->Line(qQNaN(), 1, 5, 5, kRed);
        pic->Line(qInf(), 1, 5, 5, kRed);
        pic->Line(-1e300, -1e300, -1e299, -1e299, kRed);
        QCOMPARE(count(*pic, kRed), 0);
        pic->Line(-1e300, 5, 1e300, 5, kRed); // a huge horizontal line still crosses
        QCOMPARE(count(*pic, kRed), 20);
    }

    void backColourAndPicture()
    {
        auto pic = box(10, 10);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255));
        pic->setPicture(picture);
        pic->setBackColor(kGreen);
        QCOMPARE(pic->Point(3, 3), kBlue);
        QCOMPARE(pic->Point(4, 4), kGreen);
        QCOMPARE(pic->Point(-1, 0), -1);
    }
};

QTEST_MAIN(TstPictureBox)
#include "tst_picturebox.moc"

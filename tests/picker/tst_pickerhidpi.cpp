// The picker with two physical pixels to each logical one: every pick, coordinate and loupe
// value must name the physical pixel under the pointer, odd ones included.

#include "app/programtools.h"
#include "controls/label.h"
#include "launcher/frmbase.h"
#include "picker/frmcolorpicker.h"
#include "picker/loupe.h"
#include "platform/pointer.h"
#include "platform/screenservices.h"
#include "support/namedcontrol.h"
#include "support/testenv.h"
#include "xinput.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// Each physical pixel coloured by the parity of its x and y.
class Checker : public QWidget
{
public:
    Checker()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
    }
    static QRgb colorAt(int x, int y)
    {
        static const QRgb colors[4]
            = { qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 255, 255) };
        return colors[(x & 1) + 2 * (y & 1)];
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const qreal dpr = devicePixelRatioF();
        QImage img(size() * dpr, QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, colorAt(x, y));
        img.setDevicePixelRatio(dpr);
        QPainter(this).drawImage(0, 0, img);
    }
};

QPoint pointerAt() { return ScreenServices::current().pointer().physicalPos(); }

QPoint physicalCentre(QWidget *w)
{
    const QPoint logical = w->mapToGlobal(w->rect().center());
    return logical * w->devicePixelRatioF();
}

} // namespace

class TstPickerHiDpi : public QObject
{
    Q_OBJECT
private slots:
    void picksThePhysicalPixel()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QVERIFY(ScreenServices::current().pointer().isNative());
        TestEnv env;
        env.state.loadStartupSettings();
        FrmBase launcher(env.state, programTools());
        QPointer<frmColorPicker> p
            = static_cast<frmColorPicker *>(launcher.showTool(Tool::ColorPicker));
        p->move(10, 10);
        QVERIFY(QTest::qWaitForWindowExposed(p.data()));
        waitUntil([&] { return p->frameGeometry().topLeft() == QPoint(10, 10); }, 2000);

        Checker target; // physical 700..819 x 300..419
        target.setGeometry(350, 150, 60, 60);
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        pump(100);

        const struct
        {
            QPoint at;
            QString html;
            int32_t bgr;
        } cases[] = {
            { QPoint(761, 350), QStringLiteral("#0000FF"), 0xFF0000 },
            { QPoint(760, 351), QStringLiteral("#00FF00"), 0x00FF00 },
            { QPoint(761, 351), QStringLiteral("#FFFFFF"), 0xFFFFFF },
            { QPoint(760, 350), QStringLiteral("#FF0000"), 0x0000FF },
        };
        auto *pipette = control<QPushButton>(p, "CmdPipette");
        auto *x = control<Label>(p, "LblPosX");
        auto *y = control<Label>(p, "LblPosY");
        auto *html = control<QLineEdit>(p, "TxtC(0)");
        auto *loupe = control<Loupe>(p, "Loupe");
        for (const auto &c : cases) {
            xinput::clickAt(physicalCentre(pipette));
            QVERIFY(waitUntil([&] { return p->pipetteActive(); }));
            xinput::moveTo(c.at);
            QVERIFY2(waitUntil([&] {
                return x->text() == QString::number(c.at.x())
                    && y->text() == QString::number(c.at.y());
            }),
                qPrintable(x->text() + QLatin1Char(',') + y->text()));
            QVERIFY(waitUntil([&] { return loupe->centreColor() == c.bgr; }));
            xinput::clickAt(c.at);
            QVERIFY(waitUntil([&] { return !p->pipetteActive(); }));
            QVERIFY(waitUntil([&] { return html->text() == c.html; }, 1000));
        }

        // The arrows move by one physical pixel.
        xinput::clickAt(physicalCentre(pipette));
        QVERIFY(waitUntil([&] { return p->pipetteActive(); }));
        xinput::moveTo(QPoint(760, 350));
        xinput::key(QStringLiteral("Right"));
        QVERIFY(waitUntil([] { return pointerAt() == QPoint(761, 350); }));
        xinput::key(QStringLiteral("Return"));
        QVERIFY(waitUntil([&] { return !p->pipetteActive(); }));
        QVERIFY(waitUntil([&] { return html->text() == QLatin1String("#0000FF"); }, 1000));
        delete p.data();
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstPickerHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pickerhidpi.moc"

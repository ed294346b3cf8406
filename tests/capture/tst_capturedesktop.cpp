// The capture window on the in-memory screen back end: no X server, a desktop of two monitors
// at different scales whose pixels the test paints, and a clipboard that records every change.

#include "support/capturesession.h"
#include "support/memoryscreenservices.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

// The primary monitor, 640 x 384 at scale 2, right of a 1280 x 1024 one at scale 1.
struct CaptureOnMemory
{
    explicit CaptureOnMemory(bool copyOption)
    {
        MemoryScreen &screen = services.screen();
        screen.setAreas({ { QRect(1280, 0, 640, 384), 2.0 }, { QRect(0, 0, 1280, 1024), 1.0 } });
        screen.fill(QRect(100, 100, 400, 400), kRed);
        screen.fill(QRect(1500, 100, 300, 300), kGreen);
        session = std::make_unique<CaptureSession>(
            QMap<QString, QString> { { "PressePapier", copyOption ? "Oui" : "Non" } });
        copiesBefore = services.clipboard().changes().size();
    }
    QStringList copies() { return services.clipboard().changes().mid(copiesBefore); }

    MemoryScreenServices services;
    std::unique_ptr<CaptureSession> session;
    qsizetype copiesBefore = 0;
};

void send(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(
        type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::ControlModifier);
    QApplication::sendEvent(w, &e);
}

void ctrlDrag(QWidget *overlay, QPoint from, QPoint to)
{
    send(overlay, QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(overlay, QEvent::MouseMove, to, Qt::LeftButton);
    send(overlay, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// Runs the steps already queued and the ones they queue in turn, timers aside.
void settle()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::sendPostedEvents();
}

} // namespace

class TstCaptureDesktop : public QObject
{
    Q_OBJECT

private slots:
    void fullCaptureTakesTheWholeDesktop_data()
    {
        QTest::addColumn<bool>("copyOption");
        QTest::addColumn<QStringList>("copies");
        QTest::newRow("copy option off") << false << QStringList();
        QTest::newRow("copy option on") << true << QStringList { "image:2560x1024" };
    }
    void fullCaptureTakesTheWholeDesktop()
    {
        QFETCH(bool, copyOption);
        QFETCH(QStringList, copies);
        CaptureOnMemory m(copyOption);
        frmCapture *w = m.session->window;
        control<QAction>(w, "MnuCapEcran")->trigger();
        QTRY_VERIFY(control<QAction>(w, "MnuSave")->isEnabled());
        auto *box = control<CapturePictureBox>(w, "PicCapt");
        const QImage picture = box->picture();
        QCOMPARE(picture.size(), QSize(2560, 1024));
        // Shown at the primary monitor's scale.
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(box->size(), QSize(1280, 512));
        QCOMPARE(picture.pixel(499, 499), kRed.rgb());
        QCOMPARE(picture.pixel(1500, 399), kGreen.rgb());
        // Below the short monitor there is no screen: black.
        QCOMPARE(picture.pixel(2000, 900), qRgb(0, 0, 0));
        QCOMPARE(m.copies(), copies);
    }

    void regionComesFromTheFrozenDesktop_data()
    {
        QTest::addColumn<bool>("copyOption");
        QTest::addColumn<QStringList>("copies");
        QTest::newRow("copy option off") << false << QStringList();
        QTest::newRow("copy option on") << true << QStringList { "clear", "image:200x100" };
    }
    void regionComesFromTheFrozenDesktop()
    {
        QFETCH(bool, copyOption);
        QFETCH(QStringList, copies);
        CaptureOnMemory m(copyOption);
        frmCaptureInfo *o = m.session->overlayUp();
        QVERIFY(o);
        QCOMPARE(o->geometry(), QRect(0, 0, 1920, 1024));
        // The live screen changes; the overlay keeps what it froze.
        m.services.screen().fill(QRect(1500, 100, 300, 300), kBlue);

        // Logical 1401,101 to 1501,151 on the scaled monitor: physical 1522,202, 200 x 100.
        ctrlDrag(o, QPoint(1400, 100), QPoint(1500, 150));
        QTRY_VERIFY(!o->isVisible() && control<QAction>(m.session->window, "MnuSave")->isEnabled());
        const QImage picture = control<CapturePictureBox>(m.session->window, "PicCapt")->picture();
        QCOMPARE(picture.size(), QSize(200, 100));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.pixel(0, 0), kGreen.rgb());
        QCOMPARE(picture.pixel(199, 99), kGreen.rgb());
        // The copy, when the option asks for it, follows once the pending events have run.
        settle();
        QCOMPARE(m.copies(), copies);
        if (copyOption)
            QCOMPARE(m.services.clipboard().image(), picture);
    }

    void closingBeforeTheCopyDropsIt()
    {
        CaptureOnMemory m(true);
        frmCaptureInfo *o = m.session->overlayUp();
        QVERIFY(o);
        ctrlDrag(o, QPoint(300, 400), QPoint(340, 430));
        delete m.session->window.data();
        settle();
        QCOMPARE(m.copies(), QStringList());
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstCaptureDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capturedesktop.moc"

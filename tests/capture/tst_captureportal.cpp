// The capture window where the desktop hands its pixels out only on request (a Wayland desktop
// and its portal), on the in-memory back end: the full capture takes the desktop's picture, the
// region overlays come one per monitor, a refusal is said and loses nothing.

#include "support/capturesession.h"
#include "support/memoryscreenservices.h"
#include "support/mouseevents.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

using Outcome = Screen::Outcome;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

struct CaptureOnPortal
{
    explicit CaptureOnPortal(const QString &language = QStringLiteral("Anglais"))
    {
        MemoryScreen &screen = services.screen();
        screen.setTwoMonitors();
        screen.fill(QRect(100, 100, 400, 400), kRed);
        screen.fill(QRect(1300, 20, 400, 300), kGreen);
        session = std::make_unique<CaptureSession>(
            QMap<QString, QString> { { "PressePapier", "Oui" }, { "Langue", language } });
    }
    frmCapture *window() { return session->window; }
    QAction *action(const char *name)
    {
        return window()->findChild<QAction *>(QLatin1String(name));
    }
    QImage picture()
    {
        return window()->findChild<CapturePictureBox *>(QStringLiteral("PicCapt"))->picture();
    }

    MemoryScreenServices services { MemoryScreenServices::Session::Wayland };
    RecordingMessageBox messages;
    std::unique_ptr<CaptureSession> session;
};

} // namespace

class TstCapturePortal : public QObject
{
    Q_OBJECT

private slots:
    void fullCaptureTakesTheDesktopsPicture()
    {
        CaptureOnPortal m;
        m.action("MnuCapEcran")->trigger();
        // Wayland has no minimising on demand: the window hides while the picture is taken.
        QVERIFY(!m.window()->isVisible());
        QVERIFY(!m.window()->isMinimized());
        QTRY_VERIFY(m.action("MnuSave")->isEnabled());
        QVERIFY(m.window()->isVisible());
        QCOMPARE(m.services.screen().desktopRequests(), 1);
        const QImage picture = m.picture();
        QCOMPARE(picture.size(), QSize(2560, 1024));
        QCOMPARE(picture.pixel(499, 499), kRed.rgb());
        QCOMPARE(picture.pixel(1300, 20), kGreen.rgb());
        QCOMPARE(m.services.clipboard().image().size(), QSize(2560, 1024));
        QVERIFY(m.messages.messages().isEmpty());
    }

    // One overlay per monitor, each over its own; a drag on the scaled one gives the physical
    // pixels under it.
    void regionOnAScaledMonitorGivesItsPhysicalPixels()
    {
        CaptureOnPortal m;
        frmCaptureInfo *first = m.session->overlayUp();
        QVERIFY(first);
        const QList<frmCaptureInfo *> overlays = m.window()->overlays();
        QCOMPARE(overlays.size(), 2);
        for (frmCaptureInfo *o : overlays)
            QVERIFY(o->isFullScreen());
        frmCaptureInfo *scaled = overlays.at(1);
        QTRY_VERIFY(scaled->isVisible());
        // Logical 10,10 to 60,40 of the scaled monitor: physical 1300,20, 100 x 60.
        sendMouse(scaled, QEvent::MouseButtonPress, QPoint(10, 10));
        sendMouse(scaled, QEvent::MouseMove, QPoint(60, 40));
        sendMouse(scaled, QEvent::MouseButtonRelease, QPoint(60, 40));
        QTRY_VERIFY(m.action("MnuSave")->isEnabled());
        const QImage picture = m.picture();
        QCOMPARE(picture.size(), QSize(100, 60));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.pixel(0, 0), kGreen.rgb());
        QCOMPARE(picture.pixel(99, 59), kGreen.rgb());
        // Both overlays are gone.
        QTRY_VERIFY(!first->isVisible() && !scaled->isVisible());
    }

    void escOnOneMonitorDismissesEvery()
    {
        CaptureOnPortal m;
        QVERIFY(m.session->overlayUp());
        const QList<frmCaptureInfo *> overlays = m.window()->overlays();
        QCOMPARE(overlays.size(), 2);
        QTest::keyClick(overlays.at(1), Qt::Key_Escape);
        QTRY_VERIFY(m.window()->isVisible());
        QVERIFY(!overlays.at(0)->isVisible() && !overlays.at(1)->isVisible());
    }

    void refusalIsSaidAndThePictureStays_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused, en") << "Anglais" << int(Outcome::Refused)
                                     << "This desktop does not let programs read the screen.";
        QTest::newRow("no portal, fr") << "Francais" << int(Outcome::Unavailable)
                                       << "Ce bureau ne permet pas aux programmes de lire l'écran.";
        QTest::newRow("no answer, es")
            << "Spanish" << int(Outcome::TimedOut)
            << "El escritorio no respondió a la solicitud de leer la pantalla.";
        QTest::newRow("declined") << "Anglais" << int(Outcome::Cancelled) << QString();
    }
    void refusalIsSaidAndThePictureStays()
    {
        QFETCH(QString, language);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        CaptureOnPortal m(language);
        m.action("MnuCapEcran")->trigger();
        QTRY_VERIFY(m.action("MnuSave")->isEnabled());
        const QImage before = m.picture();
        const QStringList copiesBefore = m.services.clipboard().changes();

        m.services.screen().answerRequests(Outcome(outcome));
        for (const char *command : { "MnuCapEcran", "MnuCapRegion" }) {
            m.messages.clear();
            m.action(command)->trigger();
            QTRY_VERIFY(m.window()->isVisible());
            QTest::qWait(100);
            const QStringList shown = message.isEmpty() ? QStringList() : QStringList { message };
            QStringList texts;
            for (const auto &msg : m.messages.messages())
                texts << msg.text;
            QCOMPARE(texts, shown);
            QCOMPARE(m.picture(), before);
            QCOMPARE(m.services.clipboard().changes(), copiesBefore);
            QVERIFY(m.window()->overlays().isEmpty() || !m.window()->overlay()->isVisible());
        }
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstCapturePortal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_captureportal.moc"

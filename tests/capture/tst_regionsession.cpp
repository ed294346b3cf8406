// The region session on the in-memory back end: the overlays it puts up for each kind of
// session, what a selection and a refusal come to, and that a later start shows the same
// overlays again.

#include "capture/frmcaptureinfo.h"
#include "capture/regionsession.h"
#include "support/memoryscreenservices.h"
#include "support/mouseevents.h"
#include "support/testenv.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

using Outcome = Screen::Outcome;

} // namespace

class TstRegionSession : public QObject
{
    Q_OBJECT
private slots:
    void selectsOnEveryMonitor_data()
    {
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<int>("overlays");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("instruction");
        QTest::newRow("X11: one spanning") << false << 1 << int(Language::French)
                                           << "Ctrl + clic gauche pour sélection d'écran ou "
                                              "Echap pour annuler";
        QTest::newRow("Wayland: one a monitor")
            << true << 2 << int(Language::Spanish)
            << "Ctrl + clic izquierdo para la selección de pantalla o Esc para cancelar";
    }
    void selectsOnEveryMonitor()
    {
        QFETCH(bool, wayland);
        QFETCH(int, overlays);
        QFETCH(int, language);
        QFETCH(QString, instruction);
        MemoryScreenServices services(
            wayland ? MemoryScreenServices::Session::Wayland : MemoryScreenServices::Session::X11);
        services.screen().setTwoMonitors();
        services.screen().fill(QRect(1300, 20, 400, 300), Qt::green);
        RegionSession session;
        QSignalSpy captured(&session, &RegionSession::captured);
        for (int round = 0; round < 2; ++round) {
            session.start(Language(language));
            QVERIFY(waitUntil([&] { return session.overlays().size() == overlays; }));
            frmCaptureInfo *last = session.overlays().last();
            QTRY_VERIFY(last->isVisible());
            QCOMPARE(last->findChild<QLabel *>(QStringLiteral("Labaide"))->text(), instruction);
            // Logical 10,10 to 60,40 of the scaled monitor: physical 1300,20, 100 x 60.
            const QPoint at = wayland ? QPoint(0, 0) : QPoint(1280, 0);
            sendMouse(last, QEvent::MouseButtonPress, at + QPoint(10, 10));
            sendMouse(last, QEvent::MouseMove, at + QPoint(60, 40));
            sendMouse(last, QEvent::MouseButtonRelease, at + QPoint(60, 40));
            QTRY_COMPARE(captured.size(), round + 1);
            const QImage picture = captured.last().at(0).value<QImage>();
            QCOMPARE(picture.size(), QSize(100, 60));
            QCOMPARE(picture.pixel(50, 30), QColor(Qt::green).rgb());
            for (frmCaptureInfo *o : session.overlays())
                QVERIFY(!o->isVisible());
        }
        QCOMPARE(session.overlays().size(), overlays); // shown again, not made again
    }

    void noPictureShowsNoOverlay()
    {
        MemoryScreenServices services(MemoryScreenServices::Session::Wayland);
        services.screen().answerRequests(Outcome::TimedOut);
        RegionSession session;
        QSignalSpy failed(&session, &RegionSession::failed);
        session.start(Language::English);
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(0).value<Outcome>(), Outcome::TimedOut);
        QVERIFY(session.overlays().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstRegionSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_regionsession.moc"

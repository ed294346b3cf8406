// The pipette session on the in-memory back end, as the picker window and the pick command
// both use it: one frozen overlay a monitor, one zoom for all of them and for the next
// pipette, the picked pixel from the frozen picture, and what each answer of the desktop comes
// to.

#include "picker/loupegeometry.h"
#include "picker/pickoverlay.h"
#include "picker/pipettesession.h"
#include "support/memoryscreenservices.h"
#include "support/testenv.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

using Outcome = Screen::Outcome;

void wheelUp(QWidget *w)
{
    QWheelEvent e(QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, 120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TstPipetteSession : public QObject
{
    Q_OBJECT
private slots:
    void picksOnAFrozenDesktop()
    {
        MemoryScreenServices services(MemoryScreenServices::Session::Wayland);
        services.screen().setTwoMonitors();
        services.screen().fill(QRect(1280, 0, 1280, 1024), QColor(0x12, 0x9E, 0x5B));
        PipetteSession session;
        QSignalSpy picked(&session, &PipetteSession::picked);
        int zoom = 0;
        for (int round = 0; round < 2; ++round) {
            session.startFrozen(QPoint(1400, 100));
            QVERIFY(waitUntil([&] { return session.overlays().size() == 2; }));
            const QList<PickOverlay *> overlays = session.overlays();
            if (round == 0) {
                // The wheel on one monitor zooms every monitor's loupe.
                wheelUp(overlays.first());
                zoom = overlays.first()->zoom();
                QVERIFY(zoom > loupegeometry::kZoom);
                QCOMPARE(session.zoom(), zoom);
            }
            // Kept for the next pipette too.
            for (PickOverlay *o : overlays)
                QCOMPARE(o->zoom(), zoom);
            PickOverlay *scaled = overlays.last();
            QCOMPARE(scaled->area().logical, QRect(1280, 0, 640, 512));
            scaled->moveCrosshairTo(QPoint(1500, 300));
            QTest::keyClick(scaled, Qt::Key_Return);
            QTRY_COMPARE(picked.size(), round + 1);
            const QPoint at = picked.last().at(0).toPoint();
            QCOMPARE(at, QPoint(1500, 300));
            QVERIFY(!session.isActive());
            QTRY_VERIFY(session.overlays().isEmpty());
            const QImage pixel = session.readerFor(at)(QRect(at, QSize(1, 1)));
            QCOMPARE(QColor(pixel.pixel(0, 0)), QColor(0x12, 0x9E, 0x5B));
        }
    }

    void endsAsTheDesktopAnswers_data()
    {
        QTest::addColumn<int>("desktop");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<int>("failure");
        QTest::newRow("picture declined")
            << int(Outcome::Cancelled) << int(Outcome::Read) << "cancelled" << -1;
        QTest::newRow("no picture, the desktop's picker")
            << int(Outcome::Refused) << int(Outcome::Read) << "colour" << -1;
        QTest::newRow("no picture, picker declined")
            << int(Outcome::Refused) << int(Outcome::Cancelled) << "cancelled" << -1;
        QTest::newRow("no picture, no picker")
            << int(Outcome::Unavailable) << int(Outcome::Unavailable) << "failed"
            << int(Outcome::Refused);
        QTest::newRow("no answer")
            << int(Outcome::TimedOut) << int(Outcome::Read) << "failed" << int(Outcome::TimedOut);
    }
    void endsAsTheDesktopAnswers()
    {
        QFETCH(int, desktop);
        QFETCH(int, colour);
        QFETCH(QString, signal);
        QFETCH(int, failure);
        MemoryScreenServices services(MemoryScreenServices::Session::Wayland);
        services.screen().answerRequests(Outcome(desktop), Outcome(colour), 0x00563412);
        PipetteSession session;
        QSignalSpy cancelled(&session, &PipetteSession::cancelled);
        QSignalSpy colourPicked(&session, &PipetteSession::colourPicked);
        QSignalSpy failed(&session, &PipetteSession::failed);
        session.startFrozen(QPoint(0, 0));
        QVERIFY(waitUntil([&] { return !session.isActive(); }));
        QCOMPARE(cancelled.size(), int(signal == QLatin1String("cancelled")));
        QCOMPARE(colourPicked.size(), int(signal == QLatin1String("colour")));
        if (signal == QLatin1String("colour"))
            QCOMPARE(colourPicked.first().at(0).toInt(), 0x00563412);
        QCOMPARE(failed.size(), int(signal == QLatin1String("failed")));
        if (failure >= 0)
            QCOMPARE(failed.first().at(0).value<Outcome>(), Outcome(failure));
        QVERIFY(session.overlays().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstPipetteSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pipettesession.moc"

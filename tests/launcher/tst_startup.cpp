#include "app/programtools.h"
#include "launcher/frmbase.h"
#include "launcher/startup.h"
#include "platform/singleinstance.h"
#include "support/realprogram.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

class TstStartup : public QObject
{
    Q_OBJECT
private slots:
    void secondInstanceIsTurnedAway()
    {
        TestEnv env;
        SingleInstance first(QStringLiteral("tintavo"), env.path(QStringLiteral("run")));
        QVERIFY(first.tryAcquire());

        QSignalSpy shown(&first, &SingleInstance::showRequested);
        RecordingMessageBox messages;
        SingleInstance second(QStringLiteral("tintavo"), env.path(QStringLiteral("run")));
        qputenv("XDG_ACTIVATION_TOKEN", "token-of-the-second-start");
        QVERIFY(!startProgram(env.state, programTools(), second));
        qunsetenv("XDG_ACTIVATION_TOKEN");
        // The first copy is asked to come to the front, with the second start's token.
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(shown.first().at(0).toByteArray(), QByteArray("token-of-the-second-start"));
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(
            messages.messages().at(0).text, QStringLiteral("The program is already launched."));
        QCOMPARE(messages.messages().at(0).icon, MessageBox::Icon::Exclamation);
        QCOMPARE(messages.messages().at(0).title, QStringLiteral("Tintavo"));
        // Nothing else ran: no setting was read or written.
        QVERIFY(!QFile::exists(env.store.filePath(QStringLiteral("Tintavo"))));
    }

    void firstInstanceStartsTheLauncher()
    {
        TestEnv env;
        RecordingMessageBox messages;
        SingleInstance only(QStringLiteral("tintavo"), env.path(QStringLiteral("run")));
        auto launcher = startProgram(env.state, programTools(), only);
        QVERIFY(launcher);
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(env.state.AppTitle, QStringLiteral("Tintavo"));
        QCOMPARE(env.state.NewLine, QStringLiteral("\r\n"));
        QVERIFY(launcher->isVisible());
    }

    void realProgramSecondInstanceCrashAndQuit()
    {
        TestEnv env;
        QDir().mkpath(env.path(QStringLiteral("runtime")));
        QFile::setPermissions(env.path(QStringLiteral("runtime")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        Program first(env.path(QString()));
        QVERIFY(first.start());
        const QString launcher = first.window(QStringLiteral("Tintavo"));
        QVERIFY2(!launcher.isEmpty(), "the launcher never showed");

        // A second copy says so and ends once the message is acknowledged; the first stays and
        // comes to the front, even from the task bar.
        QVERIFY(xdotool({ QStringLiteral("windowminimize"), launcher }));
        Program second(env.path(QString()));
        QVERIFY(second.start());
        const QString box = second.window(QStringLiteral("Tintavo"));
        QVERIFY2(!box.isEmpty(), "the second instance showed no message");
        QCOMPARE(second.process().state(), QProcess::Running);
        QVERIFY(activate(box));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QVERIFY(second.process().waitForFinished(30000));
        QCOMPARE(second.process().exitCode(), 0);
        QCOMPARE(first.process().state(), QProcess::Running);
        QVERIFY(waitUntil([&] { return activeWindow() == launcher; }, 10000));

        // A crash leaves the lock behind; the next start is not blocked by it.
        first.process().kill();
        QVERIFY(first.process().waitForFinished(5000));
        Program third(env.path(QString()));
        QVERIFY(third.start());
        const QString again = third.window(QStringLiteral("Tintavo"));
        QVERIFY2(!again.isEmpty(), "a stale lock blocked the start");

        // Close ends the program at once.
        const QPoint close(3300 / 15 + 20, 1140 / 15 + 15);
        QVERIFY(xdotool({ QStringLiteral("mousemove"), QStringLiteral("--window"), again,
            QString::number(close.x()), QString::number(close.y()) }));
        QVERIFY(xdotool({ QStringLiteral("click"), QStringLiteral("1") }));
        QVERIFY(third.process().waitForFinished(30000));
        QCOMPARE(third.process().exitCode(), 0);
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"

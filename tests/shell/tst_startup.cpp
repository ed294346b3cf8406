#include "platform/singleinstance.h"
#include "shell/frmbase.h"
#include "shell/startup.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// The real program, run as a user runs it, with its own settings and runtime folders.
class Program
{
public:
    explicit Program(const QString &home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    bool start()
    {
        m_process.start(QStringLiteral(TINTAVO_BINARY), QStringList());
        return m_process.waitForStarted(5000);
    }
    qint64 pid() const { return m_process.processId(); }
    QProcess &process() { return m_process; }

    // The program's visible top-level window with this title, found as another program would.
    QString window(const QString &title, int timeoutMs = 10000) const
    {
        QString id;
        waitUntil([&] {
            // xdotool ORs --pid with other conditions, so the name is checked separately.
            for (const QString &w : run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                         QString::number(pid())})) {
                if (run({QStringLiteral("getwindowname"), w}).value(0) == title) {
                    id = w;
                    return true;
                }
            }
            return false;
        }, timeoutMs);
        return id;
    }

private:
    static QStringList run(const QStringList &args)
    {
        QProcess x;
        x.start(QStringLiteral("xdotool"), args);
        x.waitForFinished(10000);
        return QString::fromUtf8(x.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    QProcess m_process;
};

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// The window that has the keyboard, as the window manager reports it.
QString activeWindow()
{
    QProcess x;
    x.start(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
    x.waitForFinished(10000);
    return QString::fromUtf8(x.readAllStandardOutput()).trimmed();
}

// Asks the window manager to give a window the keyboard and waits until it reports so. The
// request is repeated while waiting: a window manager busy framing a new window may drop it.
bool activate(const QString &window)
{
    return waitUntil([&] {
        if (activeWindow() == window)
            return true;
        xdotool({QStringLiteral("windowactivate"), window});
        return false;
    }, 30000);
}

} // namespace

class TstStartup : public QObject
{
    Q_OBJECT
private slots:
    void secondInstanceIsTurnedAway()
    {
        TestEnv env;
        SingleInstance first(QStringLiteral("tintavo"), env.path(QStringLiteral("run")));
        QVERIFY(first.tryAcquire());

        RecordingMessageBox messages;
        SingleInstance second(QStringLiteral("tintavo"), env.path(QStringLiteral("run")));
        QVERIFY(!startProgram(env.state, second));
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages().at(0).text, QStringLiteral("The program is already launched."));
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
        auto launcher = startProgram(env.state, only);
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

        // A second copy says so and ends once the message is acknowledged; the first stays.
        Program second(env.path(QString()));
        QVERIFY(second.start());
        const QString box = second.window(QStringLiteral("Tintavo"));
        QVERIFY2(!box.isEmpty(), "the second instance showed no message");
        QCOMPARE(second.process().state(), QProcess::Running);
        QVERIFY(activate(box));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
        QVERIFY(second.process().waitForFinished(30000));
        QCOMPARE(second.process().exitCode(), 0);
        QCOMPARE(first.process().state(), QProcess::Running);

        // A crash leaves the lock behind; the next start is not blocked by it.
        first.process().kill();
        QVERIFY(first.process().waitForFinished(5000));
        Program third(env.path(QString()));
        QVERIFY(third.start());
        const QString again = third.window(QStringLiteral("Tintavo"));
        QVERIFY2(!again.isEmpty(), "a stale lock blocked the start");

        // Close ends the program at once.
        const QPoint close(3300 / 15 + 20, 1140 / 15 + 15);
        QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), again, QString::number(close.x()),
                         QString::number(close.y())}));
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
        QVERIFY(third.process().waitForFinished(30000));
        QCOMPARE(third.process().exitCode(), 0);
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"

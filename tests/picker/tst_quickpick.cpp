// A pick from anywhere with the real program on the Xvfb screen: `tintavo pick --copy` and the
// global key of a running program both freeze the screen, copy the clicked colour in the
// chosen notation, add it to the last picks and hand a notification to the desktop (ours, on a
// private bus).

#include "support/privatebus.h"
#include "support/realprogram.h"
#include "support/testenv.h"
#include "xinput.h"

#include <QDBusArgument>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {

// The desktop's notification service: keeps the last notification.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit FakeNotifications(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
        m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
            QDBusConnection::ExportAllSlots);
        m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    QString summary;
    QString body;
    QImage picture;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &title, const QString &text,
        const QStringList &, const QVariantMap &hints, int)
    {
        summary = title;
        body = text;
        const QDBusArgument data = hints.value(QStringLiteral("image-data")).value<QDBusArgument>();
        int w = 0, h = 0, stride = 0, bits = 0, channels = 0;
        bool alpha = false;
        QByteArray bytes;
        data.beginStructure();
        data >> w >> h >> stride >> alpha >> bits >> channels >> bytes;
        data.endStructure();
        if (channels == 4 && bits == 8 && bytes.size() >= stride * h)
            picture = QImage(reinterpret_cast<const uchar *>(bytes.constData()), w, h, stride,
                QImage::Format_RGBA8888)
                          .copy();
        return 1;
    }

private:
    QDBusConnection m_bus;
};

// A home for the real program: its settings with the panel's notation and the global key.
struct Home
{
    Home(const QString &notation, const QString &key)
    {
        QDir().mkpath(env.path(QStringLiteral("runtime")));
        QFile::setPermissions(env.path(QStringLiteral("runtime")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(env.path(QStringLiteral("config/Tintavo")));
        QSettings s(ini(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Options/Langue"), QStringLiteral("Francais"));
        s.setValue(QStringLiteral("Options/CopieCss"), notation);
        s.setValue(QStringLiteral("Options/RaccourciPipette"), key);
    }
    QString ini() const { return env.path(QStringLiteral("config/Tintavo/Tintavo.ini")); }
    QString history() const
    {
        return QSettings(ini(), QSettings::IniFormat)
            .value(QStringLiteral("Options/History"))
            .toString();
    }
    TestEnv env;
};

const QColor kColour(0xE9, 0x1E, 0x63);

} // namespace

class TstQuickPick : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("dbus-daemon or xclip is not installed");
        // A window as any program's, managed: the overlays go over it, as over the rest.
        m_target = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        m_target->setStyleSheet(QStringLiteral("background: %1").arg(kColour.name()));
        m_target->setGeometry(600, 300, 160, 160);
        m_target->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_target.get()));
        pump(300);
    }
    void cleanupTestCase() { m_target.reset(); }

    // `how`: the command, or the keys pressed while the program runs.
    void pickCopiesServesAndNotifies_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        const QStringList pick { QStringLiteral("pick"), QStringLiteral("--copy") };
        QTest::newRow("command, designed choice") << pick << ""
                                                  << ""
                                                  << ""
                                                  << "#E91E63";
        QTest::newRow("command, panel's notation") << pick << ""
                                                   << ""
                                                   << "rgb"
                                                   << "rgb(233 30 99)";
        QTest::newRow("command, chosen format")
            << (pick + QStringList { QStringLiteral("-f"), QStringLiteral("hsl") }) << ""
            << ""
            << "rgb"
            << "hsl(339.6 82.2% 51.6%)";
        QTest::newRow("default key") << QStringList() << "super+shift+c"
                                     << ""
                                     << "hex-lower"
                                     << "#e91e63";
        QTest::newRow("key of one's own") << QStringList() << "ctrl+alt+p"
                                          << "Ctrl+Alt+P"
                                          << "oklch"
                                          << "oklch(60.62% 0.22978 9.63)";
    }
    void pickCopiesServesAndNotifies()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        Home home(notation, stored);
        PrivateBus bus;
        FakeNotifications desktop(bus.connect(QStringLiteral("desktop")));
        Program program(home.env.path(QString()));
        QProcessEnvironment environment = program.process().processEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address);
        // The command speaks the locale's language, the running program the stored one.
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
        program.process().setProcessEnvironment(environment);
        QVERIFY(program.start(command));
        auto shown = [&] {
            return xinput::run(QStringLiteral("xdotool"),
                { QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--pid"), QString::number(program.pid()) })
                .count(QLatin1Char('\n'));
        };
        if (!keys.isEmpty()) {
            QVERIFY(!program.window(QStringLiteral("Tintavo")).isEmpty());
            xinput::key(keys);
        }
        // The frozen overlay: the only window of the command, the launcher's second.
        QVERIFY2(waitUntil([&] { return shown() == (keys.isEmpty() ? 1 : 2); }, 10000),
            "no overlay came");
        pump(200);
        xinput::clickAt(m_target->geometry().center());

        QVERIFY2(waitUntil([&] { return xinput::clipboard() == expected; }, 10000),
            qPrintable(xinput::clipboard()));
        QVERIFY(waitUntil([&] { return desktop.summary == expected; }, 5000));
        QCOMPARE(desktop.picture.pixelColor(32, 32), kColour);
        QCOMPARE(desktop.body, QStringLiteral("Copiée dans le presse-papiers · ≈ cerise"));
        QVERIFY(waitUntil([&] { return home.history().startsWith(kColour.name().toUpper()); }));

        if (command.isEmpty())
            return;
        // The command serves the clipboard until another program takes it, then ends.
        QCOMPARE(program.process().state(), QProcess::Running);
        xinput::run(QStringLiteral("sh"),
            { QStringLiteral("-c"), QStringLiteral("echo taken | xclip -i -selection clipboard") });
        QVERIFY(
            waitUntil([&] { return program.process().state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(program.process().exitCode(), 0);
        QCOMPARE(QString::fromUtf8(program.process().readAllStandardOutput()), expected + "\n");
    }

private:
    std::unique_ptr<QWidget> m_target;
};

QTEST_MAIN(TstQuickPick)
#include "tst_quickpick.moc"

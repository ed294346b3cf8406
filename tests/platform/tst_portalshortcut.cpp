// The global key through the portal's GlobalShortcuts, against a portal of our own on a private
// bus: every way the desktop can answer, the key it is asked for, and the presses it reports.

#include "platform/globalshortcut.h"
#include "support/privatebus.h"
#include "support/testenv.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

struct Entry
{
    QString id;
    QVariantMap properties;
};
using Entries = QList<Entry>;

} // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Entries)

namespace {

QDBusArgument &operator<<(QDBusArgument &a, const Entry &e)
{
    a.beginStructure();
    a << e.id << e.properties;
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, Entry &e)
{
    a.beginStructure();
    a >> e.id >> e.properties;
    a.endStructure();
    return a;
}

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// The desktop's side: sessions, bindings answered as the test says, presses sent on demand.
class FakeShortcuts : public QDBusVirtualObject
{
public:
    explicit FakeShortcuts(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
        qDBusRegisterMetaType<Entry>();
        qDBusRegisterMetaType<Entries>();
        m_bus.registerVirtualObject(kPath, this, QDBusConnection::SubPath);
        m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }

    uint bindCode = 0;
    bool keepsTheKey = false;
    Entries asked;
    QStringList sessions;
    QStringList closed;

    QString introspect(const QString &) const override { return QString(); }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        if (message.member() == QLatin1String("Close")) {
            closed << message.path();
            m_bus.send(message.createReply());
            return true;
        }
        const QList<QVariant> args = message.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(args.last());
        QString sender = message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString request = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/')
            + options.value(QStringLiteral("handle_token")).toString();
        m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        uint code = 0;
        QVariantMap results;
        if (message.member() == QLatin1String("CreateSession")) {
            const QString session = kPath + QStringLiteral("/session/") + sender + QLatin1Char('/')
                + options.value(QStringLiteral("session_handle_token")).toString();
            sessions << session;
            results.insert(QStringLiteral("session_handle"), session);
        } else {
            asked = qdbus_cast<Entries>(args.at(1));
            code = bindCode;
            results.insert(
                QStringLiteral("shortcuts"), QVariant::fromValue(keepsTheKey ? Entries() : asked));
        }
        QDBusMessage response = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << code << results;
        QTimer::singleShot(0, [this, response] { m_bus.send(response); });
        return true;
    }

    void press(const QString &session, const QString &id)
    {
        QDBusMessage activated
            = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("Activated"));
        activated << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1)
                  << QVariantMap { { QStringLiteral("activation_token"), QStringLiteral("tok") } };
        m_bus.send(activated);
    }

private:
    QDBusConnection m_bus;
};

} // namespace

class TstPortalShortcut : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed");
    }

    void theDesktopsAnswerDecides_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<bool>("keepsTheKey");
        QTest::addColumn<GlobalShortcut::State>("expected");
        QTest::newRow("bound") << 0u << false << GlobalShortcut::State::Bound;
        QTest::newRow("desktop keeps the key") << 0u << true << GlobalShortcut::State::Taken;
        QTest::newRow("user says no") << 1u << false << GlobalShortcut::State::Off;
        QTest::newRow("desktop fails") << 2u << false << GlobalShortcut::State::Unavailable;
    }
    void theDesktopsAnswerDecides()
    {
        QFETCH(uint, code);
        QFETCH(bool, keepsTheKey);
        QFETCH(GlobalShortcut::State, expected);
        PrivateBus bus;
        FakeShortcuts desktop(bus.connect(QStringLiteral("portal")));
        desktop.bindCode = code;
        desktop.keepsTheKey = keepsTheKey;
        auto shortcut = GlobalShortcut::forPortal(
            bus.connect(QStringLiteral("client")), QStringLiteral("pick"), QStringLiteral("Pick"));
        QSignalSpy activated(shortcut.get(), &GlobalShortcut::activated);
        shortcut->bind(QKeySequence(Qt::META | Qt::SHIFT | Qt::Key_C));
        QCOMPARE(shortcut->state(), GlobalShortcut::State::Waiting);
        QVERIFY(waitUntil([&] { return shortcut->state() != GlobalShortcut::State::Waiting; }));
        QCOMPARE(shortcut->state(), expected);
        QCOMPARE(desktop.asked.size(), 1);
        QCOMPARE(desktop.asked[0].id, QStringLiteral("pick"));
        QCOMPARE(desktop.asked[0].properties.value(QStringLiteral("preferred_trigger")),
            QStringLiteral("LOGO+SHIFT+c"));

        // Presses count only for our own shortcut in our own session, once bound.
        desktop.press(QStringLiteral("/org/freedesktop/portal/desktop/session/other/x"),
            QStringLiteral("pick"));
        desktop.press(desktop.sessions.last(), QStringLiteral("pick"));
        pump(100);
        QCOMPARE(activated.size(), expected == GlobalShortcut::State::Bound ? 1 : 0);
        if (!activated.isEmpty())
            QCOMPARE(activated[0][0].toString(), QStringLiteral("tok"));

        // Another key takes a new session; the old one is closed.
        shortcut->bind(QKeySequence());
        QCOMPARE(shortcut->state(), GlobalShortcut::State::Off);
        QVERIFY(waitUntil([&] { return desktop.closed == desktop.sessions; }));
    }

    void noPortalMeansNoKey()
    {
        PrivateBus bus;
        auto shortcut = GlobalShortcut::forPortal(
            bus.connect(QStringLiteral("client")), QStringLiteral("pick"), QStringLiteral("Pick"));
        shortcut->bind(QKeySequence(Qt::CTRL | Qt::Key_F9));
        QVERIFY(waitUntil([&] { return shortcut->state() == GlobalShortcut::State::Unavailable; }));
    }

    void triggersAreWrittenAsThePortalsWriteThem_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("super shift letter")
            << QKeySequence(Qt::META | Qt::SHIFT | Qt::Key_C) << "LOGO+SHIFT+c";
        QTest::newRow("ctrl alt named key")
            << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Delete) << "CTRL+ALT+Delete";
        QTest::newRow("function key") << QKeySequence(Qt::Key_F9) << "F9";
        QTest::newRow("page up") << QKeySequence(Qt::ALT | Qt::Key_PageUp) << "ALT+Prior";
    }
    void triggersAreWrittenAsThePortalsWriteThem()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, trigger);
        QCOMPARE(GlobalShortcut::portalTrigger(keys[0]), trigger);
    }
};

QTEST_MAIN(TstPortalShortcut)
#include "tst_portalshortcut.moc"

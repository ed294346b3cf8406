// The global shortcut through the desktop portal's GlobalShortcuts interface: a session of our
// own, one shortcut bound in it with the key we would like (the desktop may let the user choose
// another), and its Activated signal.

#include "platform/desktopportal.h"
#include "platform/globalshortcut.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QUuid>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// The desktop may ask the user before it binds anything.
constexpr int kAnswerTimeoutMs = 10 * 60 * 1000;

struct ShortcutEntry
{
    QString id;
    QVariantMap properties;
};
using ShortcutList = QList<ShortcutEntry>;

} // namespace

Q_DECLARE_METATYPE(ShortcutEntry)
Q_DECLARE_METATYPE(ShortcutList)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const ShortcutEntry &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ShortcutEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

class PortalShortcut : public GlobalShortcut
{
    Q_OBJECT
public:
    PortalShortcut(const QDBusConnection &bus, const QString &id, const QString &description)
        : m_portal(bus)
        , m_id(id)
        , m_description(description)
    {
        qDBusRegisterMetaType<ShortcutEntry>();
        qDBusRegisterMetaType<ShortcutList>();
        // The slot below is matched by its types' names: they must be known first.
        qRegisterMetaType<QDBusObjectPath>();
        m_portal.setTimeout(kAnswerTimeoutMs);
        m_portal.bus().connect(kService, kPath, kShortcuts, QStringLiteral("Activated"),
            QStringLiteral("osta{sv}"), this,
            SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    }
    ~PortalShortcut() override { closeSession(); }

    void bind(const QKeySequence &keys) override
    {
        // A session binds its shortcuts once: another key takes a new session.
        closeSession();
        ++m_generation;
        if (keys.isEmpty()) {
            setState(State::Off);
            return;
        }
        setState(State::Waiting);
        const QString trigger = portalTrigger(keys[0]);
        const int generation = m_generation;
        const QString token
            = QStringLiteral("tintavo") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        m_portal.request(kShortcuts, QStringLiteral("CreateSession"), {},
            { { QStringLiteral("session_handle_token"), token } }, this,
            [this, generation, trigger](Screen::Outcome outcome, const QVariantMap &results) {
                if (generation != m_generation)
                    return;
                const QString session = results.value(QStringLiteral("session_handle")).toString();
                if (outcome != Screen::Outcome::Read || session.isEmpty()) {
                    setState(State::Unavailable);
                    return;
                }
                m_session = session;
                bindIn(trigger, generation);
            });
    }

private slots:
    void onActivated(
        const QDBusObjectPath &session, const QString &id, qulonglong, const QVariantMap &options)
    {
        if (session.path() == m_session && id == m_id && state() == State::Bound)
            emit activated(options.value(QStringLiteral("activation_token")).toString());
    }

private:
    void bindIn(const QString &trigger, int generation)
    {
        const ShortcutList shortcuts { { m_id,
            { { QStringLiteral("description"), m_description },
                { QStringLiteral("preferred_trigger"), trigger } } } };
        m_portal.request(kShortcuts, QStringLiteral("BindShortcuts"),
            { QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts),
                QString() },
            {}, this, [this, generation](Screen::Outcome outcome, const QVariantMap &results) {
                if (generation != m_generation)
                    return;
                if (outcome == Screen::Outcome::Cancelled) {
                    setState(State::Off);
                    return;
                }
                if (outcome != Screen::Outcome::Read) {
                    setState(State::Unavailable);
                    return;
                }
                // The desktop lists what it bound; ours missing means it kept the key from us.
                ShortcutList bound;
                const QVariant value = results.value(QStringLiteral("shortcuts"));
                if (value.canConvert<QDBusArgument>())
                    value.value<QDBusArgument>() >> bound;
                const bool ours = std::any_of(bound.cbegin(), bound.cend(),
                    [this](const ShortcutEntry &e) { return e.id == m_id; });
                setState(ours ? State::Bound : State::Taken);
            });
    }

    void closeSession()
    {
        if (m_session.isEmpty())
            return;
        m_portal.bus().call(
            QDBusMessage::createMethodCall(kService, m_session,
                QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")),
            QDBus::NoBlock);
        m_session.clear();
    }

    DesktopPortal m_portal;
    QString m_id;
    QString m_description;
    QString m_session;
    int m_generation = 0;
};

} // namespace

std::unique_ptr<GlobalShortcut> GlobalShortcut::forPortal(
    const QDBusConnection &bus, const QString &id, const QString &description)
{
    return std::make_unique<PortalShortcut>(bus, id, description);
}

#include "portalshortcut.moc"

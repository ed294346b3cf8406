#include "capture/lastregion.h"

#include "platform/settingsstore.h"
#include "ui/appstate.h"

#include <QStringList>

namespace lastregion {

namespace {
const QString kApp = QStringLiteral("Tintavo");
const QString kSection = QStringLiteral("Options");
} // namespace

QString toText(const QRect &physical)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(physical.x())
        .arg(physical.y())
        .arg(physical.width())
        .arg(physical.height());
}

std::optional<QRect> fromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int v[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (v[2] < 1 || v[3] < 1)
        return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}

std::optional<QRect> read(const SettingsStore &store)
{
    return fromText(store.Read(kApp, kSection, keyOf(Setting::DerniereZone)));
}

void write(SettingsStore &store, const QRect &physical)
{
    store.Write(kApp, kSection, keyOf(Setting::DerniereZone), toText(physical));
}

} // namespace lastregion

#include "ui/appstate.h"

#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace {
const QString kApp = QStringLiteral("Tintavo");
const QString kSection = QStringLiteral("Options");

bool isWritableDir(const QString &dir)
{
    const QFileInfo info(dir);
    return !dir.isEmpty() && info.isDir() && info.isWritable();
}

QString withoutTrailingSeparator(QString dir)
{
    dir = QDir::cleanPath(dir);
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}
} // namespace

QString keyOf(Setting setting)
{
    static const char *const kKeys[] = { "Langue", "ColorDepth", "AppliDemarre", "PressePapier",
        "FormatImage", "Chemin", "PanneauCouleur", "PanneauIcone", "CopieCss", "History",
        "DelaiCapture", "DerniereZone", "Modeles", "RaccourciPipette" };
    return QString::fromLatin1(kKeys[static_cast<int>(setting)]);
}

QString AppState::readSetting(Setting setting) const
{
    return settings.Read(kApp, kSection, keyOf(setting));
}

void AppState::writeSetting(Setting setting, const QString &value)
{
    settings.Write(kApp, kSection, keyOf(setting), value);
    emit settingWritten(setting);
}

void AppState::setPickKeyState(GlobalShortcut::State state)
{
    if (state == m_pickKeyState)
        return;
    m_pickKeyState = state;
    emit pickKeyStateChanged(state);
}

QString AppState::readSettingOrDefault(Setting setting, const QString &defaultValue)
{
    QString value = readSetting(setting);
    if (value.isEmpty()) {
        value = defaultValue;
        writeSetting(setting, value);
    }
    return value;
}

void AppState::loadStartupSettings()
{
    m_langue = readSettingOrDefault(Setting::Langue, QStringLiteral("Anglais"));
    m_colorDepth = readSettingOrDefault(Setting::ColorDepth, QStringLiteral("2"));
    m_appliDemarre = readSettingOrDefault(Setting::AppliDemarre, QStringLiteral("0"));
    const QString stored = readSetting(Setting::PressePapier);
    if (stored.isEmpty())
        writeSetting(Setting::PressePapier, QStringLiteral("Oui"));
    // Anything stored but "Oui" is off, and stays as stored until the option changes.
    m_pressePapier = stored.isEmpty() || stored == QLatin1String("Oui");
}

void AppState::loadLauncherSettings()
{
    m_formatImage = readSettingOrDefault(Setting::FormatImage, QStringLiteral("JPG25"));
    const QString stored = readSetting(Setting::Chemin);
    m_chemin
        = stored.isEmpty() ? readSettingOrDefault(Setting::Chemin, defaultSaveDirectory()) : stored;
}

namespace {
// Stores a value and says so when it changed.
template <class Signal>
void store(AppState &state, Setting setting, QString &field, const QString &value, Signal changed)
{
    state.writeSetting(setting, value);
    if (std::exchange(field, value) != value)
        emit(state.*changed)(value);
}
} // namespace

void AppState::setLangue(const QString &identifier)
{
    store(*this, Setting::Langue, m_langue, identifier, &AppState::langueChanged);
}

void AppState::setColorDepth(const QString &depth)
{
    store(*this, Setting::ColorDepth, m_colorDepth, depth, &AppState::colorDepthChanged);
}

void AppState::setAppliDemarre(const QString &code)
{
    store(*this, Setting::AppliDemarre, m_appliDemarre, code, &AppState::appliDemarreChanged);
}

void AppState::setFormatImage(const QString &code)
{
    store(*this, Setting::FormatImage, m_formatImage, code, &AppState::formatImageChanged);
}

void AppState::setChemin(const QString &dir)
{
    m_chemin = dir;
    writeSetting(Setting::Chemin, dir);
    emit cheminChanged(dir);
}

void AppState::setPressePapier(bool on)
{
    writeSetting(Setting::PressePapier, on ? QStringLiteral("Oui") : QStringLiteral("Non"));
    const bool changed = m_pressePapier != on;
    m_pressePapier = on;
    if (changed)
        emit pressePapierChanged(on);
}

QString AppState::defaultSaveDirectory()
{
    // An installed program's folder is read-only on Linux: saving there would always fail.
    const QString own
        = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (isWritableDir(own))
        return withoutTrailingSeparator(own);
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (isWritableDir(pictures))
        return withoutTrailingSeparator(pictures);
    return withoutTrailingSeparator(QDir::homePath());
}

QString AppState::joinPath(const QString &dir, const QString &name)
{
    if (dir.endsWith(u'/'))
        return dir + name;
    return dir + u'/' + name;
}

#include "shell/appstate.h"

#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString AppState::readSetting(const QString &key) const
{
    return settings.Read(kApp, kSection, key);
}

void AppState::writeSetting(const QString &key, const QString &value)
{
    settings.Write(kApp, kSection, key, value);
}

QString AppState::readSettingOrDefault(const QString &key, const QString &defaultValue)
{
    QString value = readSetting(key);
    if (value.isEmpty()) {
        value = defaultValue;
        writeSetting(key, value);
    }
    return value;
}

void AppState::loadStartupSettings()
{
    Langue = readSettingOrDefault(QStringLiteral("Langue"), QStringLiteral("Anglais"));
    ColorDepth = readSettingOrDefault(QStringLiteral("ColorDepth"), QStringLiteral("2"));
    AppliDemarre = readSettingOrDefault(QStringLiteral("AppliDemarre"), QStringLiteral("0"));
    const QString stored = readSetting(QStringLiteral("PressePapier"));
    if (stored.isEmpty())
        writeSetting(QStringLiteral("PressePapier"), QStringLiteral("Oui"));
    // Anything stored but "Oui" is off, and stays as stored until the option changes.
    PressePapier = stored.isEmpty() || stored == QLatin1String("Oui");
}

void AppState::loadLauncherSettings()
{
    FormatImage = readSettingOrDefault(QStringLiteral("FormatImage"), QStringLiteral("JPG25"));
    const QString stored = readSetting(QStringLiteral("Chemin"));
    Chemin = stored.isEmpty()
        ? readSettingOrDefault(QStringLiteral("Chemin"), defaultSaveDirectory())
        : stored;
}

void AppState::setChemin(const QString &dir)
{
    Chemin = dir;
    writeSetting(QStringLiteral("Chemin"), dir);
    emit cheminChanged(dir);
}

void AppState::setPressePapier(bool on)
{
    writeSetting(
        QStringLiteral("PressePapier"), on ? QStringLiteral("Oui") : QStringLiteral("Non"));
    const bool changed = PressePapier != on;
    PressePapier = on;
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

#include "platform/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

SettingsStore::SettingsStore(const QString &root)
    : m_root(root.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : root)
{
}

QString SettingsStore::filePath(const QString &application) const
{
    return m_root + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

QString SettingsStore::Read(const QString &application, const QString &section, const QString &key) const
{
    QSettings s(filePath(application), QSettings::IniFormat);
    const QVariant v = s.value(section + u'/' + key);
    // A hand-edited value holding commas comes back as a list; give the text as written.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(u',');
    if (!v.canConvert<QString>())
        return QString();
    return v.toString();
}

void SettingsStore::Write(const QString &application, const QString &section, const QString &key,
                          const QString &value)
{
    const QString path = filePath(application);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings s(path, QSettings::IniFormat);
    s.setValue(section + u'/' + key, value);
    s.sync();
}

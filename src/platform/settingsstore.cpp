#include "platform/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

// QSettings replaces its file through a save file of its own, which loses a write error left in
// its buffer (a full disk) and then puts the truncated file in place. So the new contents are
// first written to a scratch file beside the file and read back, under a name QSettings has not
// seen (it trusts its cache for a file it wrote itself): true when they arrived whole.
bool arrivesWhole(const QString &path, const QString &name, const QString &value)
{
    const QString scratch = path + QStringLiteral(".new-")
        + QString::number(QRandomGenerator::global()->generate64(), 36);
    const QString check = scratch + QStringLiteral("-check");
    QVariantMap wanted;
    bool ok = false;
    {
        const QSettings current(path, QSettings::IniFormat);
        QSettings next(scratch, QSettings::IniFormat);
        for (const QString &k : current.allKeys())
            next.setValue(k, current.value(k));
        next.setValue(name, value);
        next.sync();
        ok = next.status() == QSettings::NoError;
        for (const QString &k : next.allKeys())
            wanted.insert(k, next.value(k));
    }
    ok = ok && QFile::rename(scratch, check);
    if (ok) {
        const QSettings written(check, QSettings::IniFormat);
        ok = written.status() == QSettings::NoError && written.allKeys().size() == wanted.size();
        for (auto it = wanted.cbegin(); ok && it != wanted.cend(); ++it)
            ok = written.value(it.key()) == it.value();
    }
    QFile::remove(scratch);
    QFile::remove(check);
    return ok;
}

} // namespace

SettingsStore::SettingsStore(const QString &root)
    : m_root(root.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            : root)
{
}

QString SettingsStore::filePath(const QString &application) const
{
    return m_root + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

QString SettingsStore::Read(
    const QString &application, const QString &section, const QString &key) const
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

void SettingsStore::Write(
    const QString &application, const QString &section, const QString &key, const QString &value)
{
    const QString path = filePath(application);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString name = section + u'/' + key;
    if (!arrivesWhole(path, name, value))
        return;
    QSettings s(path, QSettings::IniFormat);
    s.setValue(name, value);
    s.sync();
}

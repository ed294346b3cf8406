#pragma once

#include <QString>

// The per-user settings store: text values addressed by application, section and key.
// Kept as one INI file per application under the user's configuration folder
// (~/.config/<application>/<application>.ini). A missing value reads as the empty text;
// failures to read or write are silent, and a write that cannot complete (a full disk) leaves
// the file as it was.
class SettingsStore
{
public:
    // root: the folder that holds the applications' folders; empty means the user's
    // configuration folder.
    explicit SettingsStore(const QString &root = QString());

    QString Read(const QString &application, const QString &section, const QString &key) const;
    void Write(const QString &application, const QString &section, const QString &key,
        const QString &value);

    QString filePath(const QString &application) const;

private:
    QString m_root;
};

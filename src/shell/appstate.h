#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class SettingsStore;

// The values every window shares for the whole run. main creates one and hands it, with the
// launcher, to each window; tests build their own.
struct AppState : public QObject
{
    Q_OBJECT
public:
    explicit AppState(SettingsStore &store)
        : settings(store)
    {
    }

    QString AppTitle = QStringLiteral("Tintavo");
    QString NewLine = QStringLiteral("\r\n");
    QString MessageText;
    uint8_t ToolWindowState = 0; // 100: the launcher shows itself again

    QString Langue; // "Anglais", "Francais", "Spanish"
    QString ColorDepth; // "0".."5"
    QString AppliDemarre; // "0".."5"
    bool PressePapier = true; // the clipboard option, stored as "Oui" / "Non"
    QString FormatImage; // "BMP", "GIF", "JPG", "JPG25", "JPG50", "JPG75", "PNG", "TIF"
    QString Chemin; // save directory

    SettingsStore &settings;

    // The two values the launcher shows and tools change: each setter stores the value and
    // tells whoever shows it.
    void setChemin(const QString &dir);
    void setPressePapier(bool on);

    // The program's keys live under application "Tintavo", section "Options".
    QString readSetting(const QString &key) const;
    void writeSetting(const QString &key, const QString &value);
    // Reads a key; a missing or empty value is replaced by the default, which is stored.
    QString readSettingOrDefault(const QString &key, const QString &defaultValue);

    // Start-up step: language, icon depth, start-up tool and clipboard option.
    void loadStartupSettings();
    // Launcher loading: capture format and save directory.
    void loadLauncherSettings();

    // The save directory used when none is stored: the program's own directory when the user
    // may write there, else the user's Pictures folder, else the home folder.
    static QString defaultSaveDirectory();

    // Joins the save directory (or any directory) and a file name with one separator.
    static QString joinPath(const QString &dir, const QString &name);

signals:
    void cheminChanged(const QString &dir);
    void pressePapierChanged(bool on);
};

#pragma once

#include <QObject>
#include <QString>

#include "platform/globalshortcut.h"
#include "text/language.h"

#include <cstdint>

class SettingsStore;

// Every key the program stores, under application "Tintavo", section "Options".
enum class Setting {
    Langue, // "Anglais", "Francais", "Spanish"
    ColorDepth, // "0".."5"
    AppliDemarre, // "0".."5"
    PressePapier, // "Oui" / "Non"
    FormatImage, // "BMP", "GIF", "JPG", "JPG25", "JPG50", "JPG75", "PNG", "TIF"
    Chemin, // save directory
    PanneauCouleur, // the picker's fold-out panel open: "Oui" / "Non"
    PanneauIcone, // the converter's fold-out panel open: "Oui" / "Non"
    CopieCss, // the notation the picker's panel copies automatically
    History, // the picker's last picks
    DelaiCapture, // seconds the capture window waits before a grab: "0", "3", "5", "10"
    DerniereZone, // the last region selected, physical "X,Y,W,H"
    Modeles, // the picker's named formats: JSON [[name, template], ...] (colour/namedtemplates.h)
    RaccourciPipette, // the global key that starts a pick, as Qt's portable text; "Aucun": none
};

// The key a setting is stored under.
QString keyOf(Setting setting);

// The values every window shares for the whole run. main creates one and hands it, with the
// launcher, to each window; tests build their own. Each stored value has a setter that stores
// it and tells whoever shows it.
class AppState : public QObject
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

    SettingsStore &settings;

    const QString &langue() const { return m_langue; }
    // The language of every window, from the stored identifier.
    Language language() const { return languageFromId(m_langue); }
    const QString &colorDepth() const { return m_colorDepth; }
    const QString &appliDemarre() const { return m_appliDemarre; }
    bool pressePapier() const { return m_pressePapier; } // the clipboard option
    const QString &formatImage() const { return m_formatImage; }
    const QString &chemin() const { return m_chemin; } // the save directory

    void setLangue(const QString &identifier);
    void setColorDepth(const QString &depth);
    void setAppliDemarre(const QString &code);
    void setPressePapier(bool on);
    void setFormatImage(const QString &code);
    void setChemin(const QString &dir);

    // How the global key that starts a pick stands in this run (not stored).
    GlobalShortcut::State pickKeyState() const { return m_pickKeyState; }
    void setPickKeyState(GlobalShortcut::State state);

    // Settings without a shared value of their own.
    QString readSetting(Setting setting) const;
    void writeSetting(Setting setting, const QString &value);

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
    void langueChanged(const QString &identifier);
    void colorDepthChanged(const QString &depth);
    void appliDemarreChanged(const QString &code);
    void pressePapierChanged(bool on);
    void formatImageChanged(const QString &code);
    void cheminChanged(const QString &dir);
    // A setting without a shared value of its own was written (by any window or flow).
    void settingWritten(Setting setting);
    void pickKeyStateChanged(GlobalShortcut::State state);

private:
    // Reads a key; a missing or empty value is replaced by the default, which is stored.
    QString readSettingOrDefault(Setting setting, const QString &defaultValue);

    QString m_langue;
    QString m_colorDepth;
    QString m_appliDemarre;
    bool m_pressePapier = true; // stored as "Oui" / "Non"
    QString m_formatImage;
    QString m_chemin;
    GlobalShortcut::State m_pickKeyState = GlobalShortcut::State::Unavailable;
};

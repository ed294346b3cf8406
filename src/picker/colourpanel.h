#pragma once

#include "colour/colourhistory.h"
#include "colour/namedtemplates.h"
#include "colour/palettefile.h"
#include "text/language.h"

#include <QList>
#include <QWidget>

#include <cstdint>

class AppState;
class ContrastView;
class SchemeView;
class QTabWidget;
class PaletteView;
class PickKeyView;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

// What the picker offers beyond its designed controls, folded out below them: a field that
// reads any pasted colour, the colour in CSS notations to copy, the notation the automatic copy
// uses, the last picks; then, one at a time, the contrast of the colour on a background (WCAG,
// APCA, as seen with colour blindness), its harmonies and variations, and palette files: the
// picks saved as one, and a loaded palette shown as its own with its names.
class ColourPanel : public QWidget
{
    Q_OBJECT
public:
    ColourPanel(AppState &state, QWidget *parent);

    // Height when folded out, in pixels.
    static int unfoldedHeight();

    // The colour the picker shows now (or not a colour).
    void setCurrentColour(int32_t bgr);
    // A pick to remember.
    void remember(int32_t bgr);

    // The notation the automatic copy uses instead of the designed choice, as stored ("" for
    // the designed choice).
    QString autoCopyNotation() const;
    // Its name in menus and tips ("" for the designed choice).
    QString autoCopyLabel() const;
    // The current colour in the notation the automatic copy uses; empty for the designed one.
    QString autoCopyText(int32_t bgr) const;
    // Hands the automatic copy back to the designed choice, and stores that.
    void useDesignedAutoCopy();

    const ColourHistory &history() const { return m_history; }
    // The palette loaded last, as read (empty when none).
    const palettefile::Palette &loadedPalette() const;
    int32_t background() const { return m_background; }

    // "Copy as" entries for any colour, for the context menus of the swatch and the boxes.
    QMenu *copyAsMenu(int32_t bgr, QWidget *parent);

    void applyLanguage(Language language);

signals:
    // A colour to show everywhere (pasted, or a remembered pick clicked).
    void colourChosen(int32_t bgr);
    // Text to put on the clipboard.
    void copyRequested(const QString &text);
    // The notation the automatic copy uses was chosen again ("" for the designed choice).
    void autoCopyChanged(const QString &notation);

private:
    void buildControls();
    void pasteEdited();
    void refreshHistory();
    void refreshContrast();
    void historyMenu(int index, QPoint global);
    void paletteMenu(int index, QPoint global);
    void schemeMenu(int32_t colour, QPoint global);
    void refreshPaletteName();
    void setBackground(int32_t bgr);
    void backgroundMenu();
    void savePicks();
    void saveLoadedPalette();
    void savePalette(const palettefile::Palette &palette, const QString &dir, const QString &name);
    void loadPalette();
    void storeHistory();
    void fillNotationCombos();
    void editTemplates();

    AppState &m_state;
    Language m_language = Language::English;
    int32_t m_current = -1;
    int32_t m_background = 0xFFFFFF;
    ColourHistory m_history;
    QList<namedtemplates::NamedTemplate> m_templates; // as stored

    QLabel *m_pasteLabel = nullptr;
    QLineEdit *m_paste = nullptr;
    QComboBox *m_notation = nullptr;
    QLineEdit *m_notationValue = nullptr;
    QPushButton *m_copy = nullptr;
    QToolButton *m_editTemplates = nullptr;
    QLabel *m_name = nullptr; // the colour's name, or "≈ " the nearest
    QLabel *m_autoLabel = nullptr;
    QComboBox *m_autoCopy = nullptr;
    QLabel *m_historyLabel = nullptr;
    QList<QToolButton *> m_swatches;
    QTabWidget *m_sections = nullptr;
    ContrastView *m_contrast = nullptr;
    SchemeView *m_schemes = nullptr;
    PickKeyView *m_pickKey = nullptr;
    QPushButton *m_savePalette = nullptr;
    QPushButton *m_loadPalette = nullptr;
    QLabel *m_paletteName = nullptr;
    PaletteView *m_palette = nullptr;
    QPushButton *m_saveLoaded = nullptr;
    QString m_paletteFile; // where the loaded palette came from
};

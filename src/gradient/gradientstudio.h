#pragma once

#include "colour/cssnotation.h"
#include "gradient/gradientmodel.h"
#include "text/language.h"

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class StopBar;

// What the linear gradient window offers beyond its designed controls, folded out below them:
// the stops on a bar (2 to 16, any positions, alpha), the shape (linear at any angle, radial,
// conic, each repeating or not), the space the stops are mixed in, a live preview, the CSS to
// copy, a field that reads pasted CSS, and exports to PNG or WebP without banding.
class GradientStudio : public QWidget
{
    Q_OBJECT
public:
    GradientStudio(AppState &state, QWidget *parent);

    // Height when folded out, in pixels.
    static int unfoldedHeight();

    const gradientmodel::Gradient &gradient() const { return m_gradient; }
    void setGradient(const gradientmodel::Gradient &gradient);
    void applyLanguage(Language language);

signals:
    // Text to put on the clipboard.
    void copyRequested(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void showGradient(); // every control from m_gradient
    void showStop();
    void readShape();
    void colourEdited();
    // The stop being edited takes this colour and its alpha.
    void setCurrentColour(const cssnotation::Translucent &colour);
    void chooseColour();
    void pasteColour();
    void cssPasted();
    void exportPicture();
    void refreshPreview();
    QString text(const char *key) const;

    AppState &m_state;
    Language m_language = Language::English;
    gradientmodel::Gradient m_gradient;
    bool m_showing = false; // while controls are set from the model

    QLabel *m_stopsLabel = nullptr;
    StopBar *m_bar = nullptr;
    QLabel *m_positionLabel = nullptr;
    QDoubleSpinBox *m_position = nullptr;
    QLabel *m_colourLabel = nullptr;
    QLineEdit *m_colour = nullptr;
    QPushButton *m_choose = nullptr;
    QPushButton *m_remove = nullptr;
    QLabel *m_shapeLabel = nullptr;
    QComboBox *m_shape = nullptr;
    QCheckBox *m_repeating = nullptr;
    QLabel *m_angleLabel = nullptr;
    QDoubleSpinBox *m_angle = nullptr;
    QLabel *m_centreLabel = nullptr;
    QDoubleSpinBox *m_centreX = nullptr;
    QDoubleSpinBox *m_centreY = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_size = nullptr;
    QLabel *m_mixLabel = nullptr;
    QComboBox *m_mix = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_cssLabel = nullptr;
    QPlainTextEdit *m_css = nullptr;
    QPushButton *m_copy = nullptr;
    QLabel *m_pasteLabel = nullptr;
    QLineEdit *m_paste = nullptr;
    QLabel *m_pasteError = nullptr;
    QLabel *m_exportLabel = nullptr;
    QSpinBox *m_exportWidth = nullptr;
    QSpinBox *m_exportHeight = nullptr;
    QPushButton *m_export = nullptr;
};

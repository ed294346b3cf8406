#pragma once

#include "controls/commondialog.h"
#include "gradient/lineargradient.h"
#include "ui/toolwindow.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class PictureBox;
class GradientStudio;

// The linear gradient window: two to four colour stops painted across a drawing surface in one
// of four orientations, saved as a bitmap file.
class FrmGRD : public ToolWindow
{
    Q_OBJECT
public:
    FrmGRD(AppState &state, ToolHost &host);

    // The four colour stops, and how many segments between them are in use (1 to 3).
    const lineargradient::Stops &stops() const { return m_stops; }
    int segmentCount() const { return m_k; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void Form_Unload() override;

private slots:
    void op1_Click();
    void op2_Click();
    void op3_Click();
    void Pic1_Click();
    void Pic2_Click();
    void Pic3_Click();
    void Pic4_Click();
    void CmdH_Click();
    void CmdV_Click();
    void CmdD1_Click();
    void CmdD2_Click();
    void CmdEnreg_Click();
    void CmdSpheric_Click();
    void CmdCss_Click();

private:
    // The invisible line that marks the top of the drawing surface (its Y1, twips).
    static constexpr int LineTop_Y1 = 1440;

    QGroupBox *Fra2;
    QRadioButton *op1;
    QRadioButton *op2;
    QRadioButton *op3;
    QGroupBox *Fra3;
    PictureBox *Pic1;
    PictureBox *Pic2;
    PictureBox *Pic3;
    PictureBox *Pic4;
    QToolButton *CmdCss;
    QGroupBox *Fra1;
    QPushButton *CmdH;
    QPushButton *CmdV;
    QPushButton *CmdD1;
    QPushButton *CmdD2;
    QPushButton *CmdEnreg;
    QPushButton *CmdSpheric;
    QLineEdit *Foc;
    PictureBox *PicDeg;
    QAction *MnuCss;
    CommonDialog ComD1;

    // Recomputes the four stops from the swatches' back colours.
    void GetSwatchColors();

    void buildControls();
    void Form_Load();
    void Form_Resize() override;
    void chooseColor(PictureBox *swatch);
    void setSegments(int k);
    void drawGradient(lineargradient::Orientation orientation);
    void remember(lineargradient::Orientation orientation);
    void focusSink();

    // Beyond the designed controls: the fold-out panel below them and its button.
    QToolButton *CmdMore = nullptr;
    GradientStudio *m_studio = nullptr;
    bool m_studioSeeded = false;
    QSize m_keepDrawingAt; // the surface's size across a fold, which keeps the drawing
    void buildStudio();
    void setStudioOpen(bool open);

    lineargradient::Stops m_stops {};
    int m_k = 3;
    uint8_t m_switching = 0; // 1 while closing to hand over to the spherical window

    // What the last drawing showed, for the stylesheet copy.
    lineargradient::Orientation m_drawnOrientation = lineargradient::Orientation::Horizontal;
    lineargradient::Stops m_drawnStops {};
    int m_drawnK = 0; // 0: nothing drawn yet
};

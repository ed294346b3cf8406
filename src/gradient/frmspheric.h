#pragma once

#include "controls/commondialog.h"
#include "gradient/modspheric.h"
#include "ui/toolwindow.h"

#include <array>
#include <optional>

class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;
class Label;
class PictureBox;

// The spherical gradient window: a size and two colours, a sphere drawn into the top-left
// corner of the drawing surface, saved as a bitmap file.
class FrmSpheric : public ToolWindow
{
    Q_OBJECT
public:
    FrmSpheric(AppState &state, ToolHost &host);

    // A swatch label's back colour (0x00BBGGRR).
    static int32_t backColor(const Label *label);

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void CmdGo_Click();
    void Foc_Click();
    void CmdSave_Click();
    void LblC1_Click();
    void LblC2_Click();
    void CmdCss_Click();

private:
    // The invisible line that sets the drawing surface's height (its Y1, twips).
    static constexpr int LineTop_Y1 = 1320;

    QPushButton *Foc;
    QGroupBox *DraDim;
    std::array<Label *, 4> Lbl;
    QLineEdit *TxtWidth;
    QLineEdit *TxtHeight;
    QGroupBox *FraColor;
    Label *LblC1;
    Label *LblC2;
    QPushButton *CmdGo;
    QPushButton *CmdSave;
    QPushButton *CmdCss;
    PictureBox *Pik;
    QAction *MnuCss;
    CommonDialog CD1;

    static void setBackColor(Label *label, int32_t bgr);

    void buildControls();
    void Form_Resize() override;
    void chooseColor(Label *swatch);
    // The sphere the fields describe, or nothing when they cannot be drawn.
    std::optional<modSpheric::SphereRect> sizeFromFields() const;
    void focusSink();

    // The last sphere drawn, for the stylesheet copy.
    std::optional<modSpheric::SpherePlan> m_drawn;
    int32_t m_drawnColour1 = 0;
    int32_t m_drawnColour2 = 0;
};

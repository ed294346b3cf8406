#pragma once

#include "controls/commondialog.h"
#include "controls/intervaltimer.h"
#include "icon/iconhandles.h"
#include "ui/toolwindow.h"

#include <array>
#include <cstdint>

class Label;
class ModernIconPanel;
class PictureBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The converter: loads a 32 x 32 picture, previews it as an icon and writes the icon file at
// the chosen depth with one colour transparent.
class FrmToIco : public ToolWindow
{
    Q_OBJECT
public:
    FrmToIco(AppState &state, ToolHost &host);

    // Builds an icon from a picture for the preview; 0 when the picture is empty. The icon
    // belongs to the caller, unless the picture was made to own it.
    int32_t GetIcon(iconhandles::Picture &voPic, int32_t vnTransparentColor = -1,
        bool vbReplacePicByIcon = false, bool vbUseSystemConstraints = false);

    // The depth the icon file is written at (1, 4, 8, 16, 24 or 32 bits), as chosen.
    int BitDepth = 8;

private slots:
    void CmdOpen_Click();
    void CmdColor_Click();
    void CcBtnExport_Click();
    void CcBtnConvertion_Click();
    void opBpp_Click(int Index);
    void TimResult_Timer();

private:
    Label *Lbl2;
    QPushButton *CmdOpen;
    QLineEdit *TxtSource;
    PictureBox *picView;
    QFrame *Shape1;
    PictureBox *CcPicSource;
    Label *Lbl1;
    QPushButton *CmdColor;
    PictureBox *CcPicTransparent;
    Label *Lbl3;
    QPushButton *CcBtnExport;
    QLineEdit *TxtExport;
    std::array<Label *, 2> CcLbl {}; // the layout has element 1 only
    PictureBox *CcPicCible;
    Label *LblIc1;
    Label *LblIc2;
    Label *LblIc3;
    Label *LblColorDep;
    QGroupBox *FraCD;
    std::array<QRadioButton *, 6> opBpp {};
    QPushButton *CcBtnConvertion;
    QPushButton *CmdFoc;
    // A child of the window, so that it is found by its name like the controls.
    IntervalTimer TimResult { this };
    CommonDialog CD1;

    // Beyond the designed window: any picture to multi-size icons and a favicon set, in a
    // panel folded out below the designed controls.
    QPushButton *CmdModern = nullptr;
    ModernIconPanel *m_modern = nullptr;

    void buildControls();
    void buildModernPanel();
    void setModernOpen(bool open);
    void Form_Load();
    void forgetSource(const QString &path);
};

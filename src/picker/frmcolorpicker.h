#pragma once

#include "controls/commondialog.h"
#include "controls/intervaltimer.h"
#include "picker/pipettesession.h"
#include "platform/screen.h"
#include "ui/toolwindow.h"

#include <QList>
#include <QPoint>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>

class ColourPanel;
class Label;
class PickOverlay;
class PictureBox;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The eyedropper: pick any screen pixel and see it in every notation, one of them copied.
class frmColorPicker : public ToolWindow
{
    Q_OBJECT
public:
    frmColorPicker(AppState &state, ToolHost &host);
    ~frmColorPicker() override;

    // Whether the pipette runs, and the last value picked or converted (which need not be a
    // colour).
    bool pipetteActive() const;
    int32_t currentColor() const { return m_currentColor; }
    // The swatch's background as a colour value (a system-colour reference while fresh).
    int32_t swatchColor() const { return m_swatchColor; }
    // The frozen pipette's overlays, one per monitor, while it runs.
    QList<PickOverlay *> pickOverlays() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void Form_Unload() override;

private slots:
    void CmdPipette_Click();
    void CmdPipette_Press();
    void CmdBasicColor_Click();
    void CmdConvertir_Click();
    void chkKeepFront_Click();
    void ChkXY_Click();
    void Opt1_Click(int Index);
    void TimXY_Timer();
    void TimCapt_Timer();

private:
    QPushButton *CmdPipette;
    PictureBox *picSampleColor;
    QFrame *Fra2;
    QPushButton *CmdBasicColor;
    QPushButton *CmdConvertir;
    QCheckBox *chkcopyauto;
    std::array<QRadioButton *, 5> Opt1;
    QCheckBox *chkKeepFront;
    QCheckBox *ChkXY;
    Label *LblPosX;
    Label *LblPosY;
    QGroupBox *Fra1;
    std::array<QLineEdit *, 11> TxtC;
    std::array<Label *, 17> Lbl;
    PictureBox *Picture3;
    QLineEdit *Foc;
    CommonDialog dlg1;
    // Children of the window, so that they are found by their names like the controls.
    IntervalTimer TimXY { this };
    IntervalTimer TimCapt { this };

    // Shows a colour in the swatch and every box, then performs the automatic copy.
    void SetTextCouleur(int32_t p_Color);

    void buildControls();
    void buildValueFrame();
    void Form_Load();
    void startPipette(QWidget *pressedButton);
    void pipetteEnded();
    void pipetteCancelled();
    void desktopColourPicked(int32_t color);
    // The pick runs in steps, each after the events pending at that point.
    void pickAt(QPoint at, PipetteSession::AreaReader read);
    void PickCentre();
    void endPick();
    void afterPendingEvents(std::function<void()> step);
    void focusSink();
    void setSwatch(int32_t color);

    PipetteSession *m_pipette;
    // Beyond the designed controls: the fold-out panel below them and its button.
    QPushButton *CmdMore = nullptr;
    ColourPanel *m_panel = nullptr;
    void buildPanel();
    void setPanelOpen(bool open);
    void showCopyAsMenu(QWidget *control, QPoint at);
    void copyText(const QString &text);
    // The designed choices show none selected while the panel's notation is copied instead.
    void showAutoCopyOwner();
    uint8_t m_copyOption = 0;
    uint8_t m_coordsOff = 0;
    QPoint m_pointer;
    // The left button went down on the pipette, and its release is still to come: released
    // over the pipette it was a click, anywhere else it picks (press, drag, release).
    bool m_pressOnPipette = false;
    bool m_captureOk = false;
    unsigned m_pick = 0; // counts picks; only the latest one's steps run
    int32_t m_currentColor = 0;
    int32_t m_swatchColor;
};

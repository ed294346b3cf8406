#pragma once

#include "controls/commondialog.h"
#include "controls/intervaltimer.h"
#include "platform/screen.h"
#include "ui/toolwindow.h"

#include <QImage>
#include <QList>
#include <QPointer>

#include <array>
#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QScrollBar;
class CapturePictureBox;
class PictureBox;
class PictureScroller;
class frmCaptureInfo;
class RegionSession;

// The screen capture tool: grabs the whole screen or a region chosen on the overlay, shows the
// picture, copies it to the clipboard on request and saves it in the chosen format.
class frmCapture : public ToolWindow
{
    Q_OBJECT
public:
    frmCapture(AppState &state, ToolHost &host);
    ~frmCapture() override;

    // Designed limits: LblLimiteH's Left is the smallest outer width, LblLimiteV's Top the
    // smallest outer height (twips).
    static constexpr int LimiteH = 4920;
    static constexpr int LimiteV = 2580;

    // The quality a JPEG is saved with, as last chosen in the format menu.
    int16_t jpegQuality() const { return m_jpegQuality; }
    // The seconds the "Delay" menu offers, in menu order.
    static constexpr std::array<int, 4> DelaySeconds { 0, 3, 5, 10 };
    // The seconds a grab waits, as last chosen in the "Delay" menu.
    int delaySeconds() const { return m_delaySeconds; }

    // The region overlay, once a region capture has created it (the first monitor's where
    // there is one per monitor).
    frmCaptureInfo *overlay() const;
    // Every region overlay: one over the whole desktop, or one per monitor where a window
    // cannot span monitors (Wayland).
    QList<frmCaptureInfo *> overlays() const;

protected:
    bool Form_QueryUnload() override;
    void Form_Unload() override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void regionCaptured(const QImage &picture, const QSize &sizeTwips);
    void regionReleased();
    void regionCancelled();
    void MnuCapEcran_Click();
    void MnuCapRegion_Click();
    void TimCaptEcran1_Timer();
    void TimCaptEcran2_Timer();
    void TimCap_Timer();
    void MnMenu_Click();
    void MnuCapture_Click();
    void MnuOption_Click();
    void MnuHelp_Click();
    void MnuFormat_Entry_Click(int index);
    void MnuDelai_Entry_Click(int index);
    void MnuCopier_Click();
    void MnuSave_Click();
    void MnExit_Click();

private:
    QMenuBar *MenuBar;
    QMenu *MnMenu;
    QAction *MnuSave;
    // Beyond the designed menu: the picture marked up in the screenshot editor.
    QAction *MnuAnnotate = nullptr;
    void MnuAnnotate_Click();
    QAction *MnExit;
    QMenu *MnuCapture;
    QAction *MnuCapEcran;
    QAction *MnuCapRegion;
    QMenu *MnuOption;
    QAction *MnuCopier;
    QMenu *MnuFormat;
    QAction *MnuFbmp;
    QAction *MnuFgif;
    QMenu *MnuFjpg;
    QAction *MnuCompresse1;
    QAction *MnuCompresse2;
    QAction *MnuCompresse3;
    QAction *MnuCompresse4;
    QAction *MnuFpng;
    QAction *MnuFtif;
    // Not of the designed window: how long a grab waits once the window is out of the way.
    QMenu *MnuDelai;
    std::array<QAction *, 4> MnuDelaiEntries;
    QMenu *MnuAide;
    QAction *MnuHelp;

    PictureBox *PictureDoc;
    CapturePictureBox *PicCapt;
    // Scroll a picture larger than the part of PictureDoc on view; hidden otherwise.
    QScrollBar *HScrollPic;
    QScrollBar *VScrollPic;
    QPlainTextEdit *TxtEn;
    QPlainTextEdit *TxtFR;
    QPlainTextEdit *TxtEs;
    QLabel *LblLimiteH;
    QLabel *LblLimiteV;
    // Children of the window, so that they are found by their names like the controls.
    IntervalTimer TimCap { this };
    IntervalTimer TimCaptEcran1 { this };
    IntervalTimer TimCaptEcran2 { this };
    CommonDialog CommonDialog1;

    // The format entries in menu order (BMP, GIF, the four compressions, PNG, TIF).
    std::array<QAction *, 8> formatEntries() const;

    // The area below the menu bar, in which the controls are placed.
    QWidget *clientArea() const { return m_client; }

    // The size of the window with its frame and title, in twips.
    int outerWidthTwips() const;
    int outerHeightTwips() const;
    // The frame stays inside the free area of the window's screen: a larger size is cut to it
    // and the picture scrolls.
    void setOuterSizeTwips(int width, int height);
    // Sizes the window around PicCapt's picture: the picture's size plus margins (twips), grown
    // where this window's frame and menu bar would hide an edge of the picture once the
    // overlay has centred it. Never below the window's limits.
    void setOuterSizeAroundPicture(int marginWidth, int marginHeight);
    // Left = (screen width - width) / 2, Top = (screen height - height) / 2, then moved as
    // little as needed to keep the frame inside the screen's free area.
    void centreOnScreenHalf();
    // Puts a captured picture into PicCapt at Left 0, Top 0, sized to it.
    void putPicture(const QImage &picture);
    void enableSave();
    bool copyOptionOn() const;

    void buildControls();
    void buildMenus();
    void Form_Load();
    void Form_Resize() override;
    void leaveMinimisedIfShown();
    void centreWithPictures();
    void hideHelpBoxes();
    void checkFormatEntry(int index);
    void checkDelayEntry(int index);
    void stopTimers();
    // Frame and title around the client area, as the window manager draws them.
    QSize frameExtra() const;
    // The free area (without panels) of the screen the window stands on.
    QRect availableArea() const;

    QWidget *m_client = nullptr;
    int16_t m_jpegQuality = 0;
    int m_delaySeconds = 0;
    uintptr_t m_imagingToken = 0;
    QImage m_snapshot;
    Screen::Outcome m_snapshotOutcome = Screen::Outcome::Read;
    RegionSession *m_region = nullptr;
    bool m_closing = false;
    PictureScroller *m_scroller = nullptr;
};

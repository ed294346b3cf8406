#include "gradient/frmgrd.h"

#include "gradient/frmgrdtexts.h"
#include "ui/captions.h"

#include "base/twips.h"
#include "controls/picturebox.h"
#include "gradient/gradientsave.h"
#include "gradient/gradientstudio.h"
#include "gradient/gradientstudiotexts.h"
#include "gradient/gradientsurface.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "text/language.h"
#include "ui/appstate.h"
#include "ui/controls.h"
#include "ui/toolhost.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

using lineargradient::Orientation;

using namespace frmgrdtexts;

namespace {

// Designed inner size of the window and the smallest outer size it accepts (twips).
constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 3720;
constexpr int kMinOuterWidth = 7800;
constexpr int kMinOuterHeight = 3600;

// The small picture of an orientation button: a square shaded in the button's direction.
QIcon orientationIcon(Orientation orientation)
{
    const int size = 20;
    QPixmap pm(size, size);
    pm.fill(Qt::white);
    QPainter p(&pm);
    QLinearGradient g;
    switch (orientation) {
    case Orientation::Horizontal:
        g = QLinearGradient(0, 0, size, 0);
        break;
    case Orientation::Vertical:
        g = QLinearGradient(0, 0, 0, size);
        break;
    case Orientation::DiagonalFromLeft:
        g = QLinearGradient(0, 0, size, size);
        break;
    case Orientation::DiagonalFromRight:
        g = QLinearGradient(size, 0, 0, size);
        break;
    }
    g.setColorAt(0, QColor(0xFF, 0x00, 0x00));
    g.setColorAt(1, QColor(0xFF, 0xFF, 0x00));
    p.fillRect(QRect(1, 1, size - 2, size - 2), g);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRect(1, 1, size - 3, size - 3));
    return QIcon(pm);
}

QPushButton *orientationButton(
    QWidget *frame, const char *name, int left, int top, Orientation orientation)
{
    auto *b = makeControl<QPushButton>(frame, QString::fromLatin1(name), left, top, 435, 435);
    b->setIcon(orientationIcon(orientation));
    b->setIconSize(QSize(20, 20));
    b->setStyleSheet(QStringLiteral("QPushButton { background: white; border: 1px solid #A0A0A0; }"
                                    "QPushButton:pressed { background: #E0E0E0; }"
                                    "QPushButton:disabled { background: #F0F0F0; }"));
    return b;
}

PictureBox *swatch(QWidget *frame, const char *name, int left, int32_t color)
{
    auto *pic = makeControl<PictureBox>(frame, QString::fromLatin1(name), left, 480, 615, 495);
    pic->setBorder(true);
    pic->setBackColor(color);
    pic->setCursor(Qt::PointingHandCursor);
    return pic;
}

} // namespace

FrmGRD::FrmGRD(AppState &state, ToolHost &host)
    : ToolWindow(state, host)
    , ComD1(this)
{
    setObjectName(QStringLiteral("FrmGRD"));
    buildControls();
    Form_Load();
}

void FrmGRD::buildControls()
{
    setWindowTitle(QStringLiteral("Gradient"));
    twips::setClientSize(this, kClientWidth, kClientHeight);

    Fra2 = makeControl<QGroupBox>(
        this, QStringLiteral("Fra2"), 120, 60, 1515, 1275, QStringLiteral("Options"));
    op1 = makeControl<QRadioButton>(
        Fra2, QStringLiteral("op1"), 120, 300, 1335, 255, QStringLiteral("2 colors"));
    op2 = makeControl<QRadioButton>(
        Fra2, QStringLiteral("op2"), 120, 600, 1335, 255, QStringLiteral("3 colors"));
    op3 = makeControl<QRadioButton>(
        Fra2, QStringLiteral("op3"), 120, 900, 1335, 255, QStringLiteral("4 colors"));
    op3->setChecked(true);

    Fra3 = makeControl<QGroupBox>(
        this, QStringLiteral("Fra3"), 1740, 60, 3015, 1275, QStringLiteral("Colors"));
    Pic1 = swatch(Fra3, "Pic1", 120, 0x0000FF);
    Pic2 = swatch(Fra3, "Pic2", 840, 0x00FFFF);
    Pic3 = swatch(Fra3, "Pic3", 1560, 0x408000);
    Pic4 = swatch(Fra3, "Pic4", 2280, 0xFF0080);
    // Not in the original layout: it sits in the free strip under the swatches.
    CmdCss = makeControl<QToolButton>(
        Fra3, QStringLiteral("CmdCss"), 1800, 1005, 1095, 225, QStringLiteral("Copy CSS"));
    CmdCss->setAutoRaise(true);
    QFont small = CmdCss->font();
    small.setPointSizeF(7);
    CmdCss->setFont(small);

    Fra1 = makeControl<QGroupBox>(
        this, QStringLiteral("Fra1"), 4860, 60, 1335, 1335, QStringLiteral("Orientation"));
    CmdH = orientationButton(Fra1, "CmdH", 180, 300, Orientation::Horizontal);
    CmdV = orientationButton(Fra1, "CmdV", 720, 300, Orientation::Vertical);
    CmdD1 = orientationButton(Fra1, "CmdD1", 180, 780, Orientation::DiagonalFromLeft);
    CmdD2 = orientationButton(Fra1, "CmdD2", 720, 780, Orientation::DiagonalFromRight);
    CmdD1->setEnabled(false);
    CmdD2->setEnabled(false);

    CmdEnreg = makeControl<QPushButton>(
        this, QStringLiteral("CmdEnreg"), 6300, 60, 1155, 615, QStringLiteral("Enregistrer"));
    CmdEnreg->setEnabled(false);
    CmdSpheric = makeControl<QPushButton>(this, QStringLiteral("CmdSpheric"), 6300, 720, 1155, 615,
        QStringLiteral("Spherical gradient"));

    // The focus sink lies under the drawing surface, which is created after it.
    Foc = makeControl<QLineEdit>(
        this, QStringLiteral("Foc"), 180, LineTop_Y1 + 120, 375, 285, QStringLiteral("Foc"));

    PicDeg = makeControl<PictureBox>(this, QStringLiteral("PicDeg"), 60, LineTop_Y1,
        kClientWidth - 8, kClientHeight - (LineTop_Y1 + 4));
    PicDeg->setBorder(true);
    gradientsurface::prepare(PicDeg->surface());
    PicDeg->refresh();
    MnuCss = new QAction(QStringLiteral("Copy CSS"), PicDeg);
    MnuCss->setObjectName(QStringLiteral("MnuCss"));
    PicDeg->addAction(MnuCss);
    PicDeg->setContextMenuPolicy(Qt::ActionsContextMenu);

    ComD1.CancelError = true;

    connect(op1, &QRadioButton::clicked, this, &FrmGRD::op1_Click);
    connect(op2, &QRadioButton::clicked, this, &FrmGRD::op2_Click);
    connect(op3, &QRadioButton::clicked, this, &FrmGRD::op3_Click);
    auto leftClick = [this](PictureBox *pic, void (FrmGRD::*slot)()) {
        connect(pic, &PictureBox::clicked, this, [this, slot](Qt::MouseButton button, QPoint) {
            if (button == Qt::LeftButton)
                (this->*slot)();
        });
    };
    leftClick(Pic1, &FrmGRD::Pic1_Click);
    leftClick(Pic2, &FrmGRD::Pic2_Click);
    leftClick(Pic3, &FrmGRD::Pic3_Click);
    leftClick(Pic4, &FrmGRD::Pic4_Click);
    connect(CmdH, &QPushButton::clicked, this, &FrmGRD::CmdH_Click);
    connect(CmdV, &QPushButton::clicked, this, &FrmGRD::CmdV_Click);
    connect(CmdD1, &QPushButton::clicked, this, &FrmGRD::CmdD1_Click);
    connect(CmdD2, &QPushButton::clicked, this, &FrmGRD::CmdD2_Click);
    connect(CmdEnreg, &QPushButton::clicked, this, &FrmGRD::CmdEnreg_Click);
    connect(CmdSpheric, &QPushButton::clicked, this, &FrmGRD::CmdSpheric_Click);
    connect(CmdCss, &QToolButton::clicked, this, &FrmGRD::CmdCss_Click);
    connect(MnuCss, &QAction::triggered, this, &FrmGRD::CmdCss_Click);
    buildStudio();
}

void FrmGRD::buildStudio()
{
    // Its button sits left of Copy CSS in the free strip under the swatches; the panel goes
    // below the designed client area, which keeps its size and every control its place.
    CmdMore = makeControl<QToolButton>(
        Fra3, QStringLiteral("CmdMore"), 120, 1005, 1575, 225, QString());
    CmdMore->setAutoRaise(true);
    CmdMore->setCheckable(true);
    CmdMore->setFont(CmdCss->font());
    m_studio = new GradientStudio(m_state, this);
    m_studio->hide();
    setStudioOpen(false);
    connect(CmdMore, &QToolButton::toggled, this, &FrmGRD::setStudioOpen);
    connect(m_studio, &GradientStudio::copyRequested, this,
        [](const QString &text) { ScreenServices::current().clipboard().setText(text); });
}

void FrmGRD::setStudioOpen(bool open)
{
    const Language language = m_state.language();
    CmdMore->setText(captionOf(gradientstudiotexts::kTexts, open ? "less" : "more", language));
    CmdMore->setToolTip(captionOf(gradientstudiotexts::kTexts, "moreTip", language));
    if (open == m_studio->isVisibleTo(this))
        return;
    if (open && !m_studioSeeded) {
        // The first time, the panel starts from the window's colours, left to right.
        gradientmodel::Gradient g = m_studio->gradient();
        g.stops.clear();
        for (int i = 0; i <= m_k; ++i)
            g.stops.append({ m_stops[i].color, 1, double(i) / m_k });
        m_studio->setGradient(g);
        m_studioSeeded = true;
    }
    m_keepDrawingAt = PicDeg->size();
    m_studio->setVisible(open);
    const int change = open ? GradientStudio::unfoldedHeight() : -GradientStudio::unfoldedHeight();
    resize(width(), height() + change);
    // Grown downwards, the panel may pass the bottom of the screen: the window moves up, no
    // higher than the screen's top (a session that does not let windows move leaves it).
    if (open && screen()) {
        const QRect room = screen()->availableGeometry();
        const int below = frameGeometry().bottom() - room.bottom();
        if (below > 0)
            move(x(), std::max(room.top(), y() - below));
    }
}

void FrmGRD::Form_Load()
{
    GetSwatchColors();
    m_k = 3;
    m_switching = 0;
    applyCaptions(this, kCaptions, m_state.language());
}

void FrmGRD::GetSwatchColors()
{
    const PictureBox *swatches[] = { Pic1, Pic2, Pic3, Pic4 };
    for (int i = 0; i < 4; ++i)
        m_stops[i] = lineargradient::splitColor(swatches[i]->backColor());
}

void FrmGRD::focusSink() { Foc->setFocus(Qt::OtherFocusReason); }

void FrmGRD::setSegments(int k)
{
    m_k = k;
    Pic3->setVisible(k >= 2);
    Pic4->setVisible(k >= 3);
    CmdD1->setEnabled(k == 1);
    CmdD2->setEnabled(k == 1);
    focusSink();
}

void FrmGRD::op1_Click() { setSegments(1); }
void FrmGRD::op2_Click() { setSegments(2); }
void FrmGRD::op3_Click() { setSegments(3); }

void FrmGRD::chooseColor(PictureBox *swatch)
{
    // The dialog opens without a preset colour; cancelling is the dialog's error and ends here.
    if (!ComD1.ShowColor())
        return;
    swatch->setBackColor(ComD1.Color);
    GetSwatchColors();
}

void FrmGRD::Pic1_Click() { chooseColor(Pic1); }
void FrmGRD::Pic2_Click() { chooseColor(Pic2); }
void FrmGRD::Pic3_Click() { chooseColor(Pic3); }
void FrmGRD::Pic4_Click() { chooseColor(Pic4); }

void FrmGRD::remember(Orientation orientation)
{
    m_drawnOrientation = orientation;
    m_drawnStops = m_stops;
    m_drawnK = m_k;
}

void FrmGRD::drawGradient(Orientation orientation)
{
    focusSink();
    gradientsurface::draw(PicDeg->surface(), PicDeg->size(), m_stops, m_k, orientation);
    PicDeg->refresh();
    CmdEnreg->setEnabled(true);
    remember(orientation);
}

void FrmGRD::CmdH_Click() { drawGradient(Orientation::Horizontal); }
void FrmGRD::CmdV_Click() { drawGradient(Orientation::Vertical); }
void FrmGRD::CmdD1_Click() { drawGradient(Orientation::DiagonalFromLeft); }
void FrmGRD::CmdD2_Click() { drawGradient(Orientation::DiagonalFromRight); }

void FrmGRD::CmdEnreg_Click()
{
    focusSink();
    ComD1.Flags = CommonDialog::Explorer | CommonDialog::FileMustExist | CommonDialog::PathMustExist
        | CommonDialog::HideReadOnly | CommonDialog::OverwritePrompt;
    // The dialog opens in the save directory with ".bmp" in the name field; the name chosen is
    // used exactly as given.
    ComD1.FileName = AppState::joinPath(m_state.chemin(), QStringLiteral(".bmp"));
    ComD1.FilterIndex = 1;
    // A failed write keeps Save enabled, so that the picture can go somewhere else.
    if (ComD1.ShowSave()
        && !gradientsave::savePicture(this, m_state, PicDeg->image(), ComD1.FileName))
        return;
    CmdEnreg->setEnabled(false);
}

void FrmGRD::CmdSpheric_Click()
{
    m_host.showTool(Tool::Spherical);
    m_switching = 1;
    close();
}

void FrmGRD::CmdCss_Click()
{
    Clipboard &clipboard = ScreenServices::current().clipboard();
    if (m_drawnK == 0)
        clipboard.setText(lineargradient::css(Orientation::Horizontal, m_stops, m_k));
    else
        clipboard.setText(lineargradient::css(m_drawnOrientation, m_drawnStops, m_drawnK));
    focusSink();
}

void FrmGRD::resizeEvent(QResizeEvent *event)
{
    ToolWindow::resizeEvent(event);
    Form_Resize();
}

void FrmGRD::Form_Resize()
{
    const int studioHeight
        = m_studio && m_studio->isVisibleTo(this) ? GradientStudio::unfoldedHeight() : 0;
    if (m_studio)
        m_studio->setGeometry(0, height() - studioHeight, width(), studioHeight);
    const int innerWidth = twips::toTwipsX(width());
    const int innerHeight = twips::toTwipsY(height() - studioHeight);
    PicDeg->setGeometry(twips::toPixelsX(60), twips::toPixelsY(LineTop_Y1),
        qMax(0, twips::toPixelsX(innerWidth - 8)),
        qMax(0, twips::toPixelsY(innerHeight - (LineTop_Y1 + 4))));

    // The window snaps back to its smallest outer size; the resize runs this layout again.
    if (snapToMinimumOuterSize(kMinOuterWidth, kMinOuterHeight + twips::toTwipsY(studioHeight)))
        return;

    // Folding the panel in or out leaves the drawing as it is.
    const bool folding = PicDeg->size() == m_keepDrawingAt;
    m_keepDrawingAt = QSize();
    if (folding)
        return;
    PicDeg->Cls();
    CmdEnreg->setEnabled(false);
}

void FrmGRD::Form_Unload()
{
    // Handing over to the spherical window keeps the launcher hidden; that window brings it
    // back when it closes.
    if (m_switching == 0)
        returnToLauncher();
}

#include "gradient/frmspheric.h"

#include "gradient/frmspherictexts.h"
#include "ui/captions.h"

#include "base/colorconv.h"
#include "base/twips.h"
#include "base/vbmath.h"
#include "controls/label.h"
#include "controls/messagebox.h"
#include "controls/picturebox.h"
#include "gradient/gradientsave.h"
#include "gradient/spherecss.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "text/language.h"
#include "ui/appstate.h"
#include "ui/controls.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace frmspherictexts;

namespace {

constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 4860;
constexpr int kMinOuterWidth = 7800;
constexpr int kMinOuterHeight = 6030;

const QString kIncompatible = QStringLiteral("Incompatible value.");

} // namespace

FrmSpheric::FrmSpheric(AppState &state, ToolHost &host)
    : ToolWindow(state, host)
    , CD1(this)
{
    setObjectName(QStringLiteral("FrmSpheric"));
    buildControls();
}

int32_t FrmSpheric::backColor(const Label *label)
{
    return fromQColor(label->palette().color(QPalette::Window));
}

void FrmSpheric::setBackColor(Label *label, int32_t bgr)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, toQColor(bgr));
    label->setPalette(pal);
}

void FrmSpheric::buildControls()
{
    setWindowTitle(QStringLiteral("Spherical gradient"));
    twips::setClientSize(this, kClientWidth, kClientHeight);

    // The default button, hidden under the first colour swatch (created after it): Enter in a size
    // field draws, and it takes the focus after each action.
    Foc = makeControl<QPushButton>(
        this, QStringLiteral("Foc"), 2520, 660, 375, 195, QStringLiteral("Foc"));
    Foc->setDefault(true);

    DraDim = makeControl<QGroupBox>(
        this, QStringLiteral("DraDim"), 60, 60, 2055, 1035, QStringLiteral("Dimensions"));
    FraColor = makeControl<QGroupBox>(
        this, QStringLiteral("FraColor"), 2160, 60, 2055, 1035, QStringLiteral("Color selection"));

    const struct
    {
        QGroupBox *frame;
        int left;
        const char *text;
    } labels[] = { { DraDim, 240, "Width" }, { DraDim, 1080, "Height" },
        { FraColor, 240, "Color1" }, { FraColor, 1080, "Color2" } };
    for (int i = 0; i < 4; ++i) {
        Lbl[i] = makeControl<Label>(
            labels[i].frame, QStringLiteral("Lbl(%1)").arg(i), labels[i].left, 300, 795, 255);
        Lbl[i]->setText(QString::fromLatin1(labels[i].text));
    }
    TxtWidth = makeControl<QLineEdit>(
        DraDim, QStringLiteral("TxtWidth"), 300, 540, 615, 360, QStringLiteral("200"));
    TxtHeight = makeControl<QLineEdit>(
        DraDim, QStringLiteral("TxtHeight"), 1140, 540, 615, 360, QStringLiteral("200"));

    LblC1 = makeControl<Label>(FraColor, QStringLiteral("LblC1"), 300, 540, 615, 360);
    LblC2 = makeControl<Label>(FraColor, QStringLiteral("LblC2"), 1140, 540, 615, 360);
    for (Label *swatch : { LblC1, LblC2 }) {
        swatch->setAutoFillBackground(true);
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setCursor(Qt::PointingHandCursor);
    }
    setBackColor(LblC1, 0x00FFFF);
    setBackColor(LblC2, 0x0080FF);
    LblC1->setToolTip(QStringLiteral("Color1 palette"));
    LblC2->setToolTip(QStringLiteral("Color2 palette"));

    CmdGo = makeControl<QPushButton>(
        this, QStringLiteral("CmdGo"), 4320, 180, 1215, 435, QStringLiteral("Go"));
    CmdSave = makeControl<QPushButton>(
        this, QStringLiteral("CmdSave"), 4320, 660, 1215, 435, QStringLiteral("Save"));
    CmdSave->setEnabled(false);
    // Not in the original layout: the free space right of the two buttons.
    CmdCss = makeControl<QPushButton>(
        this, QStringLiteral("CmdCss"), 5640, 180, 1215, 435, QStringLiteral("Copy CSS"));

    Pik = makeControl<PictureBox>(this, QStringLiteral("Pik"), 60, 1200, 7395, 3555);
    Pik->setBorder(true);
    Pik->setBackColor(0xFFFFFF);
    MnuCss = new QAction(QStringLiteral("Copy CSS"), Pik);
    MnuCss->setObjectName(QStringLiteral("MnuCss"));
    Pik->addAction(MnuCss);
    Pik->setContextMenuPolicy(Qt::ActionsContextMenu);

    CD1.CancelError = false;

    connect(CmdGo, &QPushButton::clicked, this, &FrmSpheric::CmdGo_Click);
    connect(Foc, &QPushButton::clicked, this, &FrmSpheric::Foc_Click);
    connect(TxtWidth, &QLineEdit::returnPressed, this, &FrmSpheric::Foc_Click);
    connect(TxtHeight, &QLineEdit::returnPressed, this, &FrmSpheric::Foc_Click);
    connect(CmdSave, &QPushButton::clicked, this, &FrmSpheric::CmdSave_Click);
    connect(LblC1, &Label::clicked, this, &FrmSpheric::LblC1_Click);
    connect(LblC2, &Label::clicked, this, &FrmSpheric::LblC2_Click);
    connect(CmdCss, &QPushButton::clicked, this, &FrmSpheric::CmdCss_Click);
    connect(MnuCss, &QAction::triggered, this, &FrmSpheric::CmdCss_Click);
}

void FrmSpheric::focusSink() { Foc->setFocus(Qt::OtherFocusReason); }

std::optional<modSpheric::SphereRect> FrmSpheric::sizeFromFields() const
{
    const auto w = vbmath::textToLong(TxtWidth->text());
    const auto h = vbmath::textToLong(TxtHeight->text());
    // A negative size would put the rings around a centre outside the rectangle; it is
    // refused like any other size that cannot be drawn.
    if (!w || !h || *w < 0 || *h < 0)
        return std::nullopt;
    return modSpheric::SphereRect { 0, 0, *w, *h };
}

void FrmSpheric::CmdGo_Click()
{
    Pik->setPixelScale();
    Pik->Cls();
    CmdSave->setEnabled(false);
    m_drawn.reset();
    const int32_t c1 = backColor(LblC1);
    const int32_t c2 = backColor(LblC2);

    const auto rect = sizeFromFields();
    modSpheric::SphereError error = modSpheric::SphereError::Overflow;
    if (rect)
        error = modSpheric::DrawSphere(Pik->image(), *rect, 100, 0, 360, c1, c2);
    Pik->refresh();
    if (error != modSpheric::SphereError::None) {
        // Whatever was drawn before the failure stays; saving stays disabled.
        MessageBox::show(this, kIncompatible, MessageBox::Icon::Information, m_state.AppTitle);
        focusSink();
        return;
    }
    modSpheric::SpherePlan plan;
    modSpheric::planSphere(*rect, 100, 0, 360, c1, c2, plan);
    m_drawn = plan;
    m_drawnColour1 = c1;
    m_drawnColour2 = c2;
    CmdSave->setEnabled(true);
    focusSink();
}

void FrmSpheric::Foc_Click() { CmdGo_Click(); }

void FrmSpheric::chooseColor(Label *swatch)
{
    // Cancel leaves the dialog's colour as it was handed, so the swatch keeps its colour.
    CD1.Color = backColor(swatch);
    CD1.ShowColor();
    setBackColor(swatch, CD1.Color);
}

void FrmSpheric::LblC1_Click() { chooseColor(LblC1); }
void FrmSpheric::LblC2_Click() { chooseColor(LblC2); }

void FrmSpheric::CmdSave_Click()
{
    focusSink();
    CD1.InitDir = m_state.chemin();
    CD1.DialogTitle = QStringLiteral("Save");
    CD1.Filter = QStringLiteral("Picture file (*.bmp)|*.bmp|");
    CD1.Flags
        = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly | CommonDialog::NoChangeDir;
    // The file name is kept from the last save in this window.
    if (CD1.ShowSave())
        gradientsave::savePicture(this, m_state, Pik->image(), CD1.FileName);
}

void FrmSpheric::CmdCss_Click()
{
    focusSink();
    if (m_drawn) {
        ScreenServices::current().clipboard().setText(
            spherecss::css(*m_drawn, m_drawnColour1, m_drawnColour2, Pik->backColor()));
        return;
    }
    // Nothing drawn yet: the sphere the fields describe.
    const int32_t c1 = backColor(LblC1);
    const int32_t c2 = backColor(LblC2);
    modSpheric::SpherePlan plan;
    const auto rect = sizeFromFields();
    if (!rect
        || modSpheric::planSphere(*rect, 100, 0, 360, c1, c2, plan)
            != modSpheric::SphereError::None) {
        MessageBox::show(this, kIncompatible, MessageBox::Icon::Information, m_state.AppTitle);
        return;
    }
    ScreenServices::current().clipboard().setText(spherecss::css(plan, c1, c2, Pik->backColor()));
}

void FrmSpheric::resizeEvent(QResizeEvent *event)
{
    ToolWindow::resizeEvent(event);
    Form_Resize();
}

void FrmSpheric::Form_Resize()
{
    const int innerWidth = twips::toTwipsX(width());
    const int innerHeight = twips::toTwipsY(height());
    Pik->setGeometry(twips::toPixelsX(60), twips::toPixelsY(1200),
        qMax(0, twips::toPixelsX(innerWidth - 120)),
        qMax(0, twips::toPixelsY(innerHeight - (LineTop_Y1 + 80))));

    if (snapToMinimumOuterSize(kMinOuterWidth, kMinOuterHeight))
        return;

    Pik->Cls();
    CmdSave->setEnabled(false);
    m_drawn.reset();

    // This window sets its captions here, at every layout pass.
    const Language language = m_state.language();
    applyCaptions(this, kCaptions, language);
    if (language == Language::French || language == Language::Spanish) {
        for (const CaptionRow &row : kTooltips) {
            if (auto *swatch = findChild<Label *>(QString::fromLatin1(row.control)))
                swatch->setToolTip(captionOf(row, language));
        }
    }
}

#include "icon/frmtoico.h"

#include "icon/frmtoicotexts.h"
#include "ui/captions.h"

#include "base/vbmath.h"
#include "controls/label.h"
#include "controls/messagebox.h"
#include "controls/picturebox.h"
#include "icon/iconpreview.h"
#include "icon/iconsource.h"
#include "icon/moderniconpanel.h"
#include "icon/modpic2ico.h"
#include "icon/picturefile.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "text/language.h"
#include "ui/appstate.h"
#include "ui/buttonicons.h"
#include "ui/controls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace frmtoicotexts;

namespace {

constexpr int kClientWidth = 7305;
constexpr int kClientHeight = 3990;
constexpr int32_t kLightGrey = 0xE0E0E0;
constexpr int32_t kGrey = 0x808080;
constexpr int kDepths[6] = { 1, 4, 8, 16, 24, 32 };
constexpr int kOptionTops[6] = { 300, 630, 960, 1290, 1620, 1950 };
const char *const kOptionCaptions[6] = { "2 Color", "16 Color", "256 Color", "16 Bit Truecolor",
    "24 Bit Truecolor", "32 Bit Truecolor" };

Label *previewLabel(QWidget *parent, const char *name, int left, const char *text)
{
    auto *l = makeControl<Label>(parent, QString::fromLatin1(name), left, 0, 735, 255);
    l->setText(QString::fromLatin1(text));
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    pal.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(pal);
    return l;
}

QPushButton *button(
    QWidget *parent, const char *name, int left, int top, int width, int height, const char *text)
{
    auto *b = makeControl<QPushButton>(parent, QString::fromLatin1(name), left, top, width, height);
    b->setText(QString::fromUtf8(text));
    b->setAutoDefault(false);
    return b;
}

} // namespace

FrmToIco::FrmToIco(AppState &state, ToolHost &host)
    : ToolWindow(state, host)
    , CD1(this)
{
    setObjectName(QStringLiteral("FrmToIco"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("BMP 32x32 to ICO 32x32"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setFixedSize(size());
    buildControls();
    buildModernPanel();

    // As designed: the dialog raises on cancel, offers icons first.
    CD1.CancelError = true;
    CD1.DefaultExt = QStringLiteral("ico");
    CD1.Filter = QStringLiteral("Fichier Image|*.bmp");

    connect(CmdOpen, &QPushButton::clicked, this, &FrmToIco::CmdOpen_Click);
    connect(CmdColor, &QPushButton::clicked, this, &FrmToIco::CmdColor_Click);
    connect(CcBtnExport, &QPushButton::clicked, this, &FrmToIco::CcBtnExport_Click);
    connect(CcBtnConvertion, &QPushButton::clicked, this, &FrmToIco::CcBtnConvertion_Click);
    for (int i = 0; i < 6; ++i)
        connect(opBpp[size_t(i)], &QRadioButton::clicked, this, [this, i] { opBpp_Click(i); });
    TimResult.setObjectName(QStringLiteral("TimResult"));
    connect(&TimResult, &IntervalTimer::timeout, this, &FrmToIco::TimResult_Timer);

    Form_Load();
}

void FrmToIco::buildControls()
{
    Lbl2 = makeControl<Label>(this, QStringLiteral("Lbl2"), 180, 120, 4035, 255);
    CmdOpen = button(this, "CmdOpen", 180, 420, 495, 360, "");
    CmdOpen->setIcon(buttonicons::icon(buttonicons::Kind::Folder));
    TxtSource = makeControl<QLineEdit>(this, QStringLiteral("TxtSource"), 660, 420, 3615, 360);

    picView = makeControl<PictureBox>(this, QStringLiteral("picView"), 1260, 900, 495, 495);
    picView->setBackColor(kLightGrey);
    Shape1 = makeControl<QFrame>(this, QStringLiteral("Shape1"), 2010, 885, 525, 525);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    CcPicSource = makeControl<PictureBox>(this, QStringLiteral("CcPicSource"), 2025, 900, 495, 495);
    CcPicSource->setBackColor(iconsource::kBackColor);

    Lbl1 = makeControl<Label>(this, QStringLiteral("Lbl1"), 180, 1560, 3435, 255);
    CmdColor = button(this, "CmdColor", 180, 1860, 495, 315, "...");
    CmdColor->setEnabled(false);
    CcPicTransparent
        = makeControl<PictureBox>(this, QStringLiteral("CcPicTransparent"), 720, 1860, 675, 315);
    CcPicTransparent->setBorder(true);
    CcPicTransparent->setBackColor(kGrey);
    CcPicTransparent->setToolTip(
        QStringLiteral(" Cliquez dans la zone, pour définir une autre couleur "));

    Lbl3 = makeControl<Label>(this, QStringLiteral("Lbl3"), 180, 2220, 3435, 255);
    CcBtnExport = button(this, "CcBtnExport", 180, 2535, 495, 315, "...");
    CcBtnExport->setEnabled(false);
    TxtExport = makeControl<QLineEdit>(this, QStringLiteral("TxtExport"), 660, 2520, 3615, 360);

    CcLbl[1] = makeControl<Label>(this, QStringLiteral("CcLbl(1)"), 555, 3000, 690, 240);
    CcLbl[1]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    CcPicCible = makeControl<PictureBox>(this, QStringLiteral("CcPicCible"), 1260, 3000, 2460, 855);
    CcPicCible->setBackColor(kGrey);
    LblIc1 = previewLabel(CcPicCible, "LblIc1", 0, "Mask");
    LblIc2 = previewLabel(CcPicCible, "LblIc2", 840, "Image");
    LblIc3 = previewLabel(CcPicCible, "LblIc3", 1680, "Normal");

    LblColorDep = makeControl<Label>(this, QStringLiteral("LblColorDep"), 4500, 120, 2775, 255);
    FraCD = makeControl<QGroupBox>(this, QStringLiteral("FraCD"), 4560, 360, 2640, 2535);
    for (int i = 0; i < 6; ++i) {
        opBpp[size_t(i)] = makeControl<QRadioButton>(
            FraCD, QStringLiteral("opBpp(%1)").arg(i), 120, kOptionTops[i], 2400, 285);
        opBpp[size_t(i)]->setText(QString::fromLatin1(kOptionCaptions[i]));
    }
    CcBtnConvertion = button(this, "CcBtnConvertion", 4560, 3120, 2640, 555, "");
    CcBtnConvertion->setEnabled(false);
    // The focus sink lies below the visible client area.
    CmdFoc = button(this, "CmdFoc", 4380, 5340, 495, 315, "Foc");
    // The designed captions are the table's English column.
    applyCaptions(this, kCaptions, Language::English);
}

void FrmToIco::buildModernPanel()
{
    // Its button takes the free space right of the preview boxes; the panel goes below the
    // designed client area, which keeps its size and every control its place.
    CmdModern = button(this, "CmdModern", 2655, 975, 1740, 375, "");
    CmdModern->setCheckable(true);
    m_modern = new ModernIconPanel(m_state, this);
    m_modern->move(0, twips::toPixelsY(kClientHeight));
    m_modern->hide();
    connect(CmdModern, &QPushButton::toggled, this, [this](bool open) {
        setModernOpen(open);
        m_state.writeSetting(
            Setting::PanneauIcone, open ? QStringLiteral("Oui") : QStringLiteral("Non"));
    });
    connect(m_modern, &ModernIconPanel::copyRequested, this, [](const QString &text) {
        Clipboard &clipboard = ScreenServices::current().clipboard();
        clipboard.clear();
        clipboard.setText(text);
    });
}

void FrmToIco::setModernOpen(bool open)
{
    m_modern->setVisible(open);
    const Language lang = m_state.language();
    CmdModern->setText(
        captionOf(kModern, lang) + (open ? QStringLiteral(" ▴") : QStringLiteral(" ▾")));
    CmdModern->setToolTip(captionOf(kModernTip, lang));
    setFixedHeight(
        twips::toPixelsY(kClientHeight) + (open ? ModernIconPanel::unfoldedHeight() : 0));
}

void FrmToIco::Form_Load()
{
    centreWindow(this);
    const Language lang = m_state.language();
    if (lang == Language::French || lang == Language::Spanish)
        applyCaptions(this, kCaptions, lang);
    m_modern->applyLanguage(lang);
    // The panel opens as it was left.
    setModernOpen(false);
    CmdModern->setChecked(m_state.readSetting(Setting::PanneauIcone) == QLatin1String("Oui"));
    // "Résultat:" and "Resultado:" are wider than the label's designed width: the label keeps
    // its right edge beside the preview and grows to the left into the free space.
    const QRect result = CcLbl[1]->geometry();
    const int needed = CcLbl[1]->sizeHint().width();
    if (needed > result.width())
        CcLbl[1]->setGeometry(result.right() + 1 - needed, result.top(), needed, result.height());
    // A stored choice that is not one of the six options falls back to 256 colours.
    const std::optional<int32_t> stored = vbmath::textToLong(m_state.colorDepth());
    const int n = stored && *stored >= 0 && *stored <= 5 ? int(*stored) : 2;
    opBpp[size_t(n)]->setChecked(true);
    opBpp_Click(n);
}

void FrmToIco::opBpp_Click(int Index)
{
    if (Index < 0 || Index > 5)
        return;
    BitDepth = kDepths[Index];
    m_state.setColorDepth(QString::number(Index));
    if (isVisible())
        CmdFoc->setFocus();
}

void FrmToIco::CmdOpen_Click()
{
    CmdFoc->setFocus();
    CD1.FileName.clear();
    CD1.InitDir = m_state.chemin();
    CD1.DialogTitle = QStringLiteral("Sélectionnez un fichier ...");
    CD1.Filter = QStringLiteral("Image file 32x32 pixel (BMP)|*.BMP");
    CD1.DefaultExt = QStringLiteral("bmp");
    CD1.Flags
        = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly | CommonDialog::NoChangeDir;
    if (!CD1.ShowOpen())
        return;
    // The base name is the title less its last four characters (dot and extension); a title
    // too short for that stops the handler before anything changes.
    const QString title = CD1.FileTitle;
    if (title.size() < 4)
        return;
    const QString baseName = title.left(title.size() - 4);
    const QImage picture = picturefile::load(CD1.FileName);
    if (picture.isNull()) {
        forgetSource(CD1.FileName);
        return;
    }
    TxtSource->setText(CD1.FileName);
    CmdColor->setEnabled(true);
    CcBtnExport->setEnabled(true);
    CcBtnConvertion->setEnabled(true);
    TxtExport->setText(AppState::joinPath(m_state.chemin(), baseName + QStringLiteral(".ico")));
    CcPicSource->setPicture(picture);
    picView->setPicture(picture);
    CcPicTransparent->setBackColor(iconsource::proposedTransparentColor(picture));
    TimResult.setInterval(500);
}

// A file that cannot be read leaves nothing behind that "Convert" could write under its name:
// the previous picture, its paths and the preview go, the window is as before any load.
void FrmToIco::forgetSource(const QString &path)
{
    TimResult.setInterval(0);
    TxtSource->clear();
    TxtExport->clear();
    CmdColor->setEnabled(false);
    CcBtnExport->setEnabled(false);
    CcBtnConvertion->setEnabled(false);
    CcPicSource->setPicture(QImage());
    picView->setPicture(QImage());
    CcPicCible->Cls();
    CcPicTransparent->setBackColor(kGrey);
    const Language lang = m_state.language();
    m_state.MessageText
        = captionOf(kNotReadMessage, lang == Language::Other ? Language::English : lang);
    MessageBox::show(this, m_state.MessageText + m_state.NewLine + path,
        MessageBox::Icon::Exclamation, m_state.AppTitle);
}

void FrmToIco::TimResult_Timer()
{
    TimResult.setInterval(0);
    CcPicCible->Cls();
    iconhandles::Picture picture(CcPicSource->picture());
    const int32_t icon = GetIcon(picture, -1, true, true);
    if (!icon)
        return;
    QImage &surface = CcPicCible->image();
    iconhandles::DrawIconEx(surface, 8, 20, icon, 32, 32, iconhandles::DiMask);
    iconhandles::DrawIconEx(surface, 65, 20, icon, 32, 32, iconhandles::DiImage);
    iconhandles::DrawIconEx(surface, 120, 20, icon, 32, 32, iconhandles::DiNormal);
    CcPicCible->refresh();
    iconhandles::DestroyIcon(icon);
}

int32_t FrmToIco::GetIcon(iconhandles::Picture &voPic, int32_t vnTransparentColor,
    bool vbReplacePicByIcon, bool vbUseSystemConstraints)
{
    if (voPic.isEmpty())
        return 0;
    if (voPic.isIcon())
        return voPic.handle();
    const QImage &bitmap = voPic.bitmap();
    const QSize size = vbUseSystemConstraints ? iconhandles::systemIconSize() : bitmap.size();
    const IconBitmaps parts
        = makeIconBitmaps(bitmap, size, vbUseSystemConstraints, vnTransparentColor);
    const int32_t icon = iconhandles::CreateIconIndirect(parts.mask, parts.colour);
    if (icon && vbReplacePicByIcon)
        voPic = iconhandles::Picture::ownIcon(icon);
    return icon;
}

void FrmToIco::CmdColor_Click()
{
    CmdFoc->setFocus();
    if (!CD1.ShowColor())
        return;
    CcPicTransparent->setBackColor(CD1.Color);
}

void FrmToIco::CcBtnExport_Click()
{
    CmdFoc->setFocus();
    CD1.Flags = CommonDialog::Explorer | CommonDialog::FileMustExist | CommonDialog::PathMustExist
        | CommonDialog::HideReadOnly | CommonDialog::OverwritePrompt;
    CD1.FileName = TxtExport->text();
    CD1.FilterIndex = 1;
    CD1.DefaultExt = QStringLiteral("ico");
    if (!CD1.ShowSave())
        return;
    TxtExport->setText(CD1.FileName);
}

void FrmToIco::CcBtnConvertion_Click()
{
    const QString path = TxtExport->text();
    const Language lang = m_state.language();
    const QImage source = iconsource::sourcePixels(CcPicSource->picture());
    if (modPic2Ico::SaveIcon(
            source, path, iconsource::kIconSize, BitDepth, CcPicTransparent->backColor(), true)) {
        if (BitDepth == 16 || BitDepth == 32)
            picView->setPicture(modPic2Ico::LoadIconFile(path, picView->backColor()));
        // An unknown language keeps the previous message text, still shown with the path.
        if (lang != Language::Other)
            m_state.MessageText = captionOf(kSavedMessage, lang);
        MessageBox::show(this, m_state.MessageText + m_state.NewLine + path,
            MessageBox::Icon::Information, m_state.AppTitle);
        return;
    }
    picView->setPicture(QImage());
    if (lang == Language::Other)
        return;
    m_state.MessageText = captionOf(kCouldNotSave, lang);
    MessageBox::show(this, m_state.MessageText, MessageBox::Icon::Information, m_state.AppTitle);
}

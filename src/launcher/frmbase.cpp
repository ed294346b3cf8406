#include "launcher/frmbase.h"

#include "launcher/frmbasetexts.h"
#include "ui/captions.h"

#include "base/twips.h"
#include "controls/label.h"
#include "launcher/frmmodale2.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "platform/shell.h"
#include "platform/windowlayer.h"
#include "text/language.h"
#include "ui/appstate.h"
#include "ui/buttonicons.h"
#include "ui/controls.h"
#include "ui/toolwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>

using namespace frmbasetexts;

namespace {

// Client size as designed; the unfolded height is the lower limit line less the frame that
// the designed outer heights include.
constexpr int kClientWidth = 4425;
constexpr int kClientHeightFolded = 1740;
constexpr int kFrameHeight = FrmBase::LinLimite1 - kClientHeightFolded;
constexpr int kClientHeightOpen = FrmBase::LinLimite2 - kFrameHeight;

QPushButton *bigButton(QWidget *parent, const char *name, int left, int top, buttonicons::Kind kind)
{
    auto *b = makeControl<QPushButton>(parent, QString::fromLatin1(name), left, top, 2115, 495);
    b->setIcon(buttonicons::icon(kind));
    b->setIconSize(QSize(twips::toPixelsX(240), twips::toPixelsY(240)));
    b->setStyleSheet(QStringLiteral("text-align: left; padding-left: 5px;"));
    return b;
}

} // namespace

FrmBase::FrmBase(AppState &state, ToolTable tools, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_toolTable(tools)
{
    setObjectName(QStringLiteral("FrmBase"));
    buildControls();
    Form_Load();
}

QString FrmBase::webPageUrl()
{
    return QStringLiteral("https://www.tintavo.org/tintavo/index.html");
}

void FrmBase::buildControls()
{
    setWindowTitle(m_state.AppTitle);
    setWindowIcon(buttonicons::programIcon());
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(pal);
    setAutoFillBackground(true);

    CmdCapture = bigButton(this, "CmdCapture", 60, 60, buttonicons::Kind::Capture);
    CmdColoPic = bigButton(this, "CmdColoPic", 60, 600, buttonicons::Kind::Picker);
    CmdIco = bigButton(this, "CmdIco", 60, 1140, buttonicons::Kind::Icon);
    CmdGradient1 = bigButton(this, "CmdGradient1", 2220, 60, buttonicons::Kind::Gradient);
    CmdGradient2 = bigButton(this, "CmdGradient2", 2220, 600, buttonicons::Kind::Sphere);
    CmdOption = makeControl<QPushButton>(this, QStringLiteral("CmdOption"), 2220, 1140, 1035, 495);
    CmdQuitte = makeControl<QPushButton>(this, QStringLiteral("CmdQuitte"), 3300, 1140, 1035, 495);

    Lbl1 = makeControl<Label>(this, QStringLiteral("Lbl1"), 180, 1950, 4035, 255);
    CmdRepSave = makeControl<QPushButton>(this, QStringLiteral("CmdRepSave"), 180, 2220, 495, 315);
    CmdRepSave->setIcon(buttonicons::icon(buttonicons::Kind::Folder));
    LblChemin = makeControl<Label>(this, QStringLiteral("LblChemin"), 660, 2220, 3675, 315);
    LblChemin->setSunken(true);
    LblChemin->setTextInteractionFlags(Qt::NoTextInteraction);
    Lbl3 = makeControl<Label>(this, QStringLiteral("Lbl3"), 180, 2640, 4095, 255);
    ChkPP = makeControl<QCheckBox>(this, QStringLiteral("ChkPP"), 180, 2910, 4035, 255);

    Fra1 = makeControl<QGroupBox>(this, QStringLiteral("Fra1"), 120, 3300, 2775, 1935);
    for (int i = 0; i < 6; ++i)
        Opt[i] = makeControl<QRadioButton>(
            Fra1, QStringLiteral("Opt(%1)").arg(i), 180, 360 + 240 * i, 2475, 255);

    Lbl2 = makeControl<Label>(this, QStringLiteral("Lbl2"), 3000, 3300, 1095, 255);
    CboLangue = makeControl<QComboBox>(this, QStringLiteral("CboLangue"), 3000, 3600, 1275, 360);
    CboLangue->setEditable(true);
    CboLangue->setInsertPolicy(QComboBox::NoInsert);
    CboLangue->addItems(
        { QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("Spanish") });
    CboLangue->setEditText(QStringLiteral("English"));
    // The box is editable only so that it can show "Français", which is not a list entry.
    // A language is chosen from the list: typed text neither completes to an entry nor
    // chooses one with Enter.
    CboLangue->setCompleter(nullptr);
    CboLangue->installEventFilter(this);
    CmdCache = makeControl<QPushButton>(this, QStringLiteral("CmdCache"), 3180, 4740, 1095, 435);
    Lbl5 = makeControl<Label>(this, QStringLiteral("Lbl5"), 2040, 5400, 2415, 255,
        QStringLiteral("Connection to the website"));
    Lbl5->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Lbl5->setCursor(Qt::PointingHandCursor);
    Foc = makeControl<QLineEdit>(
        this, QStringLiteral("Foc"), 7200, 360, 675, 375, QStringLiteral("FOC"));

    TimVisible.setObjectName(QStringLiteral("TimVisible"));

    connect(CmdCapture, &QPushButton::clicked, this, &FrmBase::CmdCapture_Click);
    connect(CmdColoPic, &QPushButton::clicked, this, &FrmBase::CmdColoPic_Click);
    connect(CmdIco, &QPushButton::clicked, this, &FrmBase::CmdIco_Click);
    connect(CmdGradient1, &QPushButton::clicked, this, &FrmBase::CmdGradient1_Click);
    connect(CmdGradient2, &QPushButton::clicked, this, &FrmBase::CmdGradient2_Click);
    connect(CmdOption, &QPushButton::clicked, this, &FrmBase::CmdOption_Click);
    connect(CmdQuitte, &QPushButton::clicked, this, &FrmBase::CmdQuitte_Click);
    connect(CmdCache, &QPushButton::clicked, this, &FrmBase::CmdCache_Click);
    connect(CmdRepSave, &QPushButton::clicked, this, &FrmBase::CmdRepSave_Click);
    connect(ChkPP, &QCheckBox::toggled, this, &FrmBase::ChkPP_Click);
    for (int i = 0; i < 6; ++i)
        connect(Opt[i], &QRadioButton::clicked, this, [this, i] { Opt_Click(i); });
    connect(CboLangue, &QComboBox::activated, this, &FrmBase::CboLangue_Click);
    connect(Lbl5, &Label::clicked, this, &FrmBase::Lbl5_Click);
    connect(LblChemin, &Label::clicked, this, &FrmBase::LblChemin_Click);
    connect(&TimVisible, &IntervalTimer::timeout, this, &FrmBase::TimVisible_Timer);
    // The two shared values shown here follow whoever changes them.
    connect(&m_state, &AppState::cheminChanged, LblChemin, &Label::setText);
    connect(&m_state, &AppState::pressePapierChanged, ChkPP, &QCheckBox::setChecked);
    // The designed captions are the table's English column, but for the one button whose
    // designed text is on one line.
    applyCaptions(this, kCaptions, Language::English);
    setCaption(CmdGradient2, QStringLiteral("Spherical gradient"));
}

void FrmBase::Form_Load()
{
    // 1. Designed place, panel folded.
    setFolded(true);
    move(twips::toPixelsX(1740), twips::toPixelsY(1800));

    // 2. Captions of the language.
    applyLanguage();

    // 3. The last two settings.
    m_state.loadLauncherSettings();

    // 4. Start-up tool.
    static const QStringList codes = { QStringLiteral("0"), QStringLiteral("1"),
        QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5") };
    const int code = codes.indexOf(m_state.appliDemarre());
    if (code >= 0) {
        Opt[code]->setChecked(true);
        Opt_Click(code);
        if (code > 0)
            openTool(static_cast<Tool>(code));
    } else {
        // An unknown stored code opens nothing; the launcher is shown as for "None" so the
        // user is never left with an invisible program.
        show();
    }

    // 5. Clipboard option; a change runs its handler, which stores it.
    ChkPP->setChecked(m_state.pressePapier());

    // 6. Every start leaves the clipboard empty.
    ScreenServices::current().clipboard().clear();

    // 7.
    LblChemin->setText(m_state.chemin());
}

void FrmBase::applyLanguage()
{
    const Language lang = m_state.language();
    applyCaptions(this, kCaptions, lang);
    switch (lang) {
    case Language::English:
        CboLangue->setEditText(QStringLiteral("English"));
        break;
    case Language::French:
        CboLangue->setEditText(QStringLiteral("Français"));
        break;
    case Language::Spanish:
        CboLangue->setEditText(QStringLiteral("Spanish"));
        break;
    case Language::Other:
        break;
    }
}

QWidget *FrmBase::toolWindow(Tool tool) const
{
    const auto it = m_tools.find(tool);
    return it == m_tools.end() ? nullptr : it->second.data();
}

void FrmBase::bringToFront(const QByteArray &activationToken)
{
    for (const auto &[tool, window] : m_tools) {
        if (!window)
            continue;
        // A tool hidden while it works (a region being chosen) is left to its work.
        if (window->isVisible())
            windowlayer::bringToFront(window, activationToken);
        return;
    }
    windowlayer::bringToFront(this, activationToken);
}

QWidget *FrmBase::showTool(Tool tool)
{
    QWidget *w = toolWindow(tool);
    if (!w) {
        for (const ToolEntry &entry : m_toolTable) {
            if (entry.tool == tool)
                w = entry.create(m_state, *this);
        }
        m_tools[tool] = w;
        if (auto *toolWindow = qobject_cast<ToolWindow *>(w))
            connect(toolWindow, &ToolWindow::closed, this, [this, tool] { toolClosed(tool); });
    }
    if (w) {
        w->show();
        w->raise();
        w->activateWindow();
    }
    return w;
}

// A tool gave the screen back: the launcher comes back a moment later, or at once after a
// capture (its window may have been hidden for a grab, and the user expects the launcher).
void FrmBase::toolClosed(Tool tool)
{
    m_state.ToolWindowState = 100;
    if (tool == Tool::Capture)
        show();
    else
        TimVisible.setInterval(100);
}

void FrmBase::openTool(Tool tool)
{
    showTool(tool);
    m_state.ToolWindowState = 0;
    TimVisible.setInterval(500);
}

void FrmBase::CmdCapture_Click() { openTool(Tool::Capture); }
void FrmBase::CmdColoPic_Click() { openTool(Tool::ColorPicker); }
void FrmBase::CmdIco_Click() { openTool(Tool::ToIco); }
void FrmBase::CmdGradient1_Click() { openTool(Tool::Gradient); }
void FrmBase::CmdGradient2_Click() { openTool(Tool::Spherical); }

void FrmBase::setFolded(bool folded)
{
    const QSize size(twips::toPixelsX(kClientWidth),
        twips::toPixelsY(folded ? kClientHeightFolded : kClientHeightOpen));
    setFixedSize(size);
}

void FrmBase::focusSink() { Foc->setFocus(Qt::OtherFocusReason); }

void FrmBase::CmdOption_Click()
{
    setFolded(false);
    CmdOption->setEnabled(false);
    focusSink();
}

void FrmBase::CmdCache_Click()
{
    setFolded(true);
    CmdOption->setEnabled(true);
    focusSink();
}

void FrmBase::CmdQuitte_Click()
{
    // Ends at once: no window's closing handling runs and nothing is written.
    QCoreApplication::exit(0);
}

void FrmBase::CmdRepSave_Click()
{
    focusSink();
    FrmModale2 dialog(m_state, LblChemin->text(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_state.setChemin(dialog.directory());
}

void FrmBase::ChkPP_Click() { m_state.setPressePapier(ChkPP->isChecked()); }

void FrmBase::Opt_Click(int Index)
{
    if (Index >= 0 && Index <= 5) {
        m_state.setAppliDemarre(QString::number(Index));
        if (Index == 0)
            show();
    } else
        m_state.writeSetting(Setting::AppliDemarre, QString::number(Index));
    if (isVisible())
        focusSink();
}

void FrmBase::CboLangue_Click()
{
    const QString text = CboLangue->currentText();
    if (text == QLatin1String("English")) {
        m_state.setLangue(QStringLiteral("Anglais"));
        applyCaptions(this, kCaptions, Language::English);
    } else if (text == QLatin1String("French")) {
        m_state.setLangue(QStringLiteral("Francais"));
        applyCaptions(this, kCaptions, Language::French);
    } else if (text == QLatin1String("Spanish")) {
        m_state.setLangue(QStringLiteral("Spanish"));
        CboLangue->setEditText(QStringLiteral("Spanish"));
        applyCaptions(this, kCaptions, Language::Spanish);
    }
}

void FrmBase::Lbl5_Click()
{
    focusSink();
    if (isSignalConnected(QMetaMethod::fromSignal(&FrmBase::webPageRequested)))
        emit webPageRequested(webPageUrl());
    else
        shell::openUrl(webPageUrl());
}

void FrmBase::LblChemin_Click() { m_state.setChemin(LblChemin->text()); }

void FrmBase::TimVisible_Timer()
{
    TimVisible.setInterval(0);
    if (m_state.ToolWindowState == 100)
        show();
    else
        hide();
}

bool FrmBase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CboLangue && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmBase::closeEvent(QCloseEvent *event)
{
    // The launcher is the program: closing it ends every window, each tool through its own
    // closing step (its timers, what it keeps). A tool that stays open keeps the program
    // running.
    QList<QPointer<QWidget>> open;
    for (const auto &[tool, window] : m_tools) {
        if (window)
            open.append(window);
    }
    for (const QPointer<QWidget> &window : open) {
        if (window && !window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    QCoreApplication::quit();
}

#include "picker/frmcolorpicker.h"

#include "picker/frmcolorpickertexts.h"
#include "ui/captions.h"

#include "base/colorconv.h"
#include "base/twips.h"
#include "colour/colorvalue.h"
#include "controls/label.h"
#include "controls/picturebox.h"
#include "picker/colourpanel.h"
#include "picker/frmmodale1.h"
#include "picker/loupe.h"
#include "picker/loupegeometry.h"
#include "picker/pickoverlay.h"
#include "picker/pipetteicon.h"
#include "picker/pipettesession.h"
#include "platform/clipboard.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "platform/windowlayer.h"
#include "text/language.h"
#include "ui/appstate.h"
#include "ui/controls.h"
#include "ui/screenfailure.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>

#include <utility>

using namespace frmcolorpickertexts;

namespace {

constexpr int kClientWidth = 4530;
constexpr int kClientHeight = 5595;
constexpr int kFra1Height = 5535;
// Keep-in-front sets the outer height to the frame's height + 800 twips; the title bar and
// borders took 740 of those where the window was designed, so the client stays as designed.
constexpr int kNonClientHeight = 740;

const char *const kOptionCaptions[5] = { "HTML", "Visual basic", "Delphi", "C", "Long data" };

QFont calibri(qreal points)
{
    QFont f(QStringLiteral("Carlito"));
    f.setPointSizeF(points);
    return f;
}

void setBackground(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setTextColor(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    pal.setColor(QPalette::Text, c);
    w->setPalette(pal);
}

Label *caption(
    QWidget *parent, int index, const char *text, int left, int top, int width, int height)
{
    return makeControl<Label>(parent, QStringLiteral("Lbl(%1)").arg(index), left, top, width,
        height, QString::fromUtf8(text));
}

// Check boxes here wrap long captions onto a second line, as the window was designed;
// Qt's check boxes would cut them off instead.
void wrapCaption(QCheckBox *box)
{
    const QStyle *style = box->style();
    const int available = box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box)
        - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) - 2;
    const QFontMetrics fm(box->font());
    QStringList lines;
    for (const QString &line : box->text().split(QLatin1Char('\n'))) {
        QString current;
        for (const QString &word : line.split(QLatin1Char(' '))) {
            const QString trial = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && fm.horizontalAdvance(trial) > available) {
                lines << current;
                current = word;
            } else {
                current = trial;
            }
        }
        lines << current;
    }
    box->setText(lines.join(QLatin1Char('\n')));
}

void underline(QWidget *w)
{
    QFont f = w->font();
    f.setUnderline(true);
    w->setFont(f);
}

Pointer &thePointer() { return ScreenServices::current().pointer(); }

// The physical rectangle of `size` the pick copies, centred on the picked pixel.
QRect screenAround(QPoint at, QSize size)
{
    return QRect(at - QPoint(size.width() / 2, size.height() / 2), size);
}

} // namespace

frmColorPicker::frmColorPicker(AppState &state, ToolHost &host)
    : ToolWindow(state, host)
    , dlg1(this)
    , m_swatchColor(colorvalue::kSystemWindowColor)
{
    setObjectName(QStringLiteral("frmColorPicker"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Color Picker"));
    buildControls();
    Form_Load();
}

frmColorPicker::~frmColorPicker() { m_pipette->cancel(); }

void frmColorPicker::buildControls()
{
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setFixedSize(size());
    setBackground(this, Qt::white);
    QFont base(QStringLiteral("Liberation Sans"));
    base.setPointSizeF(8.25);
    setFont(base);

    CmdPipette = makeControl<QPushButton>(this, QStringLiteral("CmdPipette"), 60, 60, 735, 1155);
    CmdPipette->setIcon(QIcon(pipettePicture(devicePixelRatioF())));
    CmdPipette->setIconSize(QSize(35, 61));

    picSampleColor
        = makeControl<PictureBox>(this, QStringLiteral("picSampleColor"), 900, 60, 1155, 1155);
    picSampleColor->setBorder(true);
    setSwatch(colorvalue::kSystemWindowColor);

    Fra2 = makeControl<QFrame>(this, QStringLiteral("Fra2"), 930, 90, 1095, 1095);
    Fra2->setFrameStyle(QFrame::NoFrame);
    setBackground(Fra2, QColor(0xFF, 0xFF, 0x00));
    const char *const hints[4] = { "Click on the", "pipette and", "select a", "color." };
    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setPointSizeF(9.75);
    for (int i = 0; i < 4; ++i) {
        Label *l = caption(Fra2, 13 + i, hints[i], 0, 120 + 225 * i, 1095, 240);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(arial);
        Lbl[13 + i] = l;
    }

    CmdBasicColor = makeControl<QPushButton>(
        this, QStringLiteral("CmdBasicColor"), 60, 1380, 1995, 495, QStringLiteral("Basic colors"));
    CmdBasicColor->setFont(calibri(12));
    CmdConvertir = makeControl<QPushButton>(this, QStringLiteral("CmdConvertir"), 60, 1920, 1995,
        495, QStringLiteral("Convert a value"));
    CmdConvertir->setFont(calibri(12));

    chkcopyauto = makeControl<QCheckBox>(this, QStringLiteral("chkcopyauto"), 180, 2460, 1905, 465,
        QStringLiteral("Automatically copied value:"));
    chkcopyauto->setChecked(true);

    for (int i = 0; i < 5; ++i) {
        Opt1[i] = makeControl<QRadioButton>(this, QStringLiteral("Opt1(%1)").arg(i), 360,
            3000 + 240 * i, 1335, 225, QString::fromLatin1(kOptionCaptions[i]));
        setTextColor(Opt1[i], QColor(0x40, 0x40, 0x40));
    }
    Opt1[0]->setChecked(true);

    chkKeepFront = makeControl<QCheckBox>(this, QStringLiteral("chkKeepFront"), 180, 4320, 2025,
        285, QStringLiteral("Keep Foreground"));
    ChkXY = makeControl<QCheckBox>(
        this, QStringLiteral("ChkXY"), 180, 4740, 1845, 285, QStringLiteral("Show x,y"));
    ChkXY->setChecked(true);

    LblPosX = makeControl<Label>(this, QStringLiteral("LblPosX"), 180, 5100, 555, 345);
    LblPosY = makeControl<Label>(this, QStringLiteral("LblPosY"), 780, 5100, 555, 345);
    for (Label *l : { LblPosX, LblPosY }) {
        l->setFont(calibri(12));
        setBackground(l, Qt::white);
    }

    buildValueFrame();

    Picture3 = makeControl<PictureBox>(this, QStringLiteral("Picture3"), 5160, 300, 850, 850);
    Picture3->setPixelScale();
    Foc = makeControl<QLineEdit>(this, QStringLiteral("Foc"), 5160, 1300, 675, 375);

    m_pipette = new PipetteSession(this, this);
    buildPanel();

    TimXY.setObjectName(QStringLiteral("TimXY"));
    TimCapt.setObjectName(QStringLiteral("TimCapt"));

    // On a live screen the pipette starts as the button goes down, so that a drag from it
    // picks where the button is let go; a frozen screen needs the click to end first.
    connect(CmdPipette, &QPushButton::pressed, this, &frmColorPicker::CmdPipette_Press);
    connect(CmdPipette, &QPushButton::clicked, this, &frmColorPicker::CmdPipette_Click);
    CmdPipette->installEventFilter(this);
    connect(CmdBasicColor, &QPushButton::clicked, this, &frmColorPicker::CmdBasicColor_Click);
    connect(CmdConvertir, &QPushButton::clicked, this, &frmColorPicker::CmdConvertir_Click);
    connect(chkKeepFront, &QCheckBox::toggled, this, &frmColorPicker::chkKeepFront_Click);
    connect(ChkXY, &QCheckBox::toggled, this, &frmColorPicker::ChkXY_Click);
    for (int i = 0; i < 5; ++i)
        connect(Opt1[i], &QRadioButton::clicked, this, [this, i] { Opt1_Click(i); });
    connect(&TimXY, &IntervalTimer::timeout, this, &frmColorPicker::TimXY_Timer);
    connect(&TimCapt, &IntervalTimer::timeout, this, &frmColorPicker::TimCapt_Timer);

    connect(m_pipette, &PipetteSession::picked, this, [this](QPoint at) {
        pipetteEnded();
        pickAt(at, m_pipette->readerFor(at));
    });
    connect(m_pipette, &PipetteSession::colourPicked, this, &frmColorPicker::desktopColourPicked);
    connect(m_pipette, &PipetteSession::moved, this, [this](QPoint at) {
        m_pointer = at;
        if (!m_coordsOff) {
            LblPosX->setText(QString::number(at.x()));
            LblPosY->setText(QString::number(at.y()));
        }
    });
    connect(m_pipette, &PipetteSession::cancelled, this, &frmColorPicker::pipetteCancelled);
    connect(m_pipette, &PipetteSession::failed, this, [this](Screen::Outcome outcome) {
        pipetteCancelled();
        showScreenFailure(this, outcome, false, m_state.language(), windowTitle());
    });
}

void frmColorPicker::buildValueFrame()
{
    Fra1 = makeControl<QGroupBox>(this, QStringLiteral("Fra1"), 2160, 0, 2295, kFra1Height);
    setBackground(Fra1, Qt::white);

    QFont courier(QStringLiteral("Liberation Mono"));
    courier.setPointSizeF(12);
    auto box = [&](int index, int left, int top, int width, int height) {
        auto *t = makeControl<QLineEdit>(
            Fra1, QStringLiteral("TxtC(%1)").arg(index), left, top, width, height);
        t->setFont(courier);
        t->setAlignment(Qt::AlignCenter);
        t->setTextMargins(0, 0, 0, 0);
        TxtC[index] = t;
    };

    // The five literal notations, each under its caption.
    const struct
    {
        int box;
        int label;
        const char *text;
    } literals[5] = { { 0, 0, "HTML" }, { 7, 9, "Visual basic" }, { 8, 10, "Delphi" },
        { 9, 11, "C" }, { 10, 12, "Long data" } };
    for (int i = 0; i < 5; ++i) {
        const int top = 60 + 720 * i;
        Lbl[literals[i].label]
            = caption(Fra1, literals[i].label, literals[i].text, 120, top, 1755, 255);
        underline(Lbl[literals[i].label]);
        box(literals[i].box, 120, top + 300, 1755, i == 0 ? 345 : 390);
    }

    Lbl[1] = caption(Fra1, 1, "RGB", 120, 3660, 1755, 255);
    Lbl[5] = caption(Fra1, 5, "HSL", 120, 4560, 1755, 255);
    underline(Lbl[1]);
    underline(Lbl[5]);

    const char *const rgb[3] = { "Red", "Green", "Blue" };
    const QColor rgbColors[3] = { QColor(0xFF, 0, 0), QColor(0, 0xC0, 0), QColor(0, 0, 0xFF) };
    const char *const hls[3] = { "Hue", "Lumin.", "Saturat." };
    for (int i = 0; i < 3; ++i) {
        const int left = 120 + 720 * i;
        Lbl[2 + i] = caption(Fra1, 2 + i, rgb[i], left, 3960, 675, 240);
        setTextColor(Lbl[2 + i], rgbColors[i]);
        box(1 + i, left, 4200, 675, 345);
        Lbl[6 + i] = caption(Fra1, 6 + i, hls[i], left, 4860, 675, 240);
        box(4 + i, left, 5100, 675, 345);
    }
}

void frmColorPicker::Form_Load()
{
    // Ticking runs the handler at once, so the window opens in front of the others.
    chkKeepFront->setChecked(true);
    if (!ScreenServices::current().placesWindows()) {
        // The desktop decides what stays in front: the box says so instead of doing nothing.
        chkKeepFront->setChecked(false);
        chkKeepFront->setEnabled(false);
        chkKeepFront->setToolTip(captionOf(kKeepInFrontUnavailable, m_state.language()));
    }
    applyCaptions(this, kCaptions, m_state.language(), false);
    CmdMore->setChecked(m_state.readSetting(Setting::PanneauCouleur) == QLatin1String("Oui"));
    for (QCheckBox *box : { chkcopyauto, chkKeepFront, ChkXY })
        wrapCaption(box);
    TimXY.setInterval(100);
}

void frmColorPicker::focusSink() { Foc->setFocus(Qt::OtherFocusReason); }

void frmColorPicker::setSwatch(int32_t color)
{
    m_swatchColor = color;
    // A system-colour reference is shown as that colour, as the platform would resolve it.
    const int32_t shown = color == colorvalue::kSystemWindowColor
        ? fromQColor(palette().color(QPalette::Base))
        : colorvalue::isColor(color) ? color
                                     : 0;
    picSampleColor->setBackColor(shown);
}

void frmColorPicker::SetTextCouleur(int32_t p_Color)
{
    if (colorvalue::isColor(p_Color)) {
        setSwatch(p_Color);
        const auto boxes = colorvalue::notations(p_Color);
        for (int i = 0; i < colorvalue::kBoxCount; ++i)
            TxtC[i]->setText(boxes[i]);
    }
    if (chkcopyauto->isChecked()) {
        for (int i = 0; i < 5; ++i) {
            if (Opt1[i]->isChecked()) {
                m_copyOption = uint8_t(i);
                break;
            }
        }
        // A CSS notation chosen in the panel takes the place of the designed choice.
        const QString css
            = colorvalue::isColor(p_Color) ? m_panel->autoCopyText(p_Color) : QString();
        copyText(css.isEmpty()
                ? TxtC[colorvalue::boxOf(colorvalue::copyFormatOf(m_copyOption))]->text()
                : css);
    }
    if (colorvalue::isColor(p_Color))
        m_panel->setCurrentColour(p_Color);
}

void frmColorPicker::copyText(const QString &text)
{
    Clipboard &clipboard = ScreenServices::current().clipboard();
    clipboard.clear();
    clipboard.setText(text);
}

void frmColorPicker::buildPanel()
{
    // Its button sits in the free space right of the coordinates; the panel goes below the
    // designed client area, which keeps its size and every control its place.
    const int designed = twips::toPixelsY(kClientHeight);
    CmdMore = new QPushButton(this);
    CmdMore->setObjectName(QStringLiteral("CmdMore"));
    twips::place(CmdMore, 1380, 5115, 735, 315);
    CmdMore->setCheckable(true);
    m_panel = new ColourPanel(m_state, this);
    m_panel->move(0, designed);
    m_panel->hide();
    connect(CmdMore, &QPushButton::toggled, this, [this](bool open) {
        setPanelOpen(open);
        m_state.writeSetting(
            Setting::PanneauCouleur, open ? QStringLiteral("Oui") : QStringLiteral("Non"));
    });
    connect(m_panel, &ColourPanel::copyRequested, this, &frmColorPicker::copyText);
    connect(m_panel, &ColourPanel::autoCopyChanged, this, &frmColorPicker::showAutoCopyOwner);
    showAutoCopyOwner();
    connect(m_panel, &ColourPanel::colourChosen, this, [this](int32_t colour) {
        Fra2->hide();
        m_currentColor = colour;
        SetTextCouleur(colour);
    });

    // "Copy as" in the context menus of the swatch and of the boxes.
    picSampleColor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picSampleColor, &QWidget::customContextMenuRequested, this,
        [this](QPoint at) { showCopyAsMenu(picSampleColor, at); });
    for (QLineEdit *box : TxtC) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
            [this, box](QPoint at) { showCopyAsMenu(box, at); });
    }
}

void frmColorPicker::showAutoCopyOwner()
{
    for (int i = 0; i < 5; ++i) {
        if (Opt1[i]->isChecked())
            m_copyOption = uint8_t(i);
    }
    const bool notation = !m_panel->autoCopyNotation().isEmpty();
    const Language language = m_state.language();
    const QString tip
        = notation ? captionOf(kPanelCopies, language).arg(m_panel->autoCopyLabel()) : QString();
    for (int i = 0; i < 5; ++i) {
        // Radio buttons of one parent never let the checked one go: exclusivity is lifted to
        // clear them all, and back on for the user's next click.
        Opt1[i]->setAutoExclusive(false);
        Opt1[i]->setChecked(!notation && i == m_copyOption);
        Opt1[i]->setAutoExclusive(true);
        Opt1[i]->setToolTip(tip);
    }
}

void frmColorPicker::showCopyAsMenu(QWidget *control, QPoint at)
{
    auto *box = qobject_cast<QLineEdit *>(control);
    QMenu *menu = box ? box->createStandardContextMenu() : new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (box)
        menu->addSeparator();
    menu->addMenu(
        m_panel->copyAsMenu(colorvalue::isColor(m_swatchColor) ? m_swatchColor : -1, menu));
    menu->popup(control->mapToGlobal(at));
}

void frmColorPicker::setPanelOpen(bool open)
{
    m_panel->setVisible(open);
    CmdMore->setText(open ? QStringLiteral("CSS ▴") : QStringLiteral("CSS ▾"));
    CmdMore->setToolTip(captionOf(kMore, m_state.language()));
    setFixedHeight(twips::toPixelsY(kClientHeight) + (open ? ColourPanel::unfoldedHeight() : 0));
}

bool frmColorPicker::pipetteActive() const { return m_pipette->isActive(); }

QList<PickOverlay *> frmColorPicker::pickOverlays() const { return m_pipette->overlays(); }

void frmColorPicker::CmdPipette_Press()
{
    const bool byMouse = std::exchange(m_pressOnPipette, false);
    if (m_pipette->isActive() || !ScreenServices::current().screen().isLive())
        return;
    focusSink();
    startPipette(byMouse ? CmdPipette : nullptr);
}

void frmColorPicker::CmdPipette_Click()
{
    if (m_pipette->isActive())
        return;
    focusSink();
    startPipette(nullptr);
}

void frmColorPicker::startPipette(QWidget *pressedButton)
{
    Fra2->hide();
    CmdPipette->setEnabled(false);
    if (!ScreenServices::current().screen().isLive()) {
        ++m_pick; // the steps of an earlier pick still to run are dropped
        m_pipette->startFrozen(geometry().center());
        return;
    }
    TimCapt.setInterval(100);
    m_pipette->startLive(pressedButton);
}

bool frmColorPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CmdPipette && event->type() == QEvent::MouseButtonPress)
        m_pressOnPipette = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    return ToolWindow::eventFilter(watched, event);
}

void frmColorPicker::pipetteEnded() { CmdPipette->setEnabled(true); }

void frmColorPicker::pipetteCancelled()
{
    // Nothing was picked, so the display timer has nothing to show.
    TimCapt.setInterval(0);
    pipetteEnded();
}

void frmColorPicker::afterPendingEvents(std::function<void()> step)
{
    // Each step runs from the event loop once the events already queued have run, so no
    // handler runs inside another. Closing the window drops the rest of the pick; a pick
    // started later replaces this one wherever it has got to.
    QTimer::singleShot(0, this, [this, pick = m_pick, step = std::move(step)] {
        if (pick == m_pick)
            step();
    });
}

void frmColorPicker::pickAt(QPoint at, PipetteSession::AreaReader read)
{
    Picture3->Cls();
    ++m_pick;
    afterPendingEvents([this, at, read = std::move(read)] {
        // A copy that fails leaves the pick unreadable rather than showing the cleared picture.
        const QImage shot = read(screenAround(at, Picture3->image().size()));
        m_captureOk = !shot.isNull();
        if (m_captureOk) {
            QPainter p(&Picture3->image());
            p.drawImage(0, 0, shot);
        }
        Picture3->refresh();
        PickCentre();
    });
}

void frmColorPicker::PickCentre()
{
    afterPendingEvents([this] {
        if (m_pipette->isActive()) {
            endPick(); // a new pipette started meanwhile
            return;
        }
        afterPendingEvents([this] {
            const QSize size = Picture3->image().size();
            const int32_t value = m_captureOk ? Picture3->Point(size.width() / 2, size.height() / 2)
                                              : colorvalue::kUnreadable;
            m_currentColor = value;
            SetTextCouleur(value);
            if (value >= 0) {
                setSwatch(value);
                m_panel->remember(value);
            }
            endPick();
        });
    });
}

void frmColorPicker::endPick()
{
    afterPendingEvents([this] {
        // Releasing here while a new pipette runs would leave that pipette without its capture.
        if (!m_pipette->isActive())
            thePointer().releaseCapture(this);
    });
}

void frmColorPicker::desktopColourPicked(int32_t color)
{
    pipetteEnded();
    Picture3->Cls();
    m_currentColor = color;
    SetTextCouleur(color);
    setSwatch(color);
    m_panel->remember(color);
}

void frmColorPicker::CmdBasicColor_Click()
{
    focusSink();
    Fra2->hide();
    dlg1.Color = m_swatchColor;
    dlg1.ShowColor();
    SetTextCouleur(dlg1.Color);
}

void frmColorPicker::CmdConvertir_Click()
{
    focusSink();
    Fra2->hide();
    const bool wasInFront = chkKeepFront->isChecked();
    if (wasInFront)
        chkKeepFront->setChecked(false);
    bool validated = false;
    int32_t typed = 0;
    {
        FrmModale1 dialog(m_state, this);
        validated = dialog.exec() == QDialog::Accepted;
        typed = dialog.value();
    }
    if (wasInFront)
        chkKeepFront->setChecked(true);
    if (validated) {
        m_currentColor = typed;
        TimCapt.setInterval(100);
    }
}

void frmColorPicker::chkKeepFront_Click()
{
    if (isVisible())
        focusSink();
    windowlayer::setTopmost(this, chkKeepFront->isChecked());
    // The designed height, and below it the fold-out panel if open.
    setPanelOpen(m_panel->isVisibleTo(this));
}

void frmColorPicker::ChkXY_Click()
{
    focusSink();
    const bool on = ChkXY->isChecked();
    for (Label *l : { LblPosX, LblPosY })
        setBackground(l, on ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xE0, 0xE0, 0xE0));
    if (on) {
        m_coordsOff = 0;
        TimXY.setInterval(100);
    } else {
        m_coordsOff = 1;
    }
}

void frmColorPicker::Opt1_Click(int Index)
{
    // The choice takes effect at the next display; nothing is copied now.
    focusSink();
    if (!m_panel->autoCopyNotation().isEmpty()) {
        // A designed choice clicked while the panel's notation was copied takes the copy back.
        m_copyOption = uint8_t(Index);
        m_panel->useDesignedAutoCopy();
    }
}

void frmColorPicker::TimXY_Timer()
{
    if (m_coordsOff) {
        TimXY.setInterval(0);
        LblPosX->clear();
        LblPosY->clear();
        return;
    }
    // While the frozen pipette runs, its overlays report where the pointer is.
    if (m_pipette->overlays().isEmpty())
        m_pointer = thePointer().physicalPos();
    LblPosX->setText(QString::number(m_pointer.x()));
    LblPosY->setText(QString::number(m_pointer.y()));
}

void frmColorPicker::TimCapt_Timer()
{
    if (!CmdPipette->isEnabled())
        return;
    TimCapt.setInterval(0);
    SetTextCouleur(m_currentColor);
}

void frmColorPicker::Form_Unload()
{
    if (m_pipette->isActive()) {
        m_pipette->cancel();
        pipetteCancelled();
    }
    ToolWindow::Form_Unload();
}

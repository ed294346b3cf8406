#include "capture/frmcapture.h"
#include "ui/captions.h"

#include "base/twips.h"
#include "capture/capturecontrols.h"
#include "capture/captureformat.h"
#include "capture/capturepicturebox.h"
#include "capture/editoroverlay.h"
#include "capture/frmcaptureinfo.h"
#include "capture/frmcapturetexts.h"
#include "capture/lastregion.h"
#include "capture/modcapture.h"
#include "capture/picturefit.h"
#include "capture/picturescroller.h"
#include "capture/pinwindow.h"
#include "capture/regionsession.h"
#include "colour/colourhistory.h"
#include "controls/messagebox.h"
#include "platform/clipboard.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "platform/windowframe.h"
#include "text/language.h"
#include "ui/appstate.h"
#include "ui/controls.h"
#include "ui/screenfailure.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

// Designed outer size: PictureDoc (4815 x 2025) fills it less the resize rule's margins.
constexpr int kMarginWidth = 240;
constexpr int kMarginHeight = 890;
constexpr int kDesignedWidth = 4815 + kMarginWidth;
constexpr int kDesignedHeight = 2025 + kMarginHeight;

constexpr int32_t kGrey = 0x00808080;

QRect primaryScreenGeometry(const QWidget *w)
{
    const QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

frmCapture::frmCapture(AppState &state, ToolHost &host)
    : ToolWindow(state, host)
    , CommonDialog1(this)
{
    setObjectName(QStringLiteral("frmCapture"));
    // Creating the window starts the imaging library; a failure only warns.
    m_imagingToken = modCapture::startImaging();
    if (m_imagingToken == 0)
        MessageBox::show(this, QStringLiteral("Unable to initialize GDIplus.DLL"),
            MessageBox::Icon::Information, m_state.AppTitle);
    buildControls();
    buildMenus();
    m_region = new RegionSession(this);
    connect(m_region, &RegionSession::shown, PicCapt, &QWidget::show);
    connect(m_region, &RegionSession::captured, this, &frmCapture::regionCaptured);
    connect(m_region, &RegionSession::released, this, &frmCapture::regionReleased);
    connect(m_region, &RegionSession::cancelled, this, &frmCapture::regionCancelled);
    connect(m_region, &RegionSession::failed, this, [this](Screen::Outcome outcome) {
        regionCancelled();
        showScreenFailure(this, outcome, ScreenServices::current().screen().isLive(),
            m_state.language(), QStringLiteral("Screenshot"));
    });
    Form_Load();
}

frmCapture::~frmCapture() { stopTimers(); }

void frmCapture::buildControls()
{
    setWindowTitle(QStringLiteral("Screenshot"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(pal);
    setAutoFillBackground(true);

    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    MenuBar->setNativeMenuBar(false);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Client"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MenuBar);
    layout->addWidget(m_client, 1);
    layout->setSizeConstraint(QLayout::SetNoConstraint);

    PictureDoc = makeControl<PictureBox>(m_client, QStringLiteral("PictureDoc"), 0, 0, 4815, 2025);
    PictureDoc->setBackColor(kGrey);
    PicCapt = makeControl<CapturePictureBox>(PictureDoc, QStringLiteral("PicCapt"), 0, 0, 660, 465);
    PicCapt->setBackColor(0xFFFFFF);
    PicCapt->hide();
    m_scroller = new PictureScroller(m_client, PictureDoc, PicCapt);
    HScrollPic = m_scroller->horizontal();
    VScrollPic = m_scroller->vertical();

    TxtEn = capturecontrols::helpBox(m_client, "TxtEn", 3000, 0x00FFFFC0, "Click to delete",
        frmcapturetexts::joinLines(frmcapturetexts::kHelpEn));
    TxtFR = capturecontrols::helpBox(m_client, "TxtFR", 5220, 0x00C0FFFF,
        "Cliquer pour faire disparaitre.", frmcapturetexts::joinLines(frmcapturetexts::kHelpFr));
    TxtEs = capturecontrols::helpBox(m_client, "TxtEs", 7440, 0x00FFFFC0, "Click to delete",
        frmcapturetexts::joinLines(frmcapturetexts::kHelpEs));
    for (QPlainTextEdit *box : { TxtEn, TxtFR, TxtEs }) {
        box->installEventFilter(this);
        box->viewport()->installEventFilter(this);
    }

    LblLimiteH = makeControl<QLabel>(m_client, QStringLiteral("LblLimiteH"), LimiteH, 0, 15, 15);
    LblLimiteH->hide();
    LblLimiteV = makeControl<QLabel>(m_client, QStringLiteral("LblLimiteV"), 0, LimiteV, 15, 15);
    LblLimiteV->hide();

    TimCap.setObjectName(QStringLiteral("TimCap"));
    TimCaptEcran1.setObjectName(QStringLiteral("TimCaptEcran1"));
    TimCaptEcran2.setObjectName(QStringLiteral("TimCaptEcran2"));
    connect(&TimCap, &IntervalTimer::timeout, this, &frmCapture::TimCap_Timer);
    connect(&TimCaptEcran1, &IntervalTimer::timeout, this, &frmCapture::TimCaptEcran1_Timer);
    connect(&TimCaptEcran2, &IntervalTimer::timeout, this, &frmCapture::TimCaptEcran2_Timer);
}

void frmCapture::buildMenus()
{
    MnMenu = capturecontrols::submenu(this, "MnMenu", "Menu");
    MnuSave = capturecontrols::entry(MnMenu, "MnuSave", "Save image as");
    MnuSave->setEnabled(false);
    MnuAnnotate = capturecontrols::entry(MnMenu, "MnuAnnotate", "Annotate…");
    MnuAnnotate->setEnabled(false);
    MnExit = capturecontrols::entry(MnMenu, "MnExit", "Exit");

    MnuCapture = capturecontrols::submenu(this, "MnuCapture", "Capture (Ctrl+clic)");
    MnuCapEcran = capturecontrols::entry(MnuCapture, "MnuCapEcran", "Grab current screen");
    MnuCapRegion = capturecontrols::entry(MnuCapture, "MnuCapRegion", "Grab selected region");

    MnuOption = capturecontrols::submenu(this, "MnuOption", "Options");
    MnuCopier = capturecontrols::entry(MnuOption, "MnuCopier", "Copy screenshot to clipboard");
    MnuFormat = capturecontrols::submenu(MnuOption, "MnuFormat", "Recording format");
    MnuOption->addMenu(MnuFormat);
    MnuFbmp = capturecontrols::entry(MnuFormat, "MnuFbmp", "BMP");
    MnuFgif = capturecontrols::entry(MnuFormat, "MnuFgif", "GIF");
    MnuFjpg = capturecontrols::submenu(MnuFormat, "MnuFjpg", "JPG");
    MnuFormat->addMenu(MnuFjpg);
    MnuCompresse1 = capturecontrols::entry(MnuFjpg, "MnuCompresse1", "Compression 0%");
    MnuCompresse2 = capturecontrols::entry(MnuFjpg, "MnuCompresse2", "Compression 25%");
    MnuCompresse3 = capturecontrols::entry(MnuFjpg, "MnuCompresse3", "Compression 50%");
    MnuCompresse4 = capturecontrols::entry(MnuFjpg, "MnuCompresse4", "Compression 75%");
    MnuFpng = capturecontrols::entry(MnuFormat, "MnuFpng", "PNG");
    MnuFtif = capturecontrols::entry(MnuFormat, "MnuFtif", "TIF");

    MnuDelai = capturecontrols::submenu(MnuOption, "MnuDelai", "Delay");
    MnuOption->addMenu(MnuDelai);
    MnuDelaiEntries = { capturecontrols::entry(MnuDelai, "MnuDelai0", "None"),
        capturecontrols::entry(MnuDelai, "MnuDelai3", "3 s"),
        capturecontrols::entry(MnuDelai, "MnuDelai5", "5 s"),
        capturecontrols::entry(MnuDelai, "MnuDelai10", "10 s") };
    for (int i = 0; i < int(MnuDelaiEntries.size()); ++i) {
        MnuDelaiEntries[i]->setCheckable(true);
        connect(
            MnuDelaiEntries[i], &QAction::triggered, this, [this, i] { MnuDelai_Entry_Click(i); });
    }

    MnuAide = capturecontrols::submenu(this, "MnuAide", "?");
    MnuHelp = capturecontrols::entry(MnuAide, "MnuHelp", "Help");

    for (QMenu *m : { MnMenu, MnuCapture, MnuOption, MnuAide })
        MenuBar->addMenu(m);

    const auto formats = formatEntries();
    for (int i = 0; i < int(formats.size()); ++i) {
        formats[i]->setCheckable(true);
        connect(formats[i], &QAction::triggered, this, [this, i] { MnuFormat_Entry_Click(i); });
    }

    connect(MnuSave, &QAction::triggered, this, &frmCapture::MnuSave_Click);
    connect(MnuAnnotate, &QAction::triggered, this, &frmCapture::MnuAnnotate_Click);
    connect(MnExit, &QAction::triggered, this, &frmCapture::MnExit_Click);
    connect(MnuCapEcran, &QAction::triggered, this, &frmCapture::MnuCapEcran_Click);
    connect(MnuCapRegion, &QAction::triggered, this, &frmCapture::MnuCapRegion_Click);
    connect(MnuCopier, &QAction::triggered, this, &frmCapture::MnuCopier_Click);
    connect(MnuHelp, &QAction::triggered, this, &frmCapture::MnuHelp_Click);
    connect(MnMenu, &QMenu::aboutToShow, this, &frmCapture::MnMenu_Click);
    connect(MnuCapture, &QMenu::aboutToShow, this, &frmCapture::MnuCapture_Click);
    connect(MnuOption, &QMenu::aboutToShow, this, &frmCapture::MnuOption_Click);
}

std::array<QAction *, 8> frmCapture::formatEntries() const
{
    return { MnuFbmp, MnuFgif, MnuCompresse1, MnuCompresse2, MnuCompresse3, MnuCompresse4, MnuFpng,
        MnuFtif };
}

void frmCapture::Form_Load()
{
    // 1. The help of the language covers the top-left corner; six entries change caption.
    // The other two were designed to lie below the client area, out of sight; they are hidden
    // instead, since a tiling desktop gives the window room enough to show them.
    const Language lang = m_state.language();
    const std::pair<QPlainTextEdit *, Language> boxes[] = { { TxtEn, Language::English },
        { TxtFR, Language::French }, { TxtEs, Language::Spanish } };
    for (const auto &[box, language] : boxes) {
        if (language == lang)
            twips::place(box, 0, 0, 4665, 2085);
        else
            box->hide();
    }
    applyCaptions(this, frmcapturetexts::kCaptions, lang, false);

    // 2. Check mark and JPEG quality of the stored format.
    const captureformat::Entry stored = captureformat::entryForCode(m_state.formatImage());
    if (stored != captureformat::Entry::None) {
        checkFormatEntry(static_cast<int>(stored));
        const int16_t q = captureformat::qualityOf(stored);
        if (q >= 0)
            m_jpegQuality = q;
    }

    // The stored delay; anything else than a delay the menu offers is none.
    int delayIndex = 0;
    for (int i = 0; i < int(DelaySeconds.size()); ++i) {
        if (m_state.readSetting(Setting::DelaiCapture) == QString::number(DelaySeconds[i]))
            delayIndex = i;
    }
    checkDelayEntry(delayIndex);

    // 3. Each save replaces this with the save directory.
    CommonDialog1.InitDir = QCoreApplication::applicationDirPath();

    // 4. Designed size first, then the limits; the window is not shown yet, so these size
    //    changes lay nothing out (the layout rule waits for a visible window).
    twips::setClientSize(this, kDesignedWidth, kDesignedHeight);
    setOuterSizeTwips(outerWidthTwips(), LimiteV);
    setOuterSizeTwips(LimiteH, LimiteV);

    // 5.
    if (copyOptionOn())
        MnuCopier->setVisible(false);

    // 6. A third of the free height above, not a half.
    centreWindow(this);
}

int frmCapture::outerWidthTwips() const { return twips::toTwipsX(width() + frameExtra().width()); }

int frmCapture::outerHeightTwips() const
{
    return twips::toTwipsY(height() + frameExtra().height());
}

QSize frmCapture::frameExtra() const { return windowframe::outerSize(this) - size(); }

QRect frmCapture::availableArea() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

void frmCapture::setOuterSizeTwips(int width, int height)
{
    // Sizes are outer sizes (frame and title included); Qt sizes the client area.
    const QSize frame = frameExtra();
    const QSize outer = QSize(twips::toPixelsX(width), twips::toPixelsY(height))
                            .boundedTo(availableArea().size());
    resize(qMax(1, outer.width() - frame.width()), qMax(1, outer.height() - frame.height()));
}

void frmCapture::setOuterSizeAroundPicture(int marginWidth, int marginHeight)
{
    const QSize picture = PicCapt->size();
    const QSize frame = frameExtra();
    const int menu = height() - m_client->height();
    const picturefit::Axis across { [&](int outer) { return outer - frame.width(); },
        [](int outer) { return twips::toPixelsX(twips::toTwipsX(outer) - kMarginWidth); } };
    const picturefit::Axis down { [&](int outer) { return outer - frame.height() - menu; },
        [](int outer) { return twips::toPixelsY(twips::toTwipsY(outer) - kMarginHeight); } };
    const int width = picturefit::fit(
        twips::toPixelsX(qMax(LimiteH, twips::toTwipsX(picture.width()) + marginWidth)),
        picture.width(), across);
    const int height = picturefit::fit(
        twips::toPixelsY(qMax(LimiteV, twips::toTwipsY(picture.height()) + marginHeight)),
        picture.height(), down);
    setOuterSizeTwips(twips::toTwipsX(width), twips::toTwipsY(height));
}

void frmCapture::resizeEvent(QResizeEvent *event)
{
    ToolWindow::resizeEvent(event);
    Form_Resize();
}

void frmCapture::Form_Resize()
{
    if (!isVisible() || isMinimized())
        return;
    int w = outerWidthTwips();
    int h = outerHeightTwips();
    if (w < LimiteH || h < LimiteV) {
        w = qMax(w, LimiteH);
        h = qMax(h, LimiteV);
        setOuterSizeTwips(w, h);
    }
    PictureDoc->resize(twips::toPixelsX(w - kMarginWidth), twips::toPixelsY(h - kMarginHeight));
}

void frmCapture::centreOnScreenHalf()
{
    const QRect screen = primaryScreenGeometry(this);
    const QSize outer = size() + frameExtra();
    const QRect free = availableArea();
    const int left = screen.left() + (screen.width() - outer.width()) / 2;
    const int top = screen.top() + (screen.height() - outer.height()) / 2;
    windowframe::moveTo(this,
        QPoint(qMax(free.left(), qMin(left, free.right() + 1 - outer.width())),
            qMax(free.top(), qMin(top, free.bottom() + 1 - outer.height()))));
}

bool frmCapture::copyOptionOn() const { return m_state.pressePapier(); }

void frmCapture::enableSave()
{
    MnuSave->setEnabled(true);
    MnuAnnotate->setEnabled(true);
}

void frmCapture::MnuAnnotate_Click()
{
    const QImage picture = PicCapt->picture();
    if (picture.isNull())
        return;
    auto *editor = new EditorOverlay(m_state.language(), picture);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setRecentColours(colourhistory::fromSetting(m_state.readSetting(Setting::History)));
    editor->setWindowTitle(windowTitle());
    // Enter puts the marked picture in this window (and on the clipboard when the option
    // asks for it); Ctrl+S goes on to the window's own save.
    connect(editor, &EditorOverlay::finished, this,
        [this, editor, dpr = picture.devicePixelRatio()](QImage result, EditEnding ending) {
            result.setDevicePixelRatio(dpr);
            if (ending == EditEnding::Pin) {
                (new PinWindow(result, m_state.language()))->show();
                return;
            }
            editor->close();
            putPicture(result);
            if (copyOptionOn())
                ScreenServices::current().clipboard().setImage(result);
            if (ending == EditEnding::Save)
                MnuSave_Click();
        });
    connect(editor, &EditorOverlay::cancelled, editor, &QWidget::close);
    editor->show();
}

void frmCapture::putPicture(const QImage &picture)
{
    const qreal dpr = picture.isNull() ? 1.0 : picture.devicePixelRatio();
    const QSize logical(qRound(picture.width() / dpr), qRound(picture.height() / dpr));
    PicCapt->move(0, 0);
    PicCapt->resize(logical);
    PicCapt->setPicture(picture);
    m_scroller->putAt(QPoint(0, 0));
}

void frmCapture::MnuCapEcran_Click()
{
    // Where the desktop decides about windows (Wayland), minimising is only a wish it may
    // ignore: the window steps out of the picture by hiding.
    if (ScreenServices::current().placesWindows())
        setWindowState(windowState() | Qt::WindowMinimized);
    else
        hide();
    TimCaptEcran1.setInterval(300 + m_delaySeconds * 1000);
}

void frmCapture::TimCaptEcran1_Timer()
{
    TimCaptEcran1.setInterval(0);
    if (m_closing)
        return;
    // The window has been out of the way for 300 ms: the screen is read directly instead of
    // through the print-screen key, so the clipboard is not involved.
    ScreenServices::current().screen().requestDesktop(
        this, [this](const Screen::DesktopPicture &picture) {
            if (m_closing)
                return;
            m_snapshot = picture.image;
            m_snapshotOutcome = picture.outcome;
            // Shown at the main monitor's scale; the picture keeps every physical pixel.
            if (!m_snapshot.isNull())
                m_snapshot.setDevicePixelRatio(
                    ScreenServices::current().screen().primaryArea().dpr);
            TimCaptEcran2.setInterval(200);
        });
}

void frmCapture::TimCaptEcran2_Timer()
{
    TimCaptEcran2.setInterval(0);
    if (m_closing)
        return;
    const QImage snapshot = std::exchange(m_snapshot, QImage());
    if (snapshot.isNull()) {
        // Nothing could be read: the window comes back as it was, saying why where the
        // desktop refused.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        showScreenFailure(this, m_snapshotOutcome, ScreenServices::current().screen().isLive(),
            m_state.language(), QStringLiteral("Screenshot"));
        return;
    }
    putPicture(snapshot);
    // Only the copy option puts the snapshot on the clipboard; whatever the user had copied
    // stays there otherwise.
    if (copyOptionOn())
        ScreenServices::current().clipboard().setImage(snapshot);
    PicCapt->show();
    enableSave();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    show();
    // No margins: the window takes the picture box's size as its outer size.
    setOuterSizeTwips(twips::toTwipsX(PicCapt->width()), twips::toTwipsY(PicCapt->height()));
    centreOnScreenHalf();
}

void frmCapture::MnuCapRegion_Click()
{
    hide();
    TimCap.setInterval(400 + m_delaySeconds * 1000);
}

void frmCapture::TimCap_Timer()
{
    TimCap.setInterval(0);
    if (m_closing)
        return;
    // The window is hidden already; minimising a hidden window would map it on X.
    if (isVisible())
        setWindowState(windowState() | Qt::WindowMinimized);
    // The screen is read once the events pending now have run; closing the window meanwhile
    // cancels it.
    m_region->start(m_state.language());
}

// The overlay's answers. While the overlay is up this window is hidden; its state is left
// alone then, since on X changing it maps the window, which would take the keyboard from the
// overlay. It is restored when the window is shown again.
frmCaptureInfo *frmCapture::overlay() const
{
    const QList<frmCaptureInfo *> all = overlays();
    return all.isEmpty() ? nullptr : all.first();
}

QList<frmCaptureInfo *> frmCapture::overlays() const { return m_region->overlays(); }

void frmCapture::leaveMinimisedIfShown()
{
    if (isVisible())
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void frmCapture::regionCaptured(const QImage &picture, const QSize &sizeTwips)
{
    // Kept for `tintavo capture --last-region`.
    if (!m_region->lastRegion().isEmpty())
        lastregion::write(m_state.settings, m_region->lastRegion());
    leaveMinimisedIfShown();
    enableSave();
    PicCapt->setPicture(QImage());
    putPicture(picture);
    if (picture.isNull())
        PicCapt->resize(twips::toPixelsX(sizeTwips.width()), twips::toPixelsY(sizeTwips.height()));
    show();
    setOuterSizeAroundPicture(280, 930);
    centreWithPictures();
    // Only a capture touches the clipboard: a cancelled selection leaves whatever the user had
    // copied. The copy waits for the events pending now, and is dropped with this window.
    QTimer::singleShot(0, this, [this] {
        if (copyOptionOn()) {
            Clipboard &clipboard = ScreenServices::current().clipboard();
            clipboard.clear();
            clipboard.setImage(PicCapt->picture());
        }
    });
}

void frmCapture::regionReleased()
{
    leaveMinimisedIfShown();
    centreWithPictures();
}

void frmCapture::regionCancelled()
{
    m_region->stop();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    show();
}

// The window centred on the screen, then the pictures in its client area.
void frmCapture::centreWithPictures()
{
    centreOnScreenHalf();
    if (isMinimized() || isMaximized())
        return;
    const QSize client = clientArea()->size();
    PictureDoc->move(client.width() / 2 - PictureDoc->width() / 2,
        client.height() / 2 - PictureDoc->height() / 2);
    PicCapt->move(
        client.width() / 2 - PicCapt->width() / 2, client.height() / 2 - PicCapt->height() / 2);
}

void frmCapture::hideHelpBoxes()
{
    TxtEn->hide();
    TxtFR->hide();
    TxtEs->hide();
}

void frmCapture::MnMenu_Click() { hideHelpBoxes(); }
void frmCapture::MnuCapture_Click() { hideHelpBoxes(); }
void frmCapture::MnuOption_Click() { hideHelpBoxes(); }

void frmCapture::MnuHelp_Click()
{
    QPlainTextEdit *box = nullptr;
    switch (m_state.language()) {
    case Language::English:
        box = TxtEn;
        break;
    case Language::French:
        box = TxtFR;
        break;
    case Language::Spanish:
        box = TxtEs;
        break;
    case Language::Other:
        return;
    }
    twips::place(box, 0, 0, 4665, 2085);
    box->show();
    box->raise();
    box->setFocus(Qt::OtherFocusReason);
}

bool frmCapture::eventFilter(QObject *watched, QEvent *event)
{
    for (QPlainTextEdit *box : { TxtEn, TxtFR, TxtEs }) {
        if (watched != box && watched != box->viewport())
            continue;
        // A click or a release over the box, or the focus leaving it (not merely the window
        // losing activation), hides it.
        if (event->type() == QEvent::MouseButtonRelease) {
            box->hide();
        } else if (event->type() == QEvent::FocusOut) {
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
                box->hide();
        }
        break;
    }
    return ToolWindow::eventFilter(watched, event);
}

void frmCapture::checkFormatEntry(int index)
{
    const auto formats = formatEntries();
    for (int i = 0; i < int(formats.size()); ++i)
        formats[i]->setChecked(i == index);
}

void frmCapture::MnuFormat_Entry_Click(int index)
{
    const auto e = static_cast<captureformat::Entry>(index);
    checkFormatEntry(index);
    const QString code = captureformat::codeOf(e);
    m_state.setFormatImage(code);
    const int16_t q = captureformat::qualityOf(e);
    if (q >= 0)
        m_jpegQuality = q;
}

void frmCapture::checkDelayEntry(int index)
{
    for (int i = 0; i < int(MnuDelaiEntries.size()); ++i)
        MnuDelaiEntries[i]->setChecked(i == index);
    m_delaySeconds = DelaySeconds[index];
}

void frmCapture::MnuDelai_Entry_Click(int index)
{
    checkDelayEntry(index);
    m_state.writeSetting(Setting::DelaiCapture, QString::number(m_delaySeconds));
}

void frmCapture::MnuCopier_Click()
{
    MnuCopier->setVisible(false);
    // Stored at once; the launcher's check box follows.
    m_state.setPressePapier(true);
}

void frmCapture::MnuSave_Click()
{
    const QString extension = captureformat::extensionOf(m_state.formatImage());
    modCapture::prepareSaveDialog(CommonDialog1, extension, m_state.chemin());
    if (!CommonDialog1.ShowSave())
        return;

    const QString inProgress = QStringLiteral("In progress...");
    setWindowTitle(inProgress);
    if (m_imagingToken != 0) {
        const QImage area = modCapture::innerArea(PicCapt->picture(), PicCapt->innerSize());
        // The dialog adds the checked format's extension only to a name without one: a name
        // typed as "shot.png" while JPG is checked must hold PNG bytes.
        const captureformat::SaveFormat format = captureformat::saveFormatFor(
            CommonDialog1.FileName, m_state.formatImage(), m_jpegQuality);
        if (modCapture::SaveImage(CommonDialog1.FileName, area, format.extension, format.quality))
            setWindowTitle(QStringLiteral("OK"));
    }
    if (windowTitle() == inProgress) {
        MessageBox::show(this, QStringLiteral("Backup is not done"), MessageBox::Icon::None,
            QStringLiteral("Screenshot"));
    } else {
        MessageBox::show(this,
            QStringLiteral("The registration process was completed successfully : ")
                + m_state.NewLine + CommonDialog1.FileName,
            MessageBox::Icon::None, QStringLiteral("Screenshot"));
    }
}

void frmCapture::MnExit_Click() { close(); }

bool frmCapture::Form_QueryUnload()
{
    modCapture::shutdownImaging(m_imagingToken);
    return true;
}

void frmCapture::stopTimers()
{
    TimCap.setInterval(0);
    TimCaptEcran1.setInterval(0);
    TimCaptEcran2.setInterval(0);
}

void frmCapture::Form_Unload()
{
    m_closing = true;
    stopTimers();
    returnToLauncher(); // the launcher shows itself at once for this tool
    m_region->stop();
}

#include "capture/frmcaptureinfo.h"

#include "capture/frmcaptureinfotexts.h"

#include "base/twips.h"
#include "capture/capturepicturebox.h"
#include "capture/selectionshape.h"
#include "controls/label.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "text/language.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace frmcaptureinfotexts;

namespace {

// Shift state as the handlers receive it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftOf(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0)
        | (m & Qt::AltModifier ? 4 : 0);
}

constexpr int kCtrl = 2;

int buttonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

frmCaptureInfo::frmCaptureInfo(Language language, std::optional<Screen::Area> monitor)
    : QWidget(nullptr,
        Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
            | Qt::BypassWindowManagerHint)
    , m_language(language)
    , m_desktop(std::move(monitor))
{
    setObjectName(QStringLiteral("frmCaptureInfo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    Labaide = new Label(this);
    Labaide->setObjectName(QStringLiteral("Labaide"));
    twips::place(Labaide, 120, 180, 2895, 555);
    Labaide->setText(QString::fromUtf8(kLabaide.english));
    Labaide->setAlignment(Qt::AlignCenter);
    Labaide->setWordWrap(true);
    Labaide->setFrameShape(QFrame::Box);
    Labaide->setAutoFillBackground(true);
    QPalette pal = Labaide->palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    Labaide->setPalette(pal);

    ShapeSelect = new SelectionShape(this);
    ShapeSelect->setObjectName(QStringLiteral("ShapeSelect"));
    ShapeSelect->hide();

    LblSize = new QLabel(this);
    LblSize->setObjectName(QStringLiteral("LblSize"));
    LblSize->setAttribute(Qt::WA_TransparentForMouseEvents);
    LblSize->setAutoFillBackground(true);
    LblSize->setPalette(pal);
    LblSize->setMargin(2);
    LblSize->hide();
    placeShape();

    setCrosshair(false);
    Form_Load();
}

void frmCaptureInfo::Form_Load() { setGeometry(m_desktop.geometry()); }

void frmCaptureInfo::present(const QImage &desktop)
{
    Form_Load();
    m_desktop.freeze(desktop);
    showShape(false);
    if (m_language != Language::Other)
        Labaide->setText(captionOf(kLabaide, m_language));
    Labaide->show();
    setCrosshair(false);
    m_desktop.show(this);
}

void frmCaptureInfo::dismiss() { FrozenDesktop::hide(this); }

QImage frmCaptureInfo::frozenPart(const QRect &clientPixels) const
{
    return m_desktop.part(this, clientPixels);
}

void frmCaptureInfo::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    m_desktop.paint(p, this, event->rect());
}

void frmCaptureInfo::setCrosshair(bool cross)
{
    setCursor(cross ? Qt::CrossCursor : Qt::WhatsThisCursor);
}

bool frmCaptureInfo::isCrosshair() const { return cursor().shape() == Qt::CrossCursor; }

void frmCaptureInfo::placeShape()
{
    const RegionSelection::Shape &s = m_selection.shape();
    const int tx = twips::twipsPerPixelX(), ty = twips::twipsPerPixelY();
    const QRect r(
        qRound(s.left / tx), qRound(s.top / ty), qRound(s.width / tx), qRound(s.height / ty));
    ShapeSelect->setGeometry(r);
    if (!LblSize->isVisible() && !ShapeSelect->isVisible())
        return;
    const QSize pixels = frozenPart(RegionSelection::sourceOf(s, tx, ty).pixels).size();
    LblSize->setText(QStringLiteral("%1 × %2").arg(pixels.width()).arg(pixels.height()));
    LblSize->adjustSize();
    // Beside the lower right corner, kept on the overlay.
    QPoint at = r.bottomRight() + QPoint(6, 6);
    at.setX(qMin(at.x(), width() - LblSize->width()));
    at.setY(qMin(at.y(), height() - LblSize->height()));
    LblSize->move(at);
}

void frmCaptureInfo::showShape(bool visible)
{
    ShapeSelect->setVisible(visible);
    LblSize->setVisible(visible);
    if (visible) {
        placeShape();
        LblSize->raise();
    }
}

// Keyboard ---------------------------------------------------------------------------------

void frmCaptureInfo::keyPressEvent(QKeyEvent *event)
{
    Qt::KeyboardModifiers mods = event->modifiers();
    // The Ctrl key itself counts as held while it goes down.
    if (event->key() == Qt::Key_Control)
        mods |= Qt::ControlModifier;
    Form_KeyDown(event->key(), shiftOf(mods));
    if (event->key() == Qt::Key_Escape)
        Form_KeyPress(27);
    else if (!event->text().isEmpty())
        Form_KeyPress(event->text().at(0).unicode());
}

void frmCaptureInfo::keyReleaseEvent(QKeyEvent *event)
{
    Qt::KeyboardModifiers mods = event->modifiers();
    if (event->key() == Qt::Key_Control)
        mods &= ~Qt::ControlModifier;
    Form_KeyUp(event->key(), shiftOf(mods));
}

void frmCaptureInfo::Form_KeyDown(int, int Shift)
{
    if (Shift == kCtrl) {
        setCrosshair(true);
        Labaide->hide();
    } else {
        setCrosshair(false);
        Labaide->show();
    }
}

void frmCaptureInfo::Form_KeyUp(int, int)
{
    setCrosshair(false);
    Labaide->show();
}

void frmCaptureInfo::Form_KeyPress(int KeyAscii)
{
    if (KeyAscii != 27)
        return;
    dismiss();
    setCrosshair(false);
    Labaide->show();
    emit cancelled();
}

// Mouse ------------------------------------------------------------------------------------

void frmCaptureInfo::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    Form_MouseDown(buttonOf(event->button()), shiftOf(event->modifiers()),
        float(p.x() * twips::twipsPerPixelX()), float(p.y() * twips::twipsPerPixelY()));
}

void frmCaptureInfo::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    Form_MouseMove(buttonOf(Qt::MouseButton(int(event->buttons()))), shiftOf(event->modifiers()),
        float(p.x() * twips::twipsPerPixelX()), float(p.y() * twips::twipsPerPixelY()));
}

void frmCaptureInfo::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    Form_MouseUp(buttonOf(event->button()), shiftOf(event->modifiers()),
        float(p.x() * twips::twipsPerPixelX()), float(p.y() * twips::twipsPerPixelY()));
}

void frmCaptureInfo::Form_MouseDown(int, int Shift, float X, float Y)
{
    if (Shift != kCtrl)
        return;
    m_selection.press(X, Y);
    showShape(true);
    setCrosshair(true);
}

void frmCaptureInfo::Form_MouseMove(int, int Shift, float X, float Y)
{
    if (Shift == kCtrl && !isCrosshair())
        setCrosshair(true);
    if (Shift == 0 && isCrosshair()) {
        setCrosshair(false);
        Labaide->show();
    }
    if (Shift == kCtrl && ShapeSelect->isVisible()) {
        const float w = float(width() * twips::twipsPerPixelX());
        const float h = float(height() * twips::twipsPerPixelY());
        if (m_selection.move(X, Y, w, h))
            placeShape();
    }
}

void frmCaptureInfo::Form_MouseUp(int, int Shift, float, float)
{
    show();
    if (Shift != kCtrl || !ShapeSelect->isVisible()) {
        showShape(false);
        setCrosshair(false);
        Labaide->show();
        emit released();
        return;
    }
    showShape(false);
    const RegionSelection::Source source = RegionSelection::sourceOf(
        m_selection.shape(), twips::twipsPerPixelX(), twips::twipsPerPixelY());
    // The pixels come from the frozen copy the user saw, never from the live screen, so
    // nothing drawn on the overlay ends up in the picture.
    const QImage picture = frozenPart(source.pixels);
    const Screen &screen = ScreenServices::current().screen();
    m_selectedPhysical = picture.isNull()
        ? QRect()
        : screen.toPhysical(source.pixels.translated(m_desktop.origin(this)))
            & screen.virtualGeometryPhysical();
    dismiss();
    setCrosshair(false);
    Labaide->show();
    emit regionCaptured(picture, QSize(source.widthTwips, source.heightTwips));
}

#include "capture/pinwindow.h"

#include "capture/picturesave.h"
#include "capture/pinwindowtexts.h"

#include "controls/messagebox.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

using namespace pinwindowtexts;

namespace {

QString text(const char *key, Language language) { return captionOf(kTexts, key, language); }

} // namespace

PinWindow::PinWindow(const QImage &picture, Language language)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(picture)
    , m_language(language)
{
    setObjectName(QStringLiteral("PinWindow"));
    setWindowTitle(QStringLiteral("Tintavo pin"));
    setAttribute(Qt::WA_DeleteOnClose);
    setToolTip(text("tip", language));
    setCursor(Qt::SizeAllCursor);
    setZoom(1.0);
}

void PinWindow::setZoom(qreal zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    // The picture's own scale: a capture of a scale-2 monitor pins at its size on screen.
    const QSizeF logical = QSizeF(m_picture.size()) / m_picture.devicePixelRatio();
    resize((logical * m_zoom).toSize().expandedTo(QSize(8, 8)) + QSize(2, 2));
    update();
}

void PinWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, m_zoom < 1);
    p.drawImage(rect().adjusted(1, 1, -1, -1), m_picture);
    // A thin frame tells the pin from the windows under it.
    p.setPen(QColor(0x1E, 0x88, 0xE5));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PinWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The desktop moves the window where it can (Wayland lets nothing else move it).
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_grab = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void PinWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton && !m_grab.isNull())
        move(event->globalPosition().toPoint() - m_grab);
}

void PinWindow::mouseDoubleClickEvent(QMouseEvent *) { close(); }

void PinWindow::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0)
        setZoom(m_zoom * std::pow(1.25, notches));
}

void PinWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->key() == Qt::Key_S && event->modifiers() & Qt::ControlModifier)
        save();
    else
        QWidget::keyPressEvent(event);
}

void PinWindow::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(text("copy", m_language), this, &PinWindow::copy);
    menu->addAction(text("save", m_language), this, &PinWindow::save);
    menu->addSeparator();
    menu->addAction(text("close", m_language), this, &QWidget::close);
    menu->popup(event->globalPos());
}

void PinWindow::copy()
{
    Clipboard &clipboard = ScreenServices::current().clipboard();
    clipboard.clear();
    clipboard.setImage(m_picture);
}

void PinWindow::save()
{
    const std::optional<QString> path = picturesave::askPath(this, m_language);
    QString reason;
    if (path && !picturesave::write(m_picture, *path, &reason))
        MessageBox::show(this,
            text("notSaved", m_language) + QLatin1Char(' ') + *path
                + (reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason)),
            MessageBox::Icon::Exclamation, QStringLiteral("Tintavo"));
}

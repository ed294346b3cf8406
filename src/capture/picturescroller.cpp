#include "capture/picturescroller.h"

#include "capture/picturefit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

PictureScroller::PictureScroller(QWidget *client, QWidget *doc, QWidget *picture)
    : QObject(client)
    , m_client(client)
    , m_doc(doc)
    , m_picture(picture)
    , m_horizontal(new QScrollBar(Qt::Horizontal, client))
    , m_vertical(new QScrollBar(Qt::Vertical, client))
{
    m_horizontal->setObjectName(QStringLiteral("HScrollPic"));
    m_vertical->setObjectName(QStringLiteral("VScrollPic"));
    for (QScrollBar *bar : { m_horizontal, m_vertical }) {
        bar->hide();
        bar->setSingleStep(20);
        connect(bar, &QScrollBar::valueChanged, this, &PictureScroller::scrolled);
    }
    for (QWidget *w : { client, doc, picture })
        w->installEventFilter(this);
}

void PictureScroller::putAt(QPoint place)
{
    m_placedAt = place;
    m_wanted = QPoint(-1, -1);
    this->place();
}

void PictureScroller::scrolled()
{
    if (m_placing)
        return;
    m_wanted = QPoint(m_horizontal->isVisible() ? m_horizontal->value() : -1,
        m_vertical->isVisible() ? m_vertical->value() : -1);
    place();
}

void PictureScroller::place()
{
    if (m_placing)
        return;
    const QScopedValueRollback<bool> placing(m_placing, true);
    if (m_picture->isHidden()) {
        m_horizontal->hide();
        m_vertical->hide();
        return;
    }
    // The part of PictureDoc on view, less the bars; a bar taking room may call for the other.
    const QRect client = m_client->rect();
    const QRect doc = m_doc->geometry();
    const int barHeight = m_horizontal->sizeHint().height();
    const int barWidth = m_vertical->sizeHint().width();
    bool barX = false;
    bool barY = false;
    picturefit::Scroll x;
    picturefit::Scroll y;
    QRect view;
    for (int pass = 0; pass < 3; ++pass) {
        view = client.adjusted(0, 0, barY ? -barWidth : 0, barX ? -barHeight : 0)
                   .intersected(doc)
                   .translated(-doc.topLeft());
        x = picturefit::scroll(m_placedAt.x(), m_picture->width(), view.left(),
            view.left() + view.width(), m_wanted.x());
        y = picturefit::scroll(m_placedAt.y(), m_picture->height(), view.top(),
            view.top() + view.height(), m_wanted.y());
        if (x.bar == barX && y.bar == barY)
            break;
        barX = x.bar;
        barY = y.bar;
    }
    m_horizontal->setGeometry(
        0, client.height() - barHeight, client.width() - (y.bar ? barWidth : 0), barHeight);
    m_vertical->setGeometry(
        client.width() - barWidth, 0, barWidth, client.height() - (x.bar ? barHeight : 0));
    const auto set = [](QScrollBar *bar, const picturefit::Scroll &s, int page) {
        bar->setRange(0, s.range);
        bar->setPageStep(qMax(1, page));
        bar->setValue(s.value);
        bar->setVisible(s.bar);
        if (s.bar)
            bar->raise();
    };
    set(m_horizontal, x, view.width());
    set(m_vertical, y, view.height());
    m_picture->move(x.position, y.position);
}

bool PictureScroller::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
        // Put somewhere by someone else (the region overlay centres it): that place is shown.
        if (watched == m_picture && !m_placing) {
            m_placedAt = m_picture->pos();
            m_wanted = QPoint(-1, -1);
        }
        place();
        break;
    case QEvent::Resize:
    case QEvent::Show:
        place();
        break;
    case QEvent::Wheel:
        if (watched != m_client) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            QScrollBar *bar = wheel->angleDelta().x() != 0 || !m_vertical->isVisible()
                ? m_horizontal
                : m_vertical;
            if (bar->isVisible()) {
                QCoreApplication::sendEvent(bar, event);
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

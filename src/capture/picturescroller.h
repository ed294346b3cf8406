#pragma once

#include <QObject>
#include <QPoint>

class QScrollBar;
class QWidget;

// Scroll bars along the right and bottom edges of the capture window's client area, for a
// picture larger than the part of PictureDoc on view. It follows where the picture is put (by
// the window or by the region overlay) and the sizes of PictureDoc and the client area; the
// mouse wheel over the picture scrolls it.
class PictureScroller : public QObject
{
    Q_OBJECT
public:
    PictureScroller(QWidget *client, QWidget *doc, QWidget *picture);

    QScrollBar *horizontal() const { return m_horizontal; }
    QScrollBar *vertical() const { return m_vertical; }

    // The picture has been put at this place of PictureDoc: that is the part to show first.
    void putAt(QPoint place);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void scrolled();

    QWidget *m_client;
    QWidget *m_doc;
    QWidget *m_picture;
    QScrollBar *m_horizontal;
    QScrollBar *m_vertical;
    QPoint m_placedAt;
    QPoint m_wanted { -1, -1 }; // the user's scroll values; -1 while the user has not scrolled
    bool m_placing = false;
};

#pragma once

#include "capture/annotation.h"
#include "capture/frozendesktop.h"
#include "text/language.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QUndoStack>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QToolButton;

// How an edit ended: the result to copy, or to save.
enum class EditEnding { Copy, Save, Pin };

// The screenshot editor over a frozen picture of the desktop: a plain drag selects, the
// selection's handles resize it, a drag inside moves it and the arrows nudge it (Shift: ten);
// then marks are drawn on it with the tools of the bar beside it. Enter or Ctrl+C ends with the
// result to copy, Ctrl+S with the result to save, Ctrl+P with the result to pin, Esc cancels. Marks
// stay editable (moved, deleted, undone) until the result is made, at the picture's physical
// pixels.
class EditorOverlay : public QWidget
{
    Q_OBJECT
public:
    enum class Tool {
        Crop, // adjusts the selection: a drag inside moves it
        Select,
        Arrow,
        Line,
        Rectangle,
        Ellipse,
        Pen,
        Marker,
        Text,
        Step,
        Pixelate,
        Redact,
        Pipette,
    };

    explicit EditorOverlay(Language language, std::optional<Screen::Area> monitor = std::nullopt);
    // The editor in a window of its own over a picture (a file's), scaled down to fit the
    // screen, the whole picture selected and the rectangle tool chosen.
    EditorOverlay(Language language, const QImage &picture);

    // Freezes the given desktop picture (physical pixels of the whole virtual desktop), starts
    // with no selection and no marks, and shows the overlay with the keyboard.
    void present(const QImage &desktop);
    void dismiss();

    QRect selection() const { return m_selection; }
    // The selection in physical pixels of the virtual desktop.
    QRect selectedPhysical() const { return m_desktop.desktopPhysicalOf(this, m_selection); }
    void setSelection(const QRect &selection);
    Tool tool() const { return m_tool; }
    void setTool(Tool tool);
    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);
    // The windows on the frozen desktop, in physical pixels of the desktop, the topmost first:
    // a click without a drag selects the one under it.
    void setWindows(const QList<QRect> &desktopPhysical) { m_windows = desktopPhysical; }
    // The picker's last picks (0x00BBGGRR, newest first), offered beside the palette (six).
    void setRecentColours(const QList<int32_t> &colours);
    qreal penWidth() const { return m_width; }
    const QList<Annotation> &marks() const { return m_marks; }
    QUndoStack &undoStack() { return m_undo; }

    // The selection with its marks, at the picture's physical pixels; null without a selection.
    QImage result() const;

signals:
    void finished(const QImage &result, EditEnding ending);
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class MarkCommand;
    void buildBar();
    void placeBar();
    void refreshBar();
    void applyLanguage();
    void end(EditEnding ending);
    void startText(QPointF at);
    void commitText();
    int markAt(QPointF at) const;
    void insertMark(int index, const Annotation &mark);
    void removeMark(int index);
    void replaceMark(int index, const Annotation &mark);
    // Physical pixels per logical one under the selection.
    qreal scale() const;
    // Where the selection may lie: the whole overlay, or the picture in a window.
    QRect canvas() const;
    void paintMark(QPainter &painter, const Annotation &mark);
    // What a change of a mark from `before` to `after` asks to paint again.
    QRect changedArea(const QRectF &before, const QRectF &after, qreal width) const;

    Language m_language;
    FrozenDesktop m_desktop;
    QRect m_selection;
    Tool m_tool = Tool::Crop;
    Tool m_beforePipette = Tool::Crop;
    QColor m_colour = QColor(0xE5, 0x39, 0x35);
    qreal m_width = 4;
    QList<Annotation> m_marks;
    QList<QRect> m_windows;
    int m_selectedMark = -1;
    QUndoStack m_undo;

    // The drag under way.
    enum class Drag { None, Selection, Mark, Move };
    Drag m_drag = Drag::None;
    int m_handle = 0; // selectionhandles::Handle of a selection drag
    QPoint m_pressAt;
    QRect m_selectionAtPress;
    Annotation m_drawing;
    Annotation m_moving;

    QWidget *m_bar = nullptr;
    QHash<Tool, QToolButton *> m_toolButtons;
    QList<QToolButton *> m_colourButtons;
    QList<QColor> m_colours; // what m_colourButtons set: the palette, then the last picks
    class QHBoxLayout *m_row = nullptr;
    QToolButton *colourButton(const QColor &colour);
    QLabel *m_size = nullptr;
    QPointer<QLineEdit> m_text;
    QPointF m_textAt;
};

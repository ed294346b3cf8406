#include "capture/editoroverlay.h"

#include "base/colorconv.h"
#include "capture/editoroverlaytexts.h"
#include "capture/editortools.h"
#include "capture/selectionhandles.h"
#include "platform/screenservices.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolButton>
#include <QUndoCommand>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <optional>

using namespace editoroverlaytexts;
using selectionhandles::Handle;

using editortools::kindOf;

// One change to the marks, undone and done again by the editor's undo stack: a mark added
// (no `before`), removed (no `after`) or changed.
class MarkCommand : public QUndoCommand
{
public:
    MarkCommand(EditorOverlay *overlay, int index, std::optional<Annotation> before,
        std::optional<Annotation> after)
        : m_overlay(overlay)
        , m_index(index)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }
    void redo() override { apply(m_before, m_after); }
    void undo() override { apply(m_after, m_before); }

private:
    void apply(const std::optional<Annotation> &from, const std::optional<Annotation> &to)
    {
        if (!from && to)
            m_overlay->insertMark(m_index, *to);
        else if (from && !to)
            m_overlay->removeMark(m_index);
        else if (to)
            m_overlay->replaceMark(m_index, *to);
    }

    EditorOverlay *m_overlay;
    int m_index;
    std::optional<Annotation> m_before;
    std::optional<Annotation> m_after;
};

EditorOverlay::EditorOverlay(Language language, std::optional<Screen::Area> monitor)
    : QWidget(nullptr,
        Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
            | Qt::BypassWindowManagerHint)
    , m_language(language)
    , m_desktop(std::move(monitor))
{
    setObjectName(QStringLiteral("EditorOverlay"));
    setWindowTitle(QStringLiteral("Tintavo screenshot"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    buildBar();
    connect(&m_undo, &QUndoStack::indexChanged, this, qOverload<>(&QWidget::update));
}

EditorOverlay::EditorOverlay(Language language, const QImage &picture)
    : QWidget(nullptr, Qt::Window)
    , m_language(language)
    , m_desktop(std::nullopt)
{
    setObjectName(QStringLiteral("EditorOverlay"));
    setWindowTitle(QStringLiteral("Tintavo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    buildBar();
    connect(&m_undo, &QUndoStack::indexChanged, this, qOverload<>(&QWidget::update));
    // Shown whole on the screen, the bar below it.
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    const QSize bar = m_bar->sizeHint();
    const qreal fit = std::max({ 1.0, qreal(picture.width()) / (room.width() * 0.9),
        qreal(picture.height()) / (room.height() * 0.9 - bar.height() - 16) });
    m_desktop = FrozenDesktop::forPicture(picture, fit);
    const QSize shown = m_desktop.geometry().size();
    setFixedSize(std::max(shown.width(), bar.width()), shown.height() + bar.height() + 16);
    m_selection = m_desktop.geometry();
    m_tool = Tool::Rectangle;
    refreshBar();
}

void EditorOverlay::buildBar()
{
    m_bar = new QWidget(this);
    m_bar->setObjectName(QStringLiteral("EditorBar"));
    m_bar->setAutoFillBackground(true);
    m_bar->setCursor(Qt::ArrowCursor);
    auto *row = new QHBoxLayout(m_bar);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(2);
    auto button = [this, row](const QString &name, const QString &text) {
        auto *b = new QToolButton(m_bar);
        b->setObjectName(name);
        b->setText(text);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
        b->setMinimumSize(28, 28);
        row->addWidget(b);
        return b;
    };
    for (const editortools::Info &info : editortools::tools()) {
        const std::size_t i = std::size_t(&info - editortools::tools().data());
        QToolButton *b
            = button(QString::fromLatin1(kTools[i].control), QString::fromUtf8(info.symbol));
        b->setCheckable(true);
        m_toolButtons.insert(info.tool, b);
        connect(b, &QToolButton::clicked, this, [this, tool = info.tool] { setTool(tool); });
    }
    m_row = row;
    for (const QColor &c : editortools::palette())
        row->addWidget(colourButton(c));
    QToolButton *undo = button(QStringLiteral("Undo"), QStringLiteral("↶"));
    connect(undo, &QToolButton::clicked, &m_undo, &QUndoStack::undo);
    QToolButton *redo = button(QStringLiteral("Redo"), QStringLiteral("↷"));
    connect(redo, &QToolButton::clicked, &m_undo, &QUndoStack::redo);
    QToolButton *copy = button(QStringLiteral("Copy"), QStringLiteral("✔"));
    connect(copy, &QToolButton::clicked, this, [this] { end(EditEnding::Copy); });
    QToolButton *save = button(QStringLiteral("Save"), QStringLiteral("⤓"));
    connect(save, &QToolButton::clicked, this, [this] { end(EditEnding::Save); });
    QToolButton *pin = button(QStringLiteral("Pin"), QStringLiteral("⊡"));
    connect(pin, &QToolButton::clicked, this, [this] { end(EditEnding::Pin); });
    QToolButton *cancel = button(QStringLiteral("Cancel"), QStringLiteral("✕"));
    connect(cancel, &QToolButton::clicked, this, &EditorOverlay::cancelled);

    m_size = new QLabel(this);
    m_size->setObjectName(QStringLiteral("LblSize"));
    m_size->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_size->setAutoFillBackground(true);
    m_size->setMargin(3);
    applyLanguage();
    refreshBar();
}

QToolButton *EditorOverlay::colourButton(const QColor &c)
{
    auto *b = new QToolButton(m_bar);
    b->setObjectName(QStringLiteral("Colour%1").arg(c.name().mid(1)));
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(28, 28);
    b->setCheckable(true);
    b->setToolTip(captionOf(kColour, m_language) + QLatin1Char(' ') + c.name());
    b->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid #888; }"
                                    "QToolButton:checked { border: 3px solid #222; }")
                         .arg(c.name()));
    m_colourButtons << b;
    m_colours << c;
    connect(b, &QToolButton::clicked, this, [this, c] { setColour(c); });
    return b;
}

void EditorOverlay::setRecentColours(const QList<int32_t> &colours)
{
    // Beside the palette, before undo and the endings.
    int at = m_row->indexOf(m_colourButtons.constLast()) + 1;
    for (int32_t bgr : colours.mid(0, 6)) {
        const QColor c = toQColor(bgr);
        if (m_colours.contains(c))
            continue;
        m_row->insertWidget(at++, colourButton(c));
    }
    refreshBar();
}

void EditorOverlay::applyLanguage()
{
    for (const editortools::Info &info : editortools::tools()) {
        const std::size_t i = std::size_t(&info - editortools::tools().data());
        m_toolButtons.value(info.tool)->setToolTip(QStringLiteral("%1 (%2)").arg(
            captionOf(kTools[i], m_language), QKeySequence(info.key).toString()));
    }
    const std::pair<const char *, const CaptionRow *> actions[]
        = { { "Undo", &kUndo }, { "Redo", &kRedo }, { "Copy", &kCopy }, { "Save", &kSave },
              { "Pin", &kPin }, { "Cancel", &kCancel } };
    for (const auto &[name, row] : actions)
        m_bar->findChild<QToolButton *>(QLatin1String(name))
            ->setToolTip(captionOf(*row, m_language));
}

void EditorOverlay::refreshBar()
{
    for (auto it = m_toolButtons.cbegin(); it != m_toolButtons.cend(); ++it)
        it.value()->setChecked(it.key() == m_tool);
    for (qsizetype i = 0; i < m_colourButtons.size(); ++i)
        m_colourButtons.at(i)->setChecked(m_colours.at(i) == m_colour);
    m_bar->setVisible(!m_selection.isEmpty());
    m_bar->adjustSize();
    placeBar();
}

void EditorOverlay::placeBar()
{
    const QRect s = m_selection;
    const QSize bar = m_bar->sizeHint();
    // Below the selection, else above it, else inside its bottom edge: never over the
    // selection while there is room beside it.
    int x = std::clamp(s.left(), 0, std::max(0, width() - bar.width()));
    int y = s.bottom() + 8;
    if (y + bar.height() > height())
        y = s.top() - 8 - bar.height();
    if (y < 0)
        y = std::max(0, s.bottom() - bar.height() - 8);
    m_bar->setGeometry(QRect(QPoint(x, y), bar));
    if (m_selection.isEmpty()) {
        m_size->hide();
        return;
    }
    const QRect physical = m_desktop.physicalOf(this, m_selection);
    m_size->setText(QStringLiteral("%1 × %2").arg(physical.width()).arg(physical.height()));
    m_size->adjustSize();
    QPoint at = s.topLeft() - QPoint(0, m_size->height() + 4);
    if (at.y() < 0)
        at = s.topLeft() + QPoint(4, 4);
    m_size->move(at);
    m_size->show();
    m_size->raise();
}

void EditorOverlay::present(const QImage &desktop)
{
    m_desktop.freeze(desktop);
    m_selection = QRect();
    m_marks.clear();
    m_undo.clear();
    m_tool = Tool::Crop;
    m_drag = Drag::None;
    refreshBar();
    setToolTip(captionOf(kHint, m_language));
    m_desktop.show(this);
}

void EditorOverlay::dismiss()
{
    if (m_text)
        m_text->deleteLater();
    FrozenDesktop::hide(this);
}

QRect EditorOverlay::canvas() const
{
    return m_desktop.isPicture() ? m_desktop.geometry() : rect();
}

void EditorOverlay::setSelection(const QRect &selection)
{
    m_selection = selection & canvas();
    refreshBar();
    update();
}

void EditorOverlay::setTool(Tool tool)
{
    if (tool == Tool::Pipette && m_tool != Tool::Pipette)
        m_beforePipette = m_tool;
    m_tool = tool;
    m_selectedMark = -1;
    setCursor(tool == Tool::Crop || tool == Tool::Select ? Qt::ArrowCursor : Qt::CrossCursor);
    refreshBar();
    update();
}

void EditorOverlay::setColour(const QColor &colour)
{
    m_colour = colour;
    // A mark chosen with the select tool takes the colour too.
    if (m_selectedMark >= 0 && m_selectedMark < m_marks.size()) {
        Annotation changed = m_marks.at(m_selectedMark);
        changed.colour = colour;
        m_undo.push(new MarkCommand(this, m_selectedMark, m_marks.at(m_selectedMark), changed));
    }
    refreshBar();
}

qreal EditorOverlay::scale() const
{
    if (m_selection.isEmpty())
        return 1;
    return qreal(m_desktop.physicalOf(this, m_selection).width()) / m_selection.width();
}

QImage EditorOverlay::result() const
{
    if (m_selection.isEmpty())
        return QImage();
    const QImage picture = m_desktop.part(this, m_selection);
    return annotation::compose(picture, m_selection.topLeft(), scale(), m_marks);
}

void EditorOverlay::end(EditEnding ending)
{
    if (m_text)
        commitText();
    const QImage made = result();
    if (made.isNull())
        return;
    emit finished(made, ending);
}

// Marks ------------------------------------------------------------------------------------

void EditorOverlay::insertMark(int index, const Annotation &mark)
{
    m_marks.insert(index, mark);
    m_selectedMark = -1;
}

void EditorOverlay::removeMark(int index)
{
    m_marks.removeAt(index);
    m_selectedMark = -1;
}

void EditorOverlay::replaceMark(int index, const Annotation &mark) { m_marks[index] = mark; }

int EditorOverlay::markAt(QPointF at) const
{
    for (int i = int(m_marks.size()) - 1; i >= 0; --i) {
        if (m_marks.at(i).bounds().contains(at))
            return i;
    }
    return -1;
}

void EditorOverlay::startText(QPointF at)
{
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("TextEntry"));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, qRound(m_width * 4)));
    f.setBold(true);
    m_text->setFont(f);
    m_text->setFrame(false);
    m_text->setStyleSheet(
        QStringLiteral("background: rgba(255, 255, 255, 160); color: %1;").arg(m_colour.name()));
    m_text->move(at.toPoint());
    m_text->resize(std::max(120, width() - at.toPoint().x() - 8) / 2, m_text->sizeHint().height());
    m_textAt = at;
    m_text->installEventFilter(this);
    m_text->show();
    m_text->setFocus();
}

void EditorOverlay::commitText()
{
    if (!m_text)
        return;
    const QString typed = m_text->text();
    m_text->deleteLater();
    m_text = nullptr;
    setFocus();
    if (typed.trimmed().isEmpty())
        return;
    Annotation mark;
    mark.kind = Annotation::Kind::Text;
    mark.points = { m_textAt };
    mark.colour = m_colour;
    mark.width = m_width;
    mark.text = typed;
    m_undo.push(new MarkCommand(this, int(m_marks.size()), std::nullopt, mark));
}

bool EditorOverlay::eventFilter(QObject *watched, QEvent *event)
{
    // While typing, Enter ends the text and Esc drops it, not the whole screenshot.
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commitText();
            return true;
        }
        if (key == Qt::Key_Escape) {
            m_text->deleteLater();
            m_text = nullptr;
            setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Painting ---------------------------------------------------------------------------------

void EditorOverlay::paintMark(QPainter &p, const Annotation &mark)
{
    if (mark.kind == Annotation::Kind::Redact) {
        p.fillRect(annotation::boxOf(mark), mark.colour);
    } else if (mark.kind == Annotation::Kind::Pixelate) {
        const QRect box = annotation::boxOf(mark).toAlignedRect() & m_selection;
        if (box.isEmpty())
            return;
        QImage patch = m_desktop.part(this, box);
        patch.setDevicePixelRatio(1.0);
        annotation::pixelate(patch, patch.rect(),
            qRound(annotation::kMinimumBlock * std::max<qreal>(1, mark.width / 4) * scale()));
        p.drawImage(box, patch);
    } else {
        annotation::paintVector(p, mark);
    }
}

void EditorOverlay::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    m_desktop.paint(p, this, event->rect());
    // Outside the selection the desktop is dimmed.
    QPainterPath outside;
    outside.addRect(canvas());
    if (!m_selection.isEmpty()) {
        QPainterPath inside;
        inside.addRect(m_selection);
        outside = outside.subtracted(inside);
    }
    p.fillPath(outside, QColor(0, 0, 0, 110));
    if (m_selection.isEmpty())
        return;
    p.save();
    p.setClipRect(m_selection, Qt::IntersectClip);
    for (const Annotation &mark : std::as_const(m_marks))
        paintMark(p, mark);
    if (m_drag == Drag::Mark)
        paintMark(p, m_drawing);
    p.restore();
    if (m_selectedMark >= 0 && m_selectedMark < m_marks.size()) {
        p.setPen(QPen(Qt::white, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_marks.at(m_selectedMark).bounds());
    }
    p.setPen(QPen(QColor(0x1E, 0x88, 0xE5), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_selection.adjusted(0, 0, -1, -1));
    p.setBrush(Qt::white);
    for (const QRect &square : selectionhandles::handleSquares(m_selection))
        p.drawRect(square);
}

// Pointer ----------------------------------------------------------------------------------

void EditorOverlay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_text)
        commitText();
    const QPoint at = event->position().toPoint();
    m_pressAt = at;
    m_selectionAtPress = m_selection;
    const Handle handle = selectionhandles::hitTest(m_selection, at);
    const bool handleGrabbed = handle != Handle::None && handle != Handle::Inside;
    if (m_selection.isEmpty() || handleGrabbed || handle == Handle::None || m_tool == Tool::Crop) {
        // Outside the selection a new one is drawn; its edges and corners resize it.
        m_drag = Drag::Selection;
        m_handle = int(handle == Handle::Inside && m_tool != Tool::Crop ? Handle::None : handle);
        return;
    }
    switch (m_tool) {
    case Tool::Pipette: {
        const QImage pixel = m_desktop.part(this, QRect(at, QSize(1, 1)));
        if (!pixel.isNull())
            setColour(QColor(pixel.pixel(0, 0)));
        setTool(m_beforePipette);
        return;
    }
    case Tool::Select:
        m_selectedMark = markAt(at);
        if (m_selectedMark >= 0) {
            m_moving = m_marks.at(m_selectedMark);
            m_drag = Drag::Move;
        }
        update();
        return;
    case Tool::Text:
        startText(at);
        return;
    case Tool::Step: {
        Annotation step;
        step.kind = Annotation::Kind::Step;
        step.points = { QPointF(at) };
        step.colour = m_colour;
        step.width = m_width;
        step.text = QString::number(
            std::count_if(m_marks.cbegin(), m_marks.cend(),
                [](const Annotation &a) { return a.kind == Annotation::Kind::Step; })
            + 1);
        m_undo.push(new MarkCommand(this, int(m_marks.size()), std::nullopt, step));
        return;
    }
    default:
        break;
    }
    if (const auto kind = kindOf(m_tool)) {
        m_drawing = Annotation();
        m_drawing.kind = *kind;
        m_drawing.colour = m_tool == Tool::Redact ? Qt::black : m_colour;
        m_drawing.width = m_width;
        m_drawing.points = { QPointF(at), QPointF(at) };
        m_drag = Drag::Mark;
    }
}

QRect EditorOverlay::changedArea(const QRectF &before, const QRectF &after, qreal width) const
{
    // The marker is drawn four times as wide as its width; the dashed frame of a chosen mark
    // lies just outside its bounds.
    const int margin = qCeil(width * 2) + 4;
    return before.united(after).toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

void EditorOverlay::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    switch (m_drag) {
    case Drag::Selection:
        m_selection = selectionhandles::dragged(
            m_selectionAtPress, Handle(m_handle), m_pressAt, at, canvas());
        refreshBar();
        break;
    case Drag::Mark: {
        // Only what the mark covered and covers now is painted again: a full repaint of a
        // large screen would not keep up with the pointer.
        const QRectF before = m_drawing.bounds();
        if (m_drawing.kind == Annotation::Kind::Pen || m_drawing.kind == Annotation::Kind::Marker)
            m_drawing.points << QPointF(at);
        else
            m_drawing.points.last() = QPointF(at);
        update(changedArea(before, m_drawing.bounds(), m_drawing.width));
        return;
    }
    case Drag::Move: {
        const QRectF before = m_marks.at(m_selectedMark).bounds();
        Annotation moved = m_moving;
        moved.moveBy(QPointF(at - m_pressAt));
        m_marks[m_selectedMark] = moved;
        update(changedArea(before, moved.bounds(), moved.width));
        return;
    }
    case Drag::None: {
        // The cursor tells what a press would do.
        const Handle h = selectionhandles::hitTest(m_selection, at);
        Qt::CursorShape shape
            = m_tool == Tool::Crop || m_tool == Tool::Select ? Qt::ArrowCursor : Qt::CrossCursor;
        if (h == Handle::Left || h == Handle::Right)
            shape = Qt::SizeHorCursor;
        else if (h == Handle::Top || h == Handle::Bottom)
            shape = Qt::SizeVerCursor;
        else if (h == Handle::TopLeft || h == Handle::BottomRight)
            shape = Qt::SizeFDiagCursor;
        else if (h == Handle::TopRight || h == Handle::BottomLeft)
            shape = Qt::SizeBDiagCursor;
        else if (h == Handle::Inside && m_tool == Tool::Crop)
            shape = Qt::SizeAllCursor;
        else if (h == Handle::None)
            shape = Qt::CrossCursor;
        setCursor(shape);
        return;
    }
    }
    update();
}

void EditorOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Drag drag = std::exchange(m_drag, Drag::None);
    const QPoint at = event->position().toPoint();
    if (drag == Drag::Selection && Handle(m_handle) == Handle::None
        && (at - m_pressAt).manhattanLength() < 3) {
        // A click without a drag takes the window under it.
        const QPoint physical = m_desktop.desktopPhysicalOf(this, QRect(at, QSize(1, 1))).topLeft();
        for (const QRect &window : std::as_const(m_windows)) {
            if (window.contains(physical)) {
                setSelection(m_desktop.logicalOf(this, window));
                return;
            }
        }
        setSelection(m_selectionAtPress);
        return;
    }
    if (drag == Drag::Mark) {
        // A click without a drag draws nothing.
        if (m_drawing.bounds().width() > m_drawing.width + 3
            || m_drawing.bounds().height() > m_drawing.width + 3)
            m_undo.push(new MarkCommand(this, int(m_marks.size()), std::nullopt, m_drawing));
    } else if (drag == Drag::Move) {
        const Annotation moved = m_marks.at(m_selectedMark);
        m_marks[m_selectedMark] = m_moving;
        const int selected = m_selectedMark;
        if (moved.points != m_moving.points)
            m_undo.push(new MarkCommand(this, selected, m_moving, moved));
        m_selectedMark = selected;
    }
    update();
}

void EditorOverlay::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0)
        return;
    m_width = std::clamp<qreal>(m_width + notches, 1, 30);
    m_bar->setToolTip(captionOf(kWidth, m_language).arg(m_width));
    update();
}

// Keyboard ---------------------------------------------------------------------------------

void EditorOverlay::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        emit cancelled();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        end(EditEnding::Copy);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (m_selectedMark >= 0 && m_selectedMark < m_marks.size())
            m_undo.push(
                new MarkCommand(this, m_selectedMark, m_marks.at(m_selectedMark), std::nullopt));
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = shift ? 10 : 1;
        const QPoint d = event->key() == Qt::Key_Left ? QPoint(-step, 0)
            : event->key() == Qt::Key_Right           ? QPoint(step, 0)
            : event->key() == Qt::Key_Up              ? QPoint(0, -step)
                                                      : QPoint(0, step);
        setSelection(selectionhandles::nudged(m_selection, d, ctrl, canvas()));
        return;
    }
    default:
        break;
    }
    if (ctrl) {
        if (event->key() == Qt::Key_C)
            end(EditEnding::Copy);
        else if (event->key() == Qt::Key_S)
            end(EditEnding::Save);
        else if (event->key() == Qt::Key_P)
            end(EditEnding::Pin);
        else if (event->key() == Qt::Key_Z && shift)
            m_undo.redo();
        else if (event->key() == Qt::Key_Z)
            m_undo.undo();
        else if (event->key() == Qt::Key_Y)
            m_undo.redo();
        return;
    }
    for (const editortools::Info &info : editortools::tools()) {
        if (event->key() == info.key) {
            setTool(info.tool);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

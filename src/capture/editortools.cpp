#include "capture/editortools.h"

namespace editortools {

namespace {

const Info kTools[] = {
    { EditorOverlay::Tool::Crop, Qt::Key_C, "✂" },
    { EditorOverlay::Tool::Select, Qt::Key_V, "↖" },
    { EditorOverlay::Tool::Arrow, Qt::Key_A, "➚" },
    { EditorOverlay::Tool::Line, Qt::Key_L, "╱" },
    { EditorOverlay::Tool::Rectangle, Qt::Key_R, "▭" },
    { EditorOverlay::Tool::Ellipse, Qt::Key_E, "◯" },
    { EditorOverlay::Tool::Pen, Qt::Key_P, "✎" },
    { EditorOverlay::Tool::Marker, Qt::Key_M, "▌" },
    { EditorOverlay::Tool::Text, Qt::Key_T, "T" },
    { EditorOverlay::Tool::Step, Qt::Key_N, "①" },
    { EditorOverlay::Tool::Pixelate, Qt::Key_X, "▦" },
    { EditorOverlay::Tool::Redact, Qt::Key_B, "■" },
    { EditorOverlay::Tool::Pipette, Qt::Key_I, "◉" },
};

const QColor kPalette[]
    = { QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00), QColor(0xFD, 0xD8, 0x35),
          QColor(0x43, 0xA0, 0x47), QColor(0x1E, 0x88, 0xE5), Qt::black, Qt::white };

} // namespace

std::span<const Info> tools() { return kTools; }

std::span<const QColor> palette() { return kPalette; }

std::optional<Annotation::Kind> kindOf(EditorOverlay::Tool tool)
{
    using T = EditorOverlay::Tool;
    using K = Annotation::Kind;
    switch (tool) {
    case T::Arrow:
        return K::Arrow;
    case T::Line:
        return K::Line;
    case T::Rectangle:
        return K::Rectangle;
    case T::Ellipse:
        return K::Ellipse;
    case T::Pen:
        return K::Pen;
    case T::Marker:
        return K::Marker;
    case T::Pixelate:
        return K::Pixelate;
    case T::Redact:
        return K::Redact;
    default:
        return std::nullopt;
    }
}

} // namespace editortools

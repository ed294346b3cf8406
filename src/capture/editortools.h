#pragma once

#include "capture/annotation.h"
#include "capture/editoroverlay.h"

#include <QColor>

#include <optional>
#include <span>

// The screenshot editor's tools: their order on the bar, their keys and symbols, the mark each
// draws, and the short palette beside them.
namespace editortools {

struct Info
{
    EditorOverlay::Tool tool;
    Qt::Key key;
    const char *symbol;
};

// In the bar's order; their tooltips are editoroverlaytexts::kTools in the same order.
std::span<const Info> tools();
std::span<const QColor> palette();

// The kind of mark a tool draws with a drag; none for the tools that draw otherwise or not.
std::optional<Annotation::Kind> kindOf(EditorOverlay::Tool tool);

} // namespace editortools

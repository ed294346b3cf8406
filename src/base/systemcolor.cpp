#include "base/systemcolor.h"

#include "base/colorconv.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
// The display elements in the order of their indexes, each mapped to the nearest palette role.
constexpr QPalette::ColorRole kRoles[] = {
    QPalette::Mid, // 0 scroll bar
    QPalette::Dark, // 1 desktop
    QPalette::Highlight, // 2 active title bar
    QPalette::Mid, // 3 inactive title bar
    QPalette::Window, // 4 menu bar
    QPalette::Base, // 5 window background
    QPalette::Shadow, // 6 window frame
    QPalette::WindowText, // 7 menu text
    QPalette::Text, // 8 window text
    QPalette::HighlightedText, // 9 title bar text
    QPalette::Window, // 10 active border
    QPalette::Window, // 11 inactive border
    QPalette::Dark, // 12 application workspace
    QPalette::Highlight, // 13 highlight
    QPalette::HighlightedText, // 14 highlight text
    QPalette::Button, // 15 button face
    QPalette::Dark, // 16 button shadow
    QPalette::PlaceholderText, // 17 disabled text
    QPalette::ButtonText, // 18 button text
    QPalette::WindowText, // 19 inactive title bar text
    QPalette::Light, // 20 button highlight
    QPalette::Shadow, // 21 3D dark shadow
    QPalette::Midlight, // 22 3D light
    QPalette::ToolTipText, // 23 tool tip text
    QPalette::ToolTipBase, // 24 tool tip background
};
} // namespace

std::optional<int32_t> translateColor(int32_t value)
{
    const uint32_t v = uint32_t(value);
    if ((v & 0xFF000000u) == 0)
        return value;
    if ((v & 0xFF000000u) != 0x80000000u)
        return std::nullopt;
    const uint32_t index = v & 0x00FFFFFFu;
    if (index >= std::size(kRoles) || !qGuiApp)
        return std::nullopt;
    return fromQColor(QGuiApplication::palette().color(QPalette::Active, kRoles[index]));
}

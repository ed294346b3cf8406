#pragma once

#include <QString>

#include <cstdint>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

// Builders for the capture window's controls: its help boxes and its named menu entries.
namespace capturecontrols {

// A read-only help box of the designed size (4665 x 2085 twips) at Left 600 and the given
// Top, in a back colour (0x00BBGGRR), with its tool tip and its CR LF text.
QPlainTextEdit *helpBox(
    QWidget *parent, const char *name, int top, int32_t bgr, const char *tip, const QString &text);

// A named entry appended to a menu.
QAction *entry(QMenu *menu, const char *name, const char *text);

// A named menu, not yet placed in a menu bar or another menu.
QMenu *submenu(QWidget *parent, const char *name, const char *title);

} // namespace capturecontrols

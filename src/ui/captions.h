#pragma once

#include "text/language.h"

#include <cstddef>

class QObject;
class QWidget;

// Sets the captions of one column. English is only applied when `includeEnglish` is set:
// most windows are designed in English and leave it alone.
void applyCaptions(QWidget *window, const CaptionRow *rows, std::size_t count, Language language,
    bool includeEnglish = true);

template <std::size_t N>
void applyCaptions(
    QWidget *window, const CaptionRow (&rows)[N], Language language, bool includeEnglish = true)
{
    applyCaptions(window, rows, N, language, includeEnglish);
}

// Caption of any control kind: buttons, labels, frames, menus and actions, windows.
void setCaption(QObject *control, const QString &text);
QString caption(const QObject *control);

#pragma once

#include "platform/screen.h"
#include "text/language.h"

#include <QString>

class QWidget;

// What the user is told when a tool could not read the screen. Nothing for a picture read or a
// request the user cancelled; nothing either where a live screen simply gave no pixels (the
// tool then comes back as it was).
QString screenFailureMessage(Screen::Outcome outcome, bool liveScreen, Language language);

// Shows that message, if there is one, over `window` with `title`.
void showScreenFailure(QWidget *window, Screen::Outcome outcome, bool liveScreen, Language language,
    const QString &title);

// Tooltip of a "keep in front" control on a desktop that decides that itself.
extern const CaptionRow kKeepInFrontUnavailable;

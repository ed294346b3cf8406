#include "ui/screenfailure.h"

#include "controls/messagebox.h"

namespace {

const CaptionRow kScreenRefused = { "", "This desktop does not let programs read the screen.",
    "Ce bureau ne permet pas aux programmes de lire l'écran.",
    "Este escritorio no permite que los programas lean la pantalla." };
const CaptionRow kScreenTimedOut
    = { "", "The desktop did not answer the request to read the screen.",
          "Le bureau n'a pas répondu à la demande de lecture de l'écran.",
          "El escritorio no respondió a la solicitud de leer la pantalla." };

} // namespace

const CaptionRow kKeepInFrontUnavailable = { "chkKeepFront",
    "On this desktop (Wayland), the desktop alone decides which window stays in front.",
    "Sur ce bureau (Wayland), seul le bureau décide quelle fenêtre reste au premier plan.",
    "En este escritorio (Wayland), solo el escritorio decide qué ventana queda en primer plano." };

QString screenFailureMessage(Screen::Outcome outcome, bool liveScreen, Language language)
{
    switch (outcome) {
    case Screen::Outcome::Read:
    case Screen::Outcome::Cancelled:
        return QString();
    case Screen::Outcome::TimedOut:
        return captionOf(kScreenTimedOut, language);
    case Screen::Outcome::Unavailable:
        if (liveScreen)
            return QString();
        break;
    case Screen::Outcome::Refused:
        break;
    }
    return captionOf(kScreenRefused, language);
}

void showScreenFailure(QWidget *window, Screen::Outcome outcome, bool liveScreen, Language language,
    const QString &title)
{
    const QString text = screenFailureMessage(outcome, liveScreen, language);
    if (!text.isEmpty())
        MessageBox::show(window, text, MessageBox::Icon::Exclamation, title);
}

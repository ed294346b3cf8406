#pragma once

#include "picker/pipettesession.h"
#include "text/language.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class AppState;

// A pick from anywhere: the pipette on the frozen screen, then the colour on the clipboard, in
// the last picks and in a desktop notification. `tintavo pick --copy` and the global shortcut
// both run it.
class QuickPick : public QObject
{
    Q_OBJECT
public:
    // The text copied for a colour; by default the picker's automatic-copy notation.
    using TextOf = std::function<QString(int32_t colour)>;

    explicit QuickPick(AppState &state, QObject *parent = nullptr);

    void setTextOf(TextOf textOf) { m_textOf = std::move(textOf); }
    // The language of the notification; by default the program's.
    void setLanguage(Language language) { m_language = language; }
    // The overlay of the monitor holding `keyboardAt` (logical) takes the keyboard. Does nothing
    // while a pick runs.
    void start(QPoint keyboardAt);
    bool isRunning() const { return m_pipette.isActive(); }

signals:
    // The colour is on the clipboard; `notified` follows once the notification was handed over.
    void copied(int32_t colour, const QString &text);
    void notified();
    void cancelled();
    void failed(Screen::Outcome outcome);

private:
    void pickedColour(int32_t colour);

    AppState &m_state;
    TextOf m_textOf;
    std::optional<Language> m_language;
    PipetteSession m_pipette;
};

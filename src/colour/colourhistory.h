#pragma once

#include <QList>
#include <QString>

#include <cstdint>

class AppState;

// The colours picked last, newest first: each colour once (a colour picked again moves to the
// front), at most kCapacity of them.
//
// Kept in the settings as one readable value, the HTML notations newest first with one space
// between them: "History=#E91E63 #3366CC #000000". Read back leniently, as a hand-edited value
// may come: entries may be split by spaces, tabs, commas or semicolons and written in either
// case; an entry that is not exactly '#' and six hexadecimal digits is dropped (never shown as
// black), repeats keep their first, newest place, and only the first kCapacity colours are kept.
namespace colourhistory {

constexpr int kCapacity = 24;

// The stored text of a list; what is not a colour is left out, repeats and the excess too.
QString toSetting(const QList<int32_t> &colours);
// The list a stored text holds, by the rules above; never more than kCapacity colours.
QList<int32_t> fromSetting(QStringView text);

} // namespace colourhistory

class ColourHistory
{
public:
    // A history in memory only, empty.
    ColourHistory() = default;
    // The history stored in the settings, stored again after every change.
    explicit ColourHistory(AppState &state);

    const QList<int32_t> &colours() const { return m_colours; }

    // Puts a picked colour in front. False, and nothing changes, for a value that is not a
    // colour (an unreadable pixel, a system-colour reference).
    bool add(int32_t colour);
    // False when the colour is not in the history.
    bool remove(int32_t colour);
    void clear();

private:
    void store();

    AppState *m_state = nullptr;
    QList<int32_t> m_colours;
};

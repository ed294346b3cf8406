#include "colour/colourhistory.h"

#include "colour/colorvalue.h"
#include "ui/appstate.h"

namespace colourhistory {

namespace {

bool isSeparator(QChar c) { return c.isSpace() || c == u',' || c == u';'; }

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// "#RRGGBB" as a colour value (red in the low byte); -1 for anything else.
int32_t parseEntry(QStringView entry)
{
    if (entry.size() != 7 || entry.front() != u'#')
        return -1;
    int32_t rgb = 0;
    for (qsizetype i = 1; i < 7; ++i) {
        const int d = hexDigit(entry[i]);
        if (d < 0)
            return -1;
        rgb = rgb * 16 + d;
    }
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// Adds a colour at the back unless it is already there or the list is full.
void appendOnce(QList<int32_t> &list, int32_t colour)
{
    if (colorvalue::isColor(colour) && list.size() < kCapacity && !list.contains(colour))
        list.append(colour);
}

} // namespace

QString toSetting(const QList<int32_t> &colours)
{
    QList<int32_t> kept;
    for (int32_t c : colours)
        appendOnce(kept, c);
    QString out;
    for (int32_t c : kept) {
        if (!out.isEmpty())
            out += u' ';
        out += colorvalue::htmlNotation(c);
    }
    return out;
}

QList<int32_t> fromSetting(QStringView text)
{
    QList<int32_t> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    // Stops at the first kCapacity colours: a huge hand-edited value costs no more than that.
    while (i < n && out.size() < kCapacity) {
        while (i < n && isSeparator(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && !isSeparator(text[i]))
            ++i;
        if (i > start)
            appendOnce(out, parseEntry(text.mid(start, i - start)));
    }
    return out;
}

} // namespace colourhistory

ColourHistory::ColourHistory(AppState &state)
    : m_state(&state)
    , m_colours(colourhistory::fromSetting(state.readSetting(Setting::History)))
{
}

bool ColourHistory::add(int32_t colour)
{
    if (!colorvalue::isColor(colour))
        return false;
    if (!m_colours.isEmpty() && m_colours.front() == colour)
        return true; // already in front: nothing to store
    m_colours.removeOne(colour);
    m_colours.prepend(colour);
    if (m_colours.size() > colourhistory::kCapacity)
        m_colours.resize(colourhistory::kCapacity);
    store();
    return true;
}

bool ColourHistory::remove(int32_t colour)
{
    if (!m_colours.removeOne(colour))
        return false;
    store();
    return true;
}

void ColourHistory::clear()
{
    if (m_colours.isEmpty())
        return;
    m_colours.clear();
    store();
}

void ColourHistory::store()
{
    if (m_state)
        m_state->writeSetting(Setting::History, colourhistory::toSetting(m_colours));
}

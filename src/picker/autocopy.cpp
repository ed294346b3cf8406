#include "picker/autocopy.h"

#include "colour/colorvalue.h"
#include "colour/cssnotation.h"
#include "ui/appstate.h"

namespace autocopy {

QString notation(const AppState &state)
{
    const QString id = state.readSetting(Setting::CopieCss);
    return cssnotation::notationFromId(id) ? id : QString();
}

QString text(const AppState &state, int32_t bgr)
{
    const auto chosen = cssnotation::notationFromId(notation(state));
    return chosen ? cssnotation::format(bgr, *chosen) : QString();
}

QString quickText(const AppState &state, int32_t bgr)
{
    const QString chosen = text(state, bgr);
    return chosen.isEmpty() ? colorvalue::htmlNotation(bgr) : chosen;
}

} // namespace autocopy

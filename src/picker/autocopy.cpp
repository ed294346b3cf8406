#include "picker/autocopy.h"

#include "colour/colorvalue.h"
#include "colour/namedtemplates.h"
#include "picker/notationchoices.h"
#include "ui/appstate.h"

namespace autocopy {

QString notation(const AppState &state)
{
    const QString id = state.readSetting(Setting::CopieCss);
    // A stored name this version does not know, or a format since removed, is the designed
    // choice.
    return notationchoices::known(namedtemplates::read(state), id) ? id : QString();
}

QString text(const AppState &state, int32_t bgr)
{
    return notationchoices::textOf(namedtemplates::read(state), notation(state), bgr);
}

QString quickText(const AppState &state, int32_t bgr)
{
    const QString chosen = text(state, bgr);
    return chosen.isEmpty() ? colorvalue::htmlNotation(bgr) : chosen;
}

} // namespace autocopy

#include "gradient/gradientsave.h"

#include "gradient/bmpfile.h"
#include "platform/messagebox.h"
#include "shell/appstate.h"
#include "shell/language.h"

namespace gradientsave {

namespace {
// The icon converter's wording, so that every tool says it the same way.
const CaptionRow kNotSaved
    = { "", "Could not save.", "Impossible d'enregistrer.", "No se pudo guardar." };
} // namespace

bool savePicture(QWidget *window, const AppState &state, const QImage &picture, const QString &path)
{
    if (bmpfile::save24(picture, path))
        return true;
    // An unknown language gets the English text: a save that failed must never pass unseen.
    MessageBox::show(window, captionOf(kNotSaved, languageFromId(state.Langue)),
        MessageBox::Icon::Information, state.AppTitle);
    return false;
}

} // namespace gradientsave

#include "gradient/gradientsave.h"

#include "controls/messagebox.h"
#include "gradient/bmpfile.h"
#include "text/language.h"
#include "ui/appstate.h"

namespace gradientsave {

bool savePicture(QWidget *window, const AppState &state, const QImage &picture, const QString &path)
{
    if (bmpfile::save24(picture, path))
        return true;
    // An unknown language gets the English text: a save that failed must never pass unseen.
    MessageBox::show(window, captionOf(kCouldNotSave, state.language()),
        MessageBox::Icon::Information, state.AppTitle);
    return false;
}

} // namespace gradientsave

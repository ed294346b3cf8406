#pragma once

#include <QString>

class QImage;
class QWidget;
class AppState;

// Saving the picture of a gradient window, the same for the linear and the spherical one.
namespace gradientsave {

// Writes the picture as a 24-bit bitmap under exactly the given name. When the file cannot be
// written (missing folder, no permission, full disk) the user is told so in a message box in
// the current language, and false is returned.
bool savePicture(
    QWidget *window, const AppState &state, const QImage &picture, const QString &path);

} // namespace gradientsave

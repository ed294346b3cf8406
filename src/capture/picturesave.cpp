#include "capture/picturesave.h"

#include "capture/captureformat.h"
#include "capture/modcapture.h"
#include "controls/commondialog.h"
#include "platform/filesave.h"

namespace picturesave {

namespace {

const CaptionRow kTitle
    = { "saveTitle", "Save the picture", "Enregistrer l'image", "Guardar la imagen" };
// Every format a name may ask for; the first is proposed.
const char *const kFilter = "PNG|*.png|WebP|*.webp|JPEG|*.jpg|BMP|*.bmp|TIFF|*.tif|GIF|*.gif";

} // namespace

std::optional<QString> askPath(
    QWidget *owner, Language language, const QString &folder, const QString &name)
{
    CommonDialog dialog(owner);
    dialog.DialogTitle = captionOf(kTitle, language);
    dialog.Filter = QString::fromLatin1(kFilter);
    dialog.FilterIndex = 1;
    dialog.DefaultExt = QStringLiteral("png");
    dialog.InitDir = folder;
    dialog.FileName = name;
    dialog.Flags = CommonDialog::OverwritePrompt | CommonDialog::PathMustExist;
    if (!dialog.ShowSave())
        return std::nullopt;
    return dialog.FileName;
}

bool write(const QImage &picture, const QString &path, QString *reason)
{
    QString format = captureformat::formatOfName(path);
    if (format.isEmpty())
        format = QStringLiteral("PNG");
    const QByteArray bytes = modCapture::encodeImage(picture, format, -1);
    return !bytes.isEmpty() && filesave::writeAtomically(path, bytes, reason);
}

} // namespace picturesave

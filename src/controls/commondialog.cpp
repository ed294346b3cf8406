#include "controls/commondialog.h"

#include "base/colorconv.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace {

// Qt's file dialog, kept open on a name the flags refuse, as the system's dialog does.
class CheckedFileDialog : public QFileDialog
{
public:
    CheckedFileDialog(QWidget *parent, CommonDialog::Kind kind, uint32_t flags)
        : QFileDialog(parent)
        , m_kind(kind)
        , m_flags(flags)
    {
    }

    // Tells the user why a name is refused; true when it was.
    bool refuses(const QString &path)
    {
        const QString why = CommonDialog::refusal(m_kind, m_flags, path);
        if (why.isEmpty())
            return false;
        QMessageBox::warning(this, windowTitle(), why);
        return true;
    }

    void accept() override
    {
        // A dialog drawn by the platform has closed already when it reports the name; the
        // caller then shows it again. Qt's own dialog (it has its widgets) simply stays open.
        const bool ownWidgets = findChild<QLineEdit *>() != nullptr;
        const QStringList files = selectedFiles();
        if (ownWidgets && !files.isEmpty() && refuses(files.constFirst()))
            return;
        QFileDialog::accept();
    }

private:
    CommonDialog::Kind m_kind;
    uint32_t m_flags;
};

class WidgetBackend : public CommonDialog::Backend
{
public:
    CommonDialog::Answer run(CommonDialog::Kind kind, const CommonDialog &d) override
    {
        CommonDialog::Answer answer;
        if (kind == CommonDialog::Kind::Color) {
            QColorDialog dlg(toQColor(d.Color), d.owner());
            if (!d.DialogTitle.isEmpty())
                dlg.setWindowTitle(d.DialogTitle);
            if (dlg.exec() == QDialog::Accepted) {
                answer.ok = true;
                answer.color = fromQColor(dlg.selectedColor());
            }
            return answer;
        }

        CheckedFileDialog dlg(d.owner(), kind, d.Flags);
        if (!d.DialogTitle.isEmpty())
            dlg.setWindowTitle(d.DialogTitle);
        const QStringList filters = CommonDialog::qtFilters(d.Filter);
        if (!filters.isEmpty()) {
            dlg.setNameFilters(filters);
            const int index
                = d.FilterIndex >= 1 && d.FilterIndex <= filters.size() ? d.FilterIndex - 1 : 0;
            dlg.selectNameFilter(filters.at(index));
        }
        QString dir = d.InitDir;
        const QFileInfo proposed(d.FileName);
        if (!d.FileName.isEmpty() && proposed.isAbsolute())
            dir = proposed.absolutePath();
        if (!dir.isEmpty())
            dlg.setDirectory(dir);
        if (!d.FileName.isEmpty())
            dlg.selectFile(proposed.fileName());
        if (!d.DefaultExt.isEmpty())
            dlg.setDefaultSuffix(d.DefaultExt);
        if (kind == CommonDialog::Kind::Save) {
            dlg.setAcceptMode(QFileDialog::AcceptSave);
            dlg.setFileMode(QFileDialog::AnyFile);
            if (!(d.Flags & CommonDialog::OverwritePrompt))
                dlg.setOption(QFileDialog::DontConfirmOverwrite);
        } else {
            dlg.setAcceptMode(QFileDialog::AcceptOpen);
            dlg.setFileMode((d.Flags & CommonDialog::FileMustExist) ? QFileDialog::ExistingFile
                                                                    : QFileDialog::AnyFile);
        }
        while (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) {
            const QString path = dlg.selectedFiles().constFirst();
            if (dlg.refuses(path))
                continue;
            answer.ok = true;
            answer.path = path;
            break;
        }
        return answer;
    }
};

WidgetBackend g_widgetBackend;
CommonDialog::Backend *g_backend = &g_widgetBackend;

} // namespace

CommonDialog::CommonDialog(QWidget *owner)
    : m_owner(owner)
{
}

void CommonDialog::setBackend(Backend *backend)
{
    g_backend = backend ? backend : &g_widgetBackend;
}

QStringList CommonDialog::qtFilters(const QString &filter)
{
    QStringList parts = filter.split(u'|');
    if (!parts.isEmpty() && parts.constLast().isEmpty())
        parts.removeLast();
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts.at(i).trimmed();
        QString pattern = parts.at(i + 1).trimmed();
        pattern.replace(u';', u' ');
        const QString group = QStringLiteral("(") + pattern + QStringLiteral(")");
        result << (desc.endsWith(group) ? desc : desc + u' ' + group);
    }
    return result;
}

QString CommonDialog::refusal(Kind kind, uint32_t flags, const QString &path)
{
    if (kind == Kind::Color)
        return QString();
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if ((flags & PathMustExist) && !QFileInfo(file.absolutePath()).isDir())
        return shown
            + QStringLiteral("\nThe folder does not exist.\nCheck the name and try again.");
    // The file-must-exist rule belongs to opening: a save dialog that carries the bit must
    // still be able to name a new file.
    if (kind == Kind::Open && (flags & FileMustExist) && !file.isFile())
        return shown + QStringLiteral("\nFile not found.\nCheck the name and try again.");
    return QString();
}

bool CommonDialog::ShowColor() { return show(Kind::Color); }
bool CommonDialog::ShowOpen() { return show(Kind::Open); }
bool CommonDialog::ShowSave() { return show(Kind::Save); }

bool CommonDialog::show(Kind kind)
{
    const Answer answer = g_backend->run(kind, *this);
    if (!answer.ok)
        return false;
    if (kind == Kind::Color) {
        Color = answer.color;
        return true;
    }
    // Back ends keep their dialog open on a refused name; one that slipped through is a cancel.
    if (!refusal(kind, Flags, answer.path).isEmpty())
        return false;
    FileName = answer.path;
    FileTitle = QFileInfo(answer.path).fileName();
    return true;
}

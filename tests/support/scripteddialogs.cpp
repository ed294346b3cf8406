#include "support/scripteddialogs.h"

ScriptedCommonDialog::ScriptedCommonDialog()
{
    CommonDialog::setBackend(this);
}

ScriptedCommonDialog::~ScriptedCommonDialog()
{
    CommonDialog::setBackend(nullptr);
}

CommonDialog::Answer ScriptedCommonDialog::run(CommonDialog::Kind kind, const CommonDialog &d)
{
    m_requests.append({kind, d.Color, d.FileName, d.InitDir, d.DialogTitle, d.Filter, d.FilterIndex, d.DefaultExt,
                       d.Flags, d.CancelError});
    if (m_answers.isEmpty())
        return {};
    return m_answers.takeFirst();
}

RecordingMessageBox::RecordingMessageBox()
{
    MessageBox::setBackend(this);
}

RecordingMessageBox::~RecordingMessageBox()
{
    MessageBox::setBackend(nullptr);
}

void RecordingMessageBox::show(QWidget *, const QString &text, MessageBox::Icon icon, const QString &title)
{
    m_messages.append({text, icon, title});
}

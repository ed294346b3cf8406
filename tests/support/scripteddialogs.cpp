#include "support/scripteddialogs.h"

ScriptedCommonDialog::ScriptedCommonDialog() { CommonDialog::setBackend(this); }

ScriptedCommonDialog::~ScriptedCommonDialog() { CommonDialog::setBackend(nullptr); }

CommonDialog::Answer ScriptedCommonDialog::run(CommonDialog::Kind kind, const CommonDialog &d)
{
    m_requests.append({ kind, d.Color, d.FileName, d.InitDir, d.DialogTitle, d.Filter,
        d.FilterIndex, d.DefaultExt, d.Flags, d.CancelError });
    // As a real dialog, it stays open on a name its flags refuse: the user is told and the
    // next answer is what they try next; with none left they cancel.
    while (!m_answers.isEmpty()) {
        const CommonDialog::Answer answer = m_answers.takeFirst();
        if (answer.ok && kind != CommonDialog::Kind::Color) {
            const QString why = CommonDialog::refusal(kind, d.Flags, answer.path);
            if (!why.isEmpty()) {
                m_refusals.append(why);
                continue;
            }
        }
        return answer;
    }
    return {};
}

RecordingMessageBox::RecordingMessageBox() { MessageBox::setBackend(this); }

RecordingMessageBox::~RecordingMessageBox() { MessageBox::setBackend(nullptr); }

void RecordingMessageBox::show(
    QWidget *, const QString &text, MessageBox::Icon icon, const QString &title)
{
    m_messages.append({ text, icon, title });
}

#pragma once

#include "controls/commondialog.h"
#include "controls/messagebox.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers common dialogs from a script instead of showing them, and records what each
// dialog was asked. Installed for its lifetime.
class ScriptedCommonDialog : public CommonDialog::Backend
{
public:
    struct Request
    {
        CommonDialog::Kind kind;
        int32_t color;
        QString fileName;
        QString initDir;
        QString dialogTitle;
        QString filter;
        int filterIndex;
        QString defaultExt;
        uint32_t flags;
        bool cancelError;
    };

    ScriptedCommonDialog();
    ~ScriptedCommonDialog() override;

    void answerFile(const QString &path) { m_answers.append({ true, path, 0 }); }
    void answerColor(int32_t bgr) { m_answers.append({ true, QString(), bgr }); }
    void answerCancel() { m_answers.append({ false, QString(), 0 }); }

    const QList<Request> &requests() const { return m_requests; }
    // What the dialogs told the user about the names they refused.
    const QStringList &refusals() const { return m_refusals; }
    int pending() const { return int(m_answers.size()); }

    CommonDialog::Answer run(CommonDialog::Kind kind, const CommonDialog &dialog) override;

private:
    QList<CommonDialog::Answer> m_answers;
    QList<Request> m_requests;
    QStringList m_refusals;
};

// Records message boxes instead of showing them.
class RecordingMessageBox : public MessageBox::Backend
{
public:
    struct Message
    {
        QString text;
        MessageBox::Icon icon;
        QString title;
    };

    RecordingMessageBox();
    ~RecordingMessageBox() override;

    void show(
        QWidget *parent, const QString &text, MessageBox::Icon icon, const QString &title) override;

    const QList<Message> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
};

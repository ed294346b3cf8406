#pragma once

#include <QString>

class QWidget;

// Modal message boxes: a text, an icon, an OK button and a title.
class MessageBox
{
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };

    // Replaceable back end: tests install one that records instead of showing.
    class Backend
    {
    public:
        virtual ~Backend() = default;
        virtual void show(QWidget *parent, const QString &text, Icon icon, const QString &title)
            = 0;
    };

    static void show(QWidget *parent, const QString &text, Icon icon, const QString &title);

    // nullptr restores the real, on-screen back end.
    static void setBackend(Backend *backend);
};

#include "ui/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

void applyCaptions(QWidget *window, const CaptionRow *rows, std::size_t count, Language language,
    bool includeEnglish)
{
    if (language == Language::Other || (language == Language::English && !includeEnglish))
        return;
    for (std::size_t i = 0; i < count; ++i) {
        const CaptionRow &row = rows[i];
        const char *text = language == Language::French ? row.french
            : language == Language::Spanish             ? row.spanish
                                                        : row.english;
        if (!text)
            continue;
        QObject *control = qstrcmp(row.control, "Form") == 0
            ? static_cast<QObject *>(window)
            : window->findChild<QObject *>(QString::fromUtf8(row.control));
        if (control)
            setCaption(control, QString::fromUtf8(text));
    }
}

void setCaption(QObject *control, const QString &text)
{
    // Two-line captions are joined with CR LF; widgets break lines on LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (auto *b = qobject_cast<QAbstractButton *>(control))
        b->setText(shown);
    else if (auto *l = qobject_cast<QLabel *>(control))
        l->setText(shown);
    else if (auto *g = qobject_cast<QGroupBox *>(control))
        g->setTitle(shown);
    else if (auto *m = qobject_cast<QMenu *>(control))
        m->setTitle(shown);
    else if (auto *a = qobject_cast<QAction *>(control))
        a->setText(shown);
    else if (auto *e = qobject_cast<QLineEdit *>(control))
        e->setText(shown);
    else if (auto *w = qobject_cast<QWidget *>(control))
        w->setWindowTitle(shown);
}

QString caption(const QObject *control)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(control))
        return b->text();
    if (auto *l = qobject_cast<const QLabel *>(control))
        return l->text();
    if (auto *g = qobject_cast<const QGroupBox *>(control))
        return g->title();
    if (auto *m = qobject_cast<const QMenu *>(control))
        return m->title();
    if (auto *a = qobject_cast<const QAction *>(control))
        return a->text();
    if (auto *e = qobject_cast<const QLineEdit *>(control))
        return e->text();
    if (auto *w = qobject_cast<const QWidget *>(control))
        return w->windowTitle();
    return QString();
}

#include "capture/capturecontrols.h"

#include "base/colorconv.h"
#include "ui/controls.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace capturecontrols {

QPlainTextEdit *helpBox(
    QWidget *parent, const char *name, int top, int32_t bgr, const char *tip, const QString &text)
{
    auto *box
        = makeControl<QPlainTextEdit>(parent, QString::fromLatin1(name), 600, top, 4665, 2085);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, toQColor(bgr));
    pal.setColor(QPalette::Text, Qt::black);
    box->setPalette(pal);
    box->setToolTip(QString::fromUtf8(tip));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The text keeps its CR LF line ends; the box shows them as plain line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    box->setPlainText(shown);
    return box;
}

QAction *entry(QMenu *menu, const char *name, const char *text)
{
    auto *a = new QAction(QString::fromUtf8(text), menu);
    a->setObjectName(QString::fromLatin1(name));
    menu->addAction(a);
    return a;
}

QMenu *submenu(QWidget *parent, const char *name, const char *title)
{
    auto *m = new QMenu(QString::fromUtf8(title), parent);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace capturecontrols

#include "controls/dirlistbox.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace {
constexpr int kPathRole = Qt::UserRole + 1;
}

DirListBox::DirListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { openRow(row(item)); });
    m_path = QDir::cleanPath(QDir::currentPath());
    fill();
}

bool DirListBox::setPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !QDir(path).isReadable())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    if (clean == m_path) {
        fill();
        return true;
    }
    m_path = clean;
    fill();
    emit changed(m_path);
    return true;
}

QString DirListBox::entryPath(int r) const
{
    const QListWidgetItem *it = item(r);
    return it ? it->data(kPathRole).toString() : QString();
}

void DirListBox::openRow(int r)
{
    const QString target = entryPath(r);
    if (!target.isEmpty())
        setPath(target);
}

void DirListBox::fill()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;
    QDir d(m_path);
    chain.prepend(d.absolutePath());
    while (d.cdUp())
        chain.prepend(d.absolutePath());

    int depth = 0;
    for (const QString &p : chain) {
        const QString name = p == QLatin1String("/") ? p : QFileInfo(p).fileName();
        auto *it = new QListWidgetItem(openIcon, QString(depth * 2, u' ') + name, this);
        it->setData(kPathRole, p);
        ++depth;
    }
    setCurrentRow(count() - 1);

    const QFileInfoList subs = QDir(m_path).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &sub : subs) {
        auto *it = new QListWidgetItem(closedIcon, QString(depth * 2, u' ') + sub.fileName(), this);
        it->setData(kPathRole, QDir::cleanPath(sub.absoluteFilePath()));
    }
}

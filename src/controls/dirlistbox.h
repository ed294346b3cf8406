#pragma once

#include <QListWidget>

// A directory list: the path from the root down to the current directory, opened, followed
// by the current directory's sub-directories. Double-clicking (or Enter on) an entry opens it
// and reports the change; a single click only highlights.
class DirListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Opens a directory; false (and nothing changes) when it does not exist or can't be read.
    bool setPath(const QString &path);

    // The directory an entry stands for.
    QString entryPath(int row) const;

signals:
    void changed(const QString &path);

private:
    void openRow(int row);
    void fill();

    QString m_path;
};

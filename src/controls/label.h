#pragma once

#include <QLabel>

// A label that reports clicks, as the windows' labels do.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    // A sunken label in window colours, as used for paths and values.
    void setSunken(bool sunken);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

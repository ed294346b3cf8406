#pragma once

#include <QWidget>

// The selection rectangle drawn over the overlay: a dotted red outline one pixel wide with
// no fill. It never takes the mouse; the overlay under it does.
class SelectionShape : public QWidget
{
    Q_OBJECT
public:
    explicit SelectionShape(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

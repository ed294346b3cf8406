#pragma once

#include "gradient/gradientmodel.h"

#include <QImage>
#include <QWidget>

// The gradient's stops on a strip: click the strip to add one, drag a handle to move it, Del
// to remove the chosen one, double-click it for the colour dialog, Ctrl+V to paste a colour.
class StopBar : public QWidget
{
    Q_OBJECT
public:
    explicit StopBar(QWidget *parent = nullptr);

    // The gradient whose stops are shown (its space mixes the strip).
    void setGradient(const gradientmodel::Gradient &gradient);
    const QList<gradientmodel::Stop> &stops() const { return m_gradient.stops; }
    int current() const { return m_current; }
    void setCurrent(int index);
    // The x of a position and back, in the widget.
    int xOf(double position) const;
    double positionAt(int x) const;

signals:
    // The stops after an addition, a move or a removal, in order.
    void stopsEdited(const QList<gradientmodel::Stop> &stops);
    void currentChanged(int index);
    void colourDialogRequested();
    void pasteRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int handleAt(QPoint at) const;
    void sortKeepingCurrent();
    void refreshStrip();

    gradientmodel::Gradient m_gradient;
    int m_current = 0;
    bool m_dragging = false;
    QImage m_strip;
};

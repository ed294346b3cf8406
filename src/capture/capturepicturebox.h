#pragma once

#include "controls/picturebox.h"

// The capture window's picture box. The picture is kept at the screen's own resolution (it
// may hold more pixels than the box on a scaled screen) and drawn at that resolution; the
// box's persistent image only holds the back colour around it.
class CapturePictureBox : public PictureBox
{
    Q_OBJECT
public:
    explicit CapturePictureBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

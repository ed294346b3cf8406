#pragma once

#include <QPixmap>

// The picture of the pipette button: a 35 × 61 dropper, bulb up, tip down.
QPixmap pipettePicture(qreal devicePixelRatio = 1.0);

#pragma once

#include <functional>

// After a region capture the overlay centres PictureDoc in the capture window's client area
// and the picture inside PictureDoc by the client area's size as well. The designed margins
// around the picture reckon with the frame and menu bar of the system the window was designed
// on; a larger frame or menu bar would push the picture's far edges out of sight.
namespace picturefit {

// One axis of the capture window: its client length and PictureDoc's length for an outer
// length (all in pixels).
struct Axis {
    std::function<int(int outer)> client;
    std::function<int(int outer)> doc;
};

// Whether a picture of this length shows whole, centred as the overlay centres it.
bool showsWhole(int outer, int picture, const Axis &axis);

// The smallest outer length from `designed` up at which the picture shows whole.
int fit(int designed, int picture, const Axis &axis);

} // namespace picturefit

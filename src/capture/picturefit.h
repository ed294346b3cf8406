#pragma once

#include <functional>

// After a region capture the overlay centres PictureDoc in the capture window's client area
// and the picture inside PictureDoc by the client area's size as well. The designed margins
// around the picture reckon with the frame and menu bar of the system the window was designed
// on; a larger frame or menu bar would push the picture's far edges out of sight.
namespace picturefit {

// One axis of the capture window: its client length and PictureDoc's length for an outer
// length (all in pixels).
struct Axis
{
    std::function<int(int outer)> client;
    std::function<int(int outer)> doc;
};

// Whether a picture of this length shows whole, centred as the overlay centres it.
bool showsWhole(int outer, int picture, const Axis &axis);

// The smallest outer length from `designed` up at which the picture shows whole.
int fit(int designed, int picture, const Axis &axis);

// A picture larger than the part of PictureDoc on view (a full capture of a desktop larger
// than the screen the window stands on) scrolls. One axis of it, in PictureDoc's pixels.
struct Scroll
{
    bool bar = false; // the picture does not fit: a scroll bar is needed
    int range = 0; // scroll values run from 0 to this
    int value = 0;
    int position = 0; // where the picture then stands
};

// The picture of `length` placed at `designedAt`, seen through [visibleStart, visibleEnd).
// A picture on view whole stays where it was placed; one that fits but was placed across an
// edge is brought into view; a larger one scrolls, starting from the part it was placed to
// show, or from `wanted` when that is not negative.
Scroll scroll(int designedAt, int length, int visibleStart, int visibleEnd, int wanted = -1);

} // namespace picturefit

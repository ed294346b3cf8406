#include "capture/picturefit.h"

#include <QtGlobal>

namespace picturefit {

bool showsWhole(int outer, int picture, const Axis &axis)
{
    const int client = axis.client(outer);
    const int doc = axis.doc(outer);
    const int docAt = client / 2 - doc / 2;
    const int pictureAt = client / 2 - picture / 2; // inside PictureDoc, from the client's size
    return pictureAt >= 0 && pictureAt + picture <= doc && docAt + pictureAt >= 0
        && docAt + pictureAt + picture <= client;
}

int fit(int designed, int picture, const Axis &axis)
{
    // Each pixel more brings the far edge half a pixel into view, so the search is short; it
    // is bounded all the same.
    const int last = designed + 2 * picture + 4096;
    for (int outer = designed; outer < last; ++outer) {
        if (showsWhole(outer, picture, axis))
            return outer;
    }
    return designed;
}

Scroll scroll(int designedAt, int length, int visibleStart, int visibleEnd, int wanted)
{
    Scroll s;
    const int visible = qMax(0, visibleEnd - visibleStart);
    if (designedAt >= visibleStart && designedAt + length <= visibleEnd) {
        s.position = designedAt;
    } else if (length <= visible) {
        s.position = qBound(visibleStart, designedAt, visibleEnd - length);
    } else {
        s.bar = true;
        s.range = length - visible;
        s.value = qBound(0, wanted >= 0 ? wanted : visibleStart - designedAt, s.range);
        s.position = visibleStart - s.value;
    }
    return s;
}

} // namespace picturefit

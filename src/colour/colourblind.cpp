#include "colour/colourblind.h"

#include "colour/colourspaces.h"

#include <algorithm>
#include <cmath>

namespace colourblind {

namespace {

using Mat3 = std::array<colourspaces::Vec3, 3>;

// The published matrices for severity 1.0, rows giving linear red, green, blue.
constexpr Mat3 kMatrices[] = {
    { { { 0.152286, 1.052583, -0.204868 }, { 0.114503, 0.786281, 0.099216 },
        { -0.003882, -0.048116, 1.051998 } } },
    { { { 0.367322, 0.860646, -0.227968 }, { 0.280085, 0.672501, 0.047413 },
        { -0.011820, 0.042940, 0.968881 } } },
    { { { 1.255528, -0.076749, -0.178779 }, { -0.078411, 0.930809, 0.147602 },
        { 0.004733, 0.691367, 0.303900 } } },
};

} // namespace

int32_t simulate(int32_t bgr, Deficiency deficiency)
{
    const colourspaces::Vec3 lin = colourspaces::linearOf(bgr);
    const Mat3 &m = kMatrices[int(deficiency)];
    int32_t out = 0;
    for (int i = 0; i < 3; ++i) {
        const double v
            = std::clamp(m[i][0] * lin[0] + m[i][1] * lin[1] + m[i][2] * lin[2], 0.0, 1.0);
        out |= int32_t(std::lround(colourspaces::toGamma(v) * 255)) << (8 * i);
    }
    return out;
}

} // namespace colourblind

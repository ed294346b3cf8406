#include "colour/colournames.h"

#include "colour/colorvalue.h"
#include "colour/colourspaces.h"
#include "colour/cssnotation.h"

#include <array>
#include <limits>
#include <string_view>
#include <vector>

namespace colournames {

namespace {

struct SurveyName
{
    std::string_view name;
    uint32_t rgb; // 0xRRGGBB
};

constexpr SurveyName kSurveyNames[] = {
#include "colour/xkcdnames.inc"
};

int32_t bgrOf(uint32_t rgb) { return int32_t(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16)); }

struct Entry
{
    std::string_view name;
    int32_t colour;
    std::array<float, 3> lab;
};

// CSS names first, so that a survey name at the very same distance loses to a CSS one.
const std::vector<Entry> &entries()
{
    static const std::vector<Entry> table = [] {
        std::vector<Entry> t;
        auto add = [&t](std::string_view name, uint32_t rgb) {
            const int32_t bgr = bgrOf(rgb);
            const colourspaces::Vec3 lab = colourspaces::oklabOf(bgr);
            t.push_back({ name, bgr, { float(lab[0]), float(lab[1]), float(lab[2]) } });
        };
        for (const cssnotation::NamedColour &n : cssnotation::namedColours())
            add(n.name, n.rgb);
        for (const SurveyName &n : kSurveyNames)
            add(n.name, n.rgb);
        return t;
    }();
    return table;
}

} // namespace

Named nameOf(int32_t bgr)
{
    if (!colorvalue::isColor(bgr))
        return {};
    const std::vector<Entry> &table = entries();
    const Entry *best = nullptr;
    for (const Entry &e : table) {
        if (e.colour == bgr) {
            best = &e;
            break;
        }
    }
    if (!best) {
        const colourspaces::Vec3 lab = colourspaces::oklabOf(bgr);
        const float l = float(lab[0]), a = float(lab[1]), b = float(lab[2]);
        float bestDistance = std::numeric_limits<float>::max();
        for (const Entry &e : table) {
            const float dl = e.lab[0] - l, da = e.lab[1] - a, db = e.lab[2] - b;
            const float d = dl * dl + da * da + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = &e;
            }
        }
    }
    return { QString::fromLatin1(best->name.data(), qsizetype(best->name.size())), best->colour,
        best->colour == bgr };
}

QString shown(const Named &named)
{
    if (named.name.isEmpty() || named.exact)
        return named.name;
    return QStringLiteral("≈ ") + named.name;
}

int count() { return int(entries().size()); }

} // namespace colournames

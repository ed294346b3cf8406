// The gradient reader on arbitrary text: any input gives a gradient or an error inside the
// text, and a gradient it gives is written, read back to the same CSS, and drawn.
#include "gradient/gradientcss.h"
#include "gradient/gradientrender.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto read = gradientcss::read(text);
    if (const auto *error = std::get_if<gradientcss::ReadError>(&read)) {
        if (error->offset < 0 || error->offset > text.size())
            __builtin_trap();
        return 0;
    }
    const auto &gradient = std::get<gradientmodel::Gradient>(read);
    const QString written = gradientcss::imageValue(gradient);
    const auto again = gradientcss::read(written);
    if (!std::holds_alternative<gradientmodel::Gradient>(again)
        || gradientcss::imageValue(std::get<gradientmodel::Gradient>(again)) != written)
        __builtin_trap();
    if (gradientrender::render(gradient, QSize(8, 8), gradientrender::Dither::Ordered, 1).isNull())
        __builtin_trap();
    return 0;
}

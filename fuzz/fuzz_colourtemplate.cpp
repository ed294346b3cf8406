// The template reader on arbitrary text: any input compiles or gives an error whose column
// lies in the text, and a compiled template formats every kind of colour.
#include "colour/colourtemplate.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto compiled = colourtemplate::compile(text);
    if (const auto *error = std::get_if<colourtemplate::Error>(&compiled)) {
        if (error->column < 1 || error->column > text.size() + 1)
            __builtin_trap();
        return 0;
    }
    for (const int32_t bgr : { 0x000000, 0xFFFFFF, 0x631EE9, 0x808080 })
        (void)colourtemplate::format(std::get<colourtemplate::Template>(compiled), bgr);
    return 0;
}

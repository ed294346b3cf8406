// The pasted-colour reader on arbitrary text: any input gives a colour or none, and a colour it
// gives reads back from each of its notations, whatever the case of the text.
#include "colour/colorvalue.h"
#include "colour/cssnotation.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<int32_t> colour = cssnotation::parse(text);
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii && cssnotation::parse(text.toUpper()) != colour)
        __builtin_trap();
    if (!colour)
        return 0;
    if (!colorvalue::isColor(*colour))
        __builtin_trap();
    for (const cssnotation::NotationInfo &n : cssnotation::notations())
        if (cssnotation::parse(cssnotation::format(*colour, n.notation)) != colour)
            __builtin_trap();
    return 0;
}

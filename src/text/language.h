#pragma once

#include <QString>

#include <cstddef>

// The three languages of every window, named by the stored identifier.
enum class Language { English, French, Spanish, Other };

Language languageFromId(const QString &identifier); // "Anglais", "Francais", "Spanish"

// One row of a window's caption table. A null entry keeps the caption as it stands.
// "\n" inside a caption stands for the program's two-line separator.
struct CaptionRow
{
    const char *control; // object name; the window itself is "Form"
    const char *english;
    const char *french;
    const char *spanish;
};

// The message every tool shows when a file it writes cannot be saved.
extern const CaptionRow kCouldNotSave;

// The caption of a table row in a language (English for Other).
QString captionOf(const CaptionRow &row, Language language);

// The caption of the row named `key` in a table of texts; empty when no row has that name.
QString captionOf(const CaptionRow *rows, std::size_t count, const char *key, Language language);

template <std::size_t N>
QString captionOf(const CaptionRow (&rows)[N], const char *key, Language language)
{
    return captionOf(rows, N, key, language);
}

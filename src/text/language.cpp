#include "text/language.h"

Language languageFromId(const QString &identifier)
{
    if (identifier == QLatin1String("Anglais"))
        return Language::English;
    if (identifier == QLatin1String("Francais"))
        return Language::French;
    if (identifier == QLatin1String("Spanish"))
        return Language::Spanish;
    return Language::Other;
}

QString captionOf(const CaptionRow &row, Language language)
{
    const char *text = row.english;
    if (language == Language::French)
        text = row.french;
    else if (language == Language::Spanish)
        text = row.spanish;
    return text ? QString::fromUtf8(text) : QString();
}

QString captionOf(const CaptionRow *rows, std::size_t count, const char *key, Language language)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (qstrcmp(rows[i].control, key) == 0)
            return captionOf(rows[i], language);
    }
    return QString();
}

const CaptionRow kCouldNotSave
    = { "", "Could not save.", "Impossible d'enregistrer.", "No se pudo guardar." };

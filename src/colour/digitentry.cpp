#include "colour/digitentry.h"

QString sChangeCaractere(QString laChaine, QString old_car, QString new_car)
{
    if (old_car.isEmpty())
        return laChaine;
    QString result;
    result.reserve(laChaine.size());
    qsizetype from = 0;
    for (qsizetype at = laChaine.indexOf(old_car, from, Qt::CaseSensitive); at >= 0;
         at = laChaine.indexOf(old_car, from, Qt::CaseSensitive)) {
        result += QStringView(laChaine).mid(from, at - from);
        result += new_car;
        from = at + old_car.size();
    }
    result += QStringView(laChaine).mid(from);
    return result;
}

QString removeNonDigits(const QString &text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size();) {
        if (kDigits.contains(out.at(i))) {
            ++i;
            continue;
        }
        // Every occurrence of this character goes at once; position i now holds the next one.
        // Surrogate pairs are taken whole so no half character is left behind.
        const qsizetype len = (out.at(i).isHighSurrogate() && i + 1 < out.size()) ? 2 : 1;
        out = sChangeCaractere(out, out.mid(i, len), QString());
    }
    return out;
}

LimitedText limitInsertion(const QString &before, const QString &after, int maxLength)
{
    if (after.size() <= maxLength)
        return { after, int(after.size()) };

    // The inserted part is what lies between the common start and the common end.
    qsizetype prefix = 0;
    const qsizetype shorter = qMin(before.size(), after.size());
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
        && before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;

    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const qsizetype excess = after.size() - maxLength;
    const QString kept = inserted.left(qMax<qsizetype>(0, inserted.size() - excess));
    QString text = after.left(prefix) + kept + after.right(suffix);
    // The rest did not come from an insertion (cannot happen from one edit); cut it plainly.
    text.truncate(maxLength);
    return { text, int(qMin<qsizetype>(prefix + kept.size(), text.size())) };
}

#pragma once

#include <QString>

// Text rules of the decimal entry box of the conversion dialog.

// laChaine with every occurrence of old_car replaced by new_car, searching left to right
// without overlap; the inserted text is never searched again. An empty old_car changes nothing.
QString sChangeCaractere(QString laChaine, QString old_car, QString new_car);

// The allowed characters of the entry box.
inline const QString kDigits = QStringLiteral("0123456789");

// Removes every character that is not one of kDigits, one character kind at a time.
QString removeNonDigits(const QString &text);

// A length limit applied after filtering, so that pasting "16 777 215" keeps all eight digits
// instead of cutting the raw text at eight characters first. Only the newly inserted part is
// shortened, as a length-limited box does when typing: a ninth digit typed into a full box
// leaves it unchanged.
struct LimitedText
{
    QString text;
    int cursor; // caret position after the kept insertion
};
LimitedText limitInsertion(const QString &before, const QString &after, int maxLength);

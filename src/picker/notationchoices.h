#pragma once

#include "colour/namedtemplates.h"
#include "text/language.h"

#include <QList>
#include <QString>

#include <cstdint>

// What the panel's notation combos and "Copy as" menus offer: the CSS notations by their ids,
// then the user's named formats by namedtemplates::idOf(name).
namespace notationchoices {

using Templates = QList<namedtemplates::NamedTemplate>;

struct Choice
{
    QString id;
    QString label;
    bool own = false; // a named format
};

QList<Choice> all(const Templates &templates, Language language);
// A notation id, or the id of a named format among these.
bool known(const Templates &templates, const QString &id);
// The colour in that notation or format; empty for an unknown id, a format that does not read
// (edited by hand in the settings file), or a value that is no colour.
QString textOf(const Templates &templates, const QString &id, int32_t bgr);
QString labelOf(const Templates &templates, const QString &id, Language language);

} // namespace notationchoices

#include "picker/notationchoices.h"

#include "colour/colourtemplate.h"
#include "colour/cssnotation.h"

namespace notationchoices {

namespace {

const namedtemplates::NamedTemplate *templateOf(const Templates &templates, const QString &id)
{
    const QString name = namedtemplates::nameFromId(id);
    return name.isEmpty() ? nullptr : namedtemplates::find(templates, name);
}

} // namespace

QList<Choice> all(const Templates &templates, Language language)
{
    QList<Choice> choices;
    for (const cssnotation::NotationInfo &n : cssnotation::notations())
        choices.append(
            { QString::fromLatin1(n.id), cssnotation::displayName(n.notation, language) });
    for (const namedtemplates::NamedTemplate &t : templates)
        choices.append({ namedtemplates::idOf(t.name), t.name, true });
    return choices;
}

bool known(const Templates &templates, const QString &id)
{
    return cssnotation::notationFromId(id) || templateOf(templates, id);
}

QString textOf(const Templates &templates, const QString &id, int32_t bgr)
{
    if (const auto notation = cssnotation::notationFromId(id))
        return cssnotation::format(bgr, *notation);
    const namedtemplates::NamedTemplate *t = templateOf(templates, id);
    if (!t)
        return QString();
    const auto compiled = colourtemplate::compile(t->text);
    const auto *ok = std::get_if<colourtemplate::Template>(&compiled);
    return ok ? colourtemplate::format(*ok, bgr) : QString();
}

QString labelOf(const Templates &templates, const QString &id, Language language)
{
    if (const auto notation = cssnotation::notationFromId(id))
        return cssnotation::displayName(*notation, language);
    const namedtemplates::NamedTemplate *t = templateOf(templates, id);
    return t ? t->name : QString();
}

} // namespace notationchoices

#pragma once

#include <QList>
#include <QString>

class AppState;

// The user's named formats (see colourtemplate.h), kept in the settings under "Modeles" as
// compact JSON, a list of [name, template] pairs: [["Kotlin","Color(0xFF%Rh%Gh%Bh)"]]. JSON keeps
// any character a name or a template holds, line breaks and '=' included.
namespace namedtemplates {

struct NamedTemplate
{
    QString name;
    QString text;
    bool operator==(const NamedTemplate &) const = default;
};

// The stored value. Names are trimmed; empty names and repeated names are left out.
QString toSetting(const QList<NamedTemplate> &templates);
// Reads a stored value; anything unreadable in it is left out, a garbled value gives none.
QList<NamedTemplate> fromSetting(const QString &value);

QList<NamedTemplate> read(const AppState &state);
void write(AppState &state, const QList<NamedTemplate> &templates);

// The template of that name, or nullptr.
const NamedTemplate *find(const QList<NamedTemplate> &templates, const QString &name);

// True for a name the command line's -f reads as a built-in format first ("hex", "vb",
// "name"…), so that a format of one's own under it could not be reached there.
bool isBuiltInName(const QString &name);

// The id the notation combos and the automatic-copy setting give a named format, and back.
QString idOf(const QString &name);
QString nameFromId(const QString &id); // empty when the id names no template

} // namespace namedtemplates

#include "colour/namedtemplates.h"

#include "colour/colorvalue.h"
#include "colour/cssnotation.h"
#include "ui/appstate.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace namedtemplates {

namespace {

const QString kIdPrefix = QStringLiteral("template:");

// Keeps what can be kept: a name once, not empty.
QList<NamedTemplate> cleaned(const QList<NamedTemplate> &templates)
{
    QList<NamedTemplate> kept;
    for (const NamedTemplate &t : templates) {
        const QString name = t.name.trimmed();
        if (!name.isEmpty() && !find(kept, name))
            kept.append({ name, t.text });
    }
    return kept;
}

} // namespace

QString toSetting(const QList<NamedTemplate> &templates)
{
    QJsonArray list;
    for (const NamedTemplate &t : cleaned(templates))
        list.append(QJsonArray { t.name, t.text });
    return list.isEmpty() ? QString()
                          : QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

QList<NamedTemplate> fromSetting(const QString &value)
{
    QList<NamedTemplate> templates;
    const QJsonDocument doc = QJsonDocument::fromJson(value.toUtf8());
    for (const QJsonValue &item : doc.array()) {
        const QJsonArray pair = item.toArray();
        if (pair.size() == 2 && pair[0].isString() && pair[1].isString())
            templates.append({ pair[0].toString(), pair[1].toString() });
    }
    return cleaned(templates);
}

QList<NamedTemplate> read(const AppState &state)
{
    return fromSetting(state.readSetting(Setting::Modeles));
}

void write(AppState &state, const QList<NamedTemplate> &templates)
{
    state.writeSetting(Setting::Modeles, toSetting(templates));
}

const NamedTemplate *find(const QList<NamedTemplate> &templates, const QString &name)
{
    for (const NamedTemplate &t : templates)
        if (t.name == name)
            return &t;
    return nullptr;
}

bool isBuiltInName(const QString &name)
{
    const QString id = name.trimmed();
    if (id == QLatin1String("name") || cssnotation::notationFromId(id))
        return true;
    for (const colorvalue::OwnNotation &own : colorvalue::ownNotations()) {
        if (id == QLatin1String(own.id))
            return true;
    }
    return false;
}

QString idOf(const QString &name) { return kIdPrefix + name; }

QString nameFromId(const QString &id)
{
    return id.startsWith(kIdPrefix) ? id.mid(kIdPrefix.size()) : QString();
}

} // namespace namedtemplates

#include "picker/pickkey.h"

#include "ui/appstate.h"

namespace pickkey {

namespace {
const QString kNone = QStringLiteral("Aucun");
const QKeySequence kDefault(Qt::META | Qt::SHIFT | Qt::Key_C);
} // namespace

QKeySequence keysOf(const QString &stored)
{
    if (stored.trimmed().isEmpty())
        return kDefault;
    if (stored.trimmed() == kNone)
        return QKeySequence();
    const QKeySequence keys
        = QKeySequence::fromString(stored.trimmed(), QKeySequence::PortableText);
    // A stored text Qt cannot read binds nothing rather than something unexpected.
    return keys.isEmpty() || keys[0].key() == Qt::Key_unknown ? QKeySequence()
                                                              : QKeySequence(keys[0]);
}

QString storedOf(const QKeySequence &keys)
{
    return keys.isEmpty() ? kNone : QKeySequence(keys[0]).toString(QKeySequence::PortableText);
}

QKeySequence current(const AppState &state)
{
    return keysOf(state.readSetting(Setting::RaccourciPipette));
}

} // namespace pickkey

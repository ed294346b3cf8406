#pragma once

#include <QKeySequence>
#include <QString>

class AppState;

// The global key that starts a pick, as stored: Qt's portable text ("Meta+Shift+C"), "Aucun"
// for none, nothing stored for the default, Super+Shift+C.
namespace pickkey {

QKeySequence keysOf(const QString &stored);
QString storedOf(const QKeySequence &keys);
QKeySequence current(const AppState &state);

} // namespace pickkey

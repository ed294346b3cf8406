#pragma once

#include <QRect>
#include <QString>

#include <optional>

class SettingsStore;

// The last region selected on the region overlay, kept in the settings so that a later capture
// can take the same pixels again without drawing them anew. Physical pixels of the virtual
// desktop, written "X,Y,W,H" as `tintavo capture --region` takes them.
namespace lastregion {

QString toText(const QRect &physical);
// A rectangle of at least one pixel each way, or nothing.
std::optional<QRect> fromText(const QString &text);

std::optional<QRect> read(const SettingsStore &store);
void write(SettingsStore &store, const QRect &physical);

} // namespace lastregion

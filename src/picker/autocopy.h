#pragma once

#include <QString>

#include <cstdint>

class AppState;

// What the picker copies by itself after a pick, wherever the pick comes from: the notation
// chosen in its panel, else the designed choice.
namespace autocopy {

// The notation the automatic copy uses instead of the designed choice, as stored ("" for the
// designed choice, and for a stored name this version does not know).
QString notation(const AppState &state);
// The colour in that notation; empty for the designed choice.
QString text(const AppState &state, int32_t bgr);
// The text a pick made outside the picker window copies: the panel's notation, else the HTML
// box the designed choice starts on.
QString quickText(const AppState &state, int32_t bgr);

} // namespace autocopy

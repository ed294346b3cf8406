#pragma once

#include <cstdint>
#include <optional>

// Colour values may name a system colour instead of a plain one (0x80000000 + the index of a
// display element, as OLE colours do). This turns either form into a plain 0x00BBGGRR value,
// taking system colours from the application's current palette; nullopt for anything else.
std::optional<int32_t> translateColor(int32_t value);

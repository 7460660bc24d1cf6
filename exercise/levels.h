// The exercise's levels: the one table to change to add, remove or alter a
// level. Everything else (the option buttons Option3 of the frame "Niveau :",
// their handlers, the Tab chain and the drawing bounds) is built from it.
#pragma once

#include <array>

struct Level {
    const char* caption;
    // The bounds of the integer part of the numbers drawn, both included
    // although the caption reads "<".
    double RangeMin;
    double RangeMax;
    // Whether the level may be chosen while decimals are drawn.
    bool withDecimals;
    // The option's left edge and width in the frame "Niveau :", in twips.
    double left;
    double width;
};

// Level 0 is the one selected at start and when decimals are chosen.
inline constexpr std::array<Level, 5> kLevels{{
    {"< 100", 1, 100, true, 120, 735},
    {"< 1000", 100, 1000, true, 1440, 1095},
    {"< 10 000", 1000, 10000, false, 2760, 1335},
    {"< 100 000", 10000, 100000, false, 4080, 1335},
    {"< 10 000 000", 1000000, 10000000, false, 5520, 1455},
}};
inline constexpr int kLevelCount = int(kLevels.size());
static_assert(kLevels[0].withDecimals, "decimals fall back on level 0");

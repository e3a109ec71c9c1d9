// The nine colours of the colour-word reading test: the word drawn in a
// normal deal, the word drawn in a scrambled deal, and the ink.
#pragma once

#include <QColor>
#include <array>

struct WordColor {
    const char* normalText;
    const char* scrambledText;
    QRgb ink;
};

// The blanks in the words are part of how they stand in their cells.
inline constexpr std::array<WordColor, 9> ColorTable = {{
    {"  Red ", "  Red", 0xFF0000},
    {" Green ", " Green", 0x00FF00},
    {"  Blue  ", "  Blue", 0x0000FF},
    {" Black ", " Black", 0x000000},
    {"  Gray  ", "  Gray", 0x9696B2},
    {"  Pink  ", "  Pink", 0xFFA8C5},
    {" Brown ", " Brown", 0x6A4609},
    {"  Gold", "  Gold", 0xEDCB43},
    {"Orange", "Orange", 0xFF6003},
}};

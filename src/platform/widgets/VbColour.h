#pragma once

#include <QColor>

#include <cstdint>

// Colours that several windows share.
inline constexpr std::uint32_t ORANGE_PÂLE = 0x00C0E0FF;
inline constexpr std::uint32_t VERT_PÂLE = 0x00C0FFC0;
inline constexpr std::uint32_t BLEU = 0x00FF0000;

// Colours are kept as the memo files store them: red in the low byte, then green, then blue.
inline QColor vbColour(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline std::uint32_t toVbColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

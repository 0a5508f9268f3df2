#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The two substitution tables that scramble the password and text of protected memos. They are constants
// of the program: stored memos depend on every entry, so they must never change. Control codes, the double
// quote and the five codes Windows-1252 leaves undefined stay in place, so a coded value never holds a line
// break or a quote and is always made of real Windows-1252 characters.
using Table_Caractères = std::array<std::int16_t, 256>;

inline constexpr Table_Caractères Table_Codage = {
      0,   1,   2,   3,   4,   5,   6,   7,   8,   9,  10,  11,  12,  13,  14,  15,
     16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  28,  29,  30,  31,
    181,  39,  34, 218, 227,  33, 172, 239, 165,  72, 250,  60,  79, 107, 205,  81,
    233,  36, 163, 234, 132,  74, 109,  92, 189, 167,  44,  88,  86, 150,  61,  41,
    197, 178, 215,  98, 149,  87, 139, 104, 185, 190, 236, 106,  59, 192, 200,  64,
    114, 252, 246,  95,  47, 174, 147, 153,  67,  73, 134, 133,  58,  97, 214, 245,
    186,  80, 148, 213, 135, 188,  75,  51, 136, 110, 102, 179,  65, 216,  85,  77,
     76,  37, 162, 202, 124, 121, 204, 248, 131,  66, 146, 125, 137, 182, 101, 241,
    177, 129, 122, 151, 232,  57, 210, 173, 243,  46, 251,  45, 123, 141, 127, 143,
    144,  84,  99,  35, 156,  78, 103,  32, 255,  83, 105, 226,  38, 157, 159,  63,
    221, 187,  52,  89,  68,  55, 249, 113, 118, 253, 237, 164, 126, 100, 229,  53,
    228, 183, 224, 140, 242, 212, 170, 240, 196, 152, 231,  49, 209,  69, 138, 244,
    222, 176, 203, 166, 171, 225,  40,  96, 175, 115, 168, 130,  90, 184, 194,  93,
     54,  71, 238, 193, 254, 195,  50, 128,  82,  42,  91, 206, 111, 199, 119, 217,
    117, 191, 169, 180, 108, 145, 120, 207, 201, 198, 208,  94, 142,  70, 211, 160,
    230,  48, 223,  62,  56, 235, 247, 116, 112, 155, 158, 161, 220, 154,  43, 219,};

namespace détail {
constexpr Table_Caractères inverser(const Table_Caractères& table) {
    Table_Caractères inverse{};
    for (int code = 0; code < 256; ++code) inverse[table[code]] = static_cast<std::int16_t>(code);
    return inverse;
}
} // namespace détail

inline constexpr Table_Caractères Table_Décodage = détail::inverser(Table_Codage);

// Kept as a start-up step: both tables are built at compile time and only checked here.
void Init_Tables();

// One pass over a text, character by character, on Windows-1252 codes.
QString Coder(const QString& texte);
QString Décoder(const QString& texte);

// The same pass for texts kept in UTF-8 (recovery copies): a character outside Windows-1252 stays as it is
// instead of turning into '?', so that nothing typed is lost.
QString Coder_Tout(const QString& texte);
QString Décoder_Tout(const QString& texte);

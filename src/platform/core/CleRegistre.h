#pragma once

#include "Registry.h"

#include <QString>

// A value is read into a buffer of this many bytes; a longer one cannot be read.
inline constexpr int TAILLE_LECTURE_REGISTRE = 1024;

// Writes the text value SubKeyName = SubKeyValue under KeyName, creating the key when it is missing; true
// when both were written. An empty SubKeyValue is written, and left in the caller's variable, as one blank.
// échec, when given, receives the outcome, to explain a failure.
bool UpdateKey(Registry& registre, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyName,
               QString& SubKeyValue, RegistryWrite* échec = nullptr);

// Reads the value SubKeyRef under KeyName into KeyVal; true when it was read. On false KeyVal is empty.
bool GetKeyValue(const Registry& registre, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal);

// What GetKeyValue makes of what the store gave: a text value read in the system's code page without its
// final NUL; a 32-bit number as "&h" and two hexadecimal digits per byte, most significant first; false
// and an empty text for a missing key or value, a value longer than the read buffer or of any other type.
bool décoderValeur(const RegistryValue& valeur, QString& KeyVal);

// Whole-number conversion with the rules users know from hand-edited files:
// leading blanks, a sign, decimal or "$"/"0x" hexadecimal, nothing after.
#pragma once
#include <cstdint>
#include <string>

// Throws ConvertError "'%s' is not a valid integer value".
int32_t StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int32_t& value);

// The text with A to Z made a to z, as names of files and keys compare on
// every Windows (the rest of the code page untouched).
std::string LowerCase(std::string text);

// Whole-number conversion with the rules users know from hand-edited files:
// leading blanks, a sign, decimal or "$"/"0x" hexadecimal, nothing after.
#pragma once
#include <cstdint>
#include <string>

// Throws EConvertError "'%s' is not a valid integer value".
int32_t StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int32_t& value);

#pragma once
// Strict conversion of decimal text to numbers, shared by the catalogue reader
// and the dialogs.
//
// Accepted: an optional sign ("+" or "-") followed by decimal digits; for
// ParseDecimal also at most one "." with at least one digit in all. Nothing
// else is accepted: no blanks, no hex, no exponent, no "nan"/"inf", no
// trailing junk. On failure the output is left unchanged.

#include <cstdint>
#include <string_view>

// A whole number within the signed 32-bit range.
bool ParseInt32(std::string_view text, int32_t& value);

// A plain decimal such as "1.217", ".5" or "3.", converted to the nearest
// double.
bool ParseDecimal(std::string_view text, double& value);

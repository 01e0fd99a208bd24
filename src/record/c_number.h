#pragma once
// Number conversion exactly as the C runtime reads the files Velk knows ("%f" into a float,
// atof/strtod into a double, "%d" and "%i" into an int), but independent of the process locale:
// a decimal-comma locale must never change how a recording or a parameter file is read.
//
// Each Scan function skips leading C white space (blank, \t, \n, \v, \f, \r), converts the longest
// prefix C would take (sign, digits with an optional point and exponent, "0x" hex floats with an
// optional binary exponent, "inf"/"infinity", "nan"/"nan(...)"), and stops at the first character
// that does not belong. On success it stores the value, moves p past the number and returns true;
// on failure it changes neither p nor the value, like a formatted read that stops at a mismatch.
//
// Out of range: like strtof/strtod, a magnitude too large gives +-infinity (HUGE_VAL) and one too
// small gives the correctly rounded subnormal or a zero of the right sign. Integers too large for
// an int are clamped to INT_MIN/INT_MAX, the value strtol would give on an int-sized long.

#include <string_view>

namespace velk {

// "%f" into a float: the value nearest the text (round to nearest, ties to even).
bool ScanFloat(const char*& p, const char* end, float& out);
// strtod: the double nearest the text.
bool ScanDouble(const char*& p, const char* end, double& out);
// "%d": optional sign and decimal digits.
bool ScanInt(const char*& p, const char* end, int& out);
// "%i": optional sign, then "0x"/"0X" and hex digits, "0" and octal digits, or decimal digits.
bool ScanIntAuto(const char*& p, const char* end, int& out);

// atof: the leading number of text, or 0.0 when it does not begin with one.
double Atof(std::string_view text);

// C's isspace in the "C" locale.
inline bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace velk

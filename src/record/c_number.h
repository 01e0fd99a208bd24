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

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace velk {

// C's isspace in the "C" locale.
inline bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

namespace detail {

// Limits of the exact short path: a mantissa below 2^24 (float) or 2^53 (double) and a power of
// ten up to 10^10 (float) or 10^22 (double) are both exactly representable, so one division gives
// the correctly rounded value of mantissa / 10^k.
template <class T>
struct FastLimits;
template <>
struct FastLimits<float> {
  static constexpr std::uint64_t kMaxMantissa = std::uint64_t{1} << 24;
  static constexpr int kMaxScale = 10;
};
template <>
struct FastLimits<double> {
  static constexpr std::uint64_t kMaxMantissa = std::uint64_t{1} << 53;
  static constexpr int kMaxScale = 22;
};

inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

inline bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

inline constexpr std::uint64_t kPowersOfTen8[] = {1,      10,      100,      1000,     10000,
                                                  100000, 1000000, 10000000, 100000000};

// How many of the eight characters at q are decimal digits before the first that is not; eight
// characters are examined at once (q must have eight readable characters).
inline int LeadingDigits8(const char* q) {
  std::uint64_t x = 0;
  std::memcpy(&x, q, 8);
  if constexpr (std::endian::native != std::endian::little) {
    int n = 0;
    while (n < 8 && IsDigit(q[n])) ++n;
    return n;
  }
  // Each byte less '0' (by exclusive or, so no borrow crosses bytes) is a digit exactly when its
  // high nibble is zero and its low nibble is at most 9, which adding 6 would carry out of.
  x ^= 0x3030303030303030ULL;
  const std::uint64_t high = 0xF0F0F0F0F0F0F0F0ULL;
  const std::uint64_t nonDigit = (x & high) | (((x & ~high) + 0x0606060606060606ULL) & high);
  return nonDigit == 0 ? 8 : std::countr_zero(nonDigit) / 8;
}

// The value of the n (0..8) digits at q, which must have eight readable characters.
inline std::uint64_t Digits8Value(const char* q, int n) {
  if (n == 0) return 0;
  std::uint64_t x = 0;
  std::memcpy(&x, q, 8);
  if constexpr (std::endian::native != std::endian::little) {
    std::uint64_t v = 0;
    for (int k = 0; k < n; ++k) v = v * 10 + static_cast<std::uint64_t>(q[k] - '0');
    return v;
  }
  // The first character is the lowest byte: shifting the n digits up makes zeros of the bytes
  // below them, leading zeros of an eight-digit number, which three multiplications combine.
  x = (x - 0x3030303030303030ULL) << (8 * (8 - n));
  x = (x * 10 + (x >> 8)) & 0x00FF00FF00FF00FFULL;
  x = (x * 100 + (x >> 16)) & 0x0000FFFF0000FFFFULL;
  return (x * 10000 + (x >> 32)) & 0xFFFFFFFFULL;
}

// Recorder files hold millions of short fixed-point numbers ("-0.011292", "512"). Those convert
// here, inline in the readers' loops, without the general scan; anything else (an exponent, hex,
// inf, nan, many digits) returns false and takes the general path. s is already past white space.
template <class T>
[[gnu::always_inline]] inline bool ScanShortFixed(const char* s, const char* end, T& out,
                                                  const char*& stop) {
  const char* q = s;
  bool negative = false;
  if (q < end && (*q == '+' || *q == '-')) {
    negative = *q == '-';
    ++q;
  }
  std::uint64_t m = 0;
  int digits = 0, scale = 0;
  while (q < end && IsDigit(*q) && digits < 19) {
    m = m * 10 + static_cast<std::uint64_t>(*q - '0');
    ++digits;
    ++q;
  }
  if (q < end && *q == '.') {
    ++q;
    if (digits <= 11 && end - q >= 8) {
      const int n = LeadingDigits8(q);
      m = m * kPowersOfTen8[n] + Digits8Value(q, n);
      digits += n;
      scale += n;
      q += n;
    }
    while (q < end && IsDigit(*q) && digits < 19) {
      m = m * 10 + static_cast<std::uint64_t>(*q - '0');
      ++digits;
      ++scale;
      ++q;
    }
  }
  if (digits == 0 || m >= FastLimits<T>::kMaxMantissa || scale > FastLimits<T>::kMaxScale) {
    return false;
  }
  // A digit left over, an exponent or a hex prefix needs the general path.
  if (q < end && (IsDigit(*q) || *q == 'e' || *q == 'E' || *q == 'x' || *q == 'X')) return false;
  // m is below 2^53 here, so the signed conversion (one instruction) is exact.
  const T v = static_cast<T>(static_cast<std::int64_t>(m)) / static_cast<T>(kPowersOfTen[scale]);
  out = negative ? -v : v;
  stop = q;
  return true;
}

// The general conversion, for what the short path does not take. s is already past white space.
bool ScanFloatGeneral(const char* s, const char*& p, const char* end, float& out);
bool ScanDoubleGeneral(const char* s, const char*& p, const char* end, double& out);

}  // namespace detail

// "%f" into a float: the value nearest the text (round to nearest, ties to even).
[[gnu::always_inline]] inline bool ScanFloat(const char*& p, const char* end, float& out) {
  const char* s = p;
  while (s < end && IsCSpace(*s)) ++s;
  if (const char* stop = nullptr; detail::ScanShortFixed(s, end, out, stop)) {
    p = stop;
    return true;
  }
  return detail::ScanFloatGeneral(s, p, end, out);
}
// strtod: the double nearest the text.
inline bool ScanDouble(const char*& p, const char* end, double& out) {
  const char* s = p;
  while (s < end && IsCSpace(*s)) ++s;
  if (const char* stop = nullptr; detail::ScanShortFixed(s, end, out, stop)) {
    p = stop;
    return true;
  }
  return detail::ScanDoubleGeneral(s, p, end, out);
}
// "%d": optional sign and decimal digits.
bool ScanInt(const char*& p, const char* end, int& out);
// "%i": optional sign, then "0x"/"0X" and hex digits, "0" and octal digits, or decimal digits.
bool ScanIntAuto(const char*& p, const char* end, int& out);

// atof: the leading number of text, or 0.0 when it does not begin with one.
double Atof(std::string_view text);

}  // namespace velk

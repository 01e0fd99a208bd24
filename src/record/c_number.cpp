#include "record/c_number.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace velk {

namespace {

using detail::IsDigit;
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when [p, end) begins with word, compared without regard to case.
bool StartsWithNoCase(const char* p, const char* end, std::string_view word) {
  if (end - p < static_cast<std::ptrdiff_t>(word.size())) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(p[i]) != word[i]) return false;
  }
  return true;
}

const char* SkipSpace(const char* p, const char* end) {
  while (p < end && IsCSpace(*p)) ++p;
  return p;
}

// Reads the decimal digits of an exponent after its letter; saturates far beyond any range.
// Returns the end of the exponent, or e (the letter itself) when no digit follows, since C then
// leaves the letter unconverted.
const char* ScanExponent(const char* e, const char* end, long& exponent) {
  const char* q = e + 1;
  bool neg = false;
  if (q < end && (*q == '+' || *q == '-')) {
    neg = *q == '-';
    ++q;
  }
  if (q >= end || !IsDigit(*q)) return e;
  long v = 0;
  while (q < end && IsDigit(*q)) {
    if (v < 100000000L) v = v * 10 + (*q - '0');
    ++q;
  }
  exponent = neg ? -v : v;
  return q;
}

// The shape of one real-number token: where its digits lie and how large it is, so that an
// out-of-range conversion can tell overflow from underflow.
struct RealToken {
  const char* numberStart = nullptr;  // after the sign (and after "0x" for hex)
  const char* end = nullptr;          // one past the token
  bool negative = false;
  bool hex = false;
  bool infinity = false;
  bool nan = false;
  // Position of the leading nonzero digit relative to the radix point, plus the exponent;
  // positive means the magnitude is at least 1 (decimal digits, or hex digits for hex).
  long magnitude = 0;
};

// Finds the longest prefix strtod would convert, starting at s (already past white space).
bool ScanRealToken(const char* s, const char* end, RealToken& t) {
  const char* q = s;
  if (q < end && (*q == '+' || *q == '-')) {
    t.negative = *q == '-';
    ++q;
  }
  if (StartsWithNoCase(q, end, "inf")) {
    t.infinity = true;
    t.end = q + (StartsWithNoCase(q, end, "infinity") ? 8 : 3);
    return true;
  }
  if (StartsWithNoCase(q, end, "nan")) {
    t.nan = true;
    q += 3;
    // "nan(chars)" belongs to the token only when the parenthesis closes.
    if (q < end && *q == '(') {
      const char* r = q + 1;
      while (r < end && (IsDigit(*r) || (Lower(*r) >= 'a' && Lower(*r) <= 'z') || *r == '_')) ++r;
      if (r < end && *r == ')') q = r + 1;
    }
    t.end = q;
    return true;
  }

  const bool hex = end - q >= 2 && q[0] == '0' && (q[1] == 'x' || q[1] == 'X');
  if (hex) {
    const char* h = q + 2;
    const char* intStart = h;
    while (h < end && IsHexDigit(*h)) ++h;
    const char* intEnd = h;
    const char* fracStart = h;
    const char* fracEnd = h;
    if (h < end && *h == '.') {
      fracStart = ++h;
      while (h < end && IsHexDigit(*h)) ++h;
      fracEnd = h;
    }
    if (intEnd > intStart || fracEnd > fracStart) {
      long exponent = 0;
      if (h < end && (*h == 'p' || *h == 'P')) h = ScanExponent(h, end, exponent);
      t.hex = true;
      t.numberStart = q + 2;
      t.end = h;
      // Overflow and underflow are hundreds of binary orders away, so hex-digit positions
      // (four binary orders each) with the binary exponent decide the side well enough.
      long pos = 0;
      const char* d = intStart;
      while (d < intEnd && *d == '0') ++d;
      if (d < intEnd) {
        pos = 4 * static_cast<long>(intEnd - d);
      } else {
        d = fracStart;
        while (d < fracEnd && *d == '0') ++d;
        pos = -4 * static_cast<long>(d - fracStart);
      }
      t.magnitude = pos + exponent;
      return true;
    }
    // "0x" with no hex digit: C converts the "0" alone.
  }

  const char* d = q;
  const char* intStart = d;
  while (d < end && IsDigit(*d)) ++d;
  const char* intEnd = d;
  const char* fracStart = d;
  const char* fracEnd = d;
  if (d < end && *d == '.') {
    fracStart = ++d;
    while (d < end && IsDigit(*d)) ++d;
    fracEnd = d;
  }
  if (intEnd == intStart && fracEnd == fracStart) return false;
  long exponent = 0;
  if (d < end && (*d == 'e' || *d == 'E')) d = ScanExponent(d, end, exponent);
  t.numberStart = q;
  t.end = d;
  const char* nz = intStart;
  while (nz < intEnd && *nz == '0') ++nz;
  long pos = 0;
  if (nz < intEnd) {
    pos = static_cast<long>(intEnd - nz);
  } else {
    nz = fracStart;
    while (nz < fracEnd && *nz == '0') ++nz;
    pos = -static_cast<long>(nz - fracStart);
  }
  t.magnitude = pos + exponent;
  return true;
}

template <class T>
bool ScanRealGeneral(const char* s, const char*& p, const char* end, T& out) {
  RealToken t;
  if (!ScanRealToken(s, end, t)) return false;
  const T sign = t.negative ? T(-1) : T(1);
  if (t.infinity) {
    out = sign * std::numeric_limits<T>::infinity();
  } else if (t.nan) {
    out = std::copysign(std::numeric_limits<T>::quiet_NaN(), sign);
  } else {
    T v{};
    const auto fmt = t.hex ? std::chars_format::hex : std::chars_format::general;
    const auto r = std::from_chars(t.numberStart, t.end, v, fmt);
    if (r.ec == std::errc::result_out_of_range) {
      v = t.magnitude > 0 ? std::numeric_limits<T>::infinity() : T(0);
    } else if (r.ec != std::errc() || r.ptr != t.end) {
      return false;  // cannot happen for a token of the shape scanned above
    }
    // Round-to-nearest is symmetric, so negating after conversion is exact.
    out = sign * v;
  }
  p = t.end;
  return true;
}

bool ScanInteger(const char*& p, const char* end, int& out, bool autoBase) {
  const char* q = SkipSpace(p, end);
  bool neg = false;
  if (q < end && (*q == '+' || *q == '-')) {
    neg = *q == '-';
    ++q;
  }
  int base = 10;
  if (autoBase && q < end && *q == '0') {
    if (end - q >= 3 && (q[1] == 'x' || q[1] == 'X') && IsHexDigit(q[2])) {
      base = 16;
      q += 2;
    } else {
      base = 8;  // the leading 0 is itself an octal digit
    }
  }
  auto digitValue = [base](char c) -> int {
    int v = 99;
    if (IsDigit(c)) {
      v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      v = c - 'A' + 10;
    }
    return v < base ? v : -1;
  };
  const char* digits = q;
  std::int64_t v = 0;
  const std::int64_t limit = static_cast<std::int64_t>(INT_MAX) + 1;
  while (q < end) {
    const int dv = digitValue(*q);
    if (dv < 0) break;
    if (v <= limit) v = v * base + dv;
    ++q;
  }
  if (q == digits) return false;
  if (neg) v = -v;
  out = v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
  p = q;
  return true;
}

}  // namespace

namespace detail {

bool ScanFloatGeneral(const char* s, const char*& p, const char* end, float& out) {
  return ScanRealGeneral(s, p, end, out);
}
bool ScanDoubleGeneral(const char* s, const char*& p, const char* end, double& out) {
  return ScanRealGeneral(s, p, end, out);
}

}  // namespace detail

bool ScanInt(const char*& p, const char* end, int& out) { return ScanInteger(p, end, out, false); }
bool ScanIntAuto(const char*& p, const char* end, int& out) {
  return ScanInteger(p, end, out, true);
}

double Atof(std::string_view text) {
  const char* p = text.data();
  double v = 0.0;
  if (!ScanDouble(p, text.data() + text.size(), v)) return 0.0;
  return v;
}

}  // namespace velk

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "display_pattern_reference.h"
#include "numeric/display_pattern.h"
#include "numeric/fifteen_digits.h"
#include "report/shown_cents_total.h"
#include "tested_locales.h"

// The formatter against the reference implementation, byte for byte, on
// values drawn from the whole range of doubles and from around every kind
// of rounding boundary. SUMWRIGHT_COMPARED_VALUES sets how many values
// (each in every pattern); the default keeps the suite quick.

namespace sw {
namespace {

constexpr std::string_view kPatterns[] = {
    pattern::kPayment,         pattern::kBalance,         pattern::kRate,
    pattern::kTitleRate,       pattern::kYears,           pattern::kMonthNumber,
    pattern::kMonthlyInterest, pattern::kMonthlyPrincipal};

long long ValueCount() {
  const char* count = std::getenv("SUMWRIGHT_COMPARED_VALUES");
  return count != nullptr ? std::atoll(count) : 20000;
}

double FromDecimal(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The nearest double to a decimal halfway point, and its neighbours: the
// decimal has `digits` significant digits, the last a 5, and its point
// stands `fraction` digits from its end.
class Values {
 public:
  explicit Values(std::uint64_t seed) : random_(seed) {}

  void halfwayNeighbours(int digits, int fraction, std::vector<double>& out) {
    std::string text = std::to_string(1 + random_() % 9);
    for (int i = 2; i < digits; ++i) text += static_cast<char>('0' + random_() % 10);
    text += "5e-" + std::to_string(fraction);
    const double halfway = FromDecimal(text);
    double below = halfway;
    double above = halfway;
    out.push_back(halfway);
    for (int step = 0; step < 2; ++step) {
      below = std::nextafter(below, 0.0);
      above = std::nextafter(above, DBL_MAX);
      out.push_back(below);
      out.push_back(above);
    }
  }

  // Any finite double, every exponent alike.
  double anyBits() {
    for (;;) {
      const auto bits = random_();
      double value;
      std::memcpy(&value, &bits, sizeof value);
      if (std::isfinite(value)) return value;
    }
  }

  // Amounts as the calculations give them, from millionths to quadrillions.
  double amount() {
    return std::pow(10.0, std::uniform_real_distribution<double>(-6, 16)(random_));
  }

  // A whole number and a binary fraction: its exact decimal may end in a 5
  // just past the fifteenth digit, a tie that only even rounding settles.
  double binaryTie() {
    const double whole = static_cast<double>(random_() % 1000000000000000ULL);
    const int fractionBits = 1 + static_cast<int>(random_() % 8);
    return whole + std::ldexp(static_cast<double>(random_() % (1U << fractionBits)), -fractionBits);
  }

  void next(std::vector<double>& out) {
    switch (random_() % 5) {
      case 0:
        out.push_back(anyBits());
        break;
      case 1:
        out.push_back(amount());
        break;
      case 2:  // halfway at the patterns' none, two or three decimals
        halfwayNeighbours(1 + static_cast<int>(random_() % 16), static_cast<int>(random_() % 4),
                          out);
        break;
      case 3:
        out.push_back(binaryTie());
        break;
      default:  // halfway at the fifteenth significant digit
        halfwayNeighbours(16, static_cast<int>(random_() % 40) - 20, out);
        break;
    }
  }

 private:
  std::mt19937_64 random_;
};

std::vector<double> Specials() {
  std::vector<double> values = {0.0, DBL_MIN, DBL_TRUE_MIN, 1.0, 0.5, 0.005, 0.0005, 9.995,
                                999999.995, 1e15, 1e16, 1e21, 1e22, 1.79769313486231e308,
                                std::numeric_limits<double>::infinity(),
                                // Just above a tie, and only the low 64 bits of the exact
                                // product, shifted by 66 and 65 bits, hold what is above it.
                                0x1.a36e2eb1c4352p-14, 0x1.0000000000013p-13,
                                // An exact tie with an even digit before it, its rounding
                                // bit the top of the low word (shifted by 64 bits).
                                0x1.02p-12};
  double nearMax = DBL_MAX;
  for (int i = 0; i < 200; ++i, nearMax = std::nextafter(nearMax, 0.0)) values.push_back(nearMax);
  for (int power = -6; power <= 17; ++power) {
    const double exact = std::pow(10.0, power);
    values.insert(values.end(),
                  {std::nextafter(exact, 0.0), exact, std::nextafter(exact, DBL_MAX)});
  }
  double aroundReadable = std::nextafter(1.79769313486231e308, DBL_MAX);
  for (int i = 0; i < 5; ++i) {
    values.push_back(aroundReadable);
    aroundReadable = std::nextafter(aroundReadable, 0.0);
  }
  return values;
}

// The formatter's fifteen digits and point, written as the reference's.
std::string DigitsText(const Decimal& d) {
  std::string digits = std::to_string(d.digits);
  digits.insert(0, static_cast<std::size_t>(std::max(d.count - static_cast<int>(digits.size()), 0)),
                '0');
  return digits + " point " + std::to_string(d.point);
}

std::string DigitsText(const reference::Decimal& d) {
  return d.digits + " point " + std::to_string(d.point);
}

// The cents a total adds for the value, against the digits that the
// reference writes for its magnitude with two decimals.
bool AddsTheShownCents(double value) {
  const Separators plain{"", "."};
  ShownCentsTotal total;
  total.add(value);
  return total.text(plain) ==
         reference::FormatWithPattern(std::fabs(value), pattern::kYears, plain);
}

TEST(DisplayPatternReference, SameTextForEveryValue) {
  const long long wanted = ValueCount();
  const Separators separatorSets[] = {Separators{}, test::kFrench};
  Values values(19);
  std::vector<double> batch = Specials();
  long long compared = 0;
  long long mismatches = 0;
  while (compared < wanted) {
    for (const double magnitude : batch) {
      const std::string digits = DigitsText(FifteenDigits(std::fabs(magnitude)));
      const std::string expectedDigits = DigitsText(reference::FifteenDigits(std::fabs(magnitude)));
      if (digits != expectedDigits && ++mismatches <= 10) {
        ADD_FAILURE() << std::hexfloat << magnitude << ": fifteen digits " << digits
                      << ", reference " << expectedDigits;
      }
      if (!AddsTheShownCents(magnitude) && ++mismatches <= 10) {
        ADD_FAILURE() << std::hexfloat << magnitude << ": cents total differs from the reference";
      }
      for (const double value : {magnitude, -magnitude}) {
        ++compared;
        const Separators& separators = separatorSets[compared % 2];
        for (const std::string_view pattern : kPatterns) {
          const std::string expected = reference::FormatWithPattern(value, pattern, separators);
          const std::string actual = FormatWithPattern(value, pattern, separators);
          if (actual == expected) continue;
          if (++mismatches <= 10) {
            ADD_FAILURE() << std::hexfloat << value << " in " << pattern << ": \"" << actual
                          << "\", reference \"" << expected << '"';
          }
        }
      }
    }
    batch.clear();
    values.next(batch);
  }
  EXPECT_EQ(mismatches, 0);
  std::cout << "compared " << compared << " values in " << std::size(kPatterns) << " patterns\n";
}

}  // namespace
}  // namespace sw

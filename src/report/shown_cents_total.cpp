#include "report/shown_cents_total.h"

#include <utility>

namespace sw {
namespace {

constexpr int kMostPendingDigits = 18;
constexpr std::uint64_t kFlushAt = 1'000'000'000'000'000'000u;  // twice that still fits

// Calls `digit` with each digit of `shown` in order, those inside its
// separators left out. A separator never begins with a digit.
template <typename DigitCall>
void ForEachDigit(std::string_view shown, const Separators& separators, DigitCall digit) {
  for (std::size_t at = 0; at < shown.size();) {
    if (shown[at] >= '0' && shown[at] <= '9') {
      digit(shown[at++] - '0');
    } else if (!separators.grouping.empty() && shown.substr(at).starts_with(separators.grouping)) {
      at += separators.grouping.size();
    } else if (!separators.decimal.empty() && shown.substr(at).starts_with(separators.decimal)) {
      at += separators.decimal.size();
    } else {
      ++at;
    }
  }
}

}  // namespace

void ShownCentsTotal::add(std::string_view shown, const Separators& separators) {
  std::uint64_t cents = 0;
  int count = 0;
  ForEachDigit(shown, separators, [&](int digit) {
    cents = 10 * cents + static_cast<std::uint64_t>(digit);
    ++count;
  });
  if (count <= kMostPendingDigits) {
    pending_ += cents;
    if (pending_ >= kFlushAt) addCents(std::exchange(pending_, 0));
    return;
  }
  std::string digits;
  ForEachDigit(shown, separators,
               [&digits](int digit) { digits += static_cast<char>('0' + digit); });
  std::size_t place = 0;
  for (auto at = digits.rbegin(); at != digits.rend(); ++at) addDigit(place++, *at - '0');
}

void ShownCentsTotal::add(const ShownCentsTotal& other) {
  addCents(other.pending_);
  for (std::size_t place = 0; place < other.reversedDigits_.size(); ++place) {
    addDigit(place, other.reversedDigits_[place] - '0');
  }
}

void ShownCentsTotal::addCents(std::uint64_t cents) {
  for (std::size_t place = 0; cents != 0; ++place, cents /= 10) {
    addDigit(place, static_cast<int>(cents % 10));
  }
}

void ShownCentsTotal::addDigit(std::size_t place, int digit) {
  for (int carry = digit; carry != 0; ++place) {
    if (place >= reversedDigits_.size()) reversedDigits_.resize(place + 1, '0');
    const int sum = reversedDigits_[place] - '0' + carry;
    reversedDigits_[place] = static_cast<char>('0' + sum % 10);
    carry = sum / 10;
  }
}

std::string ShownCentsTotal::text(const Separators& separators) const {
  ShownCentsTotal total = *this;
  total.addCents(std::exchange(total.pending_, 0));
  const std::string& digits = total.reversedDigits_;
  std::size_t integerDigits = digits.size() - 2;
  while (integerDigits > 1 && digits[integerDigits + 1] == '0') --integerDigits;
  std::string text;
  for (std::size_t i = integerDigits; i > 0; --i) {
    text += digits[i + 1];
    if (i > 1 && (i - 1) % 3 == 0) text += separators.grouping;
  }
  return text + separators.decimal + digits[1] + digits[0];
}

}  // namespace sw

#include "report/shown_cents_total.h"

namespace sw {

void ShownCentsTotal::add(std::string_view shown) {
  std::size_t place = 0;
  for (auto at = shown.rbegin(); at != shown.rend(); ++at) {
    if (*at >= '0' && *at <= '9') addDigit(place++, *at - '0');
  }
}

void ShownCentsTotal::add(const ShownCentsTotal& other) {
  for (std::size_t place = 0; place < other.reversedDigits_.size(); ++place) {
    addDigit(place, other.reversedDigits_[place] - '0');
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
  std::size_t integerDigits = reversedDigits_.size() - 2;
  while (integerDigits > 1 && reversedDigits_[integerDigits + 1] == '0') --integerDigits;
  std::string text;
  for (std::size_t i = integerDigits; i > 0; --i) {
    text += reversedDigits_[i + 1];
    if (i > 1 && (i - 1) % 3 == 0) text += separators.grouping;
  }
  return text + separators.decimal + reversedDigits_[1] + reversedDigits_[0];
}

}  // namespace sw

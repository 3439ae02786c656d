#include "calculations/drawdown_fields.h"

#include "drawdown/drawdown.h"
#include "numeric/display_pattern.h"
#include "numeric/field_value.h"

namespace sw {

std::string HowLongField(const Separators& separators, std::string_view startBalance,
                         std::string_view rate, std::string_view withdrawal) {
  const auto [B, R, W] = FieldsToNumbers(separators, startBalance, rate, withdrawal);
  return FormatHowLong(HowLong(B, R, W));
}

std::string HowMuchField(const Separators& separators, std::string_view startBalance,
                         std::string_view rate, std::string_view withdrawal,
                         std::string_view months) {
  const auto [B, R, W] = FieldsToNumbers(separators, startBalance, rate, withdrawal);
  const std::int16_t n = FieldToInteger(months, separators);
  return FormatHowMuch(HowMuch(B, R, W, n), separators);
}

std::string FormatHowLong(std::optional<std::int16_t> months) {
  return months ? std::to_string(*months) + " months" : "forever";
}

std::string FormatHowMuch(double balance, const Separators& separators) {
  std::string text = "$";
  return text += FormatWithPattern(balance, pattern::kBalance, separators);
}

}  // namespace sw

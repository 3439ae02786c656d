#include "drawdown/drawdown_fields.h"

#include "drawdown/drawdown.h"
#include "numeric/field_value.h"

namespace sw {

std::string HowLongField(std::string_view startBalance, std::string_view rate,
                         std::string_view withdrawal) {
  const double B = FieldToNumber(startBalance);
  const double R = FieldToNumber(rate);
  const double W = FieldToNumber(withdrawal);
  return FormatHowLong(HowLong(B, R, W));
}

std::string HowMuchField(std::string_view startBalance, std::string_view rate,
                         std::string_view withdrawal, std::string_view months) {
  const double B = FieldToNumber(startBalance);
  const double R = FieldToNumber(rate);
  const double W = FieldToNumber(withdrawal);
  const std::int16_t n = FieldToInteger(months);
  return FormatHowMuch(HowMuch(B, R, W, n));
}

}  // namespace sw

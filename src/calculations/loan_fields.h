#pragma once

#include <string>
#include <string_view>

#include "numeric/separators.h"

namespace sw {

// The loan window's calculations from field texts to result text. Each
// reads its fields in the window's order and returns exactly what is
// written into the result field, numbers read and written with
// `separators`; any failure throws CalcFailure.
std::string PaymentField(const Separators& separators, std::string_view principal,
                         std::string_view rate, std::string_view years);
std::string PrincipalField(const Separators& separators, std::string_view payment,
                           std::string_view rate, std::string_view years);
std::string TermField(const Separators& separators, std::string_view principal,
                      std::string_view payment, std::string_view rate);
std::string RateField(const Separators& separators, std::string_view principal,
                      std::string_view payment, std::string_view years);
std::string RemainingField(const Separators& separators, std::string_view principal,
                           std::string_view payment, std::string_view rate,
                           std::string_view payments);

}  // namespace sw

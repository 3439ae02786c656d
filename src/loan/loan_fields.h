#pragma once

#include <string>
#include <string_view>

namespace sw {

// The loan window's calculations from field texts to result text. Each
// reads its fields in the window's order and returns exactly what is
// written into the result field; any failure throws CalcFailure.
std::string PaymentField(std::string_view principal, std::string_view rate,
                         std::string_view years);
std::string PrincipalField(std::string_view payment, std::string_view rate,
                           std::string_view years);
std::string TermField(std::string_view principal, std::string_view payment,
                      std::string_view rate);
std::string RateField(std::string_view principal, std::string_view payment,
                      std::string_view years);
std::string RemainingField(std::string_view principal, std::string_view payment,
                           std::string_view rate, std::string_view payments);

}  // namespace sw

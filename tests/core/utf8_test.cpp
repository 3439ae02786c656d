#include "numeric/utf8.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>

#include "case_name.h"

namespace sw {
namespace {

// A length of 0 means the start is refused.
struct Start {
  const char* name;
  const char* text;
  char32_t codePoint;
  std::size_t length;
};

class DecodeUtf8Reads : public testing::TestWithParam<Start> {};

TEST_P(DecodeUtf8Reads, FirstCharacter) {
  const auto& [name, text, codePoint, length] = GetParam();
  const auto c = DecodeUtf8(text);
  ASSERT_EQ(c.has_value(), length != 0);
  if (c) {
    EXPECT_EQ(std::pair(c->codePoint, c->length), std::pair(codePoint, length));
  }
}

// The smallest value of each length, the largest value, and those beside
// the surrogates.
INSTANTIATE_TEST_SUITE_P(Edges, DecodeUtf8Reads,
                         testing::Values(Start{"TwoBytesSmallest", "\xC2\x80", 0x80, 2},
                                         Start{"ThreeBytesSmallest", "\xE0\xA0\x80", 0x800, 3},
                                         Start{"BelowSurrogates", "\xED\x9F\xBF", 0xD7FF, 3},
                                         Start{"AboveSurrogates", "\xEE\x80\x80", 0xE000, 3},
                                         Start{"FourBytesSmallest", "\xF0\x90\x80\x80", 0x10000, 4},
                                         Start{"Largest", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4}),
                         CaseName{});

INSTANTIATE_TEST_SUITE_P(
    Refusals, DecodeUtf8Reads,
    testing::Values(Start{"Empty", "", 0, 0}, Start{"ContinuationByte", "\x80", 0, 0},
                    Start{"LeadC0", "\xC0\x80", 0, 0}, Start{"LeadC1", "\xC1\xBF", 0, 0},
                    Start{"LeadF5", "\xF5\x80\x80\x80", 0, 0}, Start{"LeadFF", "\xFF", 0, 0},
                    Start{"NoContinuation",
                          "\xC3"
                          "A",
                          0, 0},
                    Start{"ThirdNotContinuation",
                          "\xE2\x82"
                          "A",
                          0, 0},
                    Start{"CutShort", "\xF0\x9F\x98", 0, 0},
                    Start{"OverlongThreeBytes", "\xE0\x9F\xBF", 0, 0},
                    Start{"OverlongFourBytes", "\xF0\x8F\xBF\xBF", 0, 0},
                    Start{"FirstSurrogate", "\xED\xA0\x80", 0, 0},
                    Start{"LastSurrogate", "\xED\xBF\xBF", 0, 0},
                    Start{"AboveLargest", "\xF4\x90\x80\x80", 0, 0}),
    CaseName{});

}  // namespace
}  // namespace sw

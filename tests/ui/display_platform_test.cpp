#include "app/display_platform.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace {

struct Choice {
  const char* name;
  const char* chosen;
  std::optional<std::string> toTry;
};

class PlatformsToTryTest : public testing::TestWithParam<Choice> {};

TEST_P(PlatformsToTryTest, X11FirstUnlessTheUserChose) {
  EXPECT_EQ(sw::app::PlatformsToTry(GetParam().chosen), GetParam().toTry);
}

INSTANTIATE_TEST_SUITE_P(Choices, PlatformsToTryTest,
                         testing::Values(Choice{"Unset", nullptr, "xcb;wayland"},
                                         Choice{"Empty", "", "xcb;wayland"},
                                         Choice{"Wayland", "wayland", std::nullopt},
                                         Choice{"X11", "xcb", std::nullopt},
                                         Choice{"Headless", "offscreen", std::nullopt},
                                         Choice{"OwnList", "wayland;xcb", std::nullopt}),
                         sw::CaseName{});

}  // namespace

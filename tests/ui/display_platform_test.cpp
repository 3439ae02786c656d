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

INSTANTIATE_TEST_SUITE_P(
    Choices, PlatformsToTryTest,
    testing::Values(Choice{"Unset", nullptr, "xcb;wayland"}, Choice{"Empty", "", "xcb;wayland"},
                    Choice{"Wayland", "wayland", std::nullopt},
                    Choice{"X11", "xcb", std::nullopt},
                    Choice{"Headless", "offscreen", std::nullopt},
                    Choice{"OwnList", "wayland;xcb", std::nullopt}),
    sw::CaseName{});

struct Failure {
  const char* name;
  const char* platforms;
  const char* named;
};

class DisplayFailureMessageTest : public testing::TestWithParam<Failure> {};

// The line names the ways to a display that were tried, and no other.
TEST_P(DisplayFailureMessageTest, NamesTheDisplaysTried) {
  const std::string message = sw::app::DisplayFailureMessage(GetParam().platforms);
  const std::string named = GetParam().named;
  for (const char* way : {"X11", "Wayland"}) {
    EXPECT_EQ(message.find(way) != std::string::npos, named.find(way) != std::string::npos)
        << message;
  }
  EXPECT_NE(message.find("QT_QPA_PLATFORM=offscreen"), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, DisplayFailureMessageTest,
    testing::Values(Failure{"Fallback", "xcb;wayland", "X11 Wayland"},
                    Failure{"Wayland", "wayland", "Wayland"},
                    Failure{"WaylandEgl", "wayland-egl", "Wayland"},
                    Failure{"X11", "xcb", "X11"},
                    Failure{"Other", "vnc", "X11 Wayland"},
                    Failure{"OwnList", "wayland;xcb;", "X11 Wayland"}),
    sw::CaseName{});

}  // namespace

#include "calculations/window_names.h"
#include "ui/designs/window_designs.h"

namespace sw::ui {
namespace {

constexpr Rgb kPurple{64, 0, 64};
constexpr Rgb kWhite{255, 255, 255};
constexpr char kUpper[] = "Frame1";
constexpr char kLower[] = "Frame2";

ControlLayout Label(std::string name, int tab, std::string caption, TwipsRect rect,
                    std::string container = "") {
  return {.name = std::move(name),
          .kind = ControlKind::Label,
          .container = std::move(container),
          .rect = rect,
          .tabIndex = tab,
          .caption = std::move(caption),
          .background = kPurple,
          .foreground = kWhite};
}

ControlLayout Button(std::string name, int tab, std::string caption, std::string purpose,
                     TwipsRect rect, std::string container) {
  return {.name = std::move(name),
          .kind = ControlKind::CommandButton,
          .container = std::move(container),
          .rect = rect,
          .tabIndex = tab,
          .caption = std::move(caption),
          .accessibleName = std::move(purpose)};
}

ControlLayout Frame(std::string name, int tab, std::string purpose, TwipsRect rect) {
  return {.name = std::move(name),
          .kind = ControlKind::Frame,
          .rect = rect,
          .tabIndex = tab,
          .accessibleName = std::move(purpose),
          .background = kPurple};
}

WindowLayout MakeDesign() {
  return {
      .name = drawdown_window::kName,
      .caption = "Uniform Draw-Down Calculator",
      .clientWidth = 6300,
      .clientHeight = 4365,
      .border = Border::FixedSingle,
      .background = kPurple,
      .font = {"MS Sans Serif", 9.75, true},
      .controls =
          {
              Frame(kLower, 12, "Balance left after a number of months", {120, 2640, 6015, 1335}),
              TextBox(drawdown_window::kBalanceLeft, 17, "Balance left", {3960, 720, 1815, 375},
                      kLower),
              Button(drawdown_window::kCalculateHowMuch, 16, "How much do I have left? -->",
                     "Calculate the balance left", {120, 720, 3615, 375}, kLower),
              TextBox(drawdown_window::kMonths, 14, "Number of months", {960, 240, 1455, 375},
                      kLower),
              Label("Label7", 15, "months,", {2640, 240, 1455, 375}, kLower),
              Label("Label6", 13, "After", {240, 240, 735, 375}, kLower),
              Frame(kUpper, 9, "How long the balance lasts", {120, 1800, 6015, 975}),
              TextBox(drawdown_window::kHowLong, 11, "How long the balance lasts",
                      {3120, 360, 2655, 375}, kUpper),
              Button(drawdown_window::kCalculateHowLong, 10, "How long will it last? -->",
                     "Calculate how long the balance lasts", {240, 360, 2775, 375}, kUpper),
              TextBox(drawdown_window::kWithdrawal, 7, "Monthly withdrawal",
                      {2160, 1320, 1815, 375}),
              TextBox(drawdown_window::kRate, 4, "Yearly interest rate in percent",
                      {2880, 720, 1095, 375}),
              TextBox(drawdown_window::kStartBalance, 1, "Starting balance",
                      {2040, 120, 1935, 375}),
              Label("Label5", 8, "dollars monthly:", {4200, 1320, 1935, 375}),
              Label("Label4", 6, "and I withdraw", {240, 1320, 1695, 375}),
              Label("Label3", 5, "% interest,", {4200, 720, 1935, 375}),
              Label("Label2", 3, "in an account earning", {240, 720, 2655, 375}),
              Label("Label1", 2, "dollars", {4200, 120, 1935, 375}),
              Label("lblLabel1", 0, "If I start with", {240, 120, 1695, 375}),
          },
      .menuBar =
          {
              {"mnuGoTo",
               "Go To...",
               {{drawdown_menu::kGoToLoan, "Sumwright Calculator", {}, MenuCommand::GoToLoan}}},
              {"mnuDDHelp",
               "Help",
               {{drawdown_menu::kWhatIsThis, "What Is This?", {}, MenuCommand::WhatIsThis},
                {"mnudash", "-", {}},
                {drawdown_menu::kAbout, "About", {}, MenuCommand::DrawDownAbout}}},
          },
  };
}

}  // namespace

const WindowLayout& DrawDownWindowDesign() {
  static const WindowLayout design = MakeDesign();
  return design;
}

}  // namespace sw::ui

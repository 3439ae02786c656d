#include "calculations/window_names.h"
#include "ui/designs/window_designs.h"

namespace sw::ui {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr char kFrame[] = "fraRemaining";

ControlLayout Label(std::string name, int tab, std::string caption, TwipsRect rect,
                    Alignment alignment, std::string container = "") {
  return {.name = std::move(name),
          .kind = ControlKind::Label,
          .container = std::move(container),
          .rect = rect,
          .tabIndex = tab,
          .caption = std::move(caption),
          .alignment = alignment,
          .background = kBlack,
          .foreground = kWhite};
}

ControlLayout Calculate(std::string name, int tab, std::string purpose, TwipsRect rect,
                        std::string container = "") {
  return {.name = std::move(name),
          .kind = ControlKind::CommandButton,
          .container = std::move(container),
          .rect = rect,
          .tabIndex = tab,
          .caption = "<- Calculate",
          .accessibleName = std::move(purpose)};
}

WindowLayout MakeDesign() {
  return {
      .name = loan_window::kName,
      .caption = "Sumwright Calculator",
      .clientWidth = 6690,
      .clientHeight = 3480,
      .border = Border::FixedSingle,
      .background = kBlack,
      .foreground = kWhite,
      .font = {"MS Sans Serif", 9.75, true},
      .icon = WindowIcon::Umbrella,
      .controls =
          {
              {.name = kFrame,
               .kind = ControlKind::Frame,
               .rect = {120, 2160, 6495, 1215},
               .tabIndex = 12,
               .accessibleName = "Remaining principal after a number of payments",
               .background = kBlack,
               .foreground = kWhite},
              Calculate(loan_window::kCalculateRemaining, 17, "Calculate remaining principal",
                        {4560, 600, 1575, 375}, kFrame),
              TextBox(loan_window::kPaymentsMade, 14, "Number of payments made",
                      {960, 240, 735, 375}, kFrame),
              TextBox(loan_window::kRemaining, 13, "Remaining principal", {2400, 600, 1935, 375},
                      kFrame),
              Label("lblAfter", 16, "After", {360, 240, 615, 375}, Alignment::Left, kFrame),
              Label("lblPayments", 15, "payments, the remaining principal is:",
                    {1800, 240, 3855, 495}, Alignment::Left, kFrame),
              Calculate(loan_window::kCalculateYears, 11, "Calculate number of years",
                        {4680, 1680, 1575, 375}),
              TextBox(loan_window::kYears, 10, "Number of years", {2520, 1680, 1935, 360}),
              Calculate(loan_window::kCalculateRate, 8, "Calculate interest rate",
                        {4680, 1200, 1575, 375}),
              TextBox(loan_window::kRate, 7, "Yearly interest rate in percent",
                      {2520, 1200, 1935, 375}),
              Calculate(loan_window::kCalculatePrincipal, 5, "Calculate principal",
                        {4680, 720, 1575, 375}),
              TextBox(loan_window::kPrincipal, 4, "Principal", {2520, 720, 1935, 375}),
              Calculate(loan_window::kCalculatePayment, 2, "Calculate monthly payment",
                        {4680, 240, 1575, 375}),
              TextBox(loan_window::kPayment, 1, "Monthly payment", {2520, 240, 1935, 375}),
              Label("lblN", 9, "Number of Years:", {120, 1680, 2175, 375}, Alignment::Right),
              Label("lblI", 6, "Interest Rate:", {120, 1200, 2175, 375}, Alignment::Right),
              Label("lblP", 3, "Principal:", {120, 720, 2175, 375}, Alignment::Right),
              Label("lblA", 0, "Monthly Payment:", {240, 240, 2055, 375}, Alignment::Right),
          },
      .menuBar =
          {
              {"mnuTools",
               "Tools",
               {{loan_menu::kAmortizationTable,
                 "Amortization Table",
                 {},
                 MenuCommand::AmortizationTable},
                {loan_menu::kGoToDrawDown,
                 "Uniform Draw Down Calculator",
                 {},
                 MenuCommand::GoToDrawDown}}},
              {"mnuHelp",
               "Help",
               {{loan_menu::kHowTo, "How To", {}, MenuCommand::HowTo},
                {"mnuLine", "-", {}},
                {loan_menu::kAbout, "About", {}, MenuCommand::LoanAbout}}},
          },
  };
}

}  // namespace

const WindowLayout& LoanWindowDesign() {
  static const WindowLayout design = MakeDesign();
  return design;
}

}  // namespace sw::ui

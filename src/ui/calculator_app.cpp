#include "ui/calculator_app.h"

#include <utility>

#include "ui/calculate_button.h"
#include "ui/designs/window_designs.h"
#include "ui/help_texts.h"
#include "ui/report_window/amortization_table_command.h"
#include "ui/report_window/report_file_commands.h"
#include "ui/report_window/report_window.h"
#include "ui/widgets/window_builder.h"
#include "ui/widgets/window_placement.h"

namespace sw::ui {

CalculatorApp::CalculatorApp(Dialogs& dialogs, Separators separators)
    : dialogs_(dialogs), separators_(std::move(separators)), menuHandlers_(makeMenuHandlers()) {}

CalculatorApp::~CalculatorApp() = default;

void CalculatorApp::start() { loanWindow().showLoaded(); }

FormWindow& CalculatorApp::loanWindow() {
  return window(loan_, LoanWindowDesign(), WindowRole::Calculator);
}

FormWindow& CalculatorApp::drawDownWindow() {
  return window(drawDown_, DrawDownWindowDesign(), WindowRole::Calculator);
}

FormWindow& CalculatorApp::reportWindow() {
  return window(report_, ReportWindowDesign(), WindowRole::Report);
}

// Builds the window on first use and binds its buttons, its menu entries and
// what its role asks.
FormWindow& CalculatorApp::window(std::unique_ptr<FormWindow>& slot, const WindowLayout& design,
                                  WindowRole role) {
  if (slot) return *slot;
  slot = BuildWindow(design);
  FormWindow* built = slot.get();
  BindCalculateButtons(*built, dialogs_, separators_);
  BindMenuCommands(*built, menuHandlers_);
  if (role == WindowRole::Report) {
    BindReportWindow(*built);
    AskToSaveChangesOnClose(*built, dialogs_);
    connect(built, &FormWindow::closed, this, &CalculatorApp::unloadReportWindow);
  } else {
    connect(built, &FormWindow::loaded, built, [built] { CentreOnScreen(*built); });
    connect(built, &FormWindow::closed, this, &CalculatorApp::closeCalculators);
  }
  return *built;
}

MenuHandlers CalculatorApp::makeMenuHandlers() {
  const auto help = [this](const HelpText& text) {
    return [this, text](FormWindow& window) {
      dialogs_.message(&window, text.title, text.prompt(), MessageIcon::Information);
    };
  };
  const auto file = [this](MenuCommand command) {
    return [this, command](FormWindow& report) { RunReportFileCommand(report, dialogs_, command); };
  };
  return {
      {MenuCommand::HowTo, help(HowToText())},
      {MenuCommand::LoanAbout, help(LoanAboutText())},
      {MenuCommand::WhatIsThis, help(WhatIsThisText())},
      {MenuCommand::DrawDownAbout, help(DrawDownAboutText())},
      {MenuCommand::GoToDrawDown, [this](FormWindow&) { goToDrawDown(); }},
      {MenuCommand::GoToLoan, [this](FormWindow&) { goToLoan(); }},
      {MenuCommand::AmortizationTable,
       [this](FormWindow& loan) { ShowAmortizationTable(loan, reportWindow(), separators_); }},
      {MenuCommand::Save, file(MenuCommand::Save)},
      {MenuCommand::SaveAs, file(MenuCommand::SaveAs)},
      {MenuCommand::Append, file(MenuCommand::Append)},
      {MenuCommand::AppendTo, file(MenuCommand::AppendTo)},
  };
}

// Leaving the loan window hides it before the other is shown; coming back
// shows it before the other is hidden.
void CalculatorApp::goToDrawDown() {
  loanWindow().hide();
  drawDownWindow().showLoaded();
}

void CalculatorApp::goToLoan() {
  loanWindow().showLoaded();
  drawDownWindow().hide();
}

// Only one calculator is ever on screen, so closing it leaves no calculator
// to work with: a hidden calculator must not keep the program running. An
// open report stays, with whatever the user has typed into it.
void CalculatorApp::closeCalculators() {
  if (loan_) loan_->hide();
  if (drawDown_) drawDown_->hide();
  quitWhenNothingShown();
}

// The window is being closed from its own close event, so it is deleted
// once that event has been handled.
void CalculatorApp::unloadReportWindow() {
  report_.release()->deleteLater();
  quitWhenNothingShown();
}

void CalculatorApp::quitWhenNothingShown() {
  for (const auto* window : {loan_.get(), drawDown_.get(), report_.get()}) {
    if (window != nullptr && window->isVisible()) return;
  }
  emit quitRequested();
}

}  // namespace sw::ui

#include "ui/calculator_app.h"

#include <utility>

#include "calculations/window_names.h"
#include "ui/amortization_table_command.h"
#include "ui/drawdown_window_handlers.h"
#include "ui/loan_window_handlers.h"
#include "ui/report_window.h"
#include "ui/window_builder.h"
#include "ui/window_designs.h"
#include "ui/window_font.h"
#include "ui/window_placement.h"

namespace sw::ui {
namespace {

std::unique_ptr<FormWindow> BuildCalculatorWindow(const WindowLayout& design) {
  auto window = BuildWindow(design);
  FormWindow* built = window.get();
  QObject::connect(built, &FormWindow::loaded, built, [built] { CentreOnScreen(*built); });
  return window;
}

}  // namespace

CalculatorApp::CalculatorApp(Dialogs& dialogs, Separators separators)
    : dialogs_(dialogs), separators_(std::move(separators)) {
  KeepDefaultFaceProportional();
}

CalculatorApp::~CalculatorApp() = default;

void CalculatorApp::start() { loanWindow().showLoaded(); }

FormWindow& CalculatorApp::loanWindow() {
  if (!loan_) {
    loan_ = BuildCalculatorWindow(LoanWindowDesign());
    BindLoanWindow(*loan_, dialogs_, separators_);
    connect(loan_->menuEntry(loan_window::kGoToDrawDown), &QAction::triggered, this,
            &CalculatorApp::goToDrawDown);
    connect(loan_->menuEntry(loan_window::kAmortizationTable), &QAction::triggered, this,
            [this] { ShowAmortizationTable(loanWindow(), reportWindow(), separators_); });
    connect(loan_.get(), &FormWindow::closed, this, &CalculatorApp::endProgram);
  }
  return *loan_;
}

FormWindow& CalculatorApp::drawDownWindow() {
  if (!drawDown_) {
    drawDown_ = BuildCalculatorWindow(DrawDownWindowDesign());
    BindDrawDownWindow(*drawDown_, dialogs_, separators_);
    connect(drawDown_->menuEntry(drawdown_window::kGoToLoan), &QAction::triggered, this,
            &CalculatorApp::goToLoan);
    connect(drawDown_.get(), &FormWindow::closed, this, &CalculatorApp::endProgram);
  }
  return *drawDown_;
}

FormWindow& CalculatorApp::reportWindow() {
  if (!report_) {
    report_ = BuildWindow(ReportWindowDesign());
    BindReportWindow(*report_, dialogs_);
    connect(report_.get(), &FormWindow::closed, this, &CalculatorApp::unloadReportWindow);
  }
  return *report_;
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

// Only one calculator is ever on screen, so closing it leaves nothing to
// work with: a hidden calculator must not keep the program running.
void CalculatorApp::endProgram() {
  if (report_) report_->close();
  if (loan_) loan_->hide();
  if (drawDown_) drawDown_->hide();
  emit quitRequested();
}

// The window is being closed from its own close event, so it is deleted
// once that event has been handled.
void CalculatorApp::unloadReportWindow() { report_.release()->deleteLater(); }

}  // namespace sw::ui

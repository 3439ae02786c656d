#include "ui/calculator_app.h"

#include <QCoreApplication>
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

std::unique_ptr<LayoutWindow> BuildCalculatorWindow(const WindowLayout& design) {
  auto window = BuildWindow(design);
  LayoutWindow* built = window.get();
  QObject::connect(built, &LayoutWindow::loaded, built, [built] { CentreOnScreen(*built); });
  return window;
}

}  // namespace

CalculatorApp::CalculatorApp(Dialogs& dialogs, Separators separators)
    : dialogs_(dialogs), separators_(std::move(separators)) {
  KeepDefaultFaceProportional();
  // Menus stay in their windows on every desktop. Said for the whole
  // program, this also keeps Qt from asking the session bus for a
  // desktop-wide menu bar, connecting to it before the first window is
  // shown, only for each window to decline that menu bar.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
}

CalculatorApp::~CalculatorApp() = default;

void CalculatorApp::start() { loanWindow().showLoaded(); }

LayoutWindow& CalculatorApp::loanWindow() {
  if (!loan_) {
    loan_ = BuildCalculatorWindow(LoanWindowDesign());
    BindLoanWindow(*loan_, dialogs_, separators_);
    connect(loan_->menuEntry(loan_window::kGoToDrawDown), &QAction::triggered, this,
            &CalculatorApp::goToDrawDown);
    connect(loan_->menuEntry(loan_window::kAmortizationTable), &QAction::triggered, this,
            [this] { ShowAmortizationTable(loanWindow(), reportWindow(), separators_); });
    connect(loan_.get(), &LayoutWindow::closed, this, &CalculatorApp::closeCalculators);
  }
  return *loan_;
}

LayoutWindow& CalculatorApp::drawDownWindow() {
  if (!drawDown_) {
    drawDown_ = BuildCalculatorWindow(DrawDownWindowDesign());
    BindDrawDownWindow(*drawDown_, dialogs_, separators_);
    connect(drawDown_->menuEntry(drawdown_window::kGoToLoan), &QAction::triggered, this,
            &CalculatorApp::goToLoan);
    connect(drawDown_.get(), &LayoutWindow::closed, this, &CalculatorApp::closeCalculators);
  }
  return *drawDown_;
}

LayoutWindow& CalculatorApp::reportWindow() {
  if (!report_) {
    report_ = BuildWindow(ReportWindowDesign());
    BindReportWindow(*report_, dialogs_);
    connect(report_.get(), &LayoutWindow::closed, this, &CalculatorApp::unloadReportWindow);
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

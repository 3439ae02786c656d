#include "ui/calculator_app.h"

#include <QApplication>
#include <QFontInfo>
#include <QTimer>
#include <utility>

#include "product.h"
#include "ui/calculate_button.h"
#include "ui/deferred_icon_style.h"
#include "ui/designs/window_designs.h"
#include "ui/help_texts.h"
#include "ui/report/amortization_table_command.h"
#include "ui/report/report_file_commands.h"
#include "ui/report/report_window.h"
#include "ui/windows/umbrella_icon.h"
#include "ui/windows/window_builder.h"
#include "ui/windows/window_font.h"
#include "ui/windows/window_placement.h"

namespace sw::ui {

void ConfigureApplication() {
  // Lets desktop shells match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(product::kAppId));
  // The program ends when the user has closed every window on screen, not
  // when the last visible window happens to be hidden by a switch.
  QApplication::setQuitOnLastWindowClosed(false);
  // Menus and message boxes are drawn in the default face. Where the font
  // configuration resolves that face to a monospace one (as it does on a
  // machine whose only fonts are the Liberation faces), the stand-in face
  // takes its place; a proportional default is left as the desktop chose it.
  if (QFont font = QApplication::font(); QFontInfo(font).fixedPitch()) {
    font.setFamilies({kSubstituteFace});
    QApplication::setFont(font);
  }
  // Menus stay in their windows on every desktop. Said for the whole
  // program, this also keeps Qt from asking the session bus for a
  // desktop-wide menu bar, connecting to it before the first window is
  // shown, only for each window to decline that menu bar.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  if (qobject_cast<DeferredIconStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
  }
  // Given once events are handled, after the first window is on screen, as
  // that window's own icon is.
  QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(UmbrellaIcon()); });
}

CalculatorApp::CalculatorApp(Dialogs& dialogs, Separators separators)
    : dialogs_(dialogs), separators_(std::move(separators)), menuHandlers_(makeMenuHandlers()) {}

CalculatorApp::~CalculatorApp() = default;

void CalculatorApp::start() { loanWindow().showLoaded(); }

FormWindow& CalculatorApp::loanWindow() { return window(loan_, LoanWindowDesign()); }
FormWindow& CalculatorApp::drawDownWindow() { return window(drawDown_, DrawDownWindowDesign()); }
FormWindow& CalculatorApp::reportWindow() { return window(report_, ReportWindowDesign()); }

// Builds the window on first use and binds its buttons and menu entries; a
// calculator is centred when first shown and ends the program when closed,
// the report window is unloaded.
FormWindow& CalculatorApp::window(std::unique_ptr<FormWindow>& slot, const WindowLayout& design) {
  if (slot) return *slot;
  slot = BuildWindow(design);
  FormWindow* built = slot.get();
  BindCalculateButtons(*built, dialogs_, separators_);
  BindMenuCommands(*built, menuHandlers_);
  if (&slot == &report_) {
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

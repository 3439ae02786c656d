#pragma once

#include <QObject>
#include <memory>

#include "numeric/separators.h"
#include "ui/dialogs.h"
#include "ui/layout_window.h"

namespace sw::ui {

// Owns the three windows, each existing at most once, and switches between
// the two calculators. Every number the windows read or write uses
// `separators`.
class CalculatorApp : public QObject {
  Q_OBJECT

 public:
  explicit CalculatorApp(Dialogs& dialogs, Separators separators = {});
  ~CalculatorApp() override;

  // Shows frmAPIN, centred, with the focus in txtA.
  void start();

  // The first reference to a window builds it; a calculator window is
  // centred when it is first shown and stays loaded while hidden.
  LayoutWindow& loanWindow();
  LayoutWindow& drawDownWindow();
  // frmPrintOutput is unloaded, with its text, when the user closes it.
  // Closing a calculator hides both calculators and leaves the report
  // window as it is.
  LayoutWindow& reportWindow();
  LayoutWindow* loadedReportWindow() const { return report_.get(); }

 signals:
  // The user closed the last of the windows on screen: the program ends.
  void quitRequested();

 private:
  void goToDrawDown();
  void goToLoan();
  void closeCalculators();
  void unloadReportWindow();
  void quitWhenNothingShown();

  Dialogs& dialogs_;
  const Separators separators_;
  std::unique_ptr<LayoutWindow> loan_;
  std::unique_ptr<LayoutWindow> drawDown_;
  std::unique_ptr<LayoutWindow> report_;
};

}  // namespace sw::ui

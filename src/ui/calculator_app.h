#pragma once

#include <QObject>
#include <memory>

#include "numeric/separators.h"
#include "ui/menu_commands.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/form_window.h"

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
  FormWindow& loanWindow();
  FormWindow& drawDownWindow();
  // frmPrintOutput is unloaded, with its text, when the user closes it.
  // Closing a calculator hides both calculators and leaves the report
  // window as it is.
  FormWindow& reportWindow();
  FormWindow* loadedReportWindow() const { return report_.get(); }

 signals:
  // The user closed the last of the windows on screen: the program ends.
  void quitRequested();

 private:
  // A calculator is centred when first shown and ends the program when
  // closed; the report window is unloaded when closed.
  enum class WindowRole { Calculator, Report };
  FormWindow& window(std::unique_ptr<FormWindow>& slot, const WindowLayout& design,
                     WindowRole role);
  MenuHandlers makeMenuHandlers();
  void goToDrawDown();
  void goToLoan();
  void closeCalculators();
  void unloadReportWindow();
  void quitWhenNothingShown();

  Dialogs& dialogs_;
  const Separators separators_;
  const MenuHandlers menuHandlers_;
  std::unique_ptr<FormWindow> loan_;
  std::unique_ptr<FormWindow> drawDown_;
  std::unique_ptr<FormWindow> report_;
};

}  // namespace sw::ui

#include "ui/report_window/report_window.h"

#include <QEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <stdexcept>
#include <string>

#include "ui/designs/window_designs.h"
#include "ui/widgets/window_placement.h"

namespace sw::ui {
namespace {

// Keeps a control covering its container exactly, with no margin and no
// minimum size.
class FillContainer final : public QObject {
 public:
  explicit FillContainer(QWidget& control) : QObject(&control), control_(control) {
    control.parentWidget()->installEventFilter(this);
    fit();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == control_.parentWidget() && event->type() == QEvent::Resize) fit();
    return false;
  }

 private:
  void fit() { control_.setGeometry(control_.parentWidget()->rect()); }

  QWidget& control_;
};

}  // namespace

void BindReportWindow(FormWindow& window) {
  // The client area gets its size from the window's layout.
  window.layout()->activate();
  new FillContainer(ReportTextBox(window));
  QObject::connect(&window, &FormWindow::loaded, &window, [&window] { PlaceAtLeftEdge(window); });
}

QPlainTextEdit& ReportTextBox(const FormWindow& window) {
  auto* box = qobject_cast<QPlainTextEdit*>(window.control(report_window::kText));
  if (box == nullptr) {
    throw std::logic_error(std::string(report_window::kText) + " is not a multi-line text box");
  }
  return *box;
}

}  // namespace sw::ui

#include "modal_guard.h"

#include <QApplication>
#include <QDialog>

namespace sw::ui::test {

namespace {
constexpr int kPollMilliseconds = 20;
}

ModalGuard::ModalGuard() {
  timer_.setInterval(kPollMilliseconds);
  QObject::connect(&timer_, &QTimer::timeout, [this] { closeModal(); });
  timer_.start();
}

void ModalGuard::closeModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  caught_.append(modal->windowTitle());
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

}  // namespace sw::ui::test

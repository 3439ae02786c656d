#include "ui/keyboard/enter_presses_button.h"

#include <QKeyEvent>
#include <QPushButton>

namespace sw::ui {
namespace {

class EnterPressesButton final : public QObject {
 public:
  explicit EnterPressesButton(QPushButton& button) : QObject(&button), button_(button) {
    button.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &button_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain) return false;
    button_.click();
    return true;
  }

 private:
  QPushButton& button_;
};

}  // namespace

void PressOnEnter(QPushButton& button) { new EnterPressesButton(button); }

}  // namespace sw::ui

#include "ui/keyboard/alt_letters.h"

#include <QKeyEvent>
#include <QWidget>

namespace sw::ui {
namespace {

// Access keys are matched as shortcuts before the key press is delivered, so
// a press that gets here with Alt held found no access key.
class IgnoreAltTyping final : public QObject {
 public:
  explicit IgnoreAltTyping(QWidget& box) : QObject(&box) { box.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers();
    return held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier) &&
           !key->text().isEmpty() && key->text().front().isPrint();
  }
};

}  // namespace

void TypeNothingOnAltKeys(QWidget& textBox) { new IgnoreAltTyping(textBox); }

}  // namespace sw::ui

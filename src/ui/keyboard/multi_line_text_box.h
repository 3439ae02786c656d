#pragma once

#include <QPlainTextEdit>

namespace sw::ui {

// A multi-line text box with both scroll bars and no line wrapping. Tab and
// Shift+Tab move the focus as in any other text box and never type a TAB,
// even when the box is its window's only tab stop.
class MultiLineTextBox final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MultiLineTextBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace sw::ui

#pragma once

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "ui/designs/window_layout.h"

namespace sw::ui {

// A top-level window built from its design (window_builder.h). Handlers
// reach its controls and menu entries by their design names.
class FormWindow : public QWidget {
  Q_OBJECT

 public:
  // Object name of the widget that holds the controls, below the menu bar.
  static constexpr char kClientAreaName[] = "clientArea";

  explicit FormWindow(WindowLayout design);

  const WindowLayout& design() const { return design_; }

  QWidget* clientArea() const;

  // The control or menu entry of that name; fails loudly on a name that the
  // design does not have, since that is a programming error.
  QWidget* control(const QString& name) const;
  QPushButton* button(const QString& name) const;
  QAction* menuEntry(const QString& name) const;

  // Text of a single-line or multi-line text box.
  QString text(const QString& name) const;
  void setText(const QString& name, const QString& text);

  // Shows the window, loading it first if it has never been shown: the
  // loaded() handlers run before it becomes visible, and the focus goes to
  // the first control of the tab order. A window shown again gets the focus
  // back where it was when the window was hidden.
  void showLoaded();

 signals:
  void loaded();
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  WindowLayout design_;
  bool loaded_ = false;
  QPointer<QWidget> focusWhenHidden_;
};

}  // namespace sw::ui

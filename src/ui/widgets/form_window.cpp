#include "ui/widgets/form_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFrame>
#include <QHideEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <stdexcept>

#include "ui/widgets/umbrella_icon.h"

namespace sw::ui {
namespace {

bool IsPlainFrameInFormWindow(const QObject* object) {
  const auto* frame = qobject_cast<const QFrame*>(object);
  return frame != nullptr && frame->metaObject() == &QFrame::staticMetaObject &&
         qobject_cast<const FormWindow*>(frame->window()) != nullptr;
}

// Assistive technology announces a top-level window as a window, named by its
// caption, where a plain widget would be announced as a filler; and a frame
// inside it as a group of controls, where a plain frame would be announced
// as one more window.
QAccessibleInterface* AccessibleLayoutPart(const QString& /*className*/, QObject* object) {
  if (auto* window = qobject_cast<FormWindow*>(object); window != nullptr && window->isWindow()) {
    return new QAccessibleWidget(window, QAccessible::Window);
  }
  if (IsPlainFrameInFormWindow(object)) {
    return new QAccessibleWidget(static_cast<QFrame*>(object), QAccessible::Grouping);
  }
  return nullptr;
}

}  // namespace

FormWindow::FormWindow(WindowLayout design) : design_(std::move(design)) {
  [[maybe_unused]] static const bool accessibleParts = [] {
    QAccessible::installFactory(AccessibleLayoutPart);
    return true;
  }();
  setObjectName(QString::fromStdString(design_.name));
}

QWidget* FormWindow::clientArea() const {
  return findChild<QWidget*>(kClientAreaName, Qt::FindDirectChildrenOnly);
}

QWidget* FormWindow::control(const QString& name) const {
  auto* found = clientArea()->findChild<QWidget*>(name);
  if (found == nullptr) {
    throw std::logic_error("no control " + name.toStdString() + " in " + design_.name);
  }
  return found;
}

QPushButton* FormWindow::button(const QString& name) const {
  auto* found = qobject_cast<QPushButton*>(control(name));
  if (found == nullptr) throw std::logic_error(name.toStdString() + " is not a button");
  return found;
}

QAction* FormWindow::menuEntry(const QString& name) const {
  const auto* bar = findChild<QMenuBar*>();
  auto* found = bar == nullptr ? nullptr : bar->findChild<QAction*>(name);
  if (found == nullptr) {
    throw std::logic_error("no menu entry " + name.toStdString() + " in " + design_.name);
  }
  return found;
}

QString FormWindow::text(const QString& name) const {
  QWidget* box = control(name);
  if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
  if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) return lines->toPlainText();
  throw std::logic_error(name.toStdString() + " is not a text box");
}

void FormWindow::setText(const QString& name, const QString& text) {
  QWidget* box = control(name);
  if (auto* line = qobject_cast<QLineEdit*>(box)) {
    line->setText(text);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
    lines->setPlainText(text);
  } else {
    throw std::logic_error(name.toStdString() + " is not a text box");
  }
}

void FormWindow::showLoaded() {
  if (!loaded_) {
    loaded_ = true;
    // Created first, so that the outer frame is known where the platform tells it.
    create();
    emit loaded();
    const auto stops = TabStops(design_);
    if (!stops.empty()) control(QString::fromStdString(stops.front()->name))->setFocus();
  }
  show();
  // Given once the window is on screen: the toolkit draws an icon given
  // before the window exists at each size twice, holding the window back.
  if (design_.icon == WindowIcon::Umbrella && !testAttribute(Qt::WA_SetWindowIcon)) {
    setWindowIcon(UmbrellaIcon());
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

// Hiding a window passes the focus on along the tab order before the window
// is shown again; remember it while the controls are still visible.
void FormWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) focusWhenHidden_ = focusWidget();
  QWidget::hideEvent(event);
}

void FormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous() && focusWhenHidden_ != nullptr) {
    focusWhenHidden_->setFocus(Qt::ActiveWindowFocusReason);
    focusWhenHidden_.clear();
  }
}

}  // namespace sw::ui

#include "ui/widgets/window_builder.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/designs/twips.h"
#include "ui/keyboard/alt_letters.h"
#include "ui/keyboard/enter_presses_button.h"
#include "ui/keyboard/multi_line_text_box.h"
#include "ui/widgets/to_qstring.h"
#include "ui/widgets/window_font.h"

namespace sw::ui {
namespace {

using Built = std::vector<std::pair<const ControlLayout*, QWidget*>>;

QColor ToColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void SetColours(QWidget* widget, const std::optional<Rgb>& background,
                const std::optional<Rgb>& foreground) {
  QPalette palette = widget->palette();
  if (background) {
    palette.setColor(QPalette::Window, ToColor(*background));
    widget->setAutoFillBackground(true);
  }
  if (foreground) palette.setColor(QPalette::WindowText, ToColor(*foreground));
  widget->setPalette(palette);
}

// Text boxes and buttons keep the platform's colours, whatever their
// container's colours are.
void KeepPlatformColours(QWidget* widget) {
  const QPalette platform = QApplication::palette(widget);
  QPalette palette = widget->palette();
  for (const auto role : {QPalette::Window, QPalette::WindowText}) {
    palette.setColor(role, platform.color(role));
  }
  widget->setPalette(palette);
}

QLabel* MakeLabel(const ControlLayout& design, QWidget* container) {
  auto* label = new QLabel(ToQString(design.caption), container);
  label->setTextFormat(Qt::PlainText);
  const Qt::Alignment horizontal =
      design.alignment == Alignment::Right ? Qt::AlignRight : Qt::AlignLeft;
  label->setAlignment(horizontal | Qt::AlignTop);
  SetColours(label, design.background, design.foreground);
  return label;
}

QWidget* MakeTextBox(const ControlLayout& design, QWidget* container) {
  QWidget* box = nullptr;
  if (design.multiLine) {
    box = new MultiLineTextBox(container);
  } else {
    auto* line = new QLineEdit(container);
    line->setMaxLength(std::numeric_limits<int>::max());
    box = line;
  }
  KeepPlatformColours(box);
  TypeNothingOnAltKeys(*box);
  return box;
}

QPushButton* MakeButton(const ControlLayout& design, QWidget* container) {
  auto* button = new QPushButton(ToQString(design.caption), container);
  // Neither default nor cancel button: Enter and Esc in a text box start
  // nothing. A focused button still answers Enter.
  button->setAutoDefault(false);
  button->setDefault(false);
  PressOnEnter(*button);
  KeepPlatformColours(button);
  return button;
}

// A plain outline without caption. The outline takes the frame's foreground
// colour, or the platform's colour for outlines when it has none.
QFrame* MakeFrame(const ControlLayout& design, QWidget* container) {
  auto* frame = new QFrame(container);
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setLineWidth(1);
  const Rgb outline = design.foreground.value_or([&] {
    const QColor mid = QApplication::palette(frame).color(QPalette::Mid);
    return Rgb{mid.red(), mid.green(), mid.blue()};
  }());
  SetColours(frame, design.background, outline);
  return frame;
}

QWidget* MakeControl(const ControlLayout& design, QWidget* container) {
  switch (design.kind) {
    case ControlKind::Label:
      return MakeLabel(design, container);
    case ControlKind::TextBox:
      return MakeTextBox(design, container);
    case ControlKind::CommandButton:
      return MakeButton(design, container);
    case ControlKind::Frame:
      return MakeFrame(design, container);
  }
  return nullptr;
}

QWidget* ContainerOf(const ControlLayout& design, QWidget* client) {
  if (design.container.empty()) return client;
  auto* frame = client->findChild<QFrame*>(ToQString(design.container));
  if (frame == nullptr) throw std::logic_error("no frame " + design.container);
  return frame;
}

Built BuildControls(const WindowLayout& window, QWidget* client, int dpi) {
  Built built;
  // Frames first, so that the controls inside them find their container.
  for (const bool frames : {true, false}) {
    for (const ControlLayout& design : window.controls) {
      if ((design.kind == ControlKind::Frame) != frames) continue;
      QWidget* widget = MakeControl(design, ContainerOf(design, client));
      if (widget == nullptr) continue;
      widget->setObjectName(ToQString(design.name));
      widget->setAccessibleName(
          ToQString(design.accessibleName.empty() ? design.caption : design.accessibleName));
      widget->setGeometry(ToPixels(design.rect, dpi));
      widget->setFocusPolicy(TakesFocus(design) ? Qt::StrongFocus : Qt::NoFocus);
      built.emplace_back(&design, widget);
    }
  }
  return built;
}

// Among text boxes, buttons and frames the one earlier in the design lies
// above; labels are painted on their container's surface, below all of them.
void ApplyStacking(const WindowLayout& window, const Built& built) {
  auto widgetOf = [&](const ControlLayout& design) -> QWidget* {
    for (const auto& [layout, widget] : built) {
      if (layout == &design) return widget;
    }
    return nullptr;
  };
  for (auto it = window.controls.rbegin(); it != window.controls.rend(); ++it) {
    QWidget* widget = widgetOf(*it);
    if (widget != nullptr && it->kind != ControlKind::Label) widget->raise();
  }
  for (const ControlLayout& design : window.controls) {
    QWidget* widget = widgetOf(design);
    if (widget != nullptr && design.kind == ControlKind::Label) widget->lower();
  }
}

void ApplyTabOrder(const WindowLayout& window, QWidget* client) {
  QWidget* previous = nullptr;
  for (const ControlLayout* stop : TabStops(window)) {
    QWidget* current = client->findChild<QWidget*>(ToQString(stop->name));
    if (previous != nullptr) QWidget::setTabOrder(previous, current);
    previous = current;
  }
}

void AddMenuEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    if (!entry.children.empty()) {
      QMenu* submenu = menu->addMenu(ToQString(entry.caption));
      submenu->setObjectName(ToQString(entry.name));
      AddMenuEntries(submenu, entry.children);
      continue;
    }
    QAction* action = entry.caption == kSeparatorCaption
                          ? menu->addSeparator()
                          : menu->addAction(ToQString(entry.caption));
    action->setObjectName(ToQString(entry.name));
  }
}

QMenuBar* BuildMenuBar(const std::vector<MenuEntry>& menus, QWidget* window) {
  auto* bar = new QMenuBar(window);
  bar->setNativeMenuBar(false);
  for (const MenuEntry& heading : menus) {
    QMenu* menu = bar->addMenu(ToQString(heading.caption));
    menu->setObjectName(ToQString(heading.name));
    AddMenuEntries(menu, heading.children);
  }
  return bar;
}

// The height the layout gives the menu bar over a client of that width: its
// height for the width where it has one (Windows' style), else its hint.
int MenuBarHeight(const QMenuBar* bar, int width) {
  if (bar == nullptr) return 0;
  const int forWidth = bar->heightForWidth(std::max(width, bar->minimumWidth()));
  return forWidth < 0 ? bar->sizeHint().height() : forWidth;
}

void ApplyBorder(const WindowLayout& design, FormWindow& window, QVBoxLayout& layout,
                 QWidget& client, const QMenuBar* bar, int dpi) {
  const QSize clientSize(ToPixels(design.clientWidth, dpi), ToPixels(design.clientHeight, dpi));
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (design.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
  if (design.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  window.setWindowFlags(flags);
  if (design.border == Border::FixedSingle) {
    client.setFixedSize(clientSize);
    layout.setSizeConstraint(QLayout::SetFixedSize);
  } else {
    window.resize(clientSize.width(), clientSize.height() + MenuBarHeight(bar, clientSize.width()));
  }
}

}  // namespace

std::unique_ptr<FormWindow> BuildWindow(const WindowLayout& design) {
  auto window = std::make_unique<FormWindow>(design);
  window->setWindowTitle(ToQString(design.caption));

  auto* layout = new QVBoxLayout(window.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  QMenuBar* bar = nullptr;
  if (!design.menuBar.empty()) {
    bar = BuildMenuBar(design.menuBar, window.get());
    layout->setMenuBar(bar);
  }

  auto* client = new QWidget(window.get());
  client->setObjectName(FormWindow::kClientAreaName);
  client->setFont(MakeFont(design.font, client->devicePixelRatio()));
  SetColours(client, design.background, design.foreground);
  layout->addWidget(client);

  // The resolution that the client's font is sized at.
  const int dpi = client->logicalDpiY();
  const Built built = BuildControls(design, client, dpi);
  ApplyStacking(design, built);
  ApplyTabOrder(design, client);
  ApplyBorder(design, *window, *layout, *client, bar, dpi);
  return window;
}

}  // namespace sw::ui

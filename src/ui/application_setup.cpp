#include "ui/application_setup.h"

#include <QApplication>
#include <QFontInfo>
#include <QTimer>

#include "product.h"
#include "ui/deferred_icon_style.h"
#include "ui/widgets/umbrella_icon.h"
#include "ui/widgets/window_font.h"

namespace sw::ui {

void ConfigureApplication() {
  // Lets desktop shells match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(product::kAppId));
  // The program ends when the user has closed every window on screen, not
  // when the last visible window happens to be hidden by a switch.
  QApplication::setQuitOnLastWindowClosed(false);
  // Menus and message boxes are drawn in the default face. Where the font
  // configuration resolves that face to a monospace one (as it does on a
  // machine whose only fonts are the Liberation faces), the stand-in face
  // takes its place; a proportional default is left as the desktop chose it.
  if (QFont font = QApplication::font(); QFontInfo(font).fixedPitch()) {
    font.setFamilies({kSubstituteFace});
    QApplication::setFont(font);
  }
  // Menus stay in their windows on every desktop. Said for the whole
  // program, this also keeps Qt from asking the session bus for a
  // desktop-wide menu bar, connecting to it before the first window is
  // shown, only for each window to decline that menu bar.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  if (qobject_cast<DeferredIconStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
  }
  // Given once events are handled, after the first window is on screen, as
  // that window's own icon is.
  QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(UmbrellaIcon()); });
}

}  // namespace sw::ui

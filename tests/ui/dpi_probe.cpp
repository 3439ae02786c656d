// Shows each window as built at the screen's resolution and prints, per
// window, its name, its width in the screen's own pixels, and the names of
// any controls whose caption is cut: "frmAPIN 558" or "frmAPIN 446 cmdApin".
#include <QApplication>
#include <QTest>
#include <iostream>

#include "cut_captions.h"
#include "ui/designs/window_designs.h"
#include "ui/widgets/window_builder.h"

using namespace sw::ui;

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  for (const WindowLayout* design :
       {&LoanWindowDesign(), &DrawDownWindowDesign(), &ReportWindowDesign()}) {
    auto window = BuildWindow(*design);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return 1;
    const QStringList line =
        QStringList{QString::fromStdString(design->name),
                    QString::number(qRound(window->width() * window->devicePixelRatio()))} +
        test::CutCaptions(*window->clientArea());
    std::cout << line.join(' ').toStdString() << '\n';
  }
  return 0;
}

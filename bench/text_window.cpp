// The least a Qt program does to put a window with text on the screen: the
// minimal window of the given size ("WIDTHxHEIGHT") with a menu bar of one
// menu and one line of text, in the toolkit's default font. startup_benchmark
// measures the calculator against it as well, to tell the toolkit's own cost
// of menus and text from the calculator's.

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
  int width = 400;
  int height = 300;
  if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) return 2;
  QApplication application(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* menuBar = new QMenuBar(&window);
  menuBar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  layout->setMenuBar(menuBar);
  layout->addWidget(new QLabel(QStringLiteral("Principal")));
  window.resize(width, height);
  window.show();
  return application.exec();
}

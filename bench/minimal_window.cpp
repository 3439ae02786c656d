// The least a Qt program does to put a window on the screen: an empty
// widget of the given size ("WIDTHxHEIGHT"), shown. startup_benchmark
// measures the calculator against it.

#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
  int width = 400;
  int height = 300;
  if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) return 2;
  QApplication application(argc, argv);
  QWidget window;
  window.resize(width, height);
  window.show();
  return application.exec();
}

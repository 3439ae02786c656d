// Writes the application's umbrella icon, drawn by the same code as the
// window icon, as a PNG file of the given size for the icon theme.
#include <QGuiApplication>
#include <QPixmap>
#include <cstdlib>
#include <iostream>

#include "app/runtime_directory.h"
#include "ui/umbrella_icon.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: sumwright-icon-export SIZE FILE.png\n";
    return EXIT_FAILURE;
  }
  const int size = std::atoi(argv[1]);
  if (size <= 0) {
    std::cerr << "sumwright-icon-export: size must be a positive number of pixels\n";
    return EXIT_FAILURE;
  }
  // Nothing is shown, so no display and no session are needed at build time.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const sw::app::RuntimeDirectory runtime;
  QGuiApplication application(argc, argv);
  if (!sw::ui::DrawUmbrella(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::cerr << "sumwright-icon-export: cannot write " << argv[2] << '\n';
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

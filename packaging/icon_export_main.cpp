// Writes the application's umbrella icon, drawn by the same code as the
// window icon, for the icon theme: as a PNG file of the given size, or with
// "scalable" as an SVG file.
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/runtime_directory.h"
#include "ui/windows/umbrella_icon.h"

namespace {

bool WriteSvg(const char* fileName) {
  QFile file(QString::fromLocal8Bit(fileName));
  const QByteArray svg = sw::ui::UmbrellaSvg();
  return file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: sumwright-icon-export SIZE|scalable FILE\n";
    return EXIT_FAILURE;
  }
  const bool scalable = std::strcmp(argv[1], "scalable") == 0;
  const int size = std::atoi(argv[1]);
  if (!scalable && size <= 0) {
    std::cerr << "sumwright-icon-export: size must be a positive number of pixels or scalable\n";
    return EXIT_FAILURE;
  }
  // Nothing is shown, so no display and no session are needed at build time.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const sw::app::RuntimeDirectory runtime;
  QGuiApplication application(argc, argv);
  const bool written = scalable ? WriteSvg(argv[2])
                                : sw::ui::DrawUmbrella(size).save(QString::fromLocal8Bit(argv[2]), "PNG");
  if (!written) {
    std::cerr << "sumwright-icon-export: cannot write " << argv[2] << '\n';
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

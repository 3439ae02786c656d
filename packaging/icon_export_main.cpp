// Writes the application's umbrella icon, drawn by the same code as the
// window icon: as a PNG file of the given size, with "scalable" as an SVG
// file for the icon theme, or with "ico" as a Windows icon of the sizes
// Explorer and the task bar take.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "ui/widgets/umbrella_icon.h"

namespace {

QByteArray Png(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

template <typename Number>
void Put(QByteArray& bytes, Number value) {
  const Number little = qToLittleEndian(value);
  bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An icon file whose images are PNG files, as Windows takes them since Vista:
// a header, one directory entry per image, then the images.
QByteArray Ico() {
  constexpr int kSizes[] = {16, 24, 32, 48, 64, 256};
  constexpr quint32 kHeaderBytes = 6;
  constexpr quint32 kEntryBytes = 16;
  QByteArray header;
  QByteArray images;
  Put<quint16>(header, 0);
  Put<quint16>(header, 1);
  Put<quint16>(header, std::size(kSizes));
  quint32 offset = kHeaderBytes + kEntryBytes * std::size(kSizes);
  for (const int size : kSizes) {
    const QByteArray png = Png(sw::ui::DrawUmbrella(size));
    const auto side = static_cast<quint8>(size % 256);  // 0 stands for 256
    Put<quint8>(header, side);
    Put<quint8>(header, side);
    Put<quint16>(header, 0);   // no palette, reserved
    Put<quint16>(header, 1);   // colour planes
    Put<quint16>(header, 32);  // bits per pixel
    Put<quint32>(header, static_cast<quint32>(png.size()));
    Put<quint32>(header, offset);
    offset += static_cast<quint32>(png.size());
    images += png;
  }
  return header + images;
}

bool Write(const char* fileName, const QByteArray& bytes) {
  QFile file(QString::fromLocal8Bit(fileName));
  return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

// Draws without a QGuiApplication, so no display is needed at build time.
int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: sumwright-icon-export SIZE|scalable|ico FILE\n";
    return EXIT_FAILURE;
  }
  const int size = std::atoi(argv[1]);
  QByteArray bytes;
  if (std::strcmp(argv[1], "scalable") == 0) {
    bytes = sw::ui::UmbrellaSvg();
  } else if (std::strcmp(argv[1], "ico") == 0) {
    bytes = Ico();
  } else if (size > 0) {
    bytes = Png(sw::ui::DrawUmbrella(size));
  } else {
    std::cerr << "sumwright-icon-export: size must be a positive number of pixels, scalable "
                 "or ico\n";
    return EXIT_FAILURE;
  }
  if (!Write(argv[2], bytes)) {
    std::cerr << "sumwright-icon-export: cannot write " << argv[2] << '\n';
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

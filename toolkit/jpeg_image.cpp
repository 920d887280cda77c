#include "jpeg_image.h"

#include <QFile>
#include <csetjmp>

#include <jpeglib.h>

namespace {

// libjpeg hands its callbacks only the address of the manager, so the manager
// comes first and the jump buffer rides behind it.
struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

// Plain C structures only: longjmp skips destructors.
struct Decoder {
  jpeg_decompress_struct info;
  ErrorTrap trap;
};

// libjpeg's own handler ends the process.
[[noreturn]] void jumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

// A warning means libjpeg is about to patch over damaged or missing data;
// a half-grey picture is worse than none.
void refuseWarnings(j_common_ptr info, int level) {
  if (level < 0) jumpBack(info);
}

void stayQuiet(j_common_ptr) {}

// The steps that may fail each keep their setjmp in a frame of their own that
// holds nothing with a destructor, so a longjmp leaves no C++ object half-done.
bool readHeader(Decoder& decoder, const QByteArray& bytes) {
  if (setjmp(decoder.trap.jump)) return false;
  jpeg_create_decompress(&decoder.info);
  jpeg_mem_src(&decoder.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&decoder.info, TRUE);
  switch (decoder.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
      decoder.info.out_color_space = JCS_RGB;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      decoder.info.out_color_space = JCS_CMYK;
      break;
    default:
      return false;
  }
  jpeg_calc_output_dimensions(&decoder.info);
  return true;
}

bool readRows(Decoder& decoder, uchar* bits, qsizetype bytesPerLine) {
  if (setjmp(decoder.trap.jump)) return false;
  jpeg_start_decompress(&decoder.info);
  while (decoder.info.output_scanline < decoder.info.output_height) {
    JSAMPROW row = bits + decoder.info.output_scanline * bytesPerLine;
    jpeg_read_scanlines(&decoder.info, &row, 1);
  }
  jpeg_finish_decompress(&decoder.info);
  return true;
}

// Photoshop, the usual source of CMYK JPEGs, stores the inks inverted and
// says so with its Adobe marker.
void cmykToRgb(QImage& image, bool inverted) {
  for (int y = 0; y < image.height(); ++y) {
    auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x, ++pixel) {
      const auto* ink = reinterpret_cast<const uchar*>(pixel);
      // What is left of the paper's white under each ink.
      auto paper = [&](int i) { return inverted ? ink[i] : 255 - ink[i]; };
      int k = paper(3);
      *pixel = qRgb(paper(0) * k / 255, paper(1) * k / 255, paper(2) * k / 255);
    }
  }
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes) {
  Decoder decoder{};
  decoder.info.err = jpeg_std_error(&decoder.trap.manager);
  decoder.trap.manager.error_exit = jumpBack;
  decoder.trap.manager.emit_message = refuseWarnings;
  decoder.trap.manager.output_message = stayQuiet;

  QImage image;
  if (readHeader(decoder, bytes)) {
    bool cmyk = decoder.info.out_color_space == JCS_CMYK;
    // A CMYK pixel takes four bytes, as an RGB32 one does, so CMYK rows are
    // read straight into the image and converted in place.
    image = QImage(static_cast<int>(decoder.info.output_width),
                   static_cast<int>(decoder.info.output_height),
                   cmyk ? QImage::Format_RGB32 : QImage::Format_RGB888);
    if (!image.isNull() && readRows(decoder, image.bits(), image.bytesPerLine())) {
      if (cmyk) cmykToRgb(image, decoder.info.saw_Adobe_marker);
    } else {
      image = QImage();
    }
  }
  jpeg_destroy_decompress(&decoder.info);
  return image;
}

QImage jpegResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QImage();
  return decodeJpeg(file.readAll());
}

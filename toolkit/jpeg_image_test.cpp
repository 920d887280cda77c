#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <cstdlib>
#include <random>
#include <vector>

#include <jpeglib.h>

#include "jpeg_image.h"

namespace {

// Compresses a picture whose left half is one colour and right half
// another, the way any other program writing JPEG would, so that swapped
// channels, a mirrored picture and a wrong row stride show as a wrong pixel.
QByteArray encode(int width, int height, std::vector<unsigned char> left, std::vector<unsigned char> right) {
  std::vector<unsigned char> pixels;
  for (int x = 0; x < width * height; ++x) {
    const auto& ink = x % width < width / 2 ? left : right;
    pixels.insert(pixels.end(), ink.begin(), ink.end());
  }
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto row = const_cast<JSAMPROW>(pixels.data() + info.next_scanline * width * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  std::free(buffer);
  return bytes;
}

void expectColour(const QImage& image, int x, int y, QRgb expected) {
  QRgb seen = image.pixel(x, y);
  EXPECT_NEAR(qRed(seen), qRed(expected), 4) << "red at " << x << "," << y;
  EXPECT_NEAR(qGreen(seen), qGreen(expected), 4) << "green at " << x << "," << y;
  EXPECT_NEAR(qBlue(seen), qBlue(expected), 4) << "blue at " << x << "," << y;
}

TEST(ProgramPictures, DecodeAtTheirSizeAndToolBarPicturesSitOnTheToolBarGrey) {
  const struct {
    const char* path;
    int width, height;
  } pictures[] = {
      {":/pictures/splash.jpg", 300, 200},       {":/pictures/help.jpg", 225, 150},
      {":/pictures/about.jpg", 129, 121},        {":/pictures/tb0_new.jpg", 16, 16},
      {":/pictures/tb1_open.jpg", 16, 16},       {":/pictures/tb2_save.jpg", 16, 16},
      {":/pictures/tb3_step.jpg", 16, 16},       {":/pictures/tb4_all.jpg", 16, 16},
      {":/pictures/tb5_dictionary.jpg", 16, 16}, {":/pictures/tb6_to_czech.jpg", 16, 16},
      {":/pictures/tb7_to_tarvik.jpg", 16, 16},
  };
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.path);
    QImage image = jpegResource(picture.path);
    ASSERT_EQ(image.size(), QSize(picture.width, picture.height));
    // JPEG has no transparency: a tool-bar picture blends in by its background.
    if (picture.width == 16) expectColour(image, 0, 0, qRgb(212, 208, 200));
  }
  EXPECT_TRUE(jpegResource(":/pictures/no_such_picture.jpg").isNull());
}

// Each must come back as a null image instead of libjpeg ending the process
// or painting grey over what is missing.
TEST(DamagedJpeg, GivesANullImage) {
  QFile file(":/pictures/splash.jpg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray whole = file.readAll();
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(red.save(&buffer, "PNG"));
  // Only the end-of-image marker missing: every pixel is there, yet the file is damaged.
  for (const QByteArray& bytes : {QByteArray(), whole.left(2), whole.left(whole.size() / 2),
                                  whole.left(whole.size() - 2), png})
    EXPECT_TRUE(decodeJpeg(bytes).isNull()) << bytes.size() << " bytes";

  std::mt19937 random(20240601);
  for (int trial = 0; trial < 20; ++trial) {
    QByteArray noise(1000 + trial * 97, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    EXPECT_TRUE(decodeJpeg(noise).isNull()) << "trial " << trial;
    noise[0] = '\xFF';  // past libjpeg's first check
    noise[1] = '\xD8';
    EXPECT_TRUE(decodeJpeg(noise).isNull()) << "trial " << trial << " with marker";
  }
}

// An odd width gives rows that are not a multiple of four bytes long.
TEST(DecodeJpeg, KeepsColoursAndTheirPlaces) {
  const int width = 13, height = 7;
  QImage image = decodeJpeg(encode(width, height, {200, 40, 90}, {20, 60, 230}));
  ASSERT_EQ(image.size(), QSize(width, height));
  expectColour(image, 1, 1, qRgb(200, 40, 90));
  expectColour(image, 1, height - 1, qRgb(200, 40, 90));
  expectColour(image, width - 2, 1, qRgb(20, 60, 230));
  expectColour(image, width - 1, height - 1, qRgb(20, 60, 230));
}

}  // namespace

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

// Compresses `components` bytes a pixel, row after row, the way any other
// program writing JPEG would.
QByteArray encode(const std::vector<unsigned char>& pixels, int width, int height, J_COLOR_SPACE space,
                  int components) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto row = const_cast<JSAMPROW>(pixels.data() + info.next_scanline * width * components);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  std::free(buffer);
  return bytes;
}

// Left part one colour, right part another, so that swapped channels, a
// mirrored picture and a wrong row stride all show up as a wrong pixel.
std::vector<unsigned char> split(int width, int height, std::vector<unsigned char> left,
                                 std::vector<unsigned char> right) {
  std::vector<unsigned char> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto& ink = x < width / 2 ? left : right;
      pixels.insert(pixels.end(), ink.begin(), ink.end());
    }
  return pixels;
}

void expectColour(const QImage& image, int x, int y, QRgb expected) {
  QRgb seen = image.pixel(x, y);
  EXPECT_NEAR(qRed(seen), qRed(expected), 4) << "red at " << x << "," << y;
  EXPECT_NEAR(qGreen(seen), qGreen(expected), 4) << "green at " << x << "," << y;
  EXPECT_NEAR(qBlue(seen), qBlue(expected), 4) << "blue at " << x << "," << y;
}

QByteArray resourceBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Picture {
  const char* path;
  int width;
  int height;
};

const Picture kPictures[] = {
    {":/pictures/splash.jpg", 300, 200},        {":/pictures/help.jpg", 225, 150},
    {":/pictures/about.jpg", 129, 121},         {":/pictures/tb0_new.jpg", 16, 16},
    {":/pictures/tb1_open.jpg", 16, 16},        {":/pictures/tb2_save.jpg", 16, 16},
    {":/pictures/tb3_step.jpg", 16, 16},        {":/pictures/tb4_all.jpg", 16, 16},
    {":/pictures/tb5_dictionary.jpg", 16, 16},  {":/pictures/tb6_to_czech.jpg", 16, 16},
    {":/pictures/tb7_to_tarvik.jpg", 16, 16},
};

TEST(ProgramPictures, EachDecodesAtItsSize) {
  for (const Picture& picture : kPictures) {
    QImage image = jpegResource(picture.path);
    ASSERT_FALSE(image.isNull()) << picture.path;
    EXPECT_EQ(image.width(), picture.width) << picture.path;
    EXPECT_EQ(image.height(), picture.height) << picture.path;
  }
}

// JPEG has no transparency: a tool-bar picture blends in only where its
// background is the tool bar's own grey.
TEST(ProgramPictures, ToolBarPicturesSitOnTheToolBarGrey) {
  for (const Picture& picture : kPictures) {
    if (picture.width != 16) continue;
    QImage image = jpegResource(picture.path);
    ASSERT_FALSE(image.isNull()) << picture.path;
    SCOPED_TRACE(picture.path);
    expectColour(image, 0, 0, qRgb(212, 208, 200));
  }
}

TEST(ProgramPictures, MissingResourceGivesNullImage) {
  EXPECT_TRUE(jpegResource(":/pictures/no_such_picture.jpg").isNull());
}

// Tests of the error paths: each must come back with a null image instead of
// libjpeg ending the process or painting grey over what is missing.

TEST(DamagedJpeg, EmptyInputGivesNullImage) { EXPECT_TRUE(decodeJpeg(QByteArray()).isNull()); }

TEST(DamagedJpeg, TruncatedPictureGivesNullImage) {
  QByteArray whole = resourceBytes(":/pictures/splash.jpg");
  ASSERT_FALSE(whole.isEmpty());
  EXPECT_TRUE(decodeJpeg(whole.left(whole.size() / 2)).isNull());
  // Only the end-of-image marker missing: every pixel is there, yet libjpeg
  // still warns, and a file cut there is damaged all the same.
  EXPECT_TRUE(decodeJpeg(whole.left(whole.size() - 2)).isNull());
  EXPECT_TRUE(decodeJpeg(whole.left(2)).isNull());
}

TEST(DamagedJpeg, RandomBytesGiveNullImage) {
  std::mt19937 random(20240601);
  for (int trial = 0; trial < 20; ++trial) {
    QByteArray noise(1000 + trial * 97, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    EXPECT_TRUE(decodeJpeg(noise).isNull()) << "trial " << trial;
    // Noise behind a start-of-image marker gets past libjpeg's first check.
    noise[0] = '\xFF';
    noise[1] = '\xD8';
    EXPECT_TRUE(decodeJpeg(noise).isNull()) << "trial " << trial << " with marker";
  }
}

TEST(DamagedJpeg, OtherFormatGivesNullImage) {
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(red.save(&buffer, "PNG"));
  EXPECT_TRUE(decodeJpeg(png).isNull());
}

TEST(DecodeJpeg, KeepsColoursAndTheirPlaces) {
  // An odd width gives rows that are not a multiple of four bytes long.
  const int width = 13, height = 7;
  QByteArray jpeg = encode(split(width, height, {200, 40, 90}, {20, 60, 230}), width, height, JCS_RGB, 3);
  QImage image = decodeJpeg(jpeg);
  ASSERT_EQ(image.size(), QSize(width, height));
  expectColour(image, 1, 1, qRgb(200, 40, 90));
  expectColour(image, 1, height - 1, qRgb(200, 40, 90));
  expectColour(image, width - 2, 1, qRgb(20, 60, 230));
  expectColour(image, width - 1, height - 1, qRgb(20, 60, 230));
}

TEST(DecodeJpeg, GreyPictureComesOutGrey) {
  const int width = 10, height = 9;
  QByteArray jpeg = encode(split(width, height, {30}, {220}), width, height, JCS_GRAYSCALE, 1);
  QImage image = decodeJpeg(jpeg);
  ASSERT_EQ(image.size(), QSize(width, height));
  expectColour(image, 0, 0, qRgb(30, 30, 30));
  expectColour(image, width - 1, height - 1, qRgb(220, 220, 220));
}

// libjpeg writes CMYK with an Adobe marker and the inks inverted, as Photoshop
// does: 255 means no ink.
TEST(DecodeJpeg, AdobeCmykComesOutAsRgb) {
  const int width = 12, height = 6;
  std::vector<unsigned char> red = {255, 0, 0, 255}, cyan = {0, 255, 255, 255};
  QByteArray jpeg = encode(split(width, height, red, cyan), width, height, JCS_CMYK, 4);
  QImage image = decodeJpeg(jpeg);
  ASSERT_EQ(image.size(), QSize(width, height));
  expectColour(image, 0, 0, qRgb(255, 0, 0));
  expectColour(image, width - 1, height - 1, qRgb(0, 255, 255));
}

}  // namespace

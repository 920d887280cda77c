#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>

#include "jpeg_image.h"

namespace {

QByteArray encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format, 100));
  return bytes;
}

void expectColour(const QImage& image, int x, int y, QRgb expected) {
  for (int shift : {16, 8, 0})
    EXPECT_NEAR(image.pixel(x, y) >> shift & 0xFF, expected >> shift & 0xFF, 4) << x << "," << y << ">>" << shift;
}

// JPEG has no transparency: a tool-bar picture blends in by its background.
TEST(Jpeg, ProgramPicturesDecodeAtTheirSizeAndToolBarOnesOnTheToolBarGrey) {
  for (auto [name, size] : {std::pair("splash", QSize(300, 200)), {"help", {225, 150}}, {"about", {129, 121}}})
    EXPECT_EQ(jpegResource(QString(":/pictures/%1.jpg").arg(name)).size(), size) << name;
  for (const char* name : {"tb0_new", "tb1_open", "tb2_save", "tb3_step", "tb4_all", "tb5_dictionary",
                           "tb6_to_czech", "tb7_to_tarvik"}) {
    const QImage image = jpegResource(QString(":/pictures/%1.jpg").arg(name));
    EXPECT_EQ(image.size(), QSize(16, 16)) << name;
    expectColour(image, 0, 0, qRgb(212, 208, 200));
  }
  EXPECT_TRUE(jpegResource(":/pictures/no_such_picture.jpg").isNull());
}

// Damage gives a null image instead of libjpeg ending the process or
// painting grey over what is missing. An odd width gives rows that are not a
// multiple of four bytes long.
TEST(Jpeg, DamageGivesANullImageAndColoursKeepTheirPlaces) {
  QImage twoInks(13, 7, QImage::Format_RGB32);
  twoInks.fill(qRgb(20, 60, 230));
  for (int y = 0; y < 7; ++y) std::fill_n(reinterpret_cast<QRgb*>(twoInks.scanLine(y)), 6, qRgb(200, 40, 90));
  const QImage image = decodeJpeg(encode(twoInks, "JPG"));
  ASSERT_EQ(image.size(), twoInks.size());
  for (QPoint at : {QPoint(1, 1), QPoint(1, 6), QPoint(11, 1), QPoint(12, 6)})
    expectColour(image, at.x(), at.y(), twoInks.pixel(at));

  QFile file(":/pictures/splash.jpg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray whole = file.readAll();
  // Only the end-of-image marker missing: every pixel is there, yet the file is damaged.
  for (const QByteArray& bytes : {QByteArray(), whole.left(2), whole.left(whole.size() / 2),
                                  whole.left(whole.size() - 2), "\xFF\xD8" + whole.mid(400), encode(twoInks, "PNG")})
    EXPECT_TRUE(decodeJpeg(bytes).isNull()) << bytes.size() << " bytes";
}

}  // namespace

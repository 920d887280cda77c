#pragma once

// The program's pictures are JPEG files compiled in as Qt resources. They are
// decoded here with libjpeg, never through Qt's image plugins, so that a
// machine without those plugins still shows them.

#include <QByteArray>
#include <QImage>
#include <QString>

// Colour (RGB, YCbCr), grey and CMYK JPEGs decode to an RGB image. Anything
// else, or data that libjpeg finds damaged in any way, even a cut-off end it
// could paint over with grey, gives a null image.
QImage decodeJpeg(const QByteArray& bytes);

// A resource path such as ":/pictures/splash.jpg"; a null image when the
// resource is missing or does not decode.
QImage jpegResource(const QString& path);

#include "qt_text.h"

#include "cp1250.h"

QString toQt(std::string_view cp1250) {
  QString text;
  text.reserve(static_cast<qsizetype>(cp1250.size()));
  // Every character of the code page lies in the Basic Multilingual Plane, so
  // each byte is one UTF-16 unit.
  for (char byte : cp1250)
    text += QChar(static_cast<char16_t>(cp1250ToUnicode(static_cast<unsigned char>(byte))));
  return text;
}

std::string fromQt(const QString& typed) {
  // A letter may come decomposed ("z" and a combining caron), as some
  // programs and file systems write it; the code page has only the composed one.
  const QString text = typed.normalized(QString::NormalizationForm_C);
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar unit = text[i];
    // A character outside the plane arrives as two units; it must still be
    // one "?", or offsets after it would drift from what the user sees.
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      bytes += '?';
      ++i;
      continue;
    }
    std::optional<unsigned char> byte = unit.isSurrogate() ? std::nullopt : unicodeToCp1250(unit.unicode());
    bytes += byte ? static_cast<char>(*byte) : '?';
  }
  return bytes;
}

#pragma once

// The one crossing between the program's Windows-1250 bytes and Qt's Unicode.

#include <QString>
#include <string>
#include <string_view>

QString toQt(std::string_view cp1250);
// Composed first (NFC), so that "z" and a combining caron are "ž"; a
// character Windows-1250 cannot hold (typed or pasted by the user) becomes "?".
std::string fromQt(const QString& text);

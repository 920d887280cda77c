#include "boundary.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <unistd.h>

#include "cp1250.h"
#include "io_error.h"
#include "posix_file.h"

namespace {

bool isAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Well-formed UTF-8 in, NFC out. Without ICU's data the text stays as it
// came, which only refuses what composing would have saved.
std::string composed(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return std::string(utf8);
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
  icu::UnicodeString result = nfc->normalize(text, status);
  if (U_FAILURE(status)) return std::string(utf8);
  std::string out;
  return result.toUTF8String(out);
}

ConvertedText convert(std::string_view text, Encoding encoding, std::string_view where, bool keeping) {
  if (encoding == Encoding::kCp1250) return {std::string(text), {}};
  if (text.size() > INT32_MAX) throw MalformedText(std::string(where) + ": too long to read");
  const bool composable = !isAscii(text) && isWellFormedUtf8(text);
  ConvertedText converted;
  Utf8Decoded decoded = utf8ToCp1250(composable ? composed(text) : text, keeping ? &converted.standIns : nullptr);
  if (decoded.malformed) throw MalformedText(std::string(where) + ": " + decoded.error);
  if (!decoded.ok) throw UsageError(std::string(where) + ": " + decoded.error + ", so no headword can hold it");
  converted.bytes = std::move(decoded.bytes);
  return converted;
}

}  // namespace

std::string toWindows1250(std::string_view text, Encoding encoding, std::string_view where) {
  return convert(text, encoding, where, false).bytes;
}

ConvertedText toWindows1250Keeping(std::string_view text, Encoding encoding, std::string_view where) {
  return convert(text, encoding, where, true);
}

std::string fromWindows1250(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::kCp1250) return std::string(bytes);
  return cp1250ToUtf8(bytes);
}

std::string readStandardInput() {
  return readToEnd(STDIN_FILENO, "standard input");
}

namespace {

void writeTo(std::FILE* stream, std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fputc('\n', stream);
}

// Messages may quote a file name, which the system hands over as it is; when
// that is not UTF-8 it goes out unchanged rather than not at all.
std::string messageBytes(std::string_view utf8, Encoding encoding) {
  if (encoding == Encoding::kUtf8) return std::string(utf8);
  Utf8Decoded decoded = utf8ToCp1250(utf8);
  return decoded.ok ? decoded.bytes : std::string(utf8);
}

}  // namespace

void printLine(std::string_view bytes, Encoding encoding) {
  writeTo(stdout, fromWindows1250(bytes, encoding));
}

// Byte 26 is the same byte in UTF-8. One a damaged dictionary brought in
// beyond the stand-ins stays as it is.
void printLine(std::string_view bytes, Encoding encoding, const std::vector<std::string>& standIns,
               std::size_t& next) {
  std::string text = fromWindows1250(bytes, encoding), out;
  for (char c : text) {
    if (c == kStandIn && next < standIns.size()) out += standIns[next++];
    else out += c;
  }
  writeTo(stdout, out);
}

void printMessage(std::string_view utf8, Encoding encoding) {
  writeTo(stderr, messageBytes(utf8, encoding));
}

void reportError(std::string_view utf8, Encoding encoding) {
  printMessage("tarvik: " + std::string(utf8), encoding);
}

void finishOutput() {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return;
  throwIoError(errno != 0 ? errno : EIO, "standard output");
}

#include "boundary.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include "cp1250.h"
#include "exit_codes.h"
#include "io_error.h"
#include "posix_file.h"

std::string toWindows1250(std::string_view text, Encoding encoding, std::string_view where) {
  if (encoding == Encoding::kCp1250) return std::string(text);
  Utf8Decoded decoded = utf8ToCp1250(text);
  if (!decoded.ok) throw UsageError(std::string(where) + ": " + decoded.error);
  return decoded.bytes;
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

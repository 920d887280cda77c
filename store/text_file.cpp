#include "text_file.h"

#include <cerrno>
#include <fcntl.h>

#include "io_error.h"
#include "posix_file.h"

std::vector<std::string> splitTextLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool pending = false;
  for (char c : bytes) {
    if (c == '\x1A') break;
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      pending = false;
    } else {
      if (c != '\r') line += c;
      pending = true;
    }
  }
  if (pending) lines.push_back(std::move(line));
  return lines;
}

std::string joinTextLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

std::string readWholeFile(const std::string& path) {
  FileHandle file = openFile(path, O_RDONLY);
  if (!file.isOpen()) throwIoError(errno, path);
  return readToEnd(file.get(), path);
}

std::vector<std::string> readTextFile(const std::string& path) {
  return splitTextLines(readWholeFile(path));
}

namespace {

mode_t modeForNewFile(const std::string& path) {
  struct stat st;
  if (statByName(path, &st)) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void writeTextFile(const std::string& path, std::string_view bytes) {
  // Writing over a file the user may not write is refused, as it would be
  // without the scratch copy; the rename alone would not notice.
  if (!openFile(path, O_WRONLY).isOpen() && errno != ENOENT) throwIoError(errno, path);
  replaceFile(path, bytes, modeForNewFile(path), path + ".XXXXXX", path);
}

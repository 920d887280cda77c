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

void appendTextLine(std::string& bytes, std::string_view line) {
  bytes += line;
  bytes += "\r\n";
}

std::string joinTextLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) appendTextLine(bytes, line);
  return bytes;
}

std::string readWholeFile(const Folder& folder, const std::string& path) {
  FileHandle file = folder.open(path, O_RDONLY);
  if (!file.isOpen()) throwIoError(errno, path);
  return readToEnd(file.get(), path);
}

std::vector<std::string> readTextFile(const Folder& folder, const std::string& path) {
  return splitTextLines(readWholeFile(folder, path));
}

void writeTextFile(const Folder& folder, const std::string& path, std::string_view bytes) {
  // Writing over a file the user may not write is refused, as it would be
  // without the scratch copy; the rename alone would not notice.
  if (!folder.open(path, O_WRONLY).isOpen() && errno != ENOENT) throwIoError(errno, path);
  struct stat st;
  mode_t mode = folder.stat(path, &st) ? st.st_mode & 07777 : modeForNewFile();
  folder.replaceFile(path, bytes, mode, path + ".XXXXXX", path);
}

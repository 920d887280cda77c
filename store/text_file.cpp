#include "text_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>

#include "io_error.h"
#include "posix_file.h"

std::vector<std::string> splitTextLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  // A line at a time rather than a byte at a time: files of remembered
  // meanings are read at the first translation after a start.
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view rest = bytes.substr(0, end);
    std::string& line = lines.emplace_back();
    line.reserve(rest.size());
    for (std::size_t cr; (cr = rest.find('\r')) != std::string_view::npos; rest.remove_prefix(cr + 1))
      line.append(rest.substr(0, cr));
    line.append(rest);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
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

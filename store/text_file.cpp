#include "text_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io_error.h"

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
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throwIoError(errno, path);
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int code = errno;
      ::close(fd);
      throwIoError(code, path);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

std::vector<std::string> readTextFile(const std::string& path) {
  return splitTextLines(readWholeFile(path));
}

namespace {

mode_t modeForNewFile(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void writeTextFile(const std::string& path, std::string_view bytes) {
  // Writing over a file the user may not write is refused, as it would be
  // without the scratch copy; the rename alone would not notice.
  int existing = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (existing >= 0) {
    ::close(existing);
  } else if (errno != ENOENT) {
    throwIoError(errno, path);
  }

  std::string scratch = path + ".XXXXXX";
  int fd = ::mkstemp(scratch.data());
  if (fd < 0) throwIoError(errno, path);
  try {
    if (::fchmod(fd, modeForNewFile(path)) != 0) throwIoError(errno, path);
    std::size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throwIoError(errno, path);
      done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) throwIoError(errno, path);
    int closing = fd;
    fd = -1;
    if (::close(closing) != 0) throwIoError(errno, path);
    if (::rename(scratch.c_str(), path.c_str()) != 0) throwIoError(errno, path);
  } catch (...) {
    if (fd >= 0) ::close(fd);
    ::unlink(scratch.c_str());
    throw;
  }
}

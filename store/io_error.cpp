#include "io_error.h"

#include <cerrno>
#include <cstring>

IoError::IoError(int code, std::string message)
    : std::system_error(code, std::generic_category()), message(std::move(message)) {}

std::string failureText(int code) {
  switch (code) {
    case ENOENT: return "File not found";
    case ENOSPC: return "Disk full";
    case EBADF: return "File not open";
    default: return std::strerror(code);
  }
}

void throwIoError(int code, std::string_view path) {
  std::string message = failureText(code);
  if (!path.empty()) {
    message += ": ";
    message += path;
  }
  throw IoError(code, std::move(message));
}

void throwReadBeyondEnd(std::string_view path) {
  throw IoError(EIO, "Read beyond end of file: " + std::string(path));
}

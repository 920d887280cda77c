#include "help_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "io_error.h"
#include "text_file.h"

namespace {

// "Soubor nápovědy nebyl nalezen a proto v nápovědě nic není." in
// Windows-1250: 58 bytes, no line end.
constexpr char kNotice[] = "Soubor n\xE1pov\xEC" "dy nebyl nalezen a proto v n\xE1pov\xEC" "d\xEC nic nen\xED.";
static_assert(sizeof kNotice - 1 == 58);

int helpFd = -1;

void createWithNotice() {
  int fd = ::open(kHelpFileName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) return;  // Another program made it just now.
    throwIoError(errno, kHelpFileName);
  }
  std::size_t done = 0;
  while (done < sizeof kNotice - 1) {
    ssize_t n = ::write(fd, kNotice + done, sizeof kNotice - 1 - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int code = errno;
      ::close(fd);
      throwIoError(code, kHelpFileName);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) throwIoError(errno, kHelpFileName);
}

}  // namespace

void openHelpFile() {
  closeHelpFile();
  int fd = ::open(kHelpFileName, O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) {
    createWithNotice();
    fd = ::open(kHelpFileName, O_RDONLY | O_CLOEXEC);
  }
  if (fd < 0) throwIoError(errno, kHelpFileName);
  helpFd = fd;
}

std::vector<std::string> readHelpLines() {
  if (helpFd < 0) throwIoError(EBADF, kHelpFileName);
  std::string bytes;
  char buffer[1 << 14];
  for (off_t at = 0;;) {
    ssize_t n = ::pread(helpFd, buffer, sizeof buffer, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throwIoError(errno, kHelpFileName);
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    at += n;
  }
  return splitTextLines(bytes);
}

void closeHelpFile() {
  if (helpFd < 0) return;
  ::close(helpFd);
  helpFd = -1;
}

#include "help_file.h"

#include <cerrno>
#include <fcntl.h>

#include "io_error.h"
#include "posix_file.h"
#include "text_file.h"

namespace {

// "Soubor nápovědy nebyl nalezen a proto v nápovědě nic není." in
// Windows-1250: 58 bytes, no line end.
constexpr char kNotice[] = "Soubor n\xE1pov\xEC" "dy nebyl nalezen a proto v n\xE1pov\xEC" "d\xEC nic nen\xED.";
static_assert(sizeof kNotice - 1 == 58);

void createWithNotice(const Folder& folder) {
  FileHandle file = folder.open(kHelpFileName, O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (!file.isOpen()) {
    if (errno == EEXIST) return;  // Another program made it just now.
    throwIoError(errno, kHelpFileName);
  }
  writeAt(file, std::string_view(kNotice, sizeof kNotice - 1), 0, kHelpFileName);
  file.close(kHelpFileName);
}

}  // namespace

void HelpFile::open(const Folder& folder) {
  file.reset();
  FileHandle opened = folder.open(kHelpFileName, O_RDONLY);
  if (!opened.isOpen() && errno == ENOENT) {
    createWithNotice(folder);
    opened = folder.open(kHelpFileName, O_RDONLY);
  }
  if (!opened.isOpen()) throwIoError(errno, kHelpFileName);
  file = std::move(opened);
}

std::vector<std::string> HelpFile::lines() const {
  if (!file.isOpen()) throwIoError(EBADF, kHelpFileName);
  return splitTextLines(readToEnd(file.get(), kHelpFileName, 0));
}

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

FileHandle helpFile;

void createWithNotice() {
  FileHandle file = openFile(kHelpFileName, O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (!file.isOpen()) {
    if (errno == EEXIST) return;  // Another program made it just now.
    throwIoError(errno, kHelpFileName);
  }
  writeAt(file, std::string_view(kNotice, sizeof kNotice - 1), 0, kHelpFileName);
  file.close(kHelpFileName);
}

}  // namespace

void openHelpFile() {
  closeHelpFile();
  FileHandle file = openFile(kHelpFileName, O_RDONLY);
  if (!file.isOpen() && errno == ENOENT) {
    createWithNotice();
    file = openFile(kHelpFileName, O_RDONLY);
  }
  if (!file.isOpen()) throwIoError(errno, kHelpFileName);
  helpFile = std::move(file);
}

std::vector<std::string> readHelpLines() {
  if (!helpFile.isOpen()) throwIoError(EBADF, kHelpFileName);
  return splitTextLines(readToEnd(helpFile.get(), kHelpFileName, 0));
}

void closeHelpFile() {
  helpFile.reset();
}

#pragma once

// Plain text files: Windows-1250 bytes without a byte-order mark. Reading, a
// line ends at LF, a CR right before the LF is not part of it, a CR anywhere
// else is dropped, and a byte 26 (Ctrl-Z) ends the file. Writing, every line
// ends with CR LF. Texts opened for translation, saved translations, the
// dictionary exports and the help file all go through these.

#include <string>
#include <string_view>
#include <vector>

#include "posix_file.h"

std::vector<std::string> splitTextLines(std::string_view bytes);
std::string joinTextLines(const std::vector<std::string>& lines);
// Appends `line` to `bytes` with its CR LF.
void appendTextLine(std::string& bytes, std::string_view line);

// Files are named in `folder`: Folder() for the names a user gives.
std::vector<std::string> readTextFile(const Folder& folder, const std::string& path);
// Replaces `path` as a whole: the old file stays untouched until the new one
// is complete on disk, so a full disk never leaves half a file.
void writeTextFile(const Folder& folder, const std::string& path, std::string_view bytes);
inline void writeTextFile(const Folder& folder, const std::string& path, const std::vector<std::string>& lines) {
  writeTextFile(folder, path, joinTextLines(lines));
}

// The whole content of a file, for the callers that parse it themselves.
std::string readWholeFile(const Folder& folder, const std::string& path);

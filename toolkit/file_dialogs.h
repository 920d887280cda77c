#pragma once

// The file dialogs. A chosen file comes back twice: as the path the system
// opens, and as the Windows-1250 text a window shows.

#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

struct ChosenFile {
  std::string path;   // in the file system's encoding
  std::string shown;  // Windows-1250, for captions and status texts
};

// `filter` as the windows write it: "Textové soubory|*.txt" (Windows-1250).
// Nothing when the user cancels.
std::optional<ChosenFile> askFileToOpen(QWidget* parent, std::string_view filter);
// Asks before replacing an existing file.
std::optional<ChosenFile> askFileToSave(QWidget* parent, std::string_view filter, std::string_view initialName);

#pragma once

// The text the user selected last in any program: the primary selection
// where the platform keeps one (X11, and Wayland compositors that offer it),
// else the clipboard.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

// Calls `use` once with the selected text's beginning (a selection may be a
// megabyte; kScannedBytes characters are plenty for its first words), in
// Windows-1250, composed, a character the code page lacks as "?". Call it
// before showing `window`. Wayland shows a program the selections only while
// one of its windows has the keyboard focus, and gives the focus to a window
// as it appears: there `window` is hidden first if it shows, and the text is
// read once the compositor offers it after the showing, or after a short
// wait when it offers none.
void takeSelectedText(QWidget* window, std::function<void(const std::string& text)> use);

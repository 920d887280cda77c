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
// Windows-1250, composed, a character the code page lacks as "?". Wayland
// shows a program the selections only while one of its windows has the
// keyboard focus, so there the text is read once `window`, shown by the
// caller, has it, or after a short wait for a compositor that is slow to tell.
void takeSelectedText(QWidget* window, std::function<void(const std::string& text)> use);

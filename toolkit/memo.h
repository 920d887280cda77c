#pragma once

// A multi-line text box as the windows expect it: its text, offsets, lines
// and selection count a line break as the two characters CR LF, whatever Qt
// keeps inside. The lines of a box are the pieces of its text between line
// breaks; a final empty piece (after a trailing break) is not counted, and an
// empty box has no lines. Text goes in and out as Windows-1250 bytes.

#include <QPlainTextEdit>
#include <string>
#include <string_view>

class Memo : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit Memo(QWidget* parent = nullptr);

  // Line breaks as CR LF. setContent takes CR LF (a lone LF is a break too, a
  // lone CR is dropped) and raises changed().
  std::string content() const;
  void setContent(std::string_view text);
  // Length of content(), in characters.
  int contentLength() const;

  int lineCount() const;
  // Piece i without its line break; empty where there is no piece i.
  std::string line(int i) const;
  // Replaces piece i, including the final empty piece after a trailing line
  // break; does nothing where there is no piece i.
  void setLine(int i, std::string_view text);
  // Empty text, or text ending with a line break: text, s, CR LF.
  // Otherwise: text, CR LF, s.
  void appendLine(std::string_view text);
  void clearLines();

  // Offsets in CR LF counting. A range reaching past the end is cut there.
  void select(int start, int length);
  void selectEverything();
  int selStart() const;
  int selLength() const;

 signals:
  // Every change of the text, also one made by the program.
  void changed();
  // A click of the left mouse button into the box.
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void composeCurrentLine();
  // Runs a change the program makes and raises changed() once for it, however
  // many times Qt reports the document changing meanwhile.
  template <typename Change>
  void programChange(Change change);

  bool programChanging = false;
};

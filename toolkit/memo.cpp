#include "memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "qt_text.h"

namespace {

// CR LF and a lone LF both end a line and a lone CR is dropped, so removing
// every CR leaves exactly the breaks Qt should see, as LF.
QString boxText(std::string_view bytes) {
  std::string text(bytes);
  std::erase(text, '\r');
  return toQt(text);
}

// The document keeps one character per line break where the box counts two,
// so a position lies one extra character further per block before it.
int boxOffset(const QTextDocument* document, int position) {
  return position + document->findBlock(position).blockNumber();
}

// `offset` must lie within the text. One that falls between the CR and the LF
// of a break stays at the end of the line before it, where the break starts.
int documentPosition(const QTextDocument* document, int offset) {
  int low = 0;
  int high = document->blockCount() - 1;
  while (low < high) {
    int middle = low + (high - low + 1) / 2;
    if (document->findBlockByNumber(middle).position() + middle <= offset)
      low = middle;
    else
      high = middle - 1;
  }
  QTextBlock block = document->findBlockByNumber(low);
  return block.position() + std::min(offset - block.position() - low, block.length() - 1);
}

}  // namespace

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!programChanging) emit changed();
  });
}

namespace {

// A combining mark typed alone is what leaves a letter decomposed.
bool holdsMark(const QString& typed) {
  return std::any_of(typed.begin(), typed.end(), [](QChar c) { return c.isMark(); });
}

}  // namespace

// Some programs and file systems write "ž" as "z" and a combining caron, for
// which no Windows-1250 byte stands. What the user types or pastes is
// composed in the box itself, so that its offsets keep matching its bytes.
// Only typing composes: an undo that brings a decomposed line back must find
// it left as it is, or undo could never get past it.
void Memo::composeCurrentLine() {
  QTextCursor cursor = textCursor();
  const QTextBlock block = cursor.block();
  const QString text = block.text();
  const QString composed = text.normalized(QString::NormalizationForm_C);
  if (composed == text) return;
  const int start = block.position();
  const int column = static_cast<int>(text.left(cursor.position() - start).normalized(QString::NormalizationForm_C).size());
  programChange([&] {
    QTextCursor line(block);
    line.beginEditBlock();
    line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    line.insertText(composed);
    line.endEditBlock();
    cursor.setPosition(start + column);
    setTextCursor(cursor);
  });
}

void Memo::inputMethodEvent(QInputMethodEvent* event) {
  QPlainTextEdit::inputMethodEvent(event);
  if (holdsMark(event->commitString())) composeCurrentLine();
}

template <typename Change>
void Memo::programChange(Change change) {
  programChanging = true;
  change();
  programChanging = false;
  emit changed();
}

std::string Memo::content() const {
  std::string text;
  text.reserve(static_cast<std::size_t>(contentLength()));
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block.blockNumber() > 0) text += "\r\n";
    text += fromQt(block.text());
  }
  return text;
}

void Memo::setContent(std::string_view text) {
  programChange([&] { setPlainText(boxText(text)); });
}

int Memo::contentLength() const {
  // characterCount() holds one separator per block, the last one included.
  // A character beyond the Basic Multilingual Plane counts two here, as in
  // every offset, although content() holds a single "?" for it: offsets and
  // lengths must agree with each other more than with content().
  return document()->characterCount() - 1 + document()->blockCount() - 1;
}

int Memo::lineCount() const {
  const QTextDocument* document = this->document();
  return document->blockCount() - (document->lastBlock().length() == 1 ? 1 : 0);
}

std::string Memo::line(int i) const {
  if (i < 0 || i >= document()->blockCount()) return {};
  return fromQt(document()->findBlockByNumber(i).text());
}

void Memo::setLine(int i, std::string_view text) {
  if (i < 0 || i >= document()->blockCount()) return;
  QTextBlock block = document()->findBlockByNumber(i);
  programChange([&] {
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(boxText(text));
  });
}

void Memo::appendLine(std::string_view text) {
  programChange([&] {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (cursor.block().length() == 1) {
      cursor.insertText(boxText(text));
      cursor.insertBlock();
    } else {
      cursor.insertBlock();
      cursor.insertText(boxText(text));
    }
    cursor.endEditBlock();
  });
}

void Memo::clearLines() {
  programChange([&] { clear(); });
}

void Memo::select(int start, int length) {
  int total = contentLength();
  int from = std::clamp(start, 0, total);
  int to = from + std::clamp(length, 0, total - from);
  QTextCursor cursor(document());
  cursor.setPosition(documentPosition(document(), from));
  cursor.setPosition(documentPosition(document(), to), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void Memo::selectEverything() {
  selectAll();
}

int Memo::selStart() const {
  return boxOffset(document(), textCursor().selectionStart());
}

int Memo::selLength() const {
  QTextCursor cursor = textCursor();
  return boxOffset(document(), cursor.selectionEnd()) - boxOffset(document(), cursor.selectionStart());
}

void Memo::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()))
    emit clicked();
}

void Memo::keyPressEvent(QKeyEvent* event) {
  // Qt puts a line separator inside the line for Shift+Enter: it looks like a
  // break but is none, and no code page holds it. Users mean a new line.
  if (event->matches(QKeySequence::InsertLineSeparator)) {
    QKeyEvent plain(event->type(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QPlainTextEdit::keyPressEvent(&plain);
    event->setAccepted(plain.isAccepted());
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
  if (holdsMark(event->text())) composeCurrentLine();
}

void Memo::insertFromMimeData(const QMimeData* source) {
  // Text from a word processor may carry line separators; make them the
  // breaks they look like, as for Shift+Enter. Every line pasted is composed.
  QString text = source->hasText() ? source->text() : QString();
  QString fitting = QString(text).replace(QChar::LineSeparator, u'\n').normalized(QString::NormalizationForm_C);
  if (fitting == text) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  QMimeData plain;
  plain.setText(fitting);
  QPlainTextEdit::insertFromMimeData(&plain);
}

#include "file_dialogs.h"

#include <QFile>
#include <QFileDialog>

#include "qt_text.h"

namespace {

// "Description|*.a;*.b" becomes Qt's "Description (*.a *.b)".
QString qtFilter(std::string_view filter) {
  QString text = toQt(filter);
  QString description = text.section('|', 0, 0);
  QString patterns = text.section('|', 1, 1).replace(';', ' ');
  return patterns.isEmpty() ? description : description + " (" + patterns + ")";
}

std::optional<ChosenFile> chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  QByteArray encoded = QFile::encodeName(path);
  return ChosenFile{std::string(encoded.constData(), encoded.size()), fromQt(path)};
}

}  // namespace

std::optional<ChosenFile> askFileToOpen(QWidget* parent, std::string_view filter) {
  return chosen(QFileDialog::getOpenFileName(parent, QString(), QString(), qtFilter(filter), nullptr,
                                            QFileDialog::DontUseNativeDialog));
}

std::optional<ChosenFile> askFileToSave(QWidget* parent, std::string_view filter, std::string_view initialName) {
  return chosen(QFileDialog::getSaveFileName(parent, QString(), toQt(initialName), qtFilter(filter), nullptr,
                                            QFileDialog::DontUseNativeDialog));
}

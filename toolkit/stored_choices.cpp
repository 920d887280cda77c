#include "stored_choices.h"

#include <QSettings>

namespace {

constexpr char kName[] = "tarvik-slovnik";

}  // namespace

bool storedChoice(const char* key, bool byDefault) {
  return QSettings(kName, kName).value(key, byDefault).toBool();
}

void storeChoice(const char* key, bool on) { QSettings(kName, kName).setValue(key, on); }

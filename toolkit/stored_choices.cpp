#include "stored_choices.h"

#include <QSettings>

namespace {

constexpr char kName[] = "tarvik-slovnik";

}  // namespace

bool storedChoice(const char* key) { return QSettings(kName, kName).value(key, false).toBool(); }

void storeChoice(const char* key, bool on) { QSettings(kName, kName).setValue(key, on); }

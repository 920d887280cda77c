#pragma once

// Yes/no choices the user makes once and finds again at the next start, in
// $XDG_CONFIG_HOME/tarvik-slovnik/tarvik-slovnik.conf (where QSettings puts
// them; tests move them with QSettings::setPath).

// `byDefault` for a choice never stored.
bool storedChoice(const char* key, bool byDefault = false);
void storeChoice(const char* key, bool on);

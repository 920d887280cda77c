#include "start_up.h"

#include "controls.h"
#include "help_file.h"
#include "okno_about.h"
#include "okno_napoveda.h"
#include "okno_otevreni.h"
#include "psoubory.h"
#include "vzhled.h"

void initialiseModules() {
  openDictionaries();
  openHelpFile();
  initTranslationModule();
}

void Tokno::Npovda1Click() { napoveda->showModeless(); }

void Tokno::About1Click() { about->showModal(); }

namespace {

// The commands by which one window opens another, connected once all exist.
void connectWindows() {
  onMenuItem(okno->Npovda1, okno, &Tokno::Npovda1Click);
  onMenuItem(okno->About1, okno, &Tokno::About1Click);
}

}  // namespace

void createWindows() {
  okno = new Tokno;
  about = new Tabout;
  pri_otevreni = new Tpri_otevreni;
  napoveda = new Tnapoveda;
  connectWindows();
}

void destroyWindows() {
  delete napoveda;
  delete pri_otevreni;
  delete about;
  delete okno;
  napoveda = nullptr;
  pri_otevreni = nullptr;
  about = nullptr;
  okno = nullptr;
}

void shutDownModules() {
  closeDictionaries();
  closeHelpFile();
}

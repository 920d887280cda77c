#include "start_up.h"

#include "controls.h"
#include "browser_window.h"
#include "editor_window.h"
#include "help_file.h"
#include "about_window.h"
#include "help_window.h"
#include "splash_window.h"
#include "question_window.h"
#include "dictionary_store.h"
#include "insertion_window.h"
#include "main_window.h"

void initialiseModules() {
  initBrowserModule();
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
  okno_vlozeni = new Tokno_vlozeni;
  ukaz_slovnik = new Tukaz_slovnik;
  about = new Tabout;
  okno_editace = new Tokno_editace;
  Otazka = new TOtazka;
  pri_otevreni = new Tpri_otevreni;
  napoveda = new Tnapoveda;
  connectWindows();
}

void destroyWindows() {
  delete napoveda;
  delete pri_otevreni;
  delete Otazka;
  delete okno_editace;
  delete about;
  delete ukaz_slovnik;
  delete okno_vlozeni;
  delete okno;
  napoveda = nullptr;
  pri_otevreni = nullptr;
  Otazka = nullptr;
  okno_editace = nullptr;
  about = nullptr;
  ukaz_slovnik = nullptr;
  okno_vlozeni = nullptr;
  okno = nullptr;
}

void shutDownModules() {
  closeDictionaries();
  closeHelpFile();
}

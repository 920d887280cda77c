#include "start_up.h"

#include "controls.h"
#include "display_slovnik.h"
#include "editace.h"
#include "help_file.h"
#include "okno_about.h"
#include "okno_napoveda.h"
#include "okno_otevreni.h"
#include "otazka_okno.h"
#include "psoubory.h"
#include "vlozeni.h"
#include "vzhled.h"

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

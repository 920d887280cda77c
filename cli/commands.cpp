#include "commands.h"

#include <cerrno>
#include <functional>
#include <map>
#include <unistd.h>

#include "exit_codes.h"
#include "io_error.h"
#include "meaning_grid.h"

namespace {

std::string recordFields(const std::string& headword, const std::array<std::string, kMeaningCount>& meanings) {
  std::string line = headword;
  for (const std::string& meaning : meanings) line += '\t' + meaning;
  return line;
}

std::array<std::string, kMeaningCount> meaningsOf(const Tslovicko& entry) {
  return {entry.vyznam1, entry.vyznam2, entry.vyznam3, entry.vyznam4, entry.vyznam5};
}

void print(const Job& job, const std::string& bytes) { printLine(bytes, job.request.encoding); }

int translate(const Job& job) {
  long untranslated = 0;
  for (const std::string& line : job.lines) {
    LineTranslation translation = translateText(line, job.request.dict, job.request.byPronunciation);
    print(job, translation.result);
    untranslated += translation.untranslatedCount;
  }
  printMessage(untranslated == 0 ? "Text byl přeložen celý" : "Text nebyl přeložen celý nebo vůbec",
               job.request.encoding);
  return kExitDone;
}

int grid(const Job& job) {
  for (const GridColumn& column : meaningColumns(job.texts[0], job.request.dict, job.request.byPronunciation)) {
    std::string line = column[0];
    for (int row = 1; row < kGridRows; ++row) line += '\t' + column[row];
    print(job, line);
  }
  return kExitDone;
}

int lookup(const Job& job) {
  FoundWord found = findWord(job.texts[0], job.request.dict, job.request.byPronunciation);
  if (!found.found) return kExitNotFound;
  Tslovicko entry = readEntry(job.request.dict, found.position - 1);
  print(job, std::to_string(found.position) + '\t' + recordFields(entry.slovo, found.meanings));
  return kExitDone;
}

int prefix(const Job& job) {
  long position = findPrefix(job.texts[0], job.request.dict);
  if (position == 0) return kExitNotFound;
  print(job, std::to_string(position) + '\t' + readEntry(job.request.dict, position - 1).slovo);
  return kExitDone;
}

int list(const Job& job) {
  long count = entryCount(job.request.dict);
  for (long i = 0; i < count; ++i) {
    Tslovicko entry = readEntry(job.request.dict, i);
    print(job, std::to_string(i) + '\t' + recordFields(entry.slovo, meaningsOf(entry)));
  }
  return kExitDone;
}

int count(const Job& job) {
  print(job, std::to_string(entryCount(job.request.dict)) + '\t' +
                 std::to_string(countMeanings(job.request.dict)));
  return kExitDone;
}

int insert(const Job& job) {
  insertWord(job.texts[0], job.meanings, job.request.dict, job.request.reverse);
  return kExitDone;
}

int deleteRecord(const Job& job) {
  deleteEntry(job.index, job.request.dict);
  return kExitDone;
}

int exportText(const Job& job) {
  exportDictionary(job.request.dict);
  return kExitDone;
}

int importText(const Job& job) {
  insertEntries(job.entries, job.request.dict);
  return kExitDone;
}

int pronounce(const Job& job) {
  print(job, pronounceTarvik(job.texts[0]));
  return kExitDone;
}

int spell(const Job& job) {
  print(job, spellTarvik(job.texts[0]));
  return kExitDone;
}

int upcase(const Job& job) {
  print(job, upcaseCzText(job.texts[0]));
  return kExitDone;
}

const std::map<std::string, std::function<int(const Job&)>> kCommands = {
    {"translate", translate}, {"grid", grid},         {"lookup", lookup},       {"prefix", prefix},
    {"list", list},           {"count", count},       {"insert", insert},       {"delete", deleteRecord},
    {"export", exportText},   {"import", importText}, {"pronounce", pronounce}, {"spell", spell},
    {"upcase", upcase},
};

// A missing folder is a problem of the machine, not of the command line:
// reported like every other file failure.
void enterFolder(const std::string& dir) {
  if (dir.empty() || ::chdir(dir.c_str()) == 0) return;
  int code = errno;
  if (code == ENOENT) throw IoError(code, "Folder not found: " + dir);
  if (code == ENOTDIR) throw IoError(code, "Not a folder: " + dir);
  throwIoError(code, dir);
}

}  // namespace

int runJob(const Job& job) {
  const auto& run = kCommands.at(job.request.command);
  if (!usesDictionaries(job.request.command)) return run(job);
  enterFolder(job.request.dir);
  openDictionaries();
  int code = run(job);
  closeDictionaries();
  return code;
}

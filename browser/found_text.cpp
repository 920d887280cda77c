#include "found_text.h"

#include "cp1250.h"

std::string howFound(FoundBy how, std::string_view baseForm) {
  switch (how) {
    case FoundBy::exact:
      return cp1250Text("přesně");
    case FoundBy::pronunciation:
      return cp1250Text("podle výslovnosti");
    case FoundBy::diacritics:
      return cp1250Text("bez diakritiky");
    case FoundBy::form:
      break;
  }
  return cp1250Text("tvar slova ") + std::string(baseForm);
}

std::string howNear(int distance) { return cp1250Text("možná (vzdálenost ") + std::to_string(distance) + ")"; }

std::string meaningsOf(const EntriesSnapshot& entries, long index) {
  std::string all;
  for (int slot = 1; slot <= kMeaningCount; ++slot) {
    std::string_view meaning = entries.meaning(index, slot);
    if (meaning.empty()) continue;
    if (!all.empty()) all += ", ";
    all += meaning;
  }
  return all;
}

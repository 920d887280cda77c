#include "guessed_forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cp1250.h"

namespace {

// Headwords as a dictionary holds them, with traps: words that a careless
// guess would reach (DOMA for "domy", DNO for "dne", PŘÍKAZ for "příkazové").
const char* const kHeadwords[] = {
    "ČLOVĚK", "DŮM", "DOMA", "DEN", "DNO", "DNA", "UŽIVATEL", "PŘÍKAZ", "PŘÍKAZOVÝ", "VYPISOVAT", "SPOLUPRÁCE",
    "STŮL", "VÍTR", "DVŮR", "DLAŇ", "MOUCHA", "KÁMEN", "SNÍH", "VOJÁK", "PRAHA", "RUKA", "SESTRA", "ZÁMEK",
    "PÍSEŇ", "LOĎ", "OTEC", "ŽENA",
    "MĚSTO", "MOŘE", "STAVENÍ", "KUŘE", "KOTĚ", "MATKA", "LÉTO", "MLADÝ", "NOVÝ", "TENKÝ", "DRAHÝ", "TICHÝ",
    "VELKÝ", "DOBRÝ", "ČESKÝ", "JARNÍ", "RYCHLE", "DĚLAT", "ZNÁT", "HRÁT", "PROSIT", "VID", "VIDĚT", "MUSET",
    "PÍT", "KRÝT", "TISKNOUT", "VRÁTIT", "PŘIJÍT", "ŘÍCT", "POMOCI", "PŘEVZÍT", "PŘIJMOUT", "ZAČÍT", "ZŮSTAT",
    "STÁT", "STAŤ", "PŘEČÍST", "PŘINÉST", "UVÉST", "VYRŮST", "NAPSAT", "VYBRAT", "PŘIJET", "OTEVŘÍT", "UKÁZAT",
    "SKÁKAT", "POKUS", "POKUSIT SE", "DOVOLIT SI", "ULOŽIT", "PRACOVAT", "WHO", "MARKA", "SEDLO", "MOCNÝ",
    "MAGNÁT", "ZASMUŠILE", "KACHNY", "KUPOVAT", "TURISTA", "TENTO", "TAMTEN", "ANO", "NÁM", "PLATFORMA",
    "ŘÁDKOVAT", "USA", "STAVIT", "STAVĚT", "VYMĚNIT", "ZJEDNODUŠUJE", "ČÍSLO", "ŠAT", "CTNOST", "VĚC",
    "VLK", "KRK",
};

// What a look-up makes of the guesses: the first that is a headword.
std::string firstHeadword(const char* form) {
  static const std::set<std::string> headwords = [] {
    std::set<std::string> words;
    for (const char* word : kHeadwords) words.insert(cp1250Text(word));
    return words;
  }();
  for (const std::string& guess : guessedBaseForms(cp1250Text(form)))
    if (headwords.contains(guess)) return cp1250ToUtf8(guess);
  return "";
}

TEST(GuessedBaseForms, LeadFormsBackToTheirHeadwords) {
  const std::pair<const char*, const char*> cases[] = {
      // Nouns, with the stem changes of their paradigms.
      {"UŽIVATELE", "UŽIVATEL"}, {"SPOLUPRÁCI", "SPOLUPRÁCE"}, {"ČLOVĚKA", "ČLOVĚK"}, {"ŽENAMI", "ŽENA"},
      {"MĚSTECH", "MĚSTO"}, {"MOŘI", "MOŘE"}, {"STAVENÍM", "STAVENÍ"}, {"OTCE", "OTEC"}, {"KAMENE", "KÁMEN"},
      {"STOLEM", "STŮL"}, {"VĚTRU", "VÍTR"}, {"DVORA", "DVŮR"}, {"SNĚHU", "SNÍH"}, {"VOJÁCI", "VOJÁK"},
      {"PRAZE", "PRAHA"}, {"RUCE", "RUKA"}, {"SESTŘE", "SESTRA"}, {"ZÁMCÍCH", "ZÁMEK"}, {"DLANĚ", "DLAŇ"},
      {"PÍSNĚ", "PÍSEŇ"}, {"LODI", "LOĎ"}, {"KUŘATA", "KUŘE"}, {"KOŤATA", "KOTĚ"}, {"MATEK", "MATKA"},
      {"MUCH", "MOUCHA"}, {"ČÍSEL", "ČÍSLO"}, {"DNEM", "DEN"}, {"CTNOSTÍ", "CTNOST"}, {"VĚCÍ", "VĚC"},
      {"ČLOVĚČE", "ČLOVĚK"}, {"TURISTÉ", "TURISTA"}, {"VLKA", "VLK"}, {"KRKU", "KRK"},
      // Adjectives and pronouns, the comparative and the superlative.
      {"PŘÍKAZOVÉ", "PŘÍKAZOVÝ"}, {"MLADŠÍHO", "MLADÝ"}, {"NOVĚJŠÍM", "NOVÝ"}, {"NEJNOVĚJŠÍ", "NOVÝ"},
      {"TENČÍ", "TENKÝ"}, {"DRAŽŠÍ", "DRAHÝ"}, {"TIŠŠÍ", "TICHÝ"}, {"VELCÍ", "VELKÝ"}, {"DOBŘÍ", "DOBRÝ"},
      {"ČEŠTÍ", "ČESKÝ"}, {"JARNÍCH", "JARNÍ"}, {"RYCHLEJI", "RYCHLE"}, {"TĚMTO", "TENTO"},
      {"TAMTOHO", "TAMTEN"},
      // Verbs, their participles, negated, reflexive, and those whose root
      // changes, also with a prefix.
      {"VYPISUJE", "VYPISOVAT"}, {"DĚLAJÍ", "DĚLAT"}, {"ZNÁ", "ZNÁT"}, {"HRAJE", "HRÁT"}, {"HRÁL", "HRÁT"},
      {"PROSÍ", "PROSIT"},
      {"PROŠEN", "PROSIT"}, {"VRÁCEN", "VRÁTIT"}, {"STAVĚNÉ", "STAVĚT"}, {"VYMĚNĚNÁ", "VYMĚNIT"},
      {"VIDÍM", "VIDĚT"}, {"MUSEL", "MUSET"}, {"PIJE", "PÍT"},
      {"KRYJE", "KRÝT"}, {"TISKNE", "TISKNOUT"}, {"TISKL", "TISKNOUT"}, {"KUPOVANÉHO", "KUPOVAT"},
      {"ULOŽENOU", "ULOŽIT"}, {"PRACUJÍCÍMU", "PRACOVAT"}, {"TISKNOUCÍ", "TISKNOUT"}, {"PŘIŠEL", "PŘIJÍT"},
      {"PŘIJDE", "PŘIJÍT"}, {"NEPŘIŠEL", "PŘIJÍT"}, {"ŘEKNU", "ŘÍCT"}, {"POMŮŽE", "POMOCI"},
      {"PŘEVEZME", "PŘEVZÍT"}, {"PŘIJAL", "PŘIJMOUT"}, {"ZAČNE", "ZAČÍT"}, {"ZŮSTANE", "ZŮSTAT"},
      {"STANETE", "STÁT"}, {"PŘEČTE", "PŘEČÍST"}, {"PŘINESL", "PŘINÉST"}, {"UVEDL", "UVÉST"},
      {"VYROSTE", "VYRŮST"}, {"NAPÍŠE", "NAPSAT"}, {"VYBERE", "VYBRAT"}, {"PŘIJEDE", "PŘIJET"},
      {"OTEVŘE", "OTEVŘÍT"}, {"UKÁŽE", "UKÁZAT"}, {"SKÁČE", "SKÁKAT"}, {"POKUSÍ", "POKUSIT SE"},
      {"DOVOLÍM", "DOVOLIT SI"}, {"POKUSIT", "POKUSIT SE"},
      // Words that must not be misread as an unrelated headword.
      // The few Czech words among them are irregular forms (dne, dny: DEN).
      {"DNE", ""}, {"DNY", ""}, {"WHY", ""}, {"ANY", ""}, {"USE", ""}, {"NAME", ""}, {"PLATFORM", ""},
      {"MARK", ""}, {"SEDL", ""}, {"ZASMUŠIL", ""}, {"NEMOCNÁ", ""}, {"ULOŽENÍ", ""}, {"ŘÁDKOVÁ", ""},
      {"MAGNA", ""}, {"KACHNÍ", ""}, {"ZJEDNODUŠUJÍ", ""}, {"ŠATÍ", ""},
  };
  for (const auto& [form, base] : cases) EXPECT_EQ(firstHeadword(form), base) << form;
}

TEST(GuessedBaseForms, StayFewShortOfTheWordAndHarmlessForAnyBytes) {
  const std::string words[] = {cp1250Text("NEJNEPŘÍJEMNĚJŠÍMI"), cp1250Text("ŽENY"), cp1250Text("DĚLAT"), "KONEM",
                               std::string(40, 'I'), "AAAA", "MY", "DN", "0", "", "OHO", "ATECH"};
  for (const std::string& word : words) {
    std::vector<std::string> guesses = guessedBaseForms(word);
    EXPECT_LE(guesses.size(), kMaxGuessedBaseForms) << word;
    EXPECT_EQ(std::count(guesses.begin(), guesses.end(), word), 0) << word;
    for (const std::string& guess : guesses) EXPECT_GE(guess.size(), 3u) << word;
  }
  EXPECT_FALSE(guessedBaseForms(std::string(37, 'K') + "AMI").empty());
  EXPECT_TRUE(guessedBaseForms(std::string(38, 'K') + "AMI").empty());  // no Czech word is that long
  std::string every;
  for (int c = 1; c < 256; ++c) every += static_cast<char>(c);
  for (std::size_t at = 0; at + 6 <= every.size(); ++at) guessedBaseForms(every.substr(at, 6));
}

}  // namespace

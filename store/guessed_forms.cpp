#include "guessed_forms.h"

#include <algorithm>
#include <utility>

#include "cp1250.h"
#include "letters.h"

namespace {

// What a paradigm does to the stem besides its ending, undone here. A rule
// that names a change applies only where the change is possible, so that a
// stem is never changed for nothing.
enum Change : unsigned {
  kSoften = 1,      // vojáK - vojáCi, ruKa - ruCe, PraHa - PraZe, sestRa - sestŘe
  kVerbStem = 2,    // proSit - proŠen, vráTit - vráCen, poraZit - poraŽen
  kMobileE = 4,     // otEc - otce, domEk - domku, písEň - písně, pEs - psem
  kDropE = 8,       // matka - matEk, okno - okEn, sestra - sestEr
  kHardFinal = 16,  // koTě - koŤata
  kSoftFinal = 32,  // loĎ - lodi, kůŇ - koně
  kLengthen = 64,   // stŮl - stolu, kÁmen - kamene, sNÍh - sněhu, mOUcha - much
};

// Which rules still apply to a word with "ne" or "nej" taken off.
enum Kind : unsigned { kNoun = 1, kVerb = 2, kComparative = 4, kAnyKind = 7 };

constexpr const char* kSoftAdjective = "Í ÍHO ÍMU ÍM ÍCH ÍMI";
// The hard declension of a passive participle, less its "-í": "uložení" and
// "dělání" are far more often nouns made from the verb than its plural.
constexpr const char* kParticiple = "Ý ÉHO ÉMU ÉM ÝM Á É OU ÝCH ÝMI";

// Endings and base endings are space-separated; "0" is the bare stem (the
// genitive plural "matek", "much") and "-" an empty base ending (the
// masculine "hrad"). A declined paradigm's endings are each of its marks followed by
// each ending of the declension ("ĚJŠ" + "ÍHO"). Tiers order the guesses: 0
// the regular endings, 1 the rarer ones, 2 and 3 those that change the
// stem; within a tier, longer endings first, then the order of this table.
struct Paradigm {
  const char* endings;
  const char* bases;
  unsigned kind = kNoun;
  int tier = 0;
  unsigned changes = 0;
  const char* after = "";     // the stem must end in one of these letters
  const char* notAfter = "";  // nor in this
  const char* declension = "";
};

const Paradigm kParadigms[] = {
    // Adjectives: mladý, jarní; the comparatives: novější, mladší, tenčí,
    // dražší, tišší; the adverbs: rychleji, krásněji.
    {"ÉHO ÉMU ÉM ÝM ÝCH ÝMI Á É OU Í", "Ý"},
    {"ÍHO ÍMU ÍCH ÍMI", "Í"},
    {.endings = "ĚJŠ EJŠ Š", .bases = "Ý", .kind = kComparative, .declension = kSoftAdjective},
    {.endings = "Č", .bases = "KÝ", .kind = kComparative, .declension = kSoftAdjective},
    {.endings = "ŽŠ", .bases = "HÝ", .kind = kComparative, .declension = kSoftAdjective},
    {.endings = "ŠŠ", .bases = "CHÝ", .kind = kComparative, .declension = kSoftAdjective},
    {.endings = "ĚJI", .bases = "Ě", .kind = kComparative},
    {.endings = "EJI", .bases = "E", .kind = kComparative},
    // Nouns: hrad, pán, muž, stroj, předseda, soudce; žena, růže, píseň, kost;
    // město, moře, stavení.
    {"AMI ÁM ÁCH", "A"},
    {"OVI", "- A E"},
    {"ECH", "- O"},
    {"ÍCH", "- E Í"},
    {"ŮM", "- O E"},
    {"Ů", "- E"},
    {"EM", "- O E"},
    {"ÍM", "E"},
    {"EMI", "E"},
    {"MI", "-"},
    {"OU", "A"},
    {"U", "- A O"},
    {"Y", "- A"},  // not městy -> MĚSTO: leckdy, retry
    {"A", "- O"},
    {"Ě", "- A O"},
    {"E", "-"},
    {.endings = "E", .bases = "A", .after = "LSZ"},
    // No noun ends in -uje: "-uji", "-ují" are verbs (odvažuji).
    {"I", "-"},
    {.endings = "I Í", .bases = "E", .notAfter = "UJ"},
    // Verbs: dělat, znát, hrát, prosit, trpět, sázet, pít, krýt, kupovat,
    // tisknout.
    // The present of -ovat is -uje, so "-ová" is an adjective (řádková).
    {.endings = "ÁM ÁŠ Á ÁME ÁTE", .bases = "AT ÁT", .kind = kVerb, .notAfter = "OV"},
    {"AJÍ EJ EJME EJTE AL ALA ALO ALI ALY ÁN ÁNA ÁNO ÁNI ÁNY", "AT ÁT", kVerb},
    {"ÁL ÁLA ÁLO ÁLI ÁLY", "ÁT", kVerb},
    {"AJU AJI AJE AJEŠ AJEME AJETE AJOU", "ÁT", kVerb},
    {"ÍM ÍŠ Í ÍME ÍTE IL ILA ILO ILI ILY EN ENA ENO ENI ENY", "IT", kVerb},
    {"ÍM ÍŠ Í ÍME ÍTE ĚL ĚLA ĚLO ĚLI ĚLY ĚJÍ ĚN ĚNA ĚNO ĚNI ĚNY", "ĚT", kVerb},
    // An -it verb has -ěn only after d, t, n (vyměněn); after a labial -ěn
    // is the -ět verb's (stavěn), -en the -it verb's (postaven).
    {.endings = "ĚN ĚNA ĚNO ĚNI ĚNY", .bases = "IT", .kind = kVerb, .after = "DTN"},
    {"ÍM ÍŠ Í ÍME ÍTE EL ELA ELO ELI ELY EJÍ EN ENA ENO ENI ENY", "ET", kVerb},
    {"IL ILA ILO ILI ILY IJI IJU IJE IJEŠ IJEME IJETE IJÍ IJOU IJ", "ÍT", kVerb},
    {"YL YLA YLO YLI YLY YJI YJU YJE YJEŠ YJEME YJETE YJÍ YJOU YJ", "ÝT", kVerb},
    {"UJI UJU UJEŠ UJE UJEME UJETE UJÍ UJOU UJ UJME UJTE", "OVAT", kVerb},
    {"NU NEŠ NE NEME NETE NOU NI NĚTE NUL NULA NULO NULI NULY NUT NUTA NUTO NUTI NUTY", "NOUT", kVerb},
    // After the verbs, as "vidím" and "pokusí" are verb forms more often
    // than forms of VIDÍ or POKUS: jarní, stavení; kost, věc. Other stems
    // before -í are mostly verbs or adjectives (šatí, leopardí).
    {"ÍM", "Í -"},
    {"STÍ", "ST"},
    {.endings = "Í", .bases = "-", .after = "C"},
    // Verbs whose present or past changes the root, also with a prefix:
    // přijde, odešel, pošle, pomůže, řekl, převezme, přijal, začne, zůstane,
    // dozví, přečte, přinese, uvedl, vyroste, napíše, vybere, přijede,
    // otevře.
    {"JDU JDEŠ JDE JDEME JDETE JDOU JDI JDĚTE ŠEL ŠLA ŠLO ŠLI ŠLY", "JÍT", kVerb},
    {"ŠLU ŠLEŠ ŠLE ŠLEME ŠLETE ŠLOU", "SLAT", kVerb},
    {"MŮŽU MŮŽEŠ MŮŽE MŮŽEME MŮŽETE MŮŽOU MOHU MOHOU MOHL MOHLA MOHLO MOHLI MOHLY", "MOCI MOCT", kVerb},
    {"ŘEKNU ŘEKNEŠ ŘEKNE ŘEKNEME ŘEKNETE ŘEKNOU ŘEKNI ŘEKNĚTE ŘEKL ŘEKLA ŘEKLO ŘEKLI ŘEKLY ŘEČEN ŘEČENO",
     "ŘÍCT ŘÍCI", kVerb},
    {"VEZMU VEZMEŠ VEZME VEZMEME VEZMETE VEZMOU VEZMI VEZMĚTE VZAL VZALA VZALO VZALI VZALY VZAT VZATO", "VZÍT",
     kVerb},
    {"JMU JMEŠ JME JMEME JMETE JMOU JAL JALA JALO JALI JALY", "JMOUT", kVerb},
    {"ČNU ČNEŠ ČNE ČNEME ČNETE ČNOU ČAL ČALA ČALO ČALI ČALY", "ČÍT", kVerb},
    {"STANU STANEŠ STANE STANEME STANETE STANOU STAŇ STAŇTE", "STAT STÁT", kVerb},
    {"VÍM VÍŠ VÍ VÍME VÍTE VĚDÍ", "VĚDĚT", kVerb},
    {"ČTU ČTEŠ ČTE ČTEME ČTETE ČTOU ČTI ČTĚTE ČETL ČETLA ČETLO ČETLI ČETLY ČTEN ČTENO", "ČÍST", kVerb},
    {"NESU NESEŠ NESE NESEME NESETE NESOU NESL NESLA NESLO NESLI NESLY NESEN NESENO", "NÉST", kVerb},
    {"VEDU VEDEŠ VEDE VEDEME VEDETE VEDOU VEĎ VEĎTE VEDL VEDLA VEDLO VEDLI VEDLY VEDEN VEDENO", "VÉST", kVerb},
    {"ROSTU ROSTEŠ ROSTE ROSTEME ROSTETE ROSTOU ROSTL ROSTLA ROSTLO ROSTLI ROSTLY", "RŮST", kVerb},
    {"PÍŠU PÍŠI PÍŠEŠ PÍŠE PÍŠEME PÍŠETE PÍŠOU PÍŠÍ PIŠ PIŠTE", "PSAT PSÁT", kVerb},
    {"BERU BEREŠ BERE BEREME BERETE BEROU BER BERTE", "BRAT BRÁT", kVerb},
    {"JEDU JEDEŠ JEDE JEDEME JEDETE JEDOU JEĎ JEĎTE JEL JELA JELO JELI JELY", "JET", kVerb},
    {"ŘU ŘEŠ ŘE ŘEME ŘETE ŘOU ŘEL ŘELA ŘELO ŘELI ŘELY", "ŘÍT", kVerb},
    // Participles declined as adjectives: uložené, vytvořenou, zapsaného,
    // pracující, mluvícího, tisknoucí.
    {.endings = "EN", .bases = "IT ET", .kind = kVerb, .tier = 1, .declension = kParticiple},
    {.endings = "ĚN", .bases = "ĚT", .kind = kVerb, .tier = 1, .declension = kParticiple},
    {.endings = "ĚN", .bases = "IT", .kind = kVerb, .tier = 1, .after = "DTN", .declension = kParticiple},
    {.endings = "AN", .bases = "AT", .kind = kVerb, .tier = 1, .declension = kParticiple},
    {.endings = "NUT", .bases = "NOUT", .kind = kVerb, .tier = 1, .declension = kParticiple},
    {.endings = "AJÍC", .bases = "AT", .kind = kVerb, .tier = 1, .declension = kSoftAdjective},
    {.endings = "UJÍC", .bases = "OVAT", .kind = kVerb, .tier = 1, .declension = kSoftAdjective},
    {.endings = "ÍC", .bases = "IT ĚT ET", .kind = kVerb, .tier = 1, .declension = kSoftAdjective},
    {.endings = "NOUC", .bases = "NOUT", .kind = kVerb, .tier = 1, .declension = kSoftAdjective},
    // Rarer endings: turisté; kuře, kotě; tamten, tento;
    // ukáže, pláče; člověče; tiskl, táhl, kopl, padl.
    {.endings = "ISTÉ", .bases = "ISTA", .tier = 1},
    {.endings = "ETE ETI ETEM ATA ATŮM ATECH ATY AT", .bases = "E", .tier = 1, .after = "ŘČŽSL"},
    {.endings = "ĚTE ĚTI ĚTEM", .bases = "Ě", .tier = 1},
    {.endings = "ATA ATŮM ATECH ATY AT", .bases = "Ě", .tier = 1, .after = "BPVMF"},
    {.endings = "OHO OMU OM ÍM A O É U OU I Y ĚCH ĚM ĚMI", .bases = "EN", .tier = 1, .after = "T"},
    {.endings = "OHOTO OMUTO OMTO ÍMTO ATO OTO UTO OUTO ITO YTO ĚCHTO ĚMTO ĚMITO ÉTO", .bases = "ENTO", .tier = 1,
     .after = "T"},
    {.endings = "ŽU ŽEŠ ŽE ŽEME ŽETE ŽOU", .bases = "ZAT", .kind = kVerb, .tier = 1},
    {.endings = "ČU ČEŠ ČE ČEME ČETE ČOU", .bases = "KAT", .kind = kVerb, .tier = 1},
    {.endings = "ČE", .bases = "K", .tier = 1},
    {.endings = "KL KLA KLO KLI KLY", .bases = "KNOUT", .kind = kVerb, .tier = 1},
    {.endings = "HL HLA HLO HLI HLY", .bases = "HNOUT", .kind = kVerb, .tier = 1},
    {.endings = "PL PLA PLO PLI PLY", .bases = "PNOUT", .kind = kVerb, .tier = 1},
    {.endings = "DL DLA DLO DLI DLY", .bases = "DNOUT", .kind = kVerb, .tier = 1},
    // The same endings with the stem changed.
    {.endings = "I ÍCH", .bases = "-", .tier = 2, .changes = kSoften},
    {.endings = "Í", .bases = "Ý", .tier = 2, .changes = kSoften},
    {.endings = "ÍCH", .bases = "-", .tier = 2, .changes = kSoften | kMobileE},
    {.endings = "E", .bases = "A - O", .tier = 2, .changes = kSoften},
    {.endings = "U A E I Y EM Ů ŮM ECH OVI", .bases = "-", .tier = 2, .changes = kMobileE},
    {.endings = "U A E Ě EM Ů ŮM ECH Y", .bases = "-", .tier = 2, .changes = kLengthen},
    {.endings = "Ě ĚM I Í ÍCH ĚMI", .bases = "-", .tier = 2, .changes = kSoftFinal},
    {.endings = "Ě I Í ÍCH ĚMI", .bases = "-", .tier = 2, .changes = kMobileE | kSoftFinal},
    {.endings = "Ě ĚM I Í ÍCH", .bases = "-", .tier = 2, .changes = kSoftFinal | kLengthen},
    {.endings = "MI", .bases = "-", .tier = 2, .changes = kLengthen},
    {.endings = "ATA ATŮM ATECH ATY AT", .bases = "Ě", .tier = 2, .changes = kHardFinal},
    {.endings = "EN ENA ENO ENI ENY", .bases = "IT", .kind = kVerb, .tier = 2, .changes = kVerbStem},
    // The genitive plural, with the e put in or the vowel shortened (matek,
    // much); without either it is mostly a foreign word ("platform").
    {.endings = "0", .bases = "A O", .tier = 3, .changes = kDropE},
    {.endings = "0", .bases = "A O", .tier = 3, .changes = kLengthen},
};

// A change as pairs: what the paradigm made of the end of a stem, and what
// it was, longer first.
using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs pairs(std::initializer_list<std::pair<std::string_view, std::string_view>> utf8) {
  Pairs converted;
  for (const auto& [now, before] : utf8) converted.emplace_back(cp1250Text(now), cp1250Text(before));
  return converted;
}

// Everything in Windows-1250, made once.
struct Tables {
  struct Rule {
    std::string ending, base, after, notAfter;
    bool bare = false;  // the zero ending: the word is the stem
    unsigned kind = kNoun;
    int tier = 0;
    unsigned changes = 0;
  };
  std::vector<Rule> rules;
  Pairs softened = pairs({{"ČT", "CK"}, {"ŠT", "SK"}, {"C", "K"}, {"Z", "H"}, {"Š", "CH"}, {"Ř", "R"}});
  Pairs verbStems = pairs({{"ŠŤ", "ST"}, {"Š", "S"}, {"Ž", "Z"}, {"C", "T"}, {"Z", "D"}});
  Pairs hardened = pairs({{"Ť", "T"}, {"Ď", "D"}, {"Ň", "N"}});
  Pairs unsoftened = pairs({{"T", "Ť"}, {"D", "Ď"}, {"N", "Ň"}});
  Pairs longer = pairs({{"A", "Á"}, {"E", "É"}, {"Ě", "Í"}, {"I", "Í"}, {"O", "Ů"}, {"U", "OU"}, {"Y", "Ý"}});
  std::string vowels = cp1250Text("AEIOUYÁÉĚÍÓÚŮÝ");

  Tables();
  void add(const Paradigm& p);
};

std::vector<std::string> split(std::string_view list) {
  std::vector<std::string> items;
  for (std::size_t at = 0; at < list.size();) {
    std::size_t end = std::min(list.find(' ', at), list.size());
    items.push_back(cp1250Text(list.substr(at, end - at)));
    at = end + 1;
  }
  return items;
}

void Tables::add(const Paradigm& p) {
  std::vector<std::string> tails = *p.declension ? split(p.declension) : std::vector<std::string>{""};
  for (const std::string& mark : split(p.endings))
    for (const std::string& tail : tails)
      for (const std::string& base : split(p.bases)) {
        Rule rule;
        rule.bare = mark == "0";
        rule.kind = p.kind;
        rule.tier = p.tier;
        rule.changes = p.changes;
        rule.ending = rule.bare ? "" : mark + tail;
        rule.base = base == "-" ? "" : base;
        rule.after = cp1250Text(p.after);
        rule.notAfter = cp1250Text(p.notAfter);
        rules.push_back(std::move(rule));
      }
}

Tables::Tables() {
  for (const Paradigm& p : kParadigms) add(p);
  std::stable_sort(rules.begin(), rules.end(), [](const Rule& a, const Rule& b) {
    return a.tier != b.tier ? a.tier < b.tier : a.ending.size() > b.ending.size();
  });
}

const Tables& tables() {
  static const Tables made;
  return made;
}

bool isVowel(char c) { return tables().vowels.find(c) != std::string::npos; }

bool isConsonant(char c) { return !isVowel(c) && downcaseCz(c) != c; }

// The stem with its end put back as it was before the change; none when it
// does not end as the change leaves it.
std::vector<std::string> undone(const std::string& stem, const Pairs& change) {
  for (const auto& [now, before] : change)
    if (stem.size() > now.size() && stem.ends_with(now)) return {stem.substr(0, stem.size() - now.size()) + before};
  return {};
}

// The last vowel made long, and the one before it (kamen -> KÁMEN). Stems
// shorter than four letters are left alone: they are mostly foreign words
// ("name" is no form of NÁM); the Czech ones are irregular forms (dům, kůň).
std::vector<std::string> lengthened(const std::string& stem) {
  std::vector<std::string> variants;
  if (stem.size() < 4) return variants;
  int vowels = 0;
  for (std::size_t i = stem.size(); i-- > 0 && vowels < 2;) {
    if (!isVowel(stem[i])) continue;
    ++vowels;
    if (stem[i] == 'U' && i > 0 && stem[i - 1] == 'O') continue;  // OU is long already
    for (const auto& [shortVowel, longVowel] : tables().longer)
      if (stem[i] == shortVowel[0]) variants.push_back(stem.substr(0, i) + longVowel + stem.substr(i + 1));
  }
  return variants;
}

std::vector<std::string> changed(const std::string& stem, Change change) {
  const std::size_t n = stem.size();
  switch (change) {
    case kSoften: return undone(stem, tables().softened);
    case kVerbStem: return undone(stem, tables().verbStems);
    case kHardFinal: return undone(stem, tables().hardened);
    case kSoftFinal: return undone(stem, tables().unsoftened);
    case kLengthen: return lengthened(stem);
    case kMobileE:
      if (n < 2 || !isConsonant(stem[n - 1]) || !isConsonant(stem[n - 2]) || stem.ends_with("CH")) return {};
      return {stem.substr(0, n - 1) + 'E' + stem[n - 1]};
    case kDropE:
      if (n < 4 || stem[n - 2] != 'E' || !isConsonant(stem[n - 1]) || !isConsonant(stem[n - 3])) return {};
      return {stem.substr(0, n - 2) + stem[n - 1]};
  }
  return {};
}

// The stems a rule's changes lead back to, undone in the order of Change:
// the softening before the mobile e (zámcích -> ZÁMK -> ZÁMEK), the final
// consonant before the vowel (koně -> KOŇ -> KŮŇ).
std::vector<std::string> changedStems(const std::string& stem, unsigned changes) {
  std::vector<std::string> stems{stem};
  for (unsigned bit = 1; bit <= kLengthen; bit <<= 1) {
    if (!(changes & bit)) continue;
    std::vector<std::string> next;
    for (const std::string& s : stems)
      for (std::string& c : changed(s, static_cast<Change>(bit))) next.push_back(std::move(c));
    stems = std::move(next);
  }
  return stems;
}

constexpr std::size_t kShortestBase = 3;

class Guesses {
 public:
  explicit Guesses(std::string_view word) : word(word) {}
  void add(std::string guess) {
    if (guess.size() < kShortestBase || guess == word || full()) return;
    if (std::find(list.begin(), list.end(), guess) == list.end()) list.push_back(std::move(guess));
  }
  // Dictionaries list a reflexive verb with its pronoun: "pokusí" is a form
  // of POKUSIT SE, "dovolím" of DOVOLIT SI.
  void addVerb(const std::string& infinitive) {
    add(infinitive);
    add(infinitive + " SE");
    add(infinitive + " SI");
  }
  bool full() const { return list.size() >= kMaxGuessedBaseForms; }
  std::vector<std::string> list;

 private:
  std::string_view word;
};

// Together, stem and ending make three letters at least: a one-letter
// ending of a verb leaves two letters of stem ("zná"), a two-letter one
// one ("pije"), a longer one may be the whole word ("čte"). A one-letter
// case ending needs three: two-letter stems are mostly foreign words read as
// Czech ("any" is no form of ANO, "use" none of USA), and the few Czech ones
// are in the irregular forms (psa, dne). A bare stem is a word of four
// letters or more that ends in a consonant.
bool stemFits(std::string_view stem, const Tables::Rule& rule) {
  if (rule.bare) return stem.size() > kShortestBase && isConsonant(stem.back());
  const bool caseEnding = rule.ending.size() == 1 && rule.kind != kVerb;
  return stem.size() + std::min(rule.ending.size(), kShortestBase) >= kShortestBase + caseEnding;
}

// Under a case ending put back, a stem needs a vowel or a syllabic R or L
// ("vlk"): "dn" of "dny" is no stem until the mobile e is back (DEN, not
// DNA). A longer base ending brings the vowel of a root ("zn" + ÁT, "t" +
// ENTO).
bool hasSyllable(std::string_view stem, std::string_view base) {
  return base.size() > 1 ||
         std::any_of(stem.begin(), stem.end(), [](char c) { return isVowel(c) || c == 'R' || c == 'L'; });
}

void guessFrom(std::string_view word, unsigned kinds, Guesses& guesses) {
  for (const Tables::Rule& rule : tables().rules) {
    if (guesses.full()) return;
    if (!(rule.kind & kinds) || !word.ends_with(rule.ending)) continue;
    std::string stem(word.substr(0, word.size() - rule.ending.size()));
    if (!stemFits(stem, rule)) continue;
    // A longer ending may be the whole word ("oho"), leaving no stem to check.
    if (!rule.after.empty() && (stem.empty() || rule.after.find(stem.back()) == std::string::npos)) continue;
    if (!rule.notAfter.empty() && stem.ends_with(rule.notAfter)) continue;
    for (const std::string& s : changedStems(stem, rule.changes)) {
      if (!hasSyllable(s, rule.base)) continue;
      if (rule.kind == kVerb)
        guesses.addVerb(s + rule.base);
      else
        guesses.add(s + rule.base);
    }
  }
}

}  // namespace

std::vector<std::string> guessedBaseForms(std::string_view word) {
  if (word.size() > kLongestCzechWord) return {};
  Guesses guesses(word);
  if (word.ends_with('T') || word.ends_with("CI")) guesses.addVerb(std::string(word));  // smát: SMÁT SE
  guessFrom(word, kAnyKind, guesses);
  // Negation belongs to the verb ("nepřišel" is a form of PŘIJÍT), the
  // superlative's "nej" to the comparative; a noun or adjective with "ne" is
  // a word of its own (NEMOCNÝ is no form of MOCNÝ).
  if (word.starts_with("NEJ"))
    guessFrom(word.substr(3), kComparative, guesses);
  else if (word.starts_with("NE"))
    guessFrom(word.substr(2), kVerb, guesses);
  return std::move(guesses.list);
}

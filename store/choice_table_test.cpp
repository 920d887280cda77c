// The translation finds chosen meanings in a table of packed keys; this test
// holds it against the rules looked up by their keys as MeaningChoices keeps
// them, on random rules whose words collide in case, in the punctuation
// around them and in the bytes the hash leaves out.

#include "choice_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

class ChoiceTableAgainstKeys : public testing::Test {
 protected:
  std::mt19937 random{20261207};

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

  std::string anyOf(std::string_view letters, int size) {
    std::string text;
    for (int i = 0; i < size; ++i) text += letters[below(letters.size())];
    return text;
  }
  // Short words of few letters, so that a word has many words before it;
  // long ones alike but in their middle, which the hash leaves out; both in
  // either case (š Š, ý Ý, ř Ř, á Á, and ü Ü, which upcaseCz leaves), with
  // bytes beside a and z, and punctuation around.
  std::string randomWord() {
    std::string word = below(4) ? anyOf("kKoO\x9A\x8A`az{", 1 + below(3))
                                : anyOf("kK", 8) + anyOf("aAA\xF8\xD8\xE1\xC1\xFC\xDC\x9A\x8A\xFD\xDD", below(12)) +
                                      anyOf("oO", 4);
    if (below(5) == 0) word = "(" + word;
    if (below(5) == 0) word += below(2) ? "." : "\"";
    return word;
  }
  // Short, and long ones that differ only in their middle.
  std::string randomMeaning() {
    const std::string differing(1 + below(3), static_cast<char>('A' + below(3)));
    return below(3) ? differing : "MMMM" + differing + "MMMM";
  }
};

TEST_F(ChoiceTableAgainstKeys, ChoosesAsTheRulesSay) {
  for (int round = 0; round < 20; ++round) {
    std::unordered_map<std::string, std::string> rules;
    const int count = below(300);
    for (int i = 0; i < count; ++i) {
      const std::string word = choiceKey(randomWord()), previous = below(2) ? choiceKey(randomWord()) : "";
      if (word.empty() || word.size() > kFieldCapacity || previous.size() > kFieldCapacity) continue;
      rules[std::string(below(2) ? "1" : "0") + previous + '\t' + word] = randomMeaning();
    }
    ChoiceTable table;
    table.build(rules);
    for (int ask = 0; ask < 2000; ++ask) {
      const Dict dict = below(2) ? kTarvikCzech : kCzechTarvik;
      const std::string previous = below(4) ? randomWord() : "", word = randomWord();
      std::array<std::string, kMeaningCount> meanings;
      for (std::string& meaning : meanings)
        if (below(3)) meaning = randomMeaning();
      ChosenMeaning expected;
      for (bool afterPrevious : {true, false}) {
        if (afterPrevious && choiceKey(previous).empty()) continue;
        const std::string key = std::string(dict == kTarvikCzech ? "1" : "0") +
                                (afterPrevious ? choiceKey(previous) : "") + '\t' + choiceKey(word);
        auto rule = rules.find(key);
        auto held = rule == rules.end() ? meanings.end() : std::find(meanings.begin(), meanings.end(), rule->second);
        if (held == meanings.end()) continue;
        expected = {static_cast<int>(held - meanings.begin()), true, afterPrevious};
        break;
      }
      const ChosenMeaning chosen = table.choose(ChoiceWord(dict, previous), ChoiceWord(dict, word), meanings);
      ASSERT_EQ(std::tie(chosen.slot, chosen.remembered, chosen.afterPrevious),
                std::tie(expected.slot, expected.remembered, expected.afterPrevious))
          << "round " << round << ": " << previous << " " << word;
    }
  }
}

}  // namespace

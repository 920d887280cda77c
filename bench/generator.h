#pragma once

// Deterministic dictionaries and texts for the benchmarks: Tarvik-like
// headwords (with apostrophes, EE, SH, ROU, Q, EI/AI/OI, doubled letters),
// two-word phrases, repeated headwords, and Windows-1250 Czech meanings.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary_store.h"
#include "record_format.h"

class WordGenerator {
 public:
  explicit WordGenerator(std::uint64_t seed) : state(seed) {}
  std::string tarvikWord();
  std::string czechWord();
  std::uint64_t next();

 private:
  std::uint64_t state;
};

// `records` entries sorted by headword, as the program keeps its files.
std::vector<Tslovicko> makeDictionary(std::size_t records, std::uint64_t seed);
// Writes the records to `fileName` as a dictionary file.
void writeDictionaryFile(const std::string& fileName, const std::vector<Tslovicko>& entries);
// This run's own folder for the dictionaries of the benchmark program `bench`.
std::filesystem::path benchFolder(const std::string& bench);
// The store of the dictionaries in `folder`, opened afresh as at a start; the
// store opened before is closed.
DictionaryStore& openStore(const std::filesystem::path& folder);
// Runs the benchmarks the command line selects, then closes the store and
// removes benchFolder(bench).
int runBenchmarks(int argc, char** argv, const std::string& bench);

// Lines of about ten words, mostly headwords of `entries`, some unknown.
std::vector<std::string> makeText(const std::vector<Tslovicko>& entries, std::size_t words, std::uint64_t seed);

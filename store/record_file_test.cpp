#include <sys/stat.h>

#include "store_fixture_test.h"

namespace {

using OpeningDictionaries = InTempDir;

TEST_F(OpeningDictionaries, CreatesAMissingFileEmptyKeepsAnExistingOneAndRefusesAnUnreadableOne) {
  std::string bytes = rawRecord({"KO", "VODA"}) + rawRecord({"RA", "SLUNCE"});
  putFileBytes("tc_slovnik.slk", bytes);
  {
    DictionaryStore store(dir.string());
    EXPECT_EQ(store.entryCount(kTarvikCzech), 2);
    EXPECT_EQ(store.entryCount(kCzechTarvik), 0);
  }
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
  EXPECT_EQ(std::filesystem::file_size(dir / "ct_slovnik.slk"), 0u);
  auto open = [&] { DictionaryStore store(dir.string()); };
  // An unreadable file or a folder of that name is an error and stays as it was.
  ::chmod(at("tc_slovnik.slk").c_str(), 0);
  expectAsUnprivileged([&] { return errorOf(open) == EACCES ? "" : "no EACCES"; });
  EXPECT_EQ(fileBytes("tc_slovnik.slk"), bytes);
  std::filesystem::remove(dir / "tc_slovnik.slk");
  std::filesystem::create_directory(dir / "tc_slovnik.slk");
  EXPECT_EQ(errorOf(open), EISDIR);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "tc_slovnik.slk"));
  // So is a folder that is missing, a file, or one that may not be entered.
  EXPECT_EQ(messageOf([&] { DictionaryStore store(at("missing")); }), "Folder not found: " + at("missing"));
  EXPECT_EQ(messageOf([&] { DictionaryStore store(at("ct_slovnik.slk")); }), "Not a folder: " + at("ct_slovnik.slk"));
  std::filesystem::create_directory(dir / "locked", dir);
  ::chmod(at("locked").c_str(), 0600);
  expectAsUnprivileged([&] {
    std::string message = messageOf([&] { DictionaryStore store(at("locked")); });
    return message == "Permission denied: " + at("locked") ? "" : "message: " + message;
  });
}

TEST_F(OpeningDictionaries, AMissingFileInAFolderThatMayNotBeWrittenReadsAsEmpty) {
  putFileBytes("tc_slovnik.slk", rawRecord({"KO", "VODA"}));
  ::chmod(dir.c_str(), 0555);
  expectAsUnprivileged([&]() -> std::string {
    std::optional<DictionaryStore> store(std::in_place, dir.string());
    if (!store->findWord("ko", kTarvikCzech, false).found) return "the dictionary that exists was not read";
    if (store->entryCount(kCzechTarvik) != 0 || store->findWord("voda", kCzechTarvik, false).found) return "missing one not empty";
    std::string message = messageOf([&] { store->insertEntry(entry("VODA", {"KO"}), kCzechTarvik); });
    return message == "Permission denied: ct_slovnik.slk" ? "" : "message: " + message;
  });
  ::chmod(dir.c_str(), 0777);
  EXPECT_FALSE(std::filesystem::exists(dir / "ct_slovnik.slk"));
  // A journal that cannot be read is told of; the dictionary is used as it is.
  putFileBytes("tc_slovnik.zurnal", "?");
  ::chmod(at("tc_slovnik.zurnal").c_str(), 0);
  expectAsUnprivileged([&]() -> std::string {
    std::vector<StoreWarning> warnings = DictionaryStore(dir.string()).takeWarnings();
    std::string told = warnings.empty() ? "" : warnings[0].text;
    return told == "tc_slovnik.zurnal could not be read (Permission denied): tc_slovnik.slk is used as it is."
               ? "" : "told: " + told;
  });
}

}  // namespace

#pragma once

// Shared by the store's tests: every test runs in a fresh temporary folder
// holding its own dictionaries.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "dictionary_store.h"
#include "record_file.h"

inline Tslovicko entry(std::string slovo, std::initializer_list<std::string> meanings = {}) {
  Tslovicko e;
  e.slovo = std::move(slovo);
  for (int slot = 1; const std::string& meaning : meanings) e.vyznam(slot++) = meaning;
  return e;
}

// The raw bytes of one record, as an independent writer would put them.
inline std::string rawRecord(std::initializer_list<std::string> fields) {
  std::string record(kRecordSize, '\0');
  for (std::size_t at = 0; const std::string& field : fields) {
    record[at] = static_cast<char>(field.size());
    record.replace(at + 1, field.size(), field);
    at += kFieldSize;
  }
  return record;
}

inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void putFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The records a snapshot shows, as a file would hold them.
inline std::string recordsOf(const EntriesSnapshot& entries) {
  std::string records;
  for (long i = 0; i < entries.count(); ++i) {
    std::string record(kRecordSize, '\0');
    for (int field = 0; field < static_cast<int>(kFieldCount); ++field) {
      std::string_view text = field == 0 ? entries.headword(i) : entries.meaning(i, field);
      record[field * kFieldSize] = static_cast<char>(text.size());
      record.replace(field * kFieldSize + 1, text.size(), text);
    }
    records += record;
  }
  return records;
}

// A fresh temporary folder; the working directory stays where it is.
class InTempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[] = "/tmp/tarvik-test-XXXXXX";
    ASSERT_NE(::mkdtemp(path), nullptr);
    std::filesystem::permissions(dir = path, std::filesystem::perms::all);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  // A file of the folder.
  std::string at(const std::string& name) const { return (dir / name).string(); }
  std::string fileBytes(const std::string& name) const { return ::fileBytes(dir / name); }
  void putFileBytes(const std::string& name, const std::string& bytes) const { ::putFileBytes(dir / name, bytes); }

  // A file of the folder that a crash or a kill cannot tear: the `changes`
  // never write it, and it was replaced by a copy synced first.
  void expectReplacedOnlyBySyncedCopy(const std::vector<DiskChange>& changes, const std::string& name) const {
    struct stat st;
    ASSERT_EQ(::stat(at(name).c_str(), &st), 0);
    bool synced = false, replaced = false;
    for (const DiskChange& c : changes) {
      EXPECT_TRUE(c.kind != DiskChange::Kind::write || c.file == st.st_ino);
      if (c.kind == DiskChange::Kind::syncFile) synced = c.file == st.st_ino;
      if (c.kind == DiskChange::Kind::rename) replaced = c.newName == name && synced;
    }
    EXPECT_TRUE(replaced) << name;
  }

  std::filesystem::path dir;
};

// A store opened on the temporary folder.
class StoreTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    store.emplace(dir.string());
  }
  void TearDown() override {
    store.reset();
    InTempDir::TearDown();
  }
  // As the next start of a program would find the folder.
  void reopen() {
    store.reset();
    store.emplace(dir.string());
  }

  void fill(Dict dict, std::initializer_list<Tslovicko> entries) {
    for (const Tslovicko& e : entries) store->writeEntry(dict, store->entryCount(dict), e);
  }

  std::optional<DictionaryStore> store;
};

// Permission checks do not apply to root, so the tests that need a file the
// program may not write run `body` in a child process as nobody; the child
// exits 0 when `body` returns an empty complaint.
template <typename Body>
void expectAsUnprivileged(Body body) {
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(99);
        std::string complaint = body();
        std::fprintf(stderr, "%s\n", complaint.c_str());
        std::_Exit(complaint.empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// The errno and message of the IoError that `operation` throws; 0 and empty when it succeeds.
template <typename Operation>
std::pair<int, std::string> failureOf(Operation operation) {
  try {
    operation();
  } catch (const IoError& e) {
    return {e.code().value(), e.what()};
  }
  return {0, ""};
}

template <typename Operation>
int errorOf(Operation operation) { return failureOf(operation).first; }

template <typename Operation>
std::string messageOf(Operation operation) { return failureOf(operation).second; }

// Makes every write beyond `bytes` fail with EFBIG, as a full disk would fail it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited{bytes, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
  }

 private:
  rlimit saved{};
  void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
};

#pragma once

// What every fuzz target shares: a broken promise of the code under test is
// reported like a crash, so that libFuzzer keeps the input that shows it.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

inline void require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

// The store works on the dictionaries of the current folder: each target that
// needs them runs in a fresh folder of its own, removed at exit. In memory
// when the machine has /dev/shm: exports sync their file, and a sync on disk
// would cost more than the rest of a run.
inline void enterFreshFolder() {
  static struct Folder {
    std::string path = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/tarvik-fuzz-XXXXXX"
                                                                 : "/tmp/tarvik-fuzz-XXXXXX";
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } folder;
  require(::mkdtemp(folder.path.data()) != nullptr && ::chdir(folder.path.c_str()) == 0,
          "a temporary folder can be made");
}

inline void putFile(const char* name, std::string_view bytes) {
  std::ofstream file(name, std::ios::binary);
  require(bool(file << bytes << std::flush), "the file is written whole");
}

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

// The dictionaries a target needs live in a fresh folder of its own, made at
// the first call and removed at exit. In memory when the machine has
// /dev/shm: exports sync their file, and a sync on disk would cost more than
// the rest of a run.
inline const std::string& freshFolder() {
  static const struct Scratch {
    std::string path = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/tarvik-fuzz-XXXXXX"
                                                                 : "/tmp/tarvik-fuzz-XXXXXX";
    Scratch() { require(::mkdtemp(path.data()) != nullptr, "a temporary folder can be made"); }
    ~Scratch() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } folder;
  return folder.path;
}

inline void putFile(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary);
  require(bool(file << bytes << std::flush), "the file is written whole");
}

#pragma once

// The store works on the dictionaries of the current folder: each fuzz
// target that needs them runs in a fresh folder of its own, removed at exit.

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include "fuzz_check.h"

inline std::string& fuzzFolder() {
  static std::string path;
  return path;
}

// In memory when the machine has /dev/shm: exports sync their file, and a
// sync on disk would cost more than the rest of a run.
inline void enterFreshFolder() {
  std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/tarvik-fuzz-XXXXXX"
                                                                  : "/tmp/tarvik-fuzz-XXXXXX";
  require(::mkdtemp(pattern.data()) != nullptr && ::chdir(pattern.c_str()) == 0, "a temporary folder can be made");
  fuzzFolder() = pattern;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(fuzzFolder(), ignored);
  });
}

inline void putFile(const char* name, std::string_view bytes) {
  int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  require(fd >= 0, "the file can be written");
  require(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "the file is written whole");
  ::close(fd);
}

#pragma once

// What every fuzz target shares: a broken promise of the code under test is
// reported like a crash, so that libFuzzer keeps the input that shows it.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

inline void require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

// The fuzzer's bytes taken apart: a few small numbers first, the rest as text.
class FuzzInput {
 public:
  FuzzInput(const unsigned char* data, std::size_t size)
      : bytes(reinterpret_cast<const char*>(data), size) {}

  unsigned char byte() {
    if (bytes.empty()) return 0;
    unsigned char b = static_cast<unsigned char>(bytes.front());
    bytes.remove_prefix(1);
    return b;
  }
  std::string_view rest() const { return bytes; }

 private:
  std::string_view bytes;
};

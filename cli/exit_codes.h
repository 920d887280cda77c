#pragma once

#include <stdexcept>

// What scripts can rely on: 1 only ever means "not in the dictionary".
constexpr int kExitDone = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitUsage = 2;
constexpr int kExitIo = 3;

// Bad arguments or input text: reported before any dictionary file is
// opened, so a refused command never leaves a file behind.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

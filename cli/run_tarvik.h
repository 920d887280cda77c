#pragma once

// Runs the built tarvik as a user would: in a fresh folder of its own, with
// the given standard input, capturing standard output, standard error and
// the exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class TarvikTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  RunResult run(const std::vector<std::string>& args, std::string_view input = "");
  // Runs and insists on exit status 0, for the steps that set a test up.
  std::string runOk(const std::vector<std::string>& args, std::string_view input = "");

  // Paths relative to the program's folder.
  std::string readFile(const std::string& name) const;
  void writeFile(const std::string& name, std::string_view bytes) const;
  std::vector<std::string> folderContents(const std::string& name = ".") const;

  std::filesystem::path root;  // holds the captured streams, outside the program's sight
  std::filesystem::path work;  // the program's current folder
};

#pragma once

// A dictionary folder for the tests of refused writes: both dictionaries
// filled and sorted, and an import file kept outside the folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tarvik_process.h"

class DictionaryFolder : public ::testing::Test {
 protected:
  // `records` records in each dictionary: KO (VODA), RA (SLUNCE), then W...
  // in order in tc; VODA (KO), then X... in ct.
  void makeDictionaries(int records);
  void TearDown() override;

  Finished tarvik(const std::vector<std::string>& args, bool unprivileged = false, long long sizeLimit = -1);
  // Exit 3 with `message` on standard error, and both dictionaries as they were.
  void expectRefused(const std::vector<std::string>& args, const std::string& message, bool unprivileged,
                     long long sizeLimit = -1);
  // Look-ups, listing, counting and translation as a user who may not write.
  void expectReadsWork();

  std::string folder;   // the dictionaries
  std::string outside;  // the import file
  std::string importFile;
  std::string tcBefore, ctBefore;
};

#pragma once

// Runs the built tarvik as another program, the way a user or the machine
// does: in a folder of its own, with a given standard input, killed at any
// moment, held to a file size limit, or as a user to whom file permissions
// apply (the tests run as root, which they do not bind). The command line's
// tests and the reliability tests share it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct Launch {
  std::vector<std::string> args{};
  std::string dir{};             // the program's current folder
  std::string input{};           // its standard input
  bool unprivileged = false;     // run as uid and gid 65534
  long long fileSizeLimit = -1;  // bytes; writes past it fail with EFBIG
  long killAfter = -1;           // microseconds until SIGKILL; -1 lets it finish
};

struct Finished {
  int exitCode = -1;  // -1 when a signal ended it
  std::string out, err;
};

Finished runTarvik(const Launch& launch);

// A fresh empty folder, in memory where the machine offers it.
std::string makeScratchFolder(const std::string& purpose);
void removeFolder(const std::string& path);
// A missing file reads as empty.
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// A fresh folder that tarvik runs in, as `launch` says apart from the
// arguments and the input.
class TarvikFolder : public ::testing::Test {
 protected:
  void SetUp() override { launch.dir = folder = makeScratchFolder("folder"); }
  void TearDown() override { removeFolder(folder); }

  Finished tarvik(std::vector<std::string> args, std::string input = "") const {
    Launch run = launch;
    run.args = std::move(args);
    run.input = std::move(input);
    return runTarvik(run);
  }
  // For the steps that set a test up: insists on exit status 0.
  std::string runOk(std::vector<std::string> args, std::string input = "") const {
    Finished run = tarvik(args, std::move(input));
    EXPECT_EQ(run.exitCode, 0) << "tarvik " << args.front() << ": " << run.err;
    return run.out;
  }

  std::string folder;
  Launch launch;
};

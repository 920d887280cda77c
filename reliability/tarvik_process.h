#pragma once

// Runs the built tarvik as another program, the way the machine can fail it:
// killed at any moment, held to a file size limit, or as a user to whom file
// permissions apply (the tests run as root, which they do not bind).

#include <string>
#include <sys/types.h>
#include <vector>

struct Launch {
  std::vector<std::string> args;
  std::string dir;                // the program's current folder
  std::string input;              // its standard input
  bool unprivileged = false;      // run as uid and gid 65534
  long long fileSizeLimit = -1;   // bytes; writes past it fail with EFBIG
  bool captureOutput = true;      // else standard output and error are thrown away
};

struct Finished {
  int exitCode = -1;  // -1 when a signal ended it
  int signal = 0;
  std::string out;
  std::string err;
};

class TarvikProcess {
 public:
  explicit TarvikProcess(const Launch& launch);
  ~TarvikProcess();
  TarvikProcess(const TarvikProcess&) = delete;
  TarvikProcess& operator=(const TarvikProcess&) = delete;

  void kill(int signal);
  Finished wait();

 private:
  pid_t pid = -1;
  std::string streams;  // folder of the standard streams' files
  bool waited = false;
};

Finished runTarvik(const Launch& launch);

// A fresh empty folder, in memory where the machine offers it.
std::string makeScratchFolder(const std::string& purpose);
void removeFolder(const std::string& path);

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// One record of a dictionary file.
std::string record(std::initializer_list<std::string> fields);

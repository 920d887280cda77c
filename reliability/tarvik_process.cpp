#include "tarvik_process.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

// The build folder may be closed to other users (a clone in a private
// temporary folder is), so the unprivileged runs use a copy of the program
// that they may reach; it is removed when the tests end.
const char* binaryFor(const Launch& launch) {
  if (!launch.unprivileged) return TARVIK_BINARY;
  static const std::string copy = [] {
    static const std::string folder = makeScratchFolder("binary");
    std::atexit([] { removeFolder(folder); });
    std::filesystem::copy_file(TARVIK_BINARY, folder + "/tarvik");
    std::filesystem::permissions(folder + "/tarvik", std::filesystem::perms(0755));
    return folder + "/tarvik";
  }();
  return copy.c_str();
}

// Only async-signal-safe calls between fork and exec: all is prepared.
[[noreturn]] void becomeTarvik(const Launch& launch, const char* binary, const std::string* files, char** argv) {
  for (int stream = 0; stream < 3; ++stream) {
    int fd = ::open(files[stream].c_str(), stream == 0 ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::dup2(fd, stream) < 0) ::_exit(126);
    ::close(fd);
  }
  if (::chdir(launch.dir.c_str()) != 0) ::_exit(126);
  if (launch.fileSizeLimit >= 0) {
    // Ignored, SIGXFSZ turns into the EFBIG that a full disk's ENOSPC resembles.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{static_cast<rlim_t>(launch.fileSizeLimit), static_cast<rlim_t>(launch.fileSizeLimit)};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
  }
  if (launch.unprivileged && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
    ::_exit(126);
  ::execv(binary, argv);
  ::_exit(127);
}

}  // namespace

TarvikProcess::TarvikProcess(const Launch& launch) : streams(makeScratchFolder("streams")) {
  std::string files[3] = {streams + "/in", "/dev/null", "/dev/null"};
  if (launch.captureOutput) files[1] = streams + "/out", files[2] = streams + "/err";
  writeBytes(files[0], launch.input);
  std::vector<std::string> words = {"tarvik"};
  words.insert(words.end(), launch.args.begin(), launch.args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const char* binary = binaryFor(launch);
  pid = ::fork();
  if (pid == 0) becomeTarvik(launch, binary, files, argv.data());
  if (pid < 0) throw std::runtime_error("cannot start tarvik");
}

TarvikProcess::~TarvikProcess() {
  if (!waited) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  removeFolder(streams);
}

void TarvikProcess::kill(int signal) { ::kill(pid, signal); }

Finished TarvikProcess::wait() {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) throw std::runtime_error("lost the tarvik process");
  waited = true;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(streams + "/out"), readBytes(streams + "/err")};
}

Finished runTarvik(const Launch& launch) { return TarvikProcess(launch).wait(); }

Finished TarvikFolder::tarvik(std::vector<std::string> args, std::string input) const {
  Launch run = launch;
  run.args = std::move(args);
  run.input = std::move(input);
  return runTarvik(run);
}

std::string TarvikFolder::runOk(std::vector<std::string> args, std::string input) const {
  Finished run = tarvik(args, std::move(input));
  EXPECT_EQ(run.exitCode, 0) << "tarvik " << args.front() << ": " << run.err;
  return run.out;
}

std::string makeScratchFolder(const std::string& purpose) {
  std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
  std::string pattern = base + "/tarvik-" + purpose + "-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
  std::filesystem::permissions(pattern, std::filesystem::perms::all);
  return pattern;
}

void removeFolder(const std::string& path) {
  std::error_code ignored;
  std::filesystem::permissions(path, std::filesystem::perms::all, ignored);
  std::filesystem::remove_all(path, ignored);
}

// Whole dictionaries are read after every trial of the kill test: one read
// into a string of the right size. A missing file reads as empty.
std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(in ? std::filesystem::file_size(path) : 0, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

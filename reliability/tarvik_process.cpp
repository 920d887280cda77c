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

#include "record_format.h"

namespace {

constexpr uid_t kNobody = 65534;

// The build folder may be closed to other users (a clone in a private
// temporary folder is), so the unprivileged runs use a copy of the program
// that they may reach; it is removed when the tests end.
const std::string& binaryForNobody() {
  static const std::string path = [] {
    static std::string folder = makeScratchFolder("binary");
    std::atexit([] { removeFolder(folder); });
    std::string copy = folder + "/tarvik";
    std::filesystem::copy_file(TARVIK_BINARY, copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                           std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                           std::filesystem::perms::others_exec);
    return copy;
  }();
  return path;
}

// Only async-signal-safe calls between fork and exec: all is prepared.
[[noreturn]] void becomeTarvik(const Launch& launch, const char* binary, const std::string* files, char** argv) {
  for (int stream = 0; stream < 3; ++stream) {
    int fd = stream == 0 ? ::open(files[0].c_str(), O_RDONLY)
                         : ::open(files[stream].c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
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
  if (launch.unprivileged &&
      (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
    ::_exit(126);
  ::execv(binary, argv);
  ::_exit(127);
}

}  // namespace

TarvikProcess::TarvikProcess(const Launch& launch) {
  streams = makeScratchFolder("streams");
  std::string files[3] = {streams + "/in", "/dev/null", "/dev/null"};
  if (launch.captureOutput) {
    files[1] = streams + "/out";
    files[2] = streams + "/err";
  }
  writeBytes(files[0], launch.input);
  std::vector<std::string> words = {"tarvik"};
  words.insert(words.end(), launch.args.begin(), launch.args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  const char* binary = launch.unprivileged ? binaryForNobody().c_str() : TARVIK_BINARY;
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
  Finished finished;
  if (WIFEXITED(status)) finished.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) finished.signal = WTERMSIG(status);
  if (std::filesystem::exists(streams + "/out")) {
    finished.out = readBytes(streams + "/out");
    finished.err = readBytes(streams + "/err");
  }
  return finished;
}

Finished runTarvik(const Launch& launch) { return TarvikProcess(launch).wait(); }

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
// into a string of the right size, no stream buffers.
std::string readBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return "";
  std::string bytes(static_cast<std::size_t>(::lseek(fd, 0, SEEK_END)), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string record(std::initializer_list<std::string> fields) {
  Tslovicko entry;
  auto field = fields.begin();
  if (field != fields.end()) entry.slovo = *field++;
  for (int slot = 1; slot <= kMeaningCount && field != fields.end(); ++slot) entry.vyznam(slot) = *field++;
  std::string bytes(kRecordSize, '\0');
  encodeRecord(entry, bytes.data());
  return bytes;
}

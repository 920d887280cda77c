#include "tarvik_process.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

// The build folder may be closed to other users (a clone in a private
// temporary folder is), so the unprivileged runs start a copy of the program
// in a folder that all may reach, beside the files of the standard streams.
// The folder is removed when the tests end.
struct Runner {
  std::string folder = makeScratchFolder("runner");
  std::string binary = folder + "/tarvik";
  std::string streams[3] = {folder + "/in", folder + "/out", folder + "/err"};
  Runner() {
    std::filesystem::copy_file(TARVIK_BINARY, binary);
    std::filesystem::permissions(binary, std::filesystem::perms(0755));
  }
  ~Runner() { removeFolder(folder); }
};

// Only async-signal-safe calls between fork and exec: all is prepared.
[[noreturn]] void becomeTarvik(const Launch& launch, const Runner& runner, char** argv) {
  for (int stream = 0; stream < 3; ++stream) {
    int fd = ::open(runner.streams[stream].c_str(), stream == 0 ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::dup2(fd, stream) < 0) ::_exit(126);
    ::close(fd);
  }
  if (::chdir(launch.dir.c_str()) != 0) ::_exit(126);
  // Ignored, SIGXFSZ turns into the EFBIG that a full disk's ENOSPC resembles.
  rlimit limit{static_cast<rlim_t>(launch.fileSizeLimit), static_cast<rlim_t>(launch.fileSizeLimit)};
  if (launch.fileSizeLimit >= 0 && (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0))
    ::_exit(126);
  if (launch.unprivileged && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
    ::_exit(126);
  ::execv(launch.unprivileged ? runner.binary.c_str() : TARVIK_BINARY, argv);
  ::_exit(127);
}

}  // namespace

Finished runTarvik(const Launch& launch) {
  static const Runner runner;
  writeBytes(runner.streams[0], launch.input);
  // execv takes its arguments as char* but does not change them.
  std::vector<char*> argv = {const_cast<char*>("tarvik")};
  for (const std::string& word : launch.args) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  pid_t pid = ::fork();
  if (pid == 0) becomeTarvik(launch, runner, argv.data());
  if (pid < 0) throw std::runtime_error("cannot start tarvik");
  if (launch.killAfter >= 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(launch.killAfter));
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) throw std::runtime_error("lost the tarvik process");
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(runner.streams[1]), readBytes(runner.streams[2])};
}

std::string makeScratchFolder(const std::string& purpose) {
  std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
  pattern += "/tarvik-" + purpose + "-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
  std::filesystem::permissions(pattern, std::filesystem::perms::all);
  return pattern;
}

void removeFolder(const std::string& path) {
  std::error_code ignored;
  std::filesystem::permissions(path, std::filesystem::perms::all, ignored);
  std::filesystem::remove_all(path, ignored);
}

// The kill test reads whole dictionaries after every trial: one read into a
// string of the right size.
std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(in ? std::filesystem::file_size(path) : 0, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

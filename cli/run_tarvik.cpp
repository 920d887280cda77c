#include "run_tarvik.h"

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ChildSetup {
  std::string work;
  std::string streams[3];  // files for standard input, output and error
  std::vector<char*> argv;
};

// Only async-signal-safe calls between fork and exec: everything is prepared.
[[noreturn]] void startChild(const ChildSetup& setup) {
  for (int stream = 0; stream < 3; ++stream) {
    const char* name = setup.streams[stream].c_str();
    int fd = stream == 0 ? ::open(name, O_RDONLY) : ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::dup2(fd, stream) < 0) ::_exit(126);
    ::close(fd);
  }
  if (::chdir(setup.work.c_str()) != 0) ::_exit(126);
  ::execv(TARVIK_BINARY, setup.argv.data());
  ::_exit(127);
}

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

void TarvikTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvik_test.XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  root = pattern;
  work = root / "work";
  std::filesystem::create_directory(work);
  std::filesystem::create_directory(root / "io");
}

void TarvikTest::TearDown() {
  std::error_code ignored;
  std::filesystem::permissions(work, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(root, ignored);
}

RunResult TarvikTest::run(const std::vector<std::string>& args, std::string_view input) {
  std::filesystem::path io = root / "io";
  std::ofstream(io / "in", std::ios::binary) << input;
  std::vector<std::string> words = {"tarvik"};
  words.insert(words.end(), args.begin(), args.end());
  ChildSetup setup{work.string(), {(io / "in").string(), (io / "out").string(), (io / "err").string()}, {}};
  for (std::string& word : words) setup.argv.push_back(word.data());
  setup.argv.push_back(nullptr);

  pid_t child = ::fork();
  if (child == 0) startChild(setup);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) ADD_FAILURE() << "could not run " << TARVIK_BINARY;
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = slurp(io / "out");
  result.err = slurp(io / "err");
  return result;
}

std::string TarvikTest::runOk(const std::vector<std::string>& args, std::string_view input) {
  RunResult result = run(args, input);
  EXPECT_EQ(result.exitCode, 0) << "tarvik " << args.front() << ": " << result.err;
  return result.out;
}

std::string TarvikTest::readFile(const std::string& name) const { return slurp(work / name); }

void TarvikTest::writeFile(const std::string& name, std::string_view bytes) const {
  std::ofstream(work / name, std::ios::binary) << bytes;
}

std::vector<std::string> TarvikTest::folderContents(const std::string& name) const {
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(work / name))
    names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A disk that cannot take the new content: a file size limit below the
// rewritten file, and a file system that is full. Every write fails with
// exit status 3 and names the disk's refusal; both dictionaries stay as they
// were, with no scratch file left, and look-ups go on working.

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include "small_dictionary.h"

namespace {

// 2048 records of 126 bytes are 63 pages of 4096: an append needs a new page.
constexpr int kPageFilling = 2048;

class FullDisk : public DictionaryFolder {
 protected:
  void SetUp() override { makeDictionaries(kPageFilling); }
};

TEST_F(FullDisk, AFileSizeLimitBelowTheNewCopyRefusesEveryChange) {
  const long long limit = static_cast<long long>(tcBefore.size()) / 2;
  const std::string tooLargeCopy = "tarvik: File too large: pomocny.slk (the new copy of tc_slovnik.slk)\n";
  expectRefused({"insert", "A", "1"}, tooLargeCopy, false, limit);
  expectRefused({"insert", "ZZ", "1"}, "tarvik: File too large: tc_slovnik.slk\n", false, limit);
  expectRefused({"insert", "--reverse", "A", "AHOJ"},
                "tarvik: File too large: pomocny.slk (the new copy of ct_slovnik.slk)\n", false, limit);
  expectRefused({"delete", "0"}, tooLargeCopy, false, limit);
  expectRefused({"import", importFile}, tooLargeCopy, false, limit);
  EXPECT_EQ(tarvik({"lookup", "ra"}, false, limit).out, "2\tRA\tSLUNCE\t\t\t\t\n");
}

// A small file system of its own, filled to the last page. Mounting needs a
// privilege that a container may withhold even from root.
class FullFileSystem : public FullDisk {
 protected:
  void SetUp() override {
    mountPoint = makeScratchFolder("mount");
    std::string options = "size=" + std::to_string(2 * kPageFilling * 126 + 64 * 1024);
    if (::mount("tarvik-test", mountPoint.c_str(), "tmpfs", 0, options.c_str()) != 0) {
      removeFolder(mountPoint);
      mountPoint.clear();
      GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    }
    FullDisk::SetUp();
    removeFolder(folder);
    folder = mountPoint + "/dictionaries";
    std::filesystem::create_directory(folder);
    writeBytes(folder + "/tc_slovnik.slk", tcBefore);
    writeBytes(folder + "/ct_slovnik.slk", ctBefore);
    fillUp(mountPoint + "/filler");
  }
  void TearDown() override {
    if (mountPoint.empty()) return;
    ::umount2(mountPoint.c_str(), MNT_DETACH);
    removeFolder(mountPoint);
    removeFolder(outside);
  }

  static void fillUp(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
    std::string page(4096, 'F');
    while (::write(fd, page.data(), page.size()) > 0) {
    }
    ::close(fd);
  }

  std::string mountPoint;
};

TEST_F(FullFileSystem, RefusesEveryChangeAndKeepsServingLookups) {
  const std::string fullCopy = "tarvik: Disk full: pomocny.slk (the new copy of tc_slovnik.slk)\n";
  expectRefused({"insert", "A", "1"}, fullCopy, false);
  expectRefused({"insert", "ZZ", "1"}, "tarvik: Disk full: tc_slovnik.slk\n", false);
  expectRefused({"insert", "--reverse", "A", "AHOJ"},
                "tarvik: Disk full: pomocny.slk (the new copy of ct_slovnik.slk)\n", false);
  expectRefused({"delete", "0"}, fullCopy, false);
  expectRefused({"import", importFile}, fullCopy, false);
  expectRefused({"export"}, "tarvik: Disk full: tc_slovnik.txt\n", false);
  EXPECT_EQ(tarvik({"lookup", "ra"}).out, "2\tRA\tSLUNCE\t\t\t\t\n");
}

}  // namespace

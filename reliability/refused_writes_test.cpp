// Writes the machine refuses: files or a folder the user may not write (run
// as uid 65534, since root ignores permissions), a file size limit below the
// rewritten file, and a full file system. Every refused change exits 3
// naming the refusal and the file, leaves both dictionaries as they were with
// no scratch file, and look-ups go on working.

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/mount.h>
#include <sys/stat.h>

#include "store_fixture_test.h"
#include "tarvik_process.h"

namespace {

// 2048 records of 126 bytes are 63 pages of 4096: an append needs a new page.
constexpr int kRecords = 2048;

struct Refusal {
  const char* name;
  const char* reason;
  mode_t files, folder;
  bool unprivileged, sizeLimit, fullDisk;
};

// Writing a record in place needs only the file; a sort or a deletion
// renames a new copy over it, which needs the folder.
const Refusal kRefusals[] = {
    {"ReadOnlyFiles", "Permission denied", 0444, 0777, true, false, false},
    {"ReadOnlyFolderOfReadOnlyFiles", "Permission denied", 0444, 0555, true, false, false},
    {"ReadOnlyFolderOfWritableFiles", "Permission denied", 0666, 0555, true, false, false},
    {"FileSizeLimit", "File too large", 0644, 0777, false, true, false},
    {"FullFileSystem", "Disk full", 0644, 0777, false, false, true},
};

const char* const kTc = "tc_slovnik.slk";
const char* const kCt = "ct_slovnik.slk";
const char* const kTcCopy = "pomocny.slk (the new copy of tc_slovnik.slk)";
const char* const kCtCopy = "pomocny.slk (the new copy of ct_slovnik.slk)";
const char* const kExport = "tc_slovnik.txt";
const char* const kDone = nullptr;

struct Case {
  std::vector<std::string> args;
  std::array<const char*, std::size(kRefusals)> named;  // the file each refusal names
};

const Case kCases[] = {
    {{"insert", "A", "1"}, {kTc, kTc, kTcCopy, kTcCopy, kTcCopy}},
    {{"insert", "ZZ", "1"}, {kTc, kTc, kDone, kTc, kTc}},
    {{"insert", "KO", "PIVO"}, {kTc, kTc, kDone, kDone, kDone}},
    {{"insert", "--reverse", "ZZ", "AHOJ"}, {kCt, kCt, kCtCopy, kCtCopy, kCtCopy}},
    {{"delete", "0"}, {kTc, kTc, kTcCopy, kTcCopy, kTcCopy}},
    {{"import", "import.txt"}, {kTc, kTc, kTcCopy, kTcCopy, kTcCopy}},
    {{"export"}, {kDone, kExport, kExport, kDone, kExport}},
};

class RefusedWrites : public TarvikFolder, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    TarvikFolder::SetUp();
    tc = rawRecord({"KO", "VODA"}) + rawRecord({"RA", "SLUNCE"});
    ct = rawRecord({"VODA", "KO"});
    for (int i = 2; i < kRecords; ++i) {
      tc += rawRecord({"W" + std::to_string(10000 + i), "M"});
      ct += rawRecord({"X" + std::to_string(10000 + i), "M"});
    }
    ct += rawRecord({"XYZ", "M"});
    launch.unprivileged = refusal.unprivileged;
    if (refusal.sizeLimit) launch.fileSizeLimit = static_cast<long long>(tc.size()) / 2;
    // Mounting needs a privilege that a container may withhold even from root.
    std::string size = "size=" + std::to_string(2 * tc.size() + 64 * 1024);
    if (refusal.fullDisk && ::mount("tarvik-test", folder.c_str(), "tmpfs", 0, size.c_str()) != 0)
      GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    writeBytes(folder + "/import.txt", "A - 1\r\nW10002 - 2\r\n");
    restore();
    if (refusal.fullDisk)
      for (std::ofstream filler(folder + "/filler"); filler << std::string(4096, 'F') << std::flush;) {}
  }
  void TearDown() override {
    if (refusal.fullDisk) ::umount2(folder.c_str(), MNT_DETACH);
    TarvikFolder::TearDown();
  }

  void restore() {
    ::chmod(folder.c_str(), 0777);
    writeBytes(folder + "/" + kTc, tc);
    writeBytes(folder + "/" + kCt, ct);
    ::chmod((folder + "/" + kTc).c_str(), refusal.files);
    ::chmod((folder + "/" + kCt).c_str(), refusal.files);
    ::chmod(folder.c_str(), refusal.folder);
  }

  const Refusal& refusal = kRefusals[GetParam()];
  std::string tc, ct;
};

TEST_P(RefusedWrites, RefuseEveryChangeTheyCannotTakeAndKeepServingLookups) {
  for (const Case& c : kCases) {
    restore();
    Finished run = tarvik(c.args);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder + "/pomocny.slk"));
    if (const char* named = c.named[GetParam()]) {
      EXPECT_EQ(run.exitCode, 3) << c.args[0] << ' ' << c.args.back();
      EXPECT_EQ(run.err, std::string("tarvik: ") + refusal.reason + ": " + named + "\n");
      EXPECT_TRUE(readBytes(folder + "/" + kTc) == tc);
      EXPECT_TRUE(readBytes(folder + "/" + kCt) == ct);
    } else {
      EXPECT_EQ(run.exitCode, 0) << run.err;
    }
  }
  EXPECT_EQ(tarvik({"lookup", "ko"}).out, "1\tKO\tVODA\t\t\t\t\n");
  EXPECT_EQ(tarvik({"lookup", "--dict", "ct", "voda"}).out, "1\tVODA\tKO\t\t\t\t\n");
  EXPECT_EQ(tarvik({"count"}).out, "2048\t2048\n");
  EXPECT_EQ(tarvik({"translate"}, "ko ra ta\n").out, "VODA SLUNCE ta \n");
}

INSTANTIATE_TEST_SUITE_P(, RefusedWrites, ::testing::Range(0, static_cast<int>(std::size(kRefusals))),
                         [](const auto& info) { return std::string(kRefusals[info.param].name); });

}  // namespace

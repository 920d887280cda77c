#pragma once

// The one file of the store that calls the operating system about files: every
// open, read, write, sync, truncation, rename, removal and lock of the
// dictionaries, their journals, texts and the help file goes through it.
// Failures are IoErrors naming the file as the caller calls it; a read or
// write cut short by a signal goes on.

#include <cerrno>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <utility>

// For the crash tests: each change that a crash could keep or lose, told as
// soon as the system has accepted it.
struct DiskChange {
  enum class Kind : std::uint8_t { create, write, truncate, syncFile, syncFolder, rename, remove };
  Kind kind;
  ino_t file = 0;                // create, write, truncate, syncFile
  std::string name = {};         // create, rename (the old name), remove; syncFolder: a file in it
  std::string newName = {};      // rename
  off_t offset = 0;              // write; truncate: the new size
  std::string_view bytes = {};   // write
};
using DiskObserver = std::function<void(const DiskChange&)>;

// Calls `call` again for as long as a signal cuts it short (-1 and EINTR).
template <typename Call>
auto retryInterrupted(Call call) {
  for (;;) {
    auto result = call();
    if (result != -1 || errno != EINTR) return result;
  }
}

// An open descriptor, closed when the handle goes, never with an exception.
// A file opened in a Folder tells that folder's observer of its changes.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd, const DiskObserver* observer = nullptr) : fd(fd), observer(observer) {}
  FileHandle(FileHandle&& other) noexcept
      : fd(std::exchange(other.fd, -1)), observer(std::exchange(other.observer, nullptr)) {}
  FileHandle& operator=(FileHandle other) noexcept {
    std::swap(fd, other.fd);
    std::swap(observer, other.observer);
    return *this;
  }
  ~FileHandle() { reset(); }
  int get() const { return fd; }
  bool isOpen() const { return fd >= 0; }
  void reset() noexcept;
  // A write the system delayed can fail at close alone, so this raises that.
  void close(std::string_view name);
  // Tells the observer of the file's folder, if it has one.
  void tell(const DiskChange& change) const;

 private:
  int fd = -1;
  const DiskObserver* observer = nullptr;
};

// A file that reads and writes like one on disk but lives in memory only.
FileHandle memoryFile(const std::string& name);
void makeBlocking(const FileHandle& file);
struct stat statOf(const FileHandle& file, std::string_view name);

// What identifies the content of a file on disk; equal stamps mean the file
// was not replaced or written since.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  long long modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const struct stat& st);

// The permissions a new file gets: 0666 less the process's umask.
mode_t modeForNewFile();

// Reads up to `size` bytes at `offset`; fewer only at the end of the file.
// A negative offset reads on from the file position, as pipes need.
std::size_t readAt(int fd, char* out, std::size_t size, off_t offset, std::string_view name);
std::string readToEnd(int fd, std::string_view name, off_t offset = -1);
void writeAt(const FileHandle& file, std::string_view bytes, off_t offset, std::string_view name);
void syncData(const FileHandle& file, std::string_view name);
// False, with errno set, when the data may not be on disk.
bool trySyncData(const FileHandle& file);
// False, with errno set, when the file keeps its size.
bool truncateFile(const FileHandle& file, off_t size);
// The folder that names are taken in: the working directory as it is at each
// call, or one folder opened by its path, whatever the working directory
// becomes (its path is made absolute at the opening). Names may also be
// absolute. Every call by name goes through one.
class Folder {
 public:
  Folder() = default;
  // A missing folder, or a file that is none, is an IoError naming `path`.
  // The `observer` is told of every change to the files opened here.
  explicit Folder(const std::string& path, DiskObserver observer = {});
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // Close-on-exec always. On failure the handle is not open and errno says
  // why, for callers that then try another way.
  FileHandle open(const std::string& name, int flags, mode_t mode = 0) const;
  // False, with errno set, when `name` cannot be looked at.
  bool stat(const std::string& name, struct stat* st) const;
  // False, with errno set, when the name stays.
  bool remove(const std::string& name) const;
  // Gives `from` the name `to`, replacing a file of that name; the folder is
  // synced after. A failure names `from`.
  void rename(const std::string& from, const std::string& to) const;
  // A new, renamed or removed name lasts only once its folder is synced. Some
  // file systems refuse to sync folders; that is no error.
  void syncFolderOf(const std::string& name) const;
  // `name` as a path that holds wherever the reader stands, for messages.
  std::string pathOf(const std::string& name) const;

  // Locks taken by the programs that share a folder, so that none of them
  // removes or rewrites a file another one is still writing. A file system
  // without locks lets everyone in.
  //
  // Opens `name` for reading and writing, creating it with `mode` when it is
  // missing, and locks it, waiting while another program holds it. The
  // handle is the file the name refers to when it returns; its content is
  // untouched. On failure the handle is not open and errno says why.
  FileHandle lockedFile(const std::string& name, mode_t mode) const;
  // Whether `name` still names the file held.
  bool isNamed(const FileHandle& file, const std::string& name) const;

  // Replaces `target` with `bytes` through the scratch file `scratchName`,
  // whose final XXXXXX, if any, become a name no file has yet. The new
  // content reaches the disk with permissions `mode` before it is renamed
  // over `target` and the folder is synced: at every moment `target` on disk
  // is the complete old file or the complete new one, and the scratch file
  // never remains. Failures name `scratchLabel`, except that of the rename,
  // which names `target`.
  void replaceFile(const std::string& target, std::string_view bytes, mode_t mode, std::string scratchName,
                   std::string_view scratchLabel) const;
  // The same through `scratch`, the caller's lockedFile() of the fixed name
  // `scratchName`: a caller that takes the lock before it reads `target`
  // keeps the programs on the folder from changing it between its reading
  // and its writing, so that none loses another's change.
  void replaceFile(FileHandle scratch, const std::string& target, std::string_view bytes, mode_t mode,
                   const std::string& scratchName, std::string_view scratchLabel) const;
  // Removes the fixed-name scratch file of a replaceFile that a crash cut
  // off, unless another program holds its lock: that copy is being written,
  // and its rename would fail, or carry off a later writer's unfinished copy.
  void removeLeftover(const std::string& scratchName) const;

 private:
  void tell(const DiskChange& change) const {
    if (observer) observer(change);
  }
  int at() const;
  FileHandle createUnique(std::string& name) const;

  FileHandle fd;     // not open: the working directory
  std::string path;  // absolute; empty for the working directory
  DiskObserver observer;  // for the crash tests; empty in the programs
};

// Creates the folder `path` and those missing above it, each for its owner
// alone, as the XDG base directories want them.
void makeFolders(const std::string& path);

// False when another program holds the lock of `file`.
bool tryLock(const FileHandle& file);

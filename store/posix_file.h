#pragma once

// The one file of the store that calls the operating system about files: every
// open, read, write, sync, truncation, rename, removal and lock of the
// dictionaries, their journals, texts and the help file goes through it.
// Failures are IoErrors naming the file as the caller calls it; a read or
// write cut short by a signal goes on.

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <utility>

// An open descriptor, closed when the handle goes, never with an exception.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd) : fd(fd) {}
  FileHandle(FileHandle&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
  FileHandle& operator=(FileHandle other) noexcept { std::swap(fd, other.fd); return *this; }
  ~FileHandle() { reset(); }
  int get() const { return fd; }
  bool isOpen() const { return fd >= 0; }
  void reset() noexcept;
  // A write the system delayed can fail at close alone, so this raises that.
  void close(std::string_view name);

 private:
  int fd = -1;
};

// Close-on-exec always. On failure the handle is not open and errno says why,
// for callers that then try another way.
FileHandle openFile(const std::string& path, int flags, mode_t mode = 0);
// A file that reads and writes like one on disk but lives in memory only.
FileHandle memoryFile(const std::string& name);
void makeBlocking(const FileHandle& file);
struct stat statOf(const FileHandle& file, std::string_view name);
// False, with errno set, when `path` cannot be looked at.
bool statByName(const std::string& path, struct stat* st);

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
// False, with errno set, when the name stays.
bool removeFile(const std::string& path);
// A new, renamed or removed name lasts only once its folder is synced. Some
// file systems refuse to sync folders; that is no error.
void syncFolderOf(const std::string& path);

// Locks taken by the programs that share a folder, so that none of them
// removes or rewrites a file another one is still writing. A file system
// without locks lets everyone in.
//
// Opens `path` for reading and writing, creating it with `mode` when it is
// missing, and locks it, waiting while another program holds it. The handle
// is the file the name refers to when it returns; its content is untouched.
// On failure the handle is not open and errno says why.
FileHandle lockedFile(const std::string& path, mode_t mode);
// False when another program holds the lock of `file`.
bool tryLock(const FileHandle& file);
// Whether `path` still names the file held.
bool isNamed(const FileHandle& file, const std::string& path);

// Replaces `target` with `bytes` through the scratch file `scratchPath`, whose
// final XXXXXX, if any, become a name no file has yet. The new content reaches
// the disk with permissions `mode` before it is renamed over `target` and the
// folder is synced: at every moment `target` on disk is the complete old file
// or the complete new one, and the scratch file never remains. Failures name
// `scratchLabel`, except that of the rename, which names `target`.
void replaceFile(const std::string& target, std::string_view bytes, mode_t mode, std::string scratchPath,
                 std::string_view scratchLabel);

// For the crash tests: each change that a crash could keep or lose, told as
// soon as the system has accepted it. Null in the program.
struct DiskChange {
  enum class Kind : std::uint8_t { create, write, truncate, syncFile, syncFolder, rename, remove };
  Kind kind;
  ino_t file = 0;                // create, write, truncate, syncFile
  std::string name = {};         // create, rename (the old name), remove; syncFolder: a file in it
  std::string newName = {};      // rename
  off_t offset = 0;              // write; truncate: the new size
  std::string_view bytes = {};   // write
};
inline void (*diskObserver)(const DiskChange&) = nullptr;

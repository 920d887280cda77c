#include "posix_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <unistd.h>

#include "io_error.h"

namespace {

ino_t inodeOf(const FileHandle& file) {
  struct stat st;
  return ::fstat(file.get(), &st) == 0 ? st.st_ino : 0;
}

}  // namespace

void FileHandle::reset() noexcept {
  // Don't retry close on EINTR: the descriptor is gone either way.
  if (fd >= 0) ::close(std::exchange(fd, -1));
}

void FileHandle::close(std::string_view name) {
  if (::close(std::exchange(fd, -1)) != 0) throwIoError(errno, name);
}

FileHandle openFile(const std::string& path, int flags, mode_t mode) {
  struct stat st;
  bool created = diskObserver && (flags & O_CREAT) && !statByName(path, &st);
  FileHandle file(::open(path.c_str(), flags | O_CLOEXEC, mode));
  if (diskObserver && file.isOpen()) {
    if (created) diskObserver({.kind = DiskChange::Kind::create, .file = inodeOf(file), .name = path});
    if (flags & O_TRUNC) diskObserver({.kind = DiskChange::Kind::truncate, .file = inodeOf(file)});
  }
  return file;
}

FileHandle memoryFile(const std::string& name) { return FileHandle(::memfd_create(name.c_str(), MFD_CLOEXEC)); }

void makeBlocking(const FileHandle& file) {
  ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
}

struct stat statOf(const FileHandle& file, std::string_view name) {
  struct stat st;
  if (::fstat(file.get(), &st) != 0) throwIoError(errno, name);
  return st;
}

bool statByName(const std::string& path, struct stat* st) { return ::stat(path.c_str(), st) == 0; }

std::size_t readAt(int fd, char* out, std::size_t size, off_t offset, std::string_view name) {
  std::size_t done = 0;
  while (done < size) {
    off_t at = offset + static_cast<off_t>(done);
    ssize_t n = offset < 0 ? ::read(fd, out + done, size - done) : ::pread(fd, out + done, size - done, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throwIoError(errno, name);
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

std::string readToEnd(int fd, std::string_view name, off_t offset) {
  constexpr std::size_t kChunk = 1 << 16;
  std::string bytes;
  for (std::size_t got = kChunk; got == kChunk;) {
    std::size_t old = bytes.size();
    bytes.resize(old + kChunk);
    got = readAt(fd, bytes.data() + old, kChunk, offset < 0 ? offset : offset + static_cast<off_t>(old), name);
    bytes.resize(old + got);
  }
  return bytes;
}

void writeAt(const FileHandle& file, std::string_view bytes, off_t offset, std::string_view name) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::pwrite(file.get(), bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throwIoError(errno, name);
    done += static_cast<std::size_t>(n);
  }
  if (diskObserver)
    diskObserver({.kind = DiskChange::Kind::write, .file = inodeOf(file), .offset = offset, .bytes = bytes});
}

void syncData(const FileHandle& file, std::string_view name) {
  if (!trySyncData(file)) throwIoError(errno, name);
}

bool trySyncData(const FileHandle& file) {
  if (::fdatasync(file.get()) != 0) return false;
  if (diskObserver) diskObserver({.kind = DiskChange::Kind::syncFile, .file = inodeOf(file)});
  return true;
}

bool truncateFile(const FileHandle& file, off_t size) {
  if (::ftruncate(file.get(), size) != 0) return false;
  if (diskObserver) diskObserver({.kind = DiskChange::Kind::truncate, .file = inodeOf(file), .offset = size});
  return true;
}

bool removeFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) return false;
  if (diskObserver) diskObserver({.kind = DiskChange::Kind::remove, .name = path});
  return true;
}

void syncFolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  FileHandle folder = openFile(slash == std::string::npos ? "." : path.substr(0, slash + 1), O_RDONLY | O_DIRECTORY);
  if (folder.isOpen() && ::fsync(folder.get()) == 0 && diskObserver)
    diskObserver({.kind = DiskChange::Kind::syncFolder, .name = path});
}

bool isNamed(const FileHandle& file, const std::string& path) {
  struct stat held, named;
  return ::fstat(file.get(), &held) == 0 && statByName(path, &named) && held.st_ino == named.st_ino &&
         held.st_dev == named.st_dev;
}

namespace {

// 0 when locked; otherwise the failure of flock, of which only EWOULDBLOCK
// means that another program holds the lock.
int lockFailure(const FileHandle& file, int how) {
  while (::flock(file.get(), how) != 0)
    if (errno != EINTR) return errno;
  return 0;
}

}  // namespace

FileHandle lockedFile(const std::string& path, mode_t mode) {
  for (;;) {
    FileHandle file = openFile(path, O_RDWR | O_CREAT, mode);
    if (!file.isOpen()) return file;
    lockFailure(file, LOCK_EX);
    // The program that held the lock may have removed or renamed the file
    // before letting go of it: then start again with what the name is now.
    if (isNamed(file, path)) return file;
  }
}

bool tryLock(const FileHandle& file) { return lockFailure(file, LOCK_EX | LOCK_NB) != EWOULDBLOCK; }

void replaceFile(const std::string& target, std::string_view bytes, mode_t mode, std::string scratchPath,
                 std::string_view scratchLabel) {
  bool unique = scratchPath.ends_with("XXXXXX");
  // A fixed scratch name is shared by the programs on the folder. Its lock,
  // held through the second handle until the rename, keeps them from writing
  // it meanwhile and from removing it as a leftover at their start.
  FileHandle scratch = unique ? FileHandle(::mkstemp(scratchPath.data())) : lockedFile(scratchPath, 0600);
  if (!scratch.isOpen()) throwIoError(errno, scratchLabel);
  if (unique && diskObserver) diskObserver({.kind = DiskChange::Kind::create, .file = inodeOf(scratch), .name = scratchPath});
  FileHandle lock(::fcntl(scratch.get(), F_DUPFD_CLOEXEC, 0));
  try {
    if (!unique && !truncateFile(scratch, 0)) throwIoError(errno, scratchLabel);
    if (::fchmod(scratch.get(), mode) != 0) throwIoError(errno, scratchLabel);
    writeAt(scratch, bytes, 0, scratchLabel);
    if (::fsync(scratch.get()) != 0) throwIoError(errno, scratchLabel);
    if (diskObserver) diskObserver({.kind = DiskChange::Kind::syncFile, .file = inodeOf(scratch)});
    scratch.close(scratchLabel);
    if (::rename(scratchPath.c_str(), target.c_str()) != 0) throwIoError(errno, target);
    if (diskObserver) diskObserver({.kind = DiskChange::Kind::rename, .name = scratchPath, .newName = target});
  } catch (...) {
    scratch.reset();
    removeFile(scratchPath);
    throw;
  }
  syncFolderOf(target);
}

#include "posix_file.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/random.h>
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

void FileHandle::tell(const DiskChange& change) const {
  if (observer && *observer) (*observer)(change);
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

FileStamp stampOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size,
          static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

mode_t modeForNewFile() {
  // The only way to read the mask is to set it; it is put back at once.
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::size_t readAt(int fd, char* out, std::size_t size, off_t offset, std::string_view name) {
  std::size_t done = 0;
  while (done < size) {
    off_t at = offset + static_cast<off_t>(done);
    ssize_t n = retryInterrupted(
        [&] { return offset < 0 ? ::read(fd, out + done, size - done) : ::pread(fd, out + done, size - done, at); });
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
    ssize_t n = retryInterrupted(
        [&] { return ::pwrite(file.get(), bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done)); });
    if (n < 0) throwIoError(errno, name);
    done += static_cast<std::size_t>(n);
  }
  file.tell({.kind = DiskChange::Kind::write, .file = inodeOf(file), .offset = offset, .bytes = bytes});
}

void syncData(const FileHandle& file, std::string_view name) {
  if (!trySyncData(file)) throwIoError(errno, name);
}

bool trySyncData(const FileHandle& file) {
  if (::fdatasync(file.get()) != 0) return false;
  file.tell({.kind = DiskChange::Kind::syncFile, .file = inodeOf(file)});
  return true;
}

bool truncateFile(const FileHandle& file, off_t size) {
  if (::ftruncate(file.get(), size) != 0) return false;
  file.tell({.kind = DiskChange::Kind::truncate, .file = inodeOf(file), .offset = size});
  return true;
}

Folder::Folder(const std::string& path, DiskObserver observer)
    : path(std::filesystem::absolute(path).lexically_normal()), observer(std::move(observer)) {
  fd = FileHandle(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  // A descriptor for names needs no right to enter the folder; the names in
  // it do, and a refusal names the folder rather than a file in it.
  int code = !fd.isOpen() ? errno : ::faccessat(AT_FDCWD, path.c_str(), X_OK, AT_EACCESS) != 0 ? errno : 0;
  if (code == 0) return;
  if (code == ENOENT) throw IoError(code, "Folder not found: " + path);
  if (code == ENOTDIR) throw IoError(code, "Not a folder: " + path);
  throwIoError(code, path);
}

int Folder::at() const { return fd.isOpen() ? fd.get() : AT_FDCWD; }

FileHandle Folder::open(const std::string& name, int flags, mode_t mode) const {
  struct stat st;
  bool created = observer && (flags & O_CREAT) && !stat(name, &st);
  FileHandle file(retryInterrupted([&] { return ::openat(at(), name.c_str(), flags | O_CLOEXEC, mode); }), &observer);
  if (file.isOpen()) {
    if (created) tell({.kind = DiskChange::Kind::create, .file = inodeOf(file), .name = name});
    if (flags & O_TRUNC) tell({.kind = DiskChange::Kind::truncate, .file = inodeOf(file)});
  }
  return file;
}

bool Folder::stat(const std::string& name, struct stat* st) const {
  return ::fstatat(at(), name.c_str(), st, 0) == 0;
}

bool Folder::remove(const std::string& name) const {
  if (::unlinkat(at(), name.c_str(), 0) != 0) return false;
  tell({.kind = DiskChange::Kind::remove, .name = name});
  return true;
}

void Folder::rename(const std::string& from, const std::string& to) const {
  if (::renameat(at(), from.c_str(), at(), to.c_str()) != 0) throwIoError(errno, pathOf(from));
  tell({.kind = DiskChange::Kind::rename, .name = from, .newName = to});
  syncFolderOf(to);
}

void makeFolders(const std::string& path) {
  std::filesystem::path made;
  for (const std::filesystem::path& part : std::filesystem::path(path).lexically_normal()) {
    made /= part;
    if (part.empty() || ::mkdir(made.c_str(), 0700) == 0 || errno == EEXIST) continue;
    throwIoError(errno, made.string());
  }
}

void Folder::syncFolderOf(const std::string& name) const {
  std::size_t slash = name.rfind('/');
  FileHandle folder = open(slash == std::string::npos ? "." : name.substr(0, slash + 1), O_RDONLY | O_DIRECTORY);
  if (folder.isOpen() && ::fsync(folder.get()) == 0) tell({.kind = DiskChange::Kind::syncFolder, .name = name});
}

std::string Folder::pathOf(const std::string& name) const {
  if (path.empty()) return std::filesystem::absolute(name).lexically_normal().string();
  return (std::filesystem::path(path) / name).lexically_normal().string();
}

bool Folder::isNamed(const FileHandle& file, const std::string& name) const {
  struct stat held, named;
  return ::fstat(file.get(), &held) == 0 && stat(name, &named) && held.st_ino == named.st_ino &&
         held.st_dev == named.st_dev;
}

namespace {

// 0 when locked; otherwise the failure of flock, of which only EWOULDBLOCK
// means that another program holds the lock.
int lockFailure(const FileHandle& file, int how) {
  return retryInterrupted([&] { return ::flock(file.get(), how); }) == 0 ? 0 : errno;
}

}  // namespace

FileHandle Folder::lockedFile(const std::string& name, mode_t mode) const {
  for (;;) {
    FileHandle file = open(name, O_RDWR | O_CREAT, mode);
    if (!file.isOpen()) return file;
    lockFailure(file, LOCK_EX);
    // The program that held the lock may have removed or renamed the file
    // before letting go of it: then start again with what the name is now.
    if (isNamed(file, name)) return file;
  }
}

bool tryLock(const FileHandle& file) { return lockFailure(file, LOCK_EX | LOCK_NB) != EWOULDBLOCK; }

void Folder::removeLeftover(const std::string& scratchName) const {
  FileHandle scratch = open(scratchName, O_RDONLY | O_NONBLOCK);
  if (scratch.isOpen() && tryLock(scratch) && isNamed(scratch, scratchName)) remove(scratchName);
}

FileHandle Folder::createUnique(std::string& name) const {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  const std::size_t from = name.size() - 6;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[6];
    if (retryInterrupted([&] { return ::getrandom(random, sizeof random, 0); }) != sizeof random) return FileHandle();
    for (std::size_t i = 0; i < 6; ++i) name[from + i] = kLetters[random[i] % (sizeof kLetters - 1)];
    FileHandle file = open(name, O_RDWR | O_CREAT | O_EXCL, 0600);
    if (file.isOpen() || errno != EEXIST) return file;
  }
  errno = EEXIST;
  return FileHandle();
}

void Folder::replaceFile(const std::string& target, std::string_view bytes, mode_t mode, std::string scratchName,
                         std::string_view scratchLabel) const {
  bool unique = scratchName.ends_with("XXXXXX");
  // A fixed scratch name is shared by the programs on the folder. Its lock,
  // held through the second handle until the rename, keeps them from writing
  // it meanwhile and from removing it as a leftover at their start.
  FileHandle scratch = unique ? createUnique(scratchName) : lockedFile(scratchName, 0600);
  if (!scratch.isOpen()) throwIoError(errno, scratchLabel);
  replaceFile(std::move(scratch), target, bytes, mode, scratchName, scratchLabel);
}

void Folder::replaceFile(FileHandle scratch, const std::string& target, std::string_view bytes, mode_t mode,
                         const std::string& scratchName, std::string_view scratchLabel) const {
  // A fixed name's file may hold an earlier copy's bytes.
  const bool shared = !scratchName.ends_with("XXXXXX");
  FileHandle lock(::fcntl(scratch.get(), F_DUPFD_CLOEXEC, 0));
  try {
    if (shared && !truncateFile(scratch, 0)) throwIoError(errno, scratchLabel);
    if (::fchmod(scratch.get(), mode) != 0) throwIoError(errno, scratchLabel);
    writeAt(scratch, bytes, 0, scratchLabel);
    if (::fsync(scratch.get()) != 0) throwIoError(errno, scratchLabel);
    tell({.kind = DiskChange::Kind::syncFile, .file = inodeOf(scratch)});
    scratch.close(scratchLabel);
    if (::renameat(at(), scratchName.c_str(), at(), target.c_str()) != 0) throwIoError(errno, target);
    tell({.kind = DiskChange::Kind::rename, .name = scratchName, .newName = target});
  } catch (...) {
    scratch.reset();
    remove(scratchName);
    throw;
  }
  syncFolderOf(target);
}

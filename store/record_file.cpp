#include "record_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io_error.h"

namespace {

// Permission refusals after which the file can still serve look-ups.
bool refusesWriteOnly(int code) {
  return code == EACCES || code == EPERM || code == EROFS || code == ETXTBSY;
}

void readFully(int fd, char* out, std::size_t size, off_t offset, const std::string& name,
               std::size_t* got) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = ::pread(fd, out + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throwIoError(errno, name);
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  *got = done;
}

void writeFully(int fd, const char* data, std::size_t size, off_t offset, const std::string& name) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = ::pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throwIoError(errno, name);
    done += static_cast<std::size_t>(n);
  }
}

// A rename is only durable once the directory that holds the name is synced.
void syncCurrentDirectory() {
  int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);  // Some file systems refuse to sync directories; the data is synced already.
  ::close(dir);
}

}  // namespace

RecordFile::~RecordFile() {
  if (fd >= 0) ::close(fd);
}

int RecordFile::openByName(int* refusedWrite) const {
  *refusedWrite = 0;
  // O_NONBLOCK keeps a FIFO of that name from hanging us; adopt() rejects it.
  int newFd = ::open(fileName.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (newFd >= 0) return newFd;
  int code = errno;
  if (code == ENOENT) {
    newFd = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (newFd >= 0) return newFd;
    int refused = errno;
    if (refusesWriteOnly(refused)) {
      // A folder we may only read: the missing dictionary reads as empty, so
      // that the other one still serves look-ups, and every write raises the
      // refusal. A file created there later by someone else is taken up.
      newFd = ::memfd_create(fileName.c_str(), MFD_CLOEXEC);
      if (newFd < 0) throwIoError(refused, fileName);
      *refusedWrite = refused;
      return newFd;
    }
    if (refused != EEXIST) throwIoError(refused, fileName);
    // Another program created it just now: use what it made.
    newFd = ::open(fileName.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (newFd >= 0) return newFd;
    code = errno;
  }
  if (!refusesWriteOnly(code)) throwIoError(code, fileName);
  newFd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (newFd < 0) throwIoError(errno, fileName);
  *refusedWrite = code;
  return newFd;
}

void RecordFile::adopt(int newFd, int refusedWrite) {
  struct stat st;
  if (::fstat(newFd, &st) != 0) {
    int code = errno;
    ::close(newFd);
    throwIoError(code, fileName);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(newFd);
    throw IoError(EINVAL, "Not a regular file: " + fileName);
  }
  ::fcntl(newFd, F_SETFL, ::fcntl(newFd, F_GETFL) & ~O_NONBLOCK);
  if (fd >= 0) ::close(fd);
  fd = newFd;
  writeError = refusedWrite;
  heldDevice = st.st_dev;
  heldInode = st.st_ino;
}

void RecordFile::open() {
  int refused = 0;
  int newFd = openByName(&refused);
  adopt(newFd, refused);
}

void RecordFile::close() {
  if (fd < 0) return;
  int old = fd;
  fd = -1;
  writeError = 0;
  ::close(old);  // Don't retry close on EINTR: the descriptor is gone either way.
}

namespace {

FileStamp stampOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size,
          static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

}  // namespace

FileStamp RecordFile::refresh() {
  requireOpen();
  struct stat byName;
  // One stat by name per operation tells both whether the name still refers
  // to the file held and whether that file changed.
  if (::stat(fileName.c_str(), &byName) != 0) return stamp();  // Gone from its name: keep what we hold.
  if (byName.st_ino == heldInode && byName.st_dev == heldDevice) return stampOf(byName);
  open();
  return stamp();
}

FileStamp RecordFile::stamp() const {
  requireOpen();
  struct stat st;
  if (::fstat(fd, &st) != 0) throwIoError(errno, fileName);
  return stampOf(st);
}

void RecordFile::requireOpen() const {
  if (fd < 0) throwIoError(EBADF, fileName);
}

void RecordFile::checkWritable() const {
  requireOpen();
  if (writeError != 0) throwIoError(writeError, fileName);
}

long RecordFile::count() const {
  return static_cast<long>(stamp().size / static_cast<off_t>(kRecordSize));
}

void RecordFile::read(long index, char* record) const {
  requireOpen();
  if (index < 0) throwReadBeyondEnd(fileName);
  std::size_t got = 0;
  readFully(fd, record, kRecordSize, static_cast<off_t>(index) * kRecordSize, fileName, &got);
  if (got != kRecordSize) throwReadBeyondEnd(fileName);
}

std::string RecordFile::readAll() const {
  std::string records(static_cast<std::size_t>(count()) * kRecordSize, '\0');
  std::size_t got = 0;
  readFully(fd, records.data(), records.size(), 0, fileName, &got);
  // Another program may have shortened the file since we measured it.
  records.resize(got - got % kRecordSize);
  return records;
}

void RecordFile::write(long index, std::string_view records) {
  checkWritable();
  off_t oldSize = stamp().size;
  if (index < 0 || index > oldSize / static_cast<off_t>(kRecordSize) || records.size() % kRecordSize != 0)
    throw IoError(EINVAL, "Record position out of range: " + fileName);
  try {
    writeFully(fd, records.data(), records.size(), static_cast<off_t>(index) * kRecordSize, fileName);
    if (::fdatasync(fd) != 0) throwIoError(errno, fileName);
  } catch (const IoError&) {
    // A write refused part way leaves part of a record past the old end.
    if (::ftruncate(fd, oldSize) != 0) {
      // Nothing more to try: the write's own error is the one to report.
    }
    throw;
  }
}

void RecordFile::replace(std::string_view records) {
  checkWritable();
  struct stat st;
  if (::fstat(fd, &st) != 0) throwIoError(errno, fileName);

  // The user asked to change the dictionary, not the scratch file: a failure
  // names both.
  std::string scratchName = std::string(kScratchName) + " (the new copy of " + fileName + ")";
  int scratch = ::open(kScratchName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (scratch < 0) throwIoError(errno, scratchName);
  try {
    if (::fchmod(scratch, st.st_mode & 07777) != 0) throwIoError(errno, scratchName);
    writeFully(scratch, records.data(), records.size(), 0, scratchName);
    if (::fsync(scratch) != 0) throwIoError(errno, scratchName);
    int closing = scratch;
    scratch = -1;
    if (::close(closing) != 0) throwIoError(errno, scratchName);
    if (::rename(kScratchName, fileName.c_str()) != 0) throwIoError(errno, fileName);
  } catch (...) {
    if (scratch >= 0) ::close(scratch);
    ::unlink(kScratchName);
    throw;
  }
  syncCurrentDirectory();
  open();
}

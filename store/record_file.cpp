#include "record_file.h"

#include <cerrno>
#include <fcntl.h>

#include "io_error.h"

namespace {

// Permission refusals after which the file can still serve look-ups.
bool refusesWriteOnly(int code) {
  return code == EACCES || code == EPERM || code == EROFS || code == ETXTBSY;
}

}  // namespace

FileHandle RecordFile::openByName(int* refusedWrite) const {
  *refusedWrite = 0;
  // O_NONBLOCK keeps a FIFO of that name from hanging us; adopt() rejects it.
  FileHandle newFd = openFile(fileName, O_RDWR | O_NONBLOCK);
  if (newFd.isOpen()) return newFd;
  int code = errno;
  if (code == ENOENT) {
    newFd = openFile(fileName, O_RDWR | O_CREAT | O_EXCL, 0666);
    if (newFd.isOpen()) return newFd;
    int refused = errno;
    if (refusesWriteOnly(refused)) {
      // A folder we may only read: the missing dictionary reads as empty, so
      // that the other one still serves look-ups, and every write raises the
      // refusal. A file created there later by someone else is taken up.
      newFd = memoryFile(fileName);
      if (!newFd.isOpen()) throwIoError(refused, fileName);
      *refusedWrite = refused;
      return newFd;
    }
    if (refused != EEXIST) throwIoError(refused, fileName);
    // Another program created it just now: use what it made.
    newFd = openFile(fileName, O_RDWR | O_NONBLOCK);
    if (newFd.isOpen()) return newFd;
    code = errno;
  }
  if (!refusesWriteOnly(code)) throwIoError(code, fileName);
  newFd = openFile(fileName, O_RDONLY | O_NONBLOCK);
  if (!newFd.isOpen()) throwIoError(errno, fileName);
  *refusedWrite = code;
  return newFd;
}

void RecordFile::adopt(FileHandle newFd, int refusedWrite) {
  struct stat st = statOf(newFd, fileName);
  if (!S_ISREG(st.st_mode)) throw IoError(EINVAL, "Not a regular file: " + fileName);
  makeBlocking(newFd);
  fd = std::move(newFd);
  writeError = refusedWrite;
  heldDevice = st.st_dev;
  heldInode = st.st_ino;
}

void RecordFile::open() {
  int refused = 0;
  FileHandle newFd = openByName(&refused);
  adopt(std::move(newFd), refused);
}

void RecordFile::close() {
  writeError = 0;
  fd.reset();
}

FileStamp stampOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size,
          static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

FileStamp RecordFile::refresh() {
  requireOpen();
  struct stat byName;
  // One stat by name per operation tells both whether the name still refers
  // to the file held and whether that file changed.
  if (!statByName(fileName, &byName)) return stamp();  // Gone from its name: keep what we hold.
  if (byName.st_ino == heldInode && byName.st_dev == heldDevice) return stampOf(byName);
  open();
  return stamp();
}

FileStamp RecordFile::stamp() const {
  requireOpen();
  return stampOf(statOf(fd, fileName));
}

void RecordFile::requireOpen() const {
  if (!fd.isOpen()) throwIoError(EBADF, fileName);
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
  if (readAt(fd.get(), record, kRecordSize, static_cast<off_t>(index) * kRecordSize, fileName) != kRecordSize)
    throwReadBeyondEnd(fileName);
}

std::string RecordFile::readAll() const {
  std::string records(static_cast<std::size_t>(count()) * kRecordSize, '\0');
  std::size_t got = readAt(fd.get(), records.data(), records.size(), 0, fileName);
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
    writeAt(fd, records, static_cast<off_t>(index) * kRecordSize, fileName);
    syncData(fd, fileName);
  } catch (const IoError&) {
    // A write refused part way leaves part of a record past the old end.
    truncateFile(fd, oldSize);  // If that fails too, the write's own error is still the one to report.
    throw;
  }
}

void RecordFile::replace(std::string_view records) {
  checkWritable();
  mode_t mode = statOf(fd, fileName).st_mode & 07777;
  // The user asked to change the dictionary, not the scratch file: a failure
  // names both.
  replaceFile(fileName, records, mode, kScratchName,
              std::string(kScratchName) + " (the new copy of " + fileName + ")");
  open();
}

void removeLeftoverScratch() {
  FileHandle scratch = openFile(kScratchName, O_RDONLY | O_NONBLOCK);
  if (scratch.isOpen() && tryLock(scratch) && isNamed(scratch, kScratchName)) removeFile(kScratchName);
}

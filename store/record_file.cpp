#include "record_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>

#include "io_error.h"
#include "journal.h"

namespace {

// Permission refusals after which the file can still serve look-ups.
bool refusesWriteOnly(int code) {
  return code == EACCES || code == EPERM || code == EROFS || code == ETXTBSY;
}

// A folder we may not write, or a full disk, takes no journal. A change in
// place is then made without one, as before there were journals: safe from
// a kill, not from a power cut, but still possible.
bool leavesNoJournal(int code) { return refusesWriteOnly(code) || code == ENOSPC || code == EDQUOT; }

// False, with the journal removed, when the disk has no room for it.
bool putJournal(const Folder& folder, const FileHandle& journal, const std::string& path, std::string_view bytes) {
  try {
    writeAt(journal, bytes, 0, path);
    syncData(journal, path);
  } catch (const IoError& error) {
    folder.remove(path);  // Nothing of the change has reached the dictionary.
    if (leavesNoJournal(error.code().value())) return false;
    throw;
  }
  folder.syncFolderOf(path);
  return true;
}

}  // namespace

FileHandle RecordFile::openByName(int* refusedWrite) const {
  *refusedWrite = 0;
  // O_NONBLOCK keeps a FIFO of that name from hanging us; adopt() rejects it.
  FileHandle newFd = folder.open(fileName, O_RDWR | O_NONBLOCK);
  if (newFd.isOpen()) return newFd;
  int code = errno;
  if (code == ENOENT) {
    newFd = folder.open(fileName, O_RDWR | O_CREAT | O_EXCL, 0666);
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
    newFd = folder.open(fileName, O_RDWR | O_NONBLOCK);
    if (newFd.isOpen()) return newFd;
    code = errno;
  }
  if (!refusesWriteOnly(code)) throwIoError(code, fileName);
  newFd = folder.open(fileName, O_RDONLY | O_NONBLOCK);
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
  takeUpJournal();
}

FileStamp RecordFile::refresh() {
  struct stat byName;
  // One stat by name per operation tells both whether the name still refers
  // to the file held and whether that file changed.
  if (!folder.stat(fileName, &byName)) return stamp();  // Gone from its name: keep what we hold.
  if (byName.st_ino == heldInode && byName.st_dev == heldDevice) return stampOf(byName);
  open();
  return stamp();
}

FileStamp RecordFile::stamp() const {
  return stampOf(statOf(fd, fileName));
}

void RecordFile::checkWritable() const {
  if (writeError != 0) throwIoError(writeError, fileName);
}

long RecordFile::count() const {
  return static_cast<long>(stamp().size / static_cast<off_t>(kRecordSize));
}

void RecordFile::read(long index, char* record) const {
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
  if (index < 0 || index > stamp().size / static_cast<off_t>(kRecordSize) || records.size() % kRecordSize != 0)
    throw IoError(EINVAL, "Record position out of range: " + fileName);
  std::string journalPath = journalName(fileName);
  FileHandle journal = lockJournal(journalPath);
  if (!journal.isOpen() && !leavesNoJournal(errno)) throwIoError(errno, journalPath);
  off_t oldSize = stamp().size;
  off_t offset = static_cast<off_t>(index) * kRecordSize;
  if (journal.isOpen() && !putJournal(folder, journal, journalPath, encodeJournal(oldSize, offset, records)))
    journal.reset();
  try {
    writeAt(fd, records, offset, fileName);
    syncData(fd, fileName);
  } catch (const IoError&) {
    // Records only appended are cut off again, and once that is on disk
    // their journal goes too. A change over old records may be half made:
    // its journal stays, so that the next start makes it whole. If the cut
    // fails too, the write's own error is still the one to report.
    bool undone = truncateFile(fd, oldSize) && offset >= oldSize && trySyncData(fd);
    if (journal.isOpen() && undone) folder.remove(journalPath);
    throw;
  }
  // The removal need not reach the disk now: a journal that outlives its
  // change by a crash writes the same bytes again at the next start, and the
  // next change of the file syncs the folder before it begins.
  if (journal.isOpen()) folder.remove(journalPath);
}

void RecordFile::replace(std::string_view records) {
  checkWritable();
  // A journal left over from a change in place belongs to the old content:
  // applied to the new one at the next start it would tear it. So it is
  // settled now, and the folder synced, so that no crash can keep the new
  // content and lose the removal of a journal.
  takeUpJournal();
  folder.syncFolderOf(fileName);
  mode_t mode = statOf(fd, fileName).st_mode & 07777;
  // The user asked to change the dictionary, not the scratch file: a failure
  // names both.
  folder.replaceFile(fileName, records, mode, kScratchName,
              std::string(kScratchName) + " (the new copy of " + fileName + ")");
  open();
}

// Journals are locked while they are written, so that a program starting
// meanwhile never takes another one's change in progress for a torn journal.
FileHandle RecordFile::lockJournal(const std::string& path) {
  for (;;) {
    FileHandle journal = folder.lockedFile(path, 0666);
    if (!journal.isOpen() || statOf(journal, path).st_size == 0) return journal;
    // Left by another program that stopped half way while we had the file
    // open: its change comes first.
    settleJournal(journal, path);
    if (folder.isNamed(journal, path)) {
      if (!truncateFile(journal, 0)) throwIoError(errno, path);
      return journal;
    }
  }
}

void RecordFile::settleJournal(const FileHandle& journal, const std::string& path) {
  std::string bytes = readToEnd(journal.get(), path, 0);
  std::optional<JournalEntry> entry = decodeJournal(bytes);
  off_t size = stamp().size;
  if (bytes.empty()) {
    // Made and stopped before a byte of it was written: no change had begun.
  } else if (!entry) {
    warnings.push_back(path + " was damaged and has been removed: the last change to " + fileName +
                         " before the program or the system stopped was not made.");
  } else if (off_t newSize = std::max<off_t>(entry->oldSize, entry->offset + static_cast<off_t>(entry->bytes.size()));
             size < entry->oldSize || size > newSize) {
    // Our own writes are all on disk before the journal is made, and none
    // goes past the size it names.
    warnings.push_back(path + " did not fit " + fileName + ", which another program has changed since: it has been removed unapplied.");
  } else {
    writeAt(fd, entry->bytes, entry->offset, fileName);
    syncData(fd, fileName);
  }
  folder.remove(path);
}

void RecordFile::takeUpJournal() {
  std::string path = journalName(fileName);
  FileHandle journal = folder.open(path, O_RDONLY | O_NONBLOCK);
  if (!journal.isOpen()) {
    if (errno != ENOENT)
      warnings.push_back(path + " could not be read (" + failureText(errno) + "): " + fileName + " is used as it is.");
    return;
  }
  // Locked: the program that writes it is still at work, and removes it when done.
  if (!tryLock(journal) || !folder.isNamed(journal, path)) return;
  try {
    checkWritable();
    settleJournal(journal, path);
  } catch (const IoError& error) {
    warnings.push_back(path + " could not be applied to " + fileName + " (" + error.what() +
                         "): it stays for the next start.");
  }
}

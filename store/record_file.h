#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "posix_file.h"
#include "record_format.h"

// The scratch file that every rewrite of a dictionary goes through.
inline constexpr const char* kScratchName = "pomocny.slk";

// One dictionary file of fixed-size records, reached by its name in `folder`.
// This is the only code of the store that reaches the dictionary files; every
// failure leaves it usable, holding the file as it is on disk. What it meets
// and gets past without stopping (a damaged journal) is added to `warnings`,
// a sentence naming the file.
class RecordFile {
 public:
  RecordFile(const Folder& folder, std::vector<std::string>& warnings, std::string name)
      : folder(folder), warnings(warnings), fileName(std::move(name)) {}
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Opens the file; creates it empty only when it does not exist. A file that
  // exists but may not be written is opened for reading only, and every later
  // write raises the error that refused it; so is a missing file that may not
  // be created, read as empty. Nothing here ever truncates. A journal left
  // beside the file (journal.h) is applied when it is whole and dropped when
  // it is not; either way, and when it cannot be read, a warning says so and
  // the file opens. Comes before every other call: the store opens each file
  // as it opens.
  void open();

  // Takes up the file that the name refers to now, when that is no longer the
  // one held: another program replaced it, or our own reopening failed.
  // Every operation of the store calls it once before touching the file.
  // Returns the stamp of the file held afterwards.
  FileStamp refresh();

  const std::string& name() const { return fileName; }
  // Raises the error that refused writing, for a file opened read-only.
  void checkWritable() const;
  FileStamp stamp() const;

  long count() const;
  void read(long index, char* record) const;
  // All whole records, in file order.
  std::string readAll() const;
  // Writes one record at `index`; index == count() appends.
  void write(long index, const char* record) { write(index, std::string_view(record, kRecordSize)); }
  // Writes whole records from `index` on, over the old ones and past the end,
  // through the journal: a crash at any moment leaves the old records or,
  // once the next start has applied the journal, all the new ones. When the
  // file cannot grow (a full disk, a size limit), the part written past the
  // old end is cut off again, so that the file keeps its old size. In a
  // folder that may not be written, or on a full disk, no journal can be
  // made, and the records are written without one: safe from a kill, not
  // from a power cut.
  void write(long index, std::string_view records);
  // Replaces the whole content with `records`. The new content goes to the
  // scratch file, reaches the disk, and is renamed over the dictionary in one
  // step: at every moment the dictionary on disk is the complete old file or
  // the complete new one, and the scratch file never remains.
  void replace(std::string_view records);

 private:
  FileHandle openByName(int* refusedWrite) const;
  void adopt(FileHandle newFd, int refusedWrite);
  void takeUpJournal();
  FileHandle lockJournal(const std::string& path);
  void settleJournal(const FileHandle& journal, const std::string& path);

  const Folder& folder;
  std::vector<std::string>& warnings;
  std::string fileName;
  FileHandle fd;
  int writeError = 0;
  dev_t heldDevice = 0;
  ino_t heldInode = 0;
};

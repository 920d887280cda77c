#pragma once

// At a million records the look-up and search tables of a dictionary take
// most of a second to build. The program builds them on worker threads from
// the moment its dictionaries are open, one dictionary to a worker, so that
// the first look-up, suggestion and search a person starts find them ready.
// A look-up that comes first builds what it needs itself, as it always did.

#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <memory>
#include <vector>

#include "dictionary_store.h"

// One for the program, made by the shell right after the store is open.
class TablesAhead {
 public:
  // Takes the records of both dictionaries, reading them now if they were
  // not read yet, and starts the workers.
  explicit TablesAhead(DictionaryStore& store);
  // Waits for the workers still building (most of a second at worst), so
  // that the program never ends under them.
  ~TablesAhead();
  TablesAhead(const TablesAhead&) = delete;
  TablesAhead& operator=(const TablesAhead&) = delete;

  // Whether every worker has ended and its tables went to the store.
  bool handedOver() const { return ended == running.size(); }

 private:
  DictionaryStore& store;
  // Its own threads, so that the word forms, loaded on Qt's shared ones as
  // the main window shows, never wait behind the tables.
  QThreadPool workers;
  // Touched on the UI thread only; a worker has nothing but its own tables.
  std::vector<QFuture<TablesToBuild>> running;
  std::vector<std::unique_ptr<QObject>> watchers;
  std::size_t ended = 0;
};

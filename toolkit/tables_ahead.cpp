#include "tables_ahead.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

#include "error_report.h"

TablesAhead::TablesAhead(DictionaryStore& store) : store(store) {
  workers.setMaxThreadCount(2);
  for (Dict dict : {kTarvikCzech, kCzechTarvik}) {
    TablesToBuild tables;
    // A dictionary that cannot be read now is reported as any failed read
    // is; its look-ups will try to read it again.
    runGuarded([&] { tables = store.tablesToBuild(dict); });
    // The worker holds the records until it has handed the tables back
    // whole, so the store's writes meanwhile go to a copy of them
    // (DictionaryIndex::snapshot); it reads them before it ends, and the
    // store takes the tables only after that.
    QFuture<TablesToBuild> building = QtConcurrent::run(&workers, [tables = std::move(tables)]() mutable {
      tables.build();
      return std::move(tables);
    });
    auto* watcher = new QFutureWatcher<TablesToBuild>();
    watchers.emplace_back(watcher);
    std::size_t at = running.size();
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [this, at] {
      ++ended;
      // A future whose result was taken no longer counts as finished, and
      // waiting for it would never end: the destructor waits for the others.
      QFuture<TablesToBuild> done = std::exchange(running[at], {});
      runGuarded([&] { this->store.adoptTables(done.takeResult()); });
    });
    running.push_back(building);
    watcher->setFuture(building);
  }
}

TablesAhead::~TablesAhead() {
  for (QFuture<TablesToBuild>& building : running) building.waitForFinished();
}

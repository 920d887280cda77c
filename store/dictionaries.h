#pragma once

// Internal to the store: the open dictionary files behind a selector.

#include "psoubory.h"
#include "record_file.h"

// The file of `dict`, after taking up any replacement of it on disk.
RecordFile& dictionaryFile(Dict dict);

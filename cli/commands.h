#pragma once

#include "job.h"

// Runs a prepared job and returns its exit code: kExitDone, or kExitNotFound
// for a lookup that found nothing. Dictionary commands first enter --dir and
// open the dictionaries there, creating missing ones; file failures are
// IoError.
int runJob(const Job& job);

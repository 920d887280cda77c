#include "commands.h"
#include "exit_codes.h"
#include "import_format.h"
#include "job.h"

int main(int argc, char** argv) {
  ParsedCommandLine parsed = parseCommandLine(argc, argv);
  if (!parsed.request) return parsed.exitCode;
  Encoding encoding = parsed.request->encoding;
  try {
    Job job = prepareJob(*parsed.request);
    int code = runJob(job);
    finishOutput();
    return code;
  } catch (const UsageError& e) {
    reportError(e.what(), encoding);
    return kExitUsage;
  } catch (const ImportFormatError& e) {
    reportError(e.what(), encoding);
    return kExitUsage;
  } catch (const IoError& e) {
    reportError(e.what(), encoding);
    return kExitIo;
  }
}

#include "command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "commands.h"
#include "exit_codes.h"
#include "version.h"

namespace {

// What CLI11 fills in while parsing; turned into a Request afterwards.
struct RawOptions {
  std::string dir;
  std::string encoding = "utf-8";
  std::string dict = "tc";
  bool noPronunciation = false;
  bool reverse = false;
  bool forms = false;
  bool ignoreDiacritics = false;
  bool markUnknown = false;
  std::string format = "text";
  bool truncate = false;
  bool header = false;
  bool clear = false;
  bool choices = false;
  bool check = false;
  bool add = false;
  std::string after;
};

const char* const kGeneralHelp =
    "Dictionaries: tc_slovnik.slk (Tarvik to Czech) and ct_slovnik.slk (Czech to Tarvik)\n"
    "in the --dir folder; missing ones are created empty.\n"
    "Options of a command (--dict, --forms and the others) go after its name.\n"
    "Output: one line per result, fields separated by one TAB.\n"
    "Exit status: 0 done, 1 not found, 2 usage or encoding error, 3 input/output error.";

std::string commandUsage(const Command& command) {
  std::string usage = std::string("tarvik [--dir DIR] [--encoding E] ") + command.name + " [OPTIONS]";
  for (const Argument& argument : command.arguments) {
    std::string name = std::string(argument.name) + (argument.repeated ? "..." : "");
    usage += argument.required ? " " + name : " [" + name + "]";
  }
  return usage;
}

// CLI11 would show every positional as optional, since their counts are
// checked after parsing; the usage line is written out instead.
class UsageFormatter : public CLI::Formatter {
 public:
  std::string make_usage(const CLI::App* app, std::string) const override {
    if (app->get_parent() == nullptr)
      return "Usage: tarvik [--dir DIR] [--encoding utf-8|cp1250] COMMAND [OPTIONS] [ARGS]\n";
    return "Usage: " + commandUsage(findCommand(app->get_name())) + "\n";
  }
};

void addCommand(CLI::App& app, const Command& command, RawOptions& raw) {
  CLI::App* sub = app.add_subcommand(command.name, command.summary);
  // Their heading in `tarvik --help`, which is the group's name.
  sub->group("Commands");
  sub->footer(command.details);
  // Lets --dir and --encoding follow the command name too.
  sub->fallthrough();
  if (command.options & kDict)
    sub->add_option("--dict", raw.dict, "tc: Tarvik to Czech (default); ct: Czech to Tarvik")
        ->check(CLI::IsMember({"tc", "ct"}));
  if (command.options & kPronunciation)
    sub->add_flag("--no-pronunciation", raw.noPronunciation,
                  "match headwords as written only, not by pronunciation");
  if (command.options & kReverse)
    sub->add_flag("--reverse", raw.reverse,
                  "also insert each meaning into the other dictionary");
  if (command.options & kIgnoreDiacritics)
    sub->add_flag("--ignore-diacritics", raw.ignoreDiacritics,
                  "also find a word written without diacritics (\"zena\" finds ŽENA)");
  if (command.options & kForms)
    sub->add_flag("--forms", raw.forms,
                  "also find a Czech word by its base form (\"muže\" finds MUŽ), from tvary.txt\n"
                  "in the dictionary folder (\"FORM - BASE\" lines) and Hunspell's Czech\n"
                  "dictionary (Debian package hunspell-cs). Only Czech words have forms: the\n"
                  "headwords of --dict ct and, for search, the meanings of --dict tc; elsewhere\n"
                  "it changes nothing and needs neither file");
  if (command.options & kMarkUnknown)
    sub->add_flag("--mark-unknown", raw.markUnknown, "put * before each word left untranslated");
  if (command.options & kFormat)
    sub->add_option("--format", raw.format,
                    "text (default): \"HEADWORD - MEANING\" lines in Windows-1250;\n"
                    "tsv: one line per headword in UTF-8, for StarDict's tabfile and dictfmt")
        ->check(CLI::IsMember({"text", "tsv"}));
  if (command.options & kImportFormat)
    sub->add_option("--format", raw.format,
                    "text (default): \"HEADWORD - MEANING\" lines, as export writes;\n"
                    "tsv: HEADWORD<TAB>MEANING; MEANING lines, as export --format tsv writes;\n"
                    "csv: a spreadsheet's rows HEADWORD,MEANING,... (RFC 4180)")
        ->check(CLI::IsMember({"text", "tsv", "csv"}));
  if (command.options & kHeader)
    sub->add_flag("--header", raw.header, "with --format csv: skip the first row, which names the columns");
  if (command.options & kClear) sub->add_flag("--clear", raw.clear, "forget every word looked up, printing nothing");
  if (command.options & kChoices)
    sub->add_flag("--choices", raw.choices,
                  "put the meaning chosen in the program's meaning grid (volby.txt in the\n"
                  "dictionary folder) in place of the first");
  if (command.options & kChoiceRules) {
    sub->add_flag("--check", raw.check,
                  "list only the rules whose word the dictionary lacks or whose meaning its\n"
                  "entry no longer holds; exit status 1 when there are any");
    sub->add_flag("--add", raw.add, "remember MEANING for WORD, printing nothing");
    sub->add_option("--after", raw.after, "with --add: only for WORD after the word PREVIOUS")->type_name("PREVIOUS");
    sub->add_flag("--clear", raw.clear, "forget every chosen meaning, printing nothing");
  }
  if (command.options & kTruncate)
    sub->add_flag("--truncate", raw.truncate, "store a word over 20 bytes cut to 20 (and say so), not refuse it");
  // Counts are checked after parsing, once arguments after "--" have joined.
  for (const Argument& argument : command.arguments) {
    CLI::Option* option = sub->add_option(argument.name)->description(argument.description);
    if (argument.repeated) option->expected(1, CLI::detail::expected_max_vector_size)->allow_extra_args();
  }
}

void buildApp(CLI::App& app, RawOptions& raw) {
  auto formatter = std::make_shared<UsageFormatter>();
  app.formatter(formatter);
  app.footer(kGeneralHelp);
  app.require_subcommand(0, 1);
  app.allow_extras();
  app.set_version_flag("--version", std::string("tarvik ") + kVersion, "print the version and exit");
  app.add_option("--dir", raw.dir, "folder of the dictionaries (default: the current folder)")
      ->type_name("DIR");
  app.add_option("--encoding", raw.encoding,
                 "utf-8 (default) or cp1250: the encoding of arguments, standard input and\n"
                 "output, and of the files named on the command line; the dictionaries and\n"
                 "the text export are always Windows-1250, the tsv export UTF-8")
      ->check(CLI::IsMember({"utf-8", "cp1250"}, CLI::ignore_case));
  for (const Command& command : kCommands) addCommand(app, command, raw);
}

void checkLeftovers(const CLI::App& app, const CLI::App* sub) {
  std::vector<std::string> left = app.remaining();
  if (sub == nullptr && left.empty()) throw UsageError("no command given; see tarvik --help");
  if (left.empty()) return;
  const std::string& first = left.front();
  if (first.starts_with("-")) {
    std::string name = first.substr(0, first.find('='));
    if (sub == nullptr) throw UsageError("unknown option " + name + "; see tarvik --help");
    std::string command = sub->get_name();
    // The command knows it, so it stood before the command's name.
    if (sub->get_option_no_throw(name) != nullptr)
      throw UsageError(name + " goes after the command name: tarvik " + command + " " + name + " ...");
    throw UsageError(command + " has no option " + name + "; see tarvik " + command + " --help");
  }
  if (sub == nullptr) throw UsageError("unknown command " + first + "; see tarvik --help");
  throw UsageError("unexpected argument " + first);
}

std::vector<std::string> gatherArguments(const CLI::App& sub, const Command& command,
                                         const std::vector<std::string>& afterDashes) {
  std::vector<std::string> arguments;
  for (const Argument& argument : command.arguments) {
    const CLI::results_t& given = sub.get_option(argument.name)->results();
    arguments.insert(arguments.end(), given.begin(), given.end());
  }
  arguments.insert(arguments.end(), afterDashes.begin(), afterDashes.end());

  std::size_t most = command.arguments.size();
  bool unlimited = most > 0 && command.arguments.back().repeated;
  if (!unlimited && arguments.size() > most)
    throw UsageError("unexpected argument " + arguments[most]);
  for (std::size_t i = arguments.size(); i < command.arguments.size(); ++i)
    if (command.arguments[i].required)
      throw UsageError(std::string(command.name) + " needs " + command.arguments[i].name +
                       "; see tarvik " + command.name + " --help");
  return arguments;
}

Request toRequest(const CLI::App& app, const RawOptions& raw, const std::vector<std::string>& afterDashes) {
  std::vector<CLI::App*> chosen = app.get_subcommands();
  const CLI::App* sub = chosen.empty() ? nullptr : chosen.front();
  checkLeftovers(app, sub);
  const Command& command = findCommand(sub->get_name());
  Request request;
  request.command = &command;
  request.dir = raw.dir;
  // The check let any case through ("CP1250"), and left the value as typed.
  request.encoding = CLI::detail::to_lower(raw.encoding) == "cp1250" ? Encoding::kCp1250 : Encoding::kUtf8;
  request.dict = raw.dict == "ct" ? kCzechTarvik : kTarvikCzech;
  request.lookup = {.byPronunciation = !raw.noPronunciation, .forms = raw.forms,
                    .ignoreDiacritics = raw.ignoreDiacritics};
  request.reverse = raw.reverse;
  request.markUnknown = raw.markUnknown;
  request.format = raw.format == "tsv" ? FileFormat::kTsv : raw.format == "csv" ? FileFormat::kCsv : FileFormat::kText;
  request.truncate = raw.truncate;
  request.header = raw.header;
  request.clear = raw.clear;
  request.choices = raw.choices;
  request.check = raw.check;
  request.add = raw.add;
  if (const CLI::Option* after = sub->get_option_no_throw("--after"); after && after->count() > 0)
    request.after = raw.after;
  request.arguments = gatherArguments(*sub, command, afterDashes);
  return request;
}

}  // namespace

ParsedCommandLine parseCommandLine(int argc, char** argv) {
  // CLI11 hands a "--" after a command's first argument back to the main
  // program, so everything after it is split off here and joins the command's
  // arguments: `insert MINUS -- -` must work.
  std::vector<std::string> args(argv + 1, argv + argc);
  auto dashes = std::find(args.begin(), args.end(), "--");
  std::vector<std::string> afterDashes(dashes == args.end() ? dashes : dashes + 1, args.end());
  args.erase(dashes, args.end());
  std::reverse(args.begin(), args.end());

  CLI::App app("tarvik - the Tarvik <-> Czech dictionary on the command line", "tarvik");
  RawOptions raw;
  buildApp(app, raw);
  ParsedCommandLine parsed;
  try {
    app.parse(args);
    parsed.request = toRequest(app, raw, afterDashes);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      parsed.exitCode = app.exit(e);
    } else {
      reportError(std::string(e.what()) + "; see tarvik --help", Encoding::kUtf8);
      parsed.exitCode = kExitUsage;
    }
  } catch (const UsageError& e) {
    reportError(e.what(), Encoding::kUtf8);
    parsed.exitCode = kExitUsage;
  }
  return parsed;
}

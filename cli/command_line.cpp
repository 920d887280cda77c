#include "command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "exit_codes.h"

namespace {

struct Positional {
  const char* name;
  const char* description;
  bool required;
  bool repeated;
};

struct CommandInfo {
  const char* name;
  const char* summary;  // one line in `tarvik --help`
  const char* details;  // the rest of `tarvik COMMAND --help`
  std::vector<Positional> positionals;
  bool usesDict;
  bool usesPronunciation;
  bool usesReverse;
};

const std::vector<CommandInfo>& commandList() {
  static const std::vector<CommandInfo> list = {
      {"translate", "Translate a text line by line",
       "Translates FILE, or standard input, word by word, two-word phrases first. Each input\n"
       "line gives one output line. Standard error then says \"Text byl přeložen celý\" when\n"
       "every word was found, else \"Text nebyl přeložen celý nebo vůbec\"; the exit status\n"
       "is 0 either way.",
       {{"FILE", "plain text file in --encoding; standard input when left out", false, false}},
       true, true, false},
      {"grid", "Show the meaning grid of a line",
       "Prints one line per column of the meaning grid for LINE: ITEM<TAB>M1<TAB>..<TAB>M5.\n"
       "Two words that form a phrase of the dictionary share one column; a word the\n"
       "dictionary lacks shows five empty meanings.",
       {{"LINE", "the text to split into columns", true, false}}, true, true, false},
      {"lookup", "Look a word up",
       "Prints POSITION (from 1)<TAB>HEADWORD<TAB>M1<TAB>..<TAB>M5 of the first record for\n"
       "WORD. Case and apostrophes do not matter, and a Tarvik headword is also found by\n"
       "how it is pronounced (SHEE by \"shee\" and by its Czech spelling) unless\n"
       "--no-pronunciation is given. Not found: nothing is printed, exit status 1.",
       {{"WORD", "the word or two-word phrase to find", true, false}}, true, true, false},
      {"prefix", "Find the first headword starting with a text",
       "Prints POSITION (from 1)<TAB>HEADWORD of the first record whose headword starts\n"
       "with TEXT. Not found: nothing is printed, exit status 1.",
       {{"TEXT", "the beginning of a headword", true, false}}, true, false, false},
      {"list", "List every record",
       "Prints every record in file order: INDEX (from 0)<TAB>HEADWORD<TAB>M1<TAB>..<TAB>M5.",
       {}, true, false, false},
      {"count", "Count records and meanings",
       "Prints the number of records and of filled meaning slots: ENTRIES<TAB>MEANINGS.",
       {}, true, false, false},
      {"insert", "Insert a word with its meanings",
       "Inserts HEADWORD with up to five MEANINGs into their slots in order, upper-cased and\n"
       "cut to 20 characters, as the insertion window does. An empty MEANING (\"\") leaves\n"
       "its slot empty. The entry joins the first record of the same headword when all\n"
       "meanings fit there, else it becomes a record of its own; the dictionary is sorted\n"
       "afterwards. With --reverse each meaning first goes into the other dictionary with\n"
       "HEADWORD as its one meaning. Put -- before arguments that begin with -.",
       {{"HEADWORD", "the word to insert", true, false},
        {"MEANING", "up to five meanings, in slot order", false, true}},
       true, false, true},
      {"delete", "Delete a record",
       "Deletes the record at INDEX (from 0, as list shows it); the others keep their order.\n"
       "An INDEX outside the records deletes nothing.",
       {{"INDEX", "the record's index, a whole number", true, false}}, true, false, false},
      {"export", "Export the dictionary as text",
       "Writes every filled meaning as a line \"HEADWORD - MEANING\" to tc_slovnik.txt or\n"
       "ct_slovnik.txt in the dictionary folder, in Windows-1250 with CR LF line ends.",
       {}, true, false, false},
      {"import", "Import lines in the export format",
       "Inserts the lines \"HEADWORD - MEANING\" of FILE (read in --encoding). Consecutive\n"
       "lines of one headword form one entry of up to five meanings; blank lines are\n"
       "skipped; the dictionary is sorted at the end. A line without \" - \" is refused with\n"
       "its number before anything is written.",
       {{"FILE", "text file in the export format", true, false}}, true, false, false},
      {"pronounce", "Show how a Tarvik word is pronounced",
       "Prints the Czech pronunciation of the Tarvik WORD (capitals, as stored). Touches no file.",
       {{"WORD", "a Tarvik word", true, false}}, false, false, false},
      {"spell", "Spell a word the Tarvik way",
       "Prints the Tarvik spelling of WORD written as a Czech reader says it. Touches no file.",
       {{"WORD", "a word as it sounds", true, false}}, false, false, false},
      {"upcase", "Write a text in capitals",
       "Prints TEXT in capitals as the dictionary stores words, Czech letters included.\n"
       "Touches no file.",
       {{"TEXT", "any text", true, false}}, false, false, false},
  };
  return list;
}

// What CLI11 fills in while parsing; turned into a Request afterwards.
struct RawOptions {
  std::string dir;
  std::string encoding = "utf-8";
  std::string dict = "tc";
  bool noPronunciation = false;
  bool reverse = false;
};

const char* const kGeneralHelp =
    "Dictionaries: tc_slovnik.slk (Tarvik to Czech) and ct_slovnik.slk (Czech to Tarvik)\n"
    "in the --dir folder; missing ones are created empty.\n"
    "Options of a command (--dict, --no-pronunciation, --reverse) go after its name.\n"
    "Output: one line per result, fields separated by one TAB.\n"
    "Exit status: 0 done, 1 not found, 2 usage or encoding error, 3 input/output error.";

const CommandInfo& infoFor(const std::string& name) {
  const auto& list = commandList();
  return *std::find_if(list.begin(), list.end(), [&](const CommandInfo& c) { return name == c.name; });
}

std::string commandUsage(const CommandInfo& info) {
  std::string usage = std::string("tarvik [--dir DIR] [--encoding E] ") + info.name + " [OPTIONS]";
  for (const Positional& positional : info.positionals) {
    std::string name = std::string(positional.name) + (positional.repeated ? "..." : "");
    usage += positional.required ? " " + name : " [" + name + "]";
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
    return "Usage: " + commandUsage(infoFor(app->get_name())) + "\n";
  }
};

void addCommand(CLI::App& app, const CommandInfo& info, RawOptions& raw) {
  CLI::App* sub = app.add_subcommand(info.name, info.summary);
  sub->footer(info.details);
  // Lets --dir and --encoding follow the command name too.
  sub->fallthrough();
  if (info.usesDict)
    sub->add_option("--dict", raw.dict, "tc: Tarvik to Czech (default); ct: Czech to Tarvik")
        ->check(CLI::IsMember({"tc", "ct"}));
  if (info.usesPronunciation)
    sub->add_flag("--no-pronunciation", raw.noPronunciation,
                  "match headwords as written only, not by pronunciation");
  if (info.usesReverse)
    sub->add_flag("--reverse", raw.reverse,
                  "also insert each meaning into the other dictionary");
  // Counts are checked after parsing, once arguments after "--" have joined.
  for (const Positional& positional : info.positionals) {
    CLI::Option* option = sub->add_option(positional.name)->description(positional.description);
    if (positional.repeated) option->expected(1, CLI::detail::expected_max_vector_size)->allow_extra_args();
  }
}

void buildApp(CLI::App& app, RawOptions& raw) {
  auto formatter = std::make_shared<UsageFormatter>();
  formatter->label("Subcommands", "Commands");
  app.formatter(formatter);
  app.footer(kGeneralHelp);
  app.require_subcommand(0, 1);
  app.allow_extras();
  app.add_option("--dir", raw.dir, "folder of the dictionaries (default: the current folder)")
      ->type_name("DIR");
  app.add_option("--encoding", raw.encoding,
                 "utf-8 (default) or cp1250: the encoding of arguments, standard input and\n"
                 "output, and of the files named on the command line; the dictionary and\n"
                 "export files are always Windows-1250")
      ->check(CLI::IsMember({"utf-8", "cp1250"}, CLI::ignore_case));
  for (const CommandInfo& info : commandList()) addCommand(app, info, raw);
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

std::vector<std::string> gatherArguments(const CLI::App& sub, const CommandInfo& info,
                                         const std::vector<std::string>& afterDashes) {
  std::vector<std::string> arguments;
  for (const Positional& positional : info.positionals) {
    const CLI::results_t& given = sub.get_option(positional.name)->results();
    arguments.insert(arguments.end(), given.begin(), given.end());
  }
  arguments.insert(arguments.end(), afterDashes.begin(), afterDashes.end());

  std::size_t most = info.positionals.size();
  bool unlimited = most > 0 && info.positionals.back().repeated;
  if (!unlimited && arguments.size() > most)
    throw UsageError("unexpected argument " + arguments[most]);
  for (std::size_t i = arguments.size(); i < info.positionals.size(); ++i)
    if (info.positionals[i].required)
      throw UsageError(std::string(info.name) + " needs " + info.positionals[i].name +
                       "; see tarvik " + info.name + " --help");
  return arguments;
}

Request toRequest(const CLI::App& app, const RawOptions& raw, const std::vector<std::string>& afterDashes) {
  std::vector<CLI::App*> chosen = app.get_subcommands();
  const CLI::App* sub = chosen.empty() ? nullptr : chosen.front();
  checkLeftovers(app, sub);
  const CommandInfo& info = infoFor(sub->get_name());
  Request request;
  request.command = info.name;
  request.dir = raw.dir;
  // The check let any case through ("CP1250"), and left the value as typed.
  request.encoding = CLI::detail::to_lower(raw.encoding) == "cp1250" ? Encoding::kCp1250 : Encoding::kUtf8;
  request.dict = raw.dict == "ct" ? kCzechTarvik : kTarvikCzech;
  request.byPronunciation = !raw.noPronunciation;
  request.reverse = raw.reverse;
  request.arguments = gatherArguments(*sub, info, afterDashes);
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

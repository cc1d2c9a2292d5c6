// lumora-disc: checks a game maker's setup data folder against the programs' rules, and builds
// the checked disc images from it. Exit status 0 clean/written, 1 problems, 2 could not run.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "disc/build.h"
#include "disc/check.h"
#include "disc/medium.h"
#include "disc/native_files.h"
#include "disc/options.h"
#include "disc/starter.h"
#include "disc/try.h"

namespace {

const char usage_text[] =
    "usage: lumora-disc check FOLDER [SECOND_DISC_FOLDER] [--medium cd|dvd|dvd-dl|bd] [--programs DIR]\n"
    "       lumora-disc build FOLDER [SECOND_DISC_FOLDER] -o OUTPUT [--medium cd|dvd|dvd-dl|bd]\n"
    "                         [--label LABEL] [--programs DIR]\n"
    "                         [--sign PFX [--sign-password-file FILE] [--timestamp URL]]\n"
    "       lumora-disc new FOLDER --title TITLE --reg-path 'MAKER\\GAME' [--discs 1|2]\n"
    "       lumora-disc try OUTPUT [--dpi N]... [--report DIR] [--keep] [--interactive]\n"
    "       lumora-disc --help | --version\n"
    "FOLDER is the game's setup data folder (Setup.ini, Setup.bmp, Setup.ico, GameData, ...);\n"
    "build writes OUTPUT/disc1.iso (and disc2.iso for a game of two discs);\n"
    "new writes a starter FOLDER (and, for two discs, disc2/ beside it with the second disc's);\n"
    "try plays OUTPUT's images under Wine and writes the report OUTPUT/try/index.html.\n"
    "  --medium     the disc the image must fit on (default dvd)\n"
    "  --label      the volume label, 1-32 of A-Z, 0-9, _ (default from #REG_PATH)\n"
    "  --programs   the folder of Setup.exe, Foyer.exe, Autorun.exe, Config.exe and\n"
    "               Chronicle.exe (default: those installed with lumora-disc, or the build's)\n"
    "Exit status: 0 clean or written, 1 problems found, 2 could not run.\n"
    "See man lumora-disc, docs/setup_ini.md and docs/disc_tool.md.\n";

enum Exit_status { exit_clean = 0, exit_problems = 1, exit_failed = 2 };

struct Carguments {
  std::string command;
  std::vector<std::string> folders;
  std::string output;
  disc::Cmedium medium = disc::Cmedium::dvd;
  std::string label;
  std::string programs;
  std::string title;     // new
  std::string reg_path;  // new
  std::string discs = "1";
  disc::Csign_options sign;
};

int usage(const std::string& why) {
  if (!why.empty()) std::fprintf(stderr, "lumora-disc: %s\n", why.c_str());
  std::fputs(usage_text, stderr);
  return exit_failed;
}

// Parses the command line; false with why set when it is not one lumora-disc understands.
bool parse_arguments(int argc, char** argv, Carguments& arguments, std::string& why) {
  if (argc < 2) {
    why = "no command";
    return false;
  }
  arguments.command = argv[1];
  if (arguments.command != "check" && arguments.command != "build" && arguments.command != "new") {
    why = "unknown command " + arguments.command;
    return false;
  }
  const bool build = arguments.command == "build";
  const bool starter = arguments.command == "new";
  std::string medium = "dvd";
  for (int i = 2; i < argc; ++i) {
    if (disc::take_option(argc, argv, i, "--medium", medium, why) ||
        disc::take_option(argc, argv, i, "--programs", arguments.programs, why) ||
        (build && (disc::take_option(argc, argv, i, "-o", arguments.output, why) ||
                   disc::take_option(argc, argv, i, "--output", arguments.output, why) ||
                   disc::take_option(argc, argv, i, "--label", arguments.label, why) ||
                   disc::take_option(argc, argv, i, "--sign", arguments.sign.pfx, why) ||
                   disc::take_option(argc, argv, i, "--sign-password-file", arguments.sign.password_file, why) ||
                   disc::take_option(argc, argv, i, "--timestamp", arguments.sign.timestamp_url, why))) ||
        (starter && (disc::take_option(argc, argv, i, "--title", arguments.title, why) ||
                     disc::take_option(argc, argv, i, "--reg-path", arguments.reg_path, why) ||
                     disc::take_option(argc, argv, i, "--discs", arguments.discs, why)))) {
      if (!why.empty()) return false;
      continue;
    }
    if (argv[i][0] == '-') {
      why = std::string("unknown option ") + argv[i];
      return false;
    }
    arguments.folders.push_back(argv[i]);
  }
  if (arguments.folders.empty() || arguments.folders.size() > 2) {
    why = arguments.folders.empty() ? "no FOLDER" : "more than two folders";
    return false;
  }
  if (starter && (arguments.folders.size() != 1 || arguments.title.empty() || arguments.reg_path.empty() ||
                  (arguments.discs != "1" && arguments.discs != "2"))) {
    why = "new needs one FOLDER, --title, --reg-path and --discs 1 or 2";
    return false;
  }
  if (build && arguments.output.empty()) {
    why = "build needs -o OUTPUT";
    return false;
  }
  if (arguments.sign.pfx.empty() && (!arguments.sign.password_file.empty() || !arguments.sign.timestamp_url.empty())) {
    why = "--sign-password-file and --timestamp go with --sign PFX";
    return false;
  }
  if (!disc::medium_from_option(medium, arguments.medium)) {
    why = "unknown medium " + medium + " (cd, dvd, dvd-dl or bd)";
    return false;
  }
  if (!arguments.label.empty() && !disc::valid_volume_label(arguments.label)) {
    why = "the label must be 1 to 32 of A-Z, 0-9 and _ (lower-case letters are raised)";
    return false;
  }
  return true;
}

// Runs the check and prints every problem; returns the exit status (clean, problems, failed).
int run_check(const disc::Ccheck_input& input) {
  std::vector<disc::Cproblem> problems;
  std::string why;
  if (!disc::check_disc(input, problems, why)) {
    std::fprintf(stderr, "lumora-disc: could not check: %s\n", why.c_str());
    return exit_failed;
  }
  bool failed = false;
  for (const disc::Cproblem& problem : problems) {
    std::printf("%s\n", disc::problem_line(problem).c_str());
    if (!problem.warning && !problem.information) failed = true;
  }
  return failed ? exit_problems : exit_clean;
}

// Writes the starter folder; returns the exit status (written, or refused: failed).
int run_new(const Carguments& arguments) {
  disc::Cstarter_request request;
  request.folder = disc::without_trailing_slash(arguments.folders[0]);
  request.title = arguments.title;
  request.reg_path = arguments.reg_path;
  request.discs = arguments.discs == "2" ? 2 : 1;
  std::string why;
  if (!disc::write_starter(request, why)) {
    std::fprintf(stderr, "lumora-disc: nothing written: %s\n", why.c_str());
    return exit_failed;
  }
  std::string folders = request.folder;
  if (request.discs == 2) {
    const std::string second = disc::starter_second_folder(request.folder);
    std::printf("%s: the second disc's setup data folder (its GameData holds the entries of disc 2)\n", second.c_str());
    folders += " " + second;
  }
  std::printf("%s: Setup.ini, Setup.bmp, Setup.ico, GameData; put the engine LumoraEngine.exe into GameData, "
              "then: lumora-disc check %s\n",
              request.folder.c_str(), folders.c_str());
  return exit_clean;
}

int run_build(const Carguments& arguments, const disc::Ccheck_input& input) {
  const int checked = run_check(input);
  if (checked != exit_clean) {
    if (checked == exit_problems) std::fprintf(stderr, "lumora-disc: no image written: the check found problems\n");
    return checked;
  }
  disc::Cbuild_request request;
  request.check = input;
  request.output_folder = arguments.output;
  request.label = arguments.label;
  request.sign = arguments.sign;
  std::string why;
  std::vector<disc::Cdisc_report> reports;
  std::vector<std::string> said;
  const bool built = disc::build_discs(request, reports, said, why);
  for (const std::string& line : said) std::printf("%s\n", line.c_str());
  if (!built) {
    std::fprintf(stderr, "lumora-disc: %s\n", why.c_str());
    return exit_failed;
  }
  for (const disc::Cdisc_report& report : reports) std::printf("%s\n", disc::report_line(report).c_str());
  return exit_clean;
}

// --help or --version anywhere on the command line: what to print instead of running.
enum class Information { none, help, version };

Information wanted_information(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return Information::help;
    if (std::strcmp(argv[i], "--version") == 0) return Information::version;
  }
  return Information::none;
}

}  // namespace

int main(int argc, char** argv) {
  switch (wanted_information(argc, argv)) {
    case Information::help:
      std::fputs(usage_text, stdout);
      return exit_clean;
    case Information::version:
      std::printf("lumora-disc %s\n", LUMORA_DISC_VERSION);
      return exit_clean;
    case Information::none:
      break;
  }
  if (argc >= 2 && std::strcmp(argv[1], "try") == 0) return disc::try_command(argc - 2, argv + 2);
  Carguments arguments;
  std::string why;
  if (!parse_arguments(argc, argv, arguments, why)) return usage(why);
  if (arguments.command == "new") return run_new(arguments);
  disc::Ccheck_input input;
  input.folder = disc::without_trailing_slash(arguments.folders[0]);
  if (arguments.folders.size() > 1) input.second_folder = disc::without_trailing_slash(arguments.folders[1]);
  input.medium = arguments.medium;
  input.programs_folder = arguments.programs.empty() ? disc::default_programs_folder() : arguments.programs;
  if (arguments.command == "check") return run_check(input);
  input.programs_signed_by_build = !arguments.sign.pfx.empty();
  return run_build(arguments, input);
}

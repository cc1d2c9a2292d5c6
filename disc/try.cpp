// lumora-disc try: the tool finds what it runs beside itself, runs its session script
// (which mounts the images, prepares the Wine prefix and the display, runs the walk under Wine
// once per DPI and undoes it all), and writes the report from the walks' records.
//
// The session is a script because the prefix, display and drive set-up of the project's test
// and demo commands is shell (scripts/session.sh): the tool installs and runs that same set-up
// instead of a second one in C++.
#include "disc/try.h"

#include "disc/options.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace disc {
namespace {

namespace fs = std::filesystem;

enum Exit_status { exit_passed = 0, exit_failed = 1, exit_could_not = 2 };

std::string file_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A field of walk.txt with its escapes (\t, \n, \\) undone.
std::string unescaped(const std::string& field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      text += field[i];
      continue;
    }
    const char next = field[++i];
    text += next == 't' ? '\t' : next == 'n' ? '\n' : next;
  }
  return text;
}

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(unescaped(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::string html(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

const char page_style[] =
    "body{font-family:sans-serif;margin:2em;max-width:1320px;color:#222}"
    "h1{font-size:1.4em}.passed{color:#176117}.failed{color:#a11}"
    "figure{margin:1.5em 0}figure img{max-width:100%;border:1px solid #999}"
    "figcaption{margin-top:.3em}.box{border-left:4px solid #c80;padding:.3em .8em;background:#fff8e8}"
    ".box pre{white-space:pre-wrap;font:inherit;margin:.2em 0}.note{color:#555}";

// The folder of what try runs: installed, PREFIX/share/lumora-disc (the tool in PREFIX/bin);
// in the build tree, the tool's own folder (build/disc).
fs::path share_folder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return fs::path(".");
  const fs::path installed = self.parent_path().parent_path() / "share" / "lumora-disc";
  return fs::is_regular_file(installed / "try.sh", error) ? installed : self.parent_path();
}

std::string took_text(std::chrono::steady_clock::duration took) {
  const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(took).count();
  return seconds >= 60 ? std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s"
                       : std::to_string(seconds) + " s";
}

pid_t session = 0;

// A termination of the tool is passed on to the session, which then cleans up.
void pass_on(int signal_number) {
  if (session > 0) kill(session, signal_number);
}

// Runs the session script with the images, its output on standard error; its exit status, or
// 130 when it was ended by a signal. Ctrl-C reaches the script, which cleans up, and
// termination is passed on to it; the tool waits for it and writes the report.
int run_session(const fs::path& script, const fs::path& report, const std::vector<std::string>& images,
                const std::vector<std::string>& environment) {
  struct sigaction ignore = {}, forward = {}, old_int = {}, old_quit = {}, old_term = {}, old_hup = {};
  ignore.sa_handler = SIG_IGN;
  forward.sa_handler = pass_on;
  sigaction(SIGINT, &ignore, &old_int);
  sigaction(SIGQUIT, &ignore, &old_quit);
  sigaction(SIGTERM, &forward, &old_term);
  sigaction(SIGHUP, &forward, &old_hup);
  const pid_t child = session = fork();
  if (child == 0) {
    sigaction(SIGINT, &old_int, nullptr);
    sigaction(SIGQUIT, &old_quit, nullptr);
    sigaction(SIGTERM, &old_term, nullptr);
    sigaction(SIGHUP, &old_hup, nullptr);
    dup2(2, 1);
    for (const std::string& setting : environment) putenv(const_cast<char*>(setting.c_str()));
    std::vector<const char*> arguments = {"sh", script.c_str(), report.c_str()};
    for (const std::string& image : images) arguments.push_back(image.c_str());
    arguments.push_back(nullptr);
    execv("/bin/sh", const_cast<char* const*>(arguments.data()));
    _exit(127);
  }
  int status = 0;
  bool waited = false;
  while (child > 0 && !waited) {
    const pid_t ended = waitpid(child, &status, 0);
    if (ended == child) waited = true;
    else if (ended < 0 && errno != EINTR) break;
  }
  session = 0;
  sigaction(SIGINT, &old_int, nullptr);
  sigaction(SIGQUIT, &old_quit, nullptr);
  sigaction(SIGTERM, &old_term, nullptr);
  sigaction(SIGHUP, &old_hup, nullptr);
  if (!waited) return 127;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 130;
}

struct Ctry_request {
  std::string output;
  std::vector<int> dpis;
  std::string report;
  bool keep = false;
  bool interactive = false;
};

bool parse_try(int argc, char** argv, Ctry_request& request, std::string& why) {
  for (int i = 0; i < argc; ++i) {
    std::string dpi;
    if (take_option(argc, argv, i, "--dpi", dpi, why)) {
      if (!why.empty()) return false;
      if (dpi.find_first_not_of("0123456789") != std::string::npos || dpi.size() > 3 || std::stoi(dpi) < 48) {
        why = "--dpi takes dots per inch from 48 to 999 (96, 144, 192): " + dpi;
        return false;
      }
      request.dpis.push_back(std::stoi(dpi));
      continue;
    }
    if (take_option(argc, argv, i, "--report", request.report, why)) {
      if (!why.empty()) return false;
      continue;
    }
    const std::string argument = argv[i];
    if (argument == "--keep") {
      request.keep = true;
    } else if (argument == "--interactive") {
      request.interactive = true;
    } else if (!argument.empty() && argument[0] == '-') {
      why = "unknown option " + argument;
      return false;
    } else if (request.output.empty()) {
      request.output = argument;
    } else {
      why = "try takes one OUTPUT folder";
      return false;
    }
  }
  if (request.output.empty()) {
    why = "try needs the OUTPUT folder that build wrote";
    return false;
  }
  if (request.dpis.empty()) request.dpis.push_back(96);
  return true;
}

}  // namespace

void read_walk(const std::string& bytes, Cwalk& walk) {
  std::istringstream lines(bytes);
  std::string line;
  while (std::getline(lines, line)) {
    const std::vector<std::string> fields = fields_of(line);
    Cwalk_entry entry;
    if (fields[0] == "shot" && fields.size() >= 3) {
      entry.kind = Cwalk_entry::shot;
      entry.picture = fields[1];
      entry.caption = fields[2];
    } else if (fields[0] == "box" && fields.size() >= 4) {
      entry.kind = Cwalk_entry::box;
      entry.step = fields[1];
      entry.caption = fields[2];
      entry.text = fields[3];
    } else if (fields[0] == "note" && fields.size() >= 2) {
      entry.text = fields[1];
    } else if (fields[0] == "fail" && fields.size() >= 2) {
      if (walk.failure.empty()) walk.failure = fields[1];
      continue;
    } else if (fields[0] == "end") {
      walk.ended = walk.failure.empty();
      continue;
    } else {
      continue;
    }
    walk.entries.push_back(entry);
  }
  if (!walk.ended && walk.failure.empty()) walk.failure = "the walk stopped before its end (see the messages above)";
}

std::string report_page(const std::vector<Cwalk>& walks, const std::string& outcome, const std::string& took,
                        const std::string& disc_source) {
  bool passed = !walks.empty();
  for (const Cwalk& walk : walks) passed = passed && walk.ended;
  std::string page = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>lumora-disc try</title>\n"
                     "<style>" + std::string(page_style) + "</style>\n</head>\n<body>\n";
  page += "<h1 class=\"" + std::string(passed ? "passed" : "failed") + "\">" + html(outcome) + "</h1>\n";
  page += "<p>Time taken: " + html(took) + ". The disc was read " +
          (disc_source == "fuseiso" ? std::string("from the image, mounted read-only with fuseiso")
                                    : "from the image's files, extracted with osirrox (no FUSE)") +
          ".</p>\n";
  for (const Cwalk& walk : walks) {
    const std::string folder = std::to_string(walk.dpi) + "dpi/";
    page += "<section>\n<h2>" + std::to_string(walk.dpi) + " DPI: " +
            (walk.ended ? std::string("passed") : "failed: " + html(walk.failure)) + "</h2>\n";
    for (const Cwalk_entry& entry : walk.entries) {
      if (entry.kind == Cwalk_entry::shot) {
        page += "<figure><img src=\"" + html(folder + entry.picture.substr(0, entry.picture.rfind('.')) + ".png") +
                "\" alt=\"" + html(entry.caption) + "\"><figcaption>" + html(entry.caption) + "</figcaption></figure>\n";
      } else if (entry.kind == Cwalk_entry::box) {
        page += "<div class=\"box\">Message box during " + html(entry.step) + ", caption «" + html(entry.caption) +
                "»:<pre>" + html(entry.text) + "</pre></div>\n";
      } else {
        page += "<p class=\"note\">" + html(entry.text) + "</p>\n";
      }
    }
    if (!walk.ended) page += "<p class=\"failed\">" + html(walk.failure) + "</p>\n";
    page += "</section>\n";
  }
  return page + "</body>\n</html>\n";
}

int try_command(int argc, char** argv) {
  Ctry_request request;
  std::string why;
  if (!parse_try(argc, argv, request, why)) {
    std::fprintf(stderr, "lumora-disc: %s\n", why.c_str());
    std::fputs("usage: lumora-disc try OUTPUT [--dpi N]... [--report DIR] [--keep] [--interactive]\n", stderr);
    return exit_could_not;
  }
  const auto start = std::chrono::steady_clock::now();
  const fs::path output = request.output;
  const fs::path report = request.report.empty() ? output / "try" : fs::path(request.report);
  std::vector<std::string> images;
  for (const char* name : {"disc1.iso", "disc2.iso"}) {
    if (fs::is_regular_file(output / name)) images.push_back(fs::absolute(output / name).string());
  }
  const fs::path script = share_folder() / "try.sh";
  std::string reason;
  if (images.empty() || images[0].find("disc1.iso") == std::string::npos) {
    reason = "no image " + (output / "disc1.iso").string() + ": run lumora-disc build first";
  } else if (!fs::is_regular_file(script) || !fs::is_regular_file(share_folder() / "TryWalk.exe")) {
    reason = "no try.sh and TryWalk.exe in " + share_folder().string() + ": install lumora-disc whole";
  }
  std::error_code error;
  fs::create_directories(report, error);
  if (reason.empty() && error) reason = "cannot make the report folder " + report.string() + ": " + error.message();
  if (!reason.empty()) {
    std::printf("could not try: %s\n", reason.c_str());
    return exit_could_not;
  }
  const fs::path reason_file = fs::absolute(report) / "could-not-try.txt";
  fs::remove(reason_file, error);
  std::string dpis;
  std::string listed;
  for (int dpi : request.dpis) {
    dpis += (dpis.empty() ? "" : " ") + std::to_string(dpi);
    listed += (listed.empty() ? "" : ", ") + std::to_string(dpi);
  }
  const int status = run_session(script, fs::absolute(report), images,
                                 {"ZOR_TRY_DPIS=" + dpis, "ZOR_TRY_KEEP=" + std::string(request.keep ? "1" : "0"),
                                  "ZOR_TRY_INTERACTIVE=" + std::string(request.interactive ? "1" : "0"),
                                  "ZOR_TRY_REASON=" + reason_file.string()});
  std::vector<Cwalk> walks;
  for (int dpi : request.dpis) {
    const fs::path record = report / (std::to_string(dpi) + "dpi") / "walk.txt";
    if (!fs::is_regular_file(record)) continue;
    Cwalk walk;
    walk.dpi = dpi;
    read_walk(file_bytes(record), walk);
    walks.push_back(walk);
  }
  int result = exit_passed;
  std::string outcome = "passed: the whole path ran at " + listed + " DPI and the uninstall left nothing behind";
  if (status == 130) {
    result = exit_could_not;
    outcome = "could not try: interrupted";
  } else if (status != 0) {
    reason = file_bytes(reason_file);
    while (!reason.empty() && reason.back() == '\n') reason.pop_back();
    result = exit_could_not;
    outcome = "could not try: " + (reason.empty() ? "the session ended with status " + std::to_string(status) : reason);
  } else {
    for (const Cwalk& walk : walks) {
      if (result == exit_passed && !walk.ended) {
        result = exit_failed;
        outcome = "failed at " + std::to_string(walk.dpi) + " DPI: " + walk.failure;
      }
    }
    if (walks.size() != request.dpis.size() && result == exit_passed) {
      result = exit_failed;
      outcome = "failed: a walk left no record";
    }
  }
  const fs::path page = report / "index.html";
  std::ofstream(page, std::ios::binary)
      << report_page(walks, outcome, took_text(std::chrono::steady_clock::now() - start),
                     file_bytes(report / "disc-source.txt").substr(0, 7));
  std::printf("%s\nreport: %s\n", outcome.c_str(), fs::absolute(page).string().c_str());
  return result;
}

}  // namespace disc

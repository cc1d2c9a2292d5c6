// LumoraEngine.exe, a stand-in for the game engine that the disc tools locate, start, watch
// and read the log of. Built for the tests only; it honours what the tools rely on.
//
// Registry path: from "reg.ini" beside the executable ("#REGNAME = \"Maker\\Game\"", an
// installed game); without it from "#REG_PATH" of a "Setup.ini" in the folder above (the
// disc layout SetupData\GameData\LumoraEngine.exe); else empty. Game title: "#GAME_TITLE"
// of that Setup.ini when there is one, else the registry path.
//
// Options: "/window", "/fullscreen", "/log", or none (as the desktop shortcut starts it).
// Every start appends its full command line (GetCommandLineW) plus a line feed to
// "engine_starts.txt" beside the executable, in the ANSI code page (not when the environment
// has ZOR_ENGINE_NO_START_RECORD=1: a walk through uninstall then leaves nothing behind). Then it opens a
// visible top-level window of the class "lumora_engine_main_window_" + registry path,
// titled game title + " [" + the option + "]" ("[]" without one), and runs until that
// window is closed (WM_CLOSE).
//
// With "/log" it also appends lines to "log.txt" in its save folder: documents folder +
// "\" + registry path + "\SaveData\" when reg.ini lies beside it, else "SaveData\" beside
// it; the folder is made when missing. Lines are in the ANSI code page, each ended by a
// line feed: "ログ " + the line number from 1 in six digits + " " + letters a-z repeated,
// ZOR_ENGINE_LOG_WIDTH characters in all (the prefix is never cut). The knobs, read from
// the environment so that a test sets them without touching the command line:
//   ZOR_ENGINE_LOG_LINES        lines to write (default 20)
//   ZOR_ENGINE_LOG_RATE         lines per second; 0 (default): all at once, in writes of
//                               about 64 KiB of whole lines
//   ZOR_ENGINE_LOG_WIDTH        characters per line without the line feed (default 80)
//   ZOR_ENGINE_LOG_BURST_LINES  lines written after those in bursts (default 0): lines of
//                               "ログ " + number + " " + a random mix of kanji and letters,
//                               written in pieces of 1 byte to 64 KiB at random, so that a
//                               piece ends anywhere (inside a line, inside a double-byte
//                               character), with 0-20 ms between pieces
//   ZOR_ENGINE_LOG_SEED         seed of that randomness (default 1)
//   ZOR_ENGINE_LOG_WRITES       when 1, every write's end (the log's size after it) is
//                               appended in decimal to "log.txt.writes", and "end" once
//                               every line is written: what a reader may have seen cut
// Each piece is one WriteFile. Once every line is written it goes on running until its
// window is closed.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "lib/file/file.h"
#include "lib/setting/setting_file.h"
#include "lib/text/codepage.h"
#include "lib/text/text.h"
#include "lib/window/application.h"
#include "tests/support/stand_in_window.h"

namespace {

const wchar_t window_class_prefix[] = L"lumora_engine_main_window_";
const std::size_t block_bytes = 64 * 1024;

struct Cengine_identity {
  std::wstring reg_path;
  std::wstring title;
  bool installed = false;  // reg.ini lies beside the executable
};

struct Clog_plan {
  int lines = 20;
  int rate = 0;
  int width = 80;
  int burst_lines = 0;
  unsigned seed = 1;
  bool record_writes = false;
};

int environment_number(const wchar_t* name, int fallback) {
  wchar_t value[32] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 32);
  if (length == 0 || length >= 32) return fallback;
  return static_cast<int>(std::wcstol(value, nullptr, 10));
}

// The first value that pattern gives in the lines of path; empty when none.
std::wstring first_value(const std::wstring& path, const std::wstring& pattern) {
  std::vector<std::wstring> lines;
  std::wstring value;
  if (ZOR::path_kind(path) != 1 || !ZOR::load_text_lines(path, lines)) return value;
  ZOR::read_setting_lines(lines, {{pattern, {&value}, nullptr}}, {false, ZOR::Unmatched_line::skip_until_found});
  return value;
}

Cengine_identity find_identity(const std::wstring& folder) {
  Cengine_identity identity;
  const std::wstring reg_ini = folder + L"\\reg.ini";
  const std::wstring setup_ini = ZOR::directory_of(folder) + L"\\Setup.ini";
  identity.installed = ZOR::path_kind(reg_ini) == 1;
  identity.reg_path = identity.installed ? first_value(reg_ini, L"#REGNAME = %s")
                                         : first_value(setup_ini, L"#REG_PATH = %s");
  identity.title = first_value(setup_ini, L"#GAME_TITLE = %s");
  if (identity.title.empty()) identity.title = identity.reg_path;
  return identity;
}

void append_text(const std::wstring& path, const std::wstring& text) {
  ZOR::Cfile file;
  if (file.open(path, L"ab")) file.write_text(text);
}

// The text of log line number (from 1).
std::string log_line(int number, int width) {
  std::wstring digits = ZOR::int_to_text(number);
  if (digits.size() < 6) digits.insert(0, 6 - digits.size(), L'0');
  std::wstring line = L"ログ " + digits + L" ";
  for (int letter = 0; static_cast<int>(line.size()) < width; ++letter) line += static_cast<wchar_t>(L'a' + letter % 26);
  return ZOR::to_multibyte(line) + "\n";
}

// A burst line: "ログ " + its number + " " + 10-70 characters, kanji and letters at random.
std::string burst_line(int number, std::mt19937& random) {
  std::wstring line = L"ログ " + ZOR::int_to_text(number) + L" ";
  const int length = std::uniform_int_distribution<int>(10, 70)(random);
  for (int i = 0; i < length; ++i) {
    const int pick = std::uniform_int_distribution<int>(0, 3)(random);
    line += pick == 0 ? static_cast<wchar_t>(L'a' + i % 26) : L"日本表示"[pick];
  }
  return ZOR::to_multibyte(line) + "\n";
}

// Appends the log lines as the plan says, one call per pass of the main loop.
class Clog_writer {
 public:
  Clog_writer(const std::wstring& path, const Clog_plan& plan)
      : path_(path), plan_(plan), random_(plan.seed), start_(GetTickCount64()) {}

  // Writes the lines that are due now.
  void write_due() {
    if (written_ < plan_.lines) {
      write_plain_lines();
    } else if (written_ < plan_.lines + plan_.burst_lines || !burst_.empty()) {
      write_burst();
    } else if (plan_.record_writes && !ended_) {
      ended_ = true;
      record(L"end");
    }
  }

 private:
  void write_plain_lines() {
    int due = plan_.lines;
    if (plan_.rate > 0) {
      const ULONGLONG passed = GetTickCount64() - start_;
      const ULONGLONG by_now = passed * static_cast<ULONGLONG>(plan_.rate) / 1000 + 1;
      if (by_now < static_cast<ULONGLONG>(due)) due = static_cast<int>(by_now);
    }
    std::string block;
    while (written_ < due) {
      block += log_line(++written_, plan_.width);
      if (block.size() >= block_bytes) write(block);
    }
    write(block);
  }

  // The next piece of the burst lines, when its moment has come.
  void write_burst() {
    if (GetTickCount64() < next_burst_) return;
    // Sizes spread evenly over their magnitudes: many small pieces and some large ones.
    const double magnitude = std::uniform_real_distribution<double>(0.0, 16.0)(random_);
    const std::size_t size = static_cast<std::size_t>(std::exp2(magnitude));
    while (burst_.size() < size && written_ < plan_.lines + plan_.burst_lines) {
      burst_ += burst_line(++written_, random_);
    }
    std::string piece = burst_.substr(0, size);
    burst_.erase(0, piece.size());
    write(piece);
    next_burst_ = GetTickCount64() + std::uniform_int_distribution<int>(0, 20)(random_);
  }

  // One WriteFile of bytes at the log's end; bytes is emptied.
  void write(std::string& bytes) {
    if (bytes.empty()) return;
    HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD done = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    CloseHandle(file);
    bytes.clear();
    if (plan_.record_writes) record(ZOR::int64_to_text(size.QuadPart));
  }

  void record(const std::wstring& line) { append_text(path_ + L".writes", line + L"\n"); }

  std::wstring path_;
  Clog_plan plan_;
  std::mt19937 random_;
  ULONGLONG start_;
  ULONGLONG next_burst_ = 0;
  int written_ = 0;
  // Burst lines made but not written yet.
  std::string burst_;
  bool ended_ = false;
};

std::wstring trimmed(const std::wstring& text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return std::wstring();
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

void engine_main() {
  const std::wstring& folder = ZOR::application.program_folder;
  if (environment_number(L"ZOR_ENGINE_NO_START_RECORD", 0) != 1) {
    append_text(folder + L"\\engine_starts.txt", std::wstring(GetCommandLineW()) + L"\n");
  }
  const std::wstring option = trimmed(ZOR::application.command_line);
  const Cengine_identity identity = find_identity(folder);
  const std::wstring title = identity.title + L" [" + option + L"]";
  if (zor_test::open_stand_in_window(ZOR::application.instance, window_class_prefix + identity.reg_path, title) ==
      nullptr) {
    return;
  }
  if (option != L"/log") {
    ZOR::run_main_loop();
    return;
  }
  const std::wstring save_folder = identity.installed
                                       ? ZOR::application.documents_folder + L"\\" + identity.reg_path + L"\\SaveData"
                                       : folder + L"\\SaveData";
  ZOR::create_directory(save_folder);
  Clog_plan plan;
  plan.lines = environment_number(L"ZOR_ENGINE_LOG_LINES", plan.lines);
  plan.rate = environment_number(L"ZOR_ENGINE_LOG_RATE", plan.rate);
  plan.width = environment_number(L"ZOR_ENGINE_LOG_WIDTH", plan.width);
  plan.burst_lines = environment_number(L"ZOR_ENGINE_LOG_BURST_LINES", plan.burst_lines);
  plan.seed = static_cast<unsigned>(environment_number(L"ZOR_ENGINE_LOG_SEED", 1));
  plan.record_writes = environment_number(L"ZOR_ENGINE_LOG_WRITES", 0) == 1;
  Clog_writer writer(save_folder + L"\\log.txt", plan);
  ZOR::run_main_loop([&] { writer.write_due(); });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  return ZOR::run_program(instance, command_line, engine_main);
}

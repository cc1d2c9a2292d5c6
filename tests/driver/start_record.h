// Test driver: the records of the stand-in programs (tests/support): how Recorder.exe and
// its copies were started, and LumoraEngine.exe's start lines.
#ifndef ZOR_TESTS_DRIVER_START_RECORD_H
#define ZOR_TESTS_DRIVER_START_RECORD_H

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/process.h"

namespace driver {

// One start of a Recorder.exe copy: the copy's full path and its full command line.
struct Cstart_record {
  std::wstring program;
  std::wstring command_line;
};

// Copies the built Recorder.exe to path (a full path such as "...\DirectX\DXSETUP.exe";
// its folder is made when missing, its parent must exist); with stay, also puts the marker
// that keeps it open with a window until closed. A copy that cannot be made is a test
// failure (false).
bool install_recorder(const std::wstring& path, bool stay = false);
// Copies the built LumoraEngine.exe into folder (made when missing, its parent must exist)
// and returns the copy's full path; empty with a test failure when it cannot be made.
std::wstring install_engine(const std::wstring& folder);

// The record file of a recorder copy: its path without ".exe" + ".started.txt".
std::wstring start_record_path(const std::wstring& program);
// The starts recorded for the recorder copy at program, oldest first; none when the file
// is missing.
std::vector<Cstart_record> read_start_records(const std::wstring& program);
// The lines of the engine copy's "engine_starts.txt" beside engine (its command lines),
// oldest first.
std::vector<std::wstring> read_engine_starts(const std::wstring& engine);

// The lines of a file in the ANSI code page, split at line feeds (a final empty piece is
// left out); none when it cannot be read.
std::vector<std::wstring> read_text_lines(const std::wstring& path);
// Waits until a file exists at path and holds at least min_bytes bytes. False with a test
// failure when timeout_ms runs out.
bool wait_for_file(const std::wstring& path, std::size_t min_bytes = 1, DWORD timeout_ms = default_timeout_ms);
// Waits until the file at path holds at least count lines (read_text_lines). False with a
// test failure when timeout_ms runs out.
bool wait_for_lines(const std::wstring& path, std::size_t count, DWORD timeout_ms = default_timeout_ms);

}  // namespace driver

#endif

// Test driver: the records of the stand-in programs.
#include "tests/driver/start_record.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/driver/test_places.h"

namespace driver {

namespace {

std::wstring folder_of(const std::wstring& path) {
  return path.substr(0, path.rfind(L'\\'));
}

bool copy_program(const std::wstring& built_name, const std::wstring& to) {
  const std::wstring folder = folder_of(to);
  if (!exists(folder)) CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring from = program_path(built_name);
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
    ADD_FAILURE() << "cannot copy " << testing::PrintToString(from) << " to " << testing::PrintToString(to)
                  << ": error " << GetLastError();
    return false;
  }
  return true;
}

// Repeats check every 50 ms until it holds or timeout_ms runs out.
bool wait_until(const std::function<bool()>& check, DWORD timeout_ms) {
  const ULONGLONG start = GetTickCount64();
  while (!check()) {
    if (GetTickCount64() - start > timeout_ms) return false;
    Sleep(50);
  }
  return true;
}

}  // namespace

bool install_recorder(const std::wstring& path, bool stay) {
  if (!copy_program(L"Recorder.exe", path)) return false;
  if (!stay) return true;
  const std::wstring marker = path.substr(0, path.rfind(L'.')) + L".stay";
  if (!write_bytes(marker, std::string())) {
    ADD_FAILURE() << "cannot write " << testing::PrintToString(marker);
    return false;
  }
  return true;
}

std::wstring install_engine(const std::wstring& folder) {
  const std::wstring engine = folder + L"\\LumoraEngine.exe";
  return copy_program(L"LumoraEngine.exe", engine) ? engine : std::wstring();
}

std::wstring start_record_path(const std::wstring& program) {
  return program.substr(0, program.rfind(L'.')) + L".started.txt";
}

std::vector<Cstart_record> read_start_records(const std::wstring& program) {
  std::vector<Cstart_record> records;
  for (const std::wstring& line : read_text_lines(start_record_path(program))) {
    const auto tab = line.find(L'\t');
    if (tab == std::wstring::npos) continue;
    records.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return records;
}

std::vector<std::wstring> read_engine_starts(const std::wstring& engine) {
  return read_text_lines(folder_of(engine) + L"\\engine_starts.txt");
}

std::vector<std::wstring> read_text_lines(const std::wstring& path) {
  const std::wstring text = from_ansi(read_bytes(path));
  std::vector<std::wstring> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    auto end = text.find(L'\n', begin);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

bool wait_for_file(const std::wstring& path, std::size_t min_bytes, DWORD timeout_ms) {
  if (wait_until([&] { return exists(path) && read_bytes(path).size() >= min_bytes; }, timeout_ms)) return true;
  ADD_FAILURE() << "no file of " << min_bytes << " bytes or more at " << testing::PrintToString(path);
  return false;
}

bool wait_for_lines(const std::wstring& path, std::size_t count, DWORD timeout_ms) {
  if (wait_until([&] { return read_text_lines(path).size() >= count; }, timeout_ms)) return true;
  ADD_FAILURE() << "fewer than " << count << " lines in " << testing::PrintToString(path) << " (found "
                << read_text_lines(path).size() << ")";
  return false;
}

}  // namespace driver

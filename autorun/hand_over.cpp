// Handing over to the disc's launcher: Kickoff as it lies on the disc, or Foyer and Setup
// copied to the temporary folder, so that no program runs from the disc while Setup asks
// for its second disc.
#include "autorun/hand_over.h"

#include <windows.h>

#include "lib/cmdline/command_line.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/launch/process.h"
#include "lib/text/text.h"

const wchar_t autorun_caption[] = L"Autorun.exe";

namespace {

const wchar_t temporary_subfolder[] = L"\\__LumoraTmpFolder\\";

// Starts program with parameters through the shell (so that a launcher asking for
// administrator rights gets the elevation prompt) and lets it run on its own: the process
// handle is closed when this returns, which does not end the program. The shell shows no
// box of its own; the caller's message is the only one. False with "ShellExecuteEx" recorded.
bool start_launcher(const std::wstring& program, const std::wstring& parameters) {
  ZOR::Cprocess launcher;
  return ZOR::shell_execute(nullptr, program, parameters, &launcher, ZOR::Cshell_failure::caller_reports);
}

// Removes an earlier copy at path, read-only or not. A failure is recorded and ignored:
// the copy over it then reports what stands in the way.
void remove_earlier_copy(const std::wstring& path) {
  if (ZOR::path_kind(path) != 1) return;
  ZOR::set_read_only(path, false);
  ZOR::delete_file(path);
}

// Makes the folder of to and copies from there. False with the error recorded.
bool copy_to_temporary(const std::wstring& from, const std::wstring& to) {
  return ZOR::create_directory(ZOR::directory_of(to)) && ZOR::duplicate_file(from, to);
}

}  // namespace

void autorun_message(const std::wstring& text, bool plain) {
  ZOR::message_box_owned(nullptr, text, autorun_caption, plain ? MB_OK : MB_OK | MB_ICONWARNING);
}

std::wstring dir_parameter(const std::wstring& setup_data_folder) {
  return L"/dir=\"" + ZOR::escape_argument_value(setup_data_folder) + L"\"";
}

bool run_kickoff(const std::wstring& setup_data_folder) {
  if (!start_launcher(setup_data_folder + L"\\" + L"Kickoff.exe", dir_parameter(setup_data_folder))) {
    autorun_message(L"Kickoff.exe が起動できませんでした。\n" + ZOR::get_last_error_text());
    return false;
  }
  return true;
}

bool run_foyer_from_temp(const std::wstring& setup_data_folder) {
  // A temporary path has at most MAX_PATH + 1 characters, so this buffer always holds it.
  wchar_t temporary[520] = {};
  if (GetTempPathW(520, temporary) == 0) {
    ZOR::set_win32_error(L"GetTempPath");
    autorun_message(std::wstring(L"テンポラリフォルダのパスが取得できませんでした。") + ZOR::get_last_error_text());
    return false;
  }
  // The temporary path ends with '\', so the joined paths hold "\\": the file system takes it.
  const std::wstring foyer = temporary + std::wstring(temporary_subfolder) + L"Foyer.exe";
  const std::wstring setup = temporary + std::wstring(temporary_subfolder) + L"Setup.exe";
  remove_earlier_copy(foyer);
  remove_earlier_copy(setup);
  if (!copy_to_temporary(setup_data_folder + L"\\" + L"Foyer.exe", foyer) ||
      !copy_to_temporary(setup_data_folder + L"\\" + L"Setup.exe", setup)) {
    autorun_message(L"テンポラリファイルの作成に失敗しました。\n" + ZOR::get_last_error_text());
    return false;
  }
  if (!start_launcher(foyer, dir_parameter(setup_data_folder))) {
    autorun_message(L"Foyer.exe が起動できませんでした。\n" + ZOR::get_last_error_text());
    return false;
  }
  return true;
}

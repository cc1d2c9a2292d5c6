// The list's CSV export: its context menu, the CSV text and file, and the save dialog.
#include <windows.h>
#include <commdlg.h>

#include <memory>

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/listview/listview.h"
#include "lib/text/text.h"
#include "lib/window/application.h"

namespace ZOR {

namespace {

// The menu command of "csv で保存".
constexpr UINT save_csv_command = 1;

struct Cmenu_destroyer {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using Cmenu_owner = std::unique_ptr<std::remove_pointer_t<HMENU>, Cmenu_destroyer>;

// Puts the current directory back when it goes: the save dialog makes the chosen file's
// folder the current one, and programs find their own files by paths relative to theirs.
class Ccurrent_directory_keeper {
 public:
  Ccurrent_directory_keeper() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    if (length == 0) return;
    folder_.resize(length);
    folder_.resize(GetCurrentDirectoryW(length, &folder_[0]));
  }
  ~Ccurrent_directory_keeper() {
    if (!folder_.empty()) SetCurrentDirectoryW(folder_.c_str());
  }
  Ccurrent_directory_keeper(const Ccurrent_directory_keeper&) = delete;
  Ccurrent_directory_keeper& operator=(const Ccurrent_directory_keeper&) = delete;

 private:
  std::wstring folder_;
};

}  // namespace

std::wstring csv_field(const std::wstring& cell) {
  std::wstring field = replace_all_copy(cell, L"\"", L"\"\"");
  if (field.find_first_of(L"\",") != std::wstring::npos) field = L"\"" + field + L"\"";
  return field;
}

std::wstring Cc_listview::csv_text() const {
  std::wstring text;
  const int rows = row_count();
  const int columns = column_count();
  for (int row = 0; row < rows; ++row) {
    if (row > 0) text += L'\n';
    for (int column = 0; column < columns; ++column) {
      if (column > 0) text += L',';
      text += csv_field(get_cell_text(row, column));
    }
  }
  return text;
}

bool Cc_listview::write_csv(const std::wstring& path) const {
  Cfile file;
  if (!file.open(path, L"wt")) return false;
  const bool written = file.write_text(csv_text());
  return file.close() && written;
}

void Cc_listview::save_as_csv() {
  const std::wstring path = ask_save_path({{L"CSV ファイル", L"*.csv"}}, L"CSV 形式で保存", L"新しい CSV ファイル.csv");
  if (!path.empty()) write_csv(path);
}

void Cc_listview::on_context_menu() {
  Cmenu_owner menu(CreatePopupMenu());
  if (!menu) return;
  AppendMenuW(menu.get(), MF_STRING, save_csv_command, L"csv で保存");
  POINT cursor = {};
  GetCursorPos(&cursor);
  // TPM_RETURNCMD: the choice comes back here instead of as WM_COMMAND to the list.
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, hwnd, nullptr));
  menu.reset();
  if (chosen == save_csv_command) save_as_csv();
}

std::wstring ask_save_path(const std::vector<Csave_filter>& filters, const std::wstring& title,
                           const std::wstring& default_name) {
  std::wstring filter;
  for (const Csave_filter& entry : filters) {
    filter += entry.first;
    filter += L'\0';
    filter += entry.second;
    filter += L'\0';
  }
  filter += L'\0';
  wchar_t file[MAX_PATH] = {};
  default_name.copy(file, MAX_PATH - 1);
  const std::wstring extension = extension_of(default_name);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = application.main_window;
  dialog.hInstance = application.instance;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT;
  const Ccurrent_directory_keeper keeper;
  if (!GetSaveFileNameW(&dialog)) {
    const DWORD code = CommDlgExtendedError();
    // Zero: the user cancelled, which is no failure.
    if (code != 0) set_message_error(L"CommDlgExtendedError " + hex_text(code), L"GetSaveFileName");
    return std::wstring();
  }
  return file;
}

}  // namespace ZOR

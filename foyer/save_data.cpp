// The save folder below the documents folder: opened from the menu, removed after uninstall.
#include "foyer/menu_actions.h"
#include "foyer/menu_environment.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/launch/shell.h"

void open_save_folder() {
  const std::wstring& folder = menu_environment.save_dir;
  if (!ZOR::create_directory(folder)) {
    menu_warning(L"セーブフォルダが作成できませんでした。\n" + ZOR::get_last_error_text());
  }
  if (!ZOR::shell_open(folder)) menu_warning(L"セーブフォルダが開けませんでした。\n" + ZOR::get_last_error_text());
}

void delete_save_data() {
  std::wstring exe_dir;
  if (read_exe_dir(exe_dir)) return;
  std::wstring documents;
  if (!ZOR::get_documents_folder(documents)) return;
  const std::wstring folder = documents + L"\\" + menu_environment.reg_path;
  if (ZOR::path_kind(folder) != 0) return;
  const int answer =
      menu_box(L"セーブフォルダを削除します。\n今までのゲームデータは失われます。本当によろしいですか？",
               MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2);
  if (answer == IDNO) return;
  ZOR::filesys_remove_directory(folder + L"\\savedata", true, true, true);
  prune_save_folders(documents, menu_environment.reg_path);
}

void prune_save_folders(const std::wstring& documents_dir, std::wstring reg_path) {
  for (;;) {
    const std::wstring folder = documents_dir + L"\\" + reg_path;
    // Only folders below a drive letter are ever removed.
    if (folder.size() < 4 || !ZOR::is_drive_path(folder) || folder.back() == L'\\') return;
    ZOR::Cfile_list contents;
    if (contents.list(folder, L"*", L"*", false, true, true)) return;
    if (!ZOR::set_read_only(folder, false)) return;
    if (!ZOR::remove_directory(folder)) return;
    const std::wstring::size_type last = reg_path.rfind(L'\\');
    if (last == std::wstring::npos) return;
    reg_path.erase(last);
  }
}

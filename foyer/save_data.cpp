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
  ZOR::remove_emptied_folders(documents, menu_environment.reg_path);
}

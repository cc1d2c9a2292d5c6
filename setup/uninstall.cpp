// The uninstall: question, removal of files, folders and registry key, and the result check.
#include "setup/uninstall.h"

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/registry/registry_key.h"
#include "lib/window/application.h"
#include "setup/resource.h"
#include "setup/setup_environment.h"
#include "setup/setup_windows.h"

namespace {

// Sets the uninstall progress dialog's text (nothing when the user closed it).
void show_status(const std::wstring& text) { setup_windows.uninstall_progress.status.set_text_lines(text); }

// Keeps the first failure of a removal: full_path with the error text recorded now.
void note_failure(Cleftover& left, const std::wstring& full_path) {
  if (left.path.empty()) left = {full_path, ZOR::get_last_error_text()};
}

// Deletes folder\path (read-only or not) after one pump of the messages. False when it
// could not be deleted; left then names it (unless it named an earlier failure).
bool delete_entry_file(const std::wstring& folder, const std::wstring& path, Cleftover& left) {
  ZOR::pump_messages();
  const std::wstring full_path = folder + L"\\" + path;
  ZOR::set_read_only(full_path, false);
  if (ZOR::delete_file(full_path)) return true;
  note_failure(left, full_path);
  return false;
}

// Deletes folder\path with everything in it, going on past a failure. False when anything
// could not be deleted; left then names the first (unless it named an earlier failure).
bool delete_folder(const std::wstring& folder, const std::wstring& path, Cleftover& left) {
  const std::wstring dir = folder + L"\\" + path;
  bool deleted = true;
  ZOR::Cfile_list list;
  list.list(dir, L"*", L"*", false, true, true);
  for (const ZOR::Cfile_entry& entry : list.entries) {
    const bool entry_deleted = entry.is_folder ? delete_folder(folder, path + L"\\" + entry.path, left)
                                               : delete_entry_file(dir, entry.path, left);
    deleted = deleted && entry_deleted;
  }
  ZOR::set_read_only(dir, false);
  if (ZOR::remove_directory(dir)) return deleted;
  note_failure(left, dir);
  return false;
}

// Removes install_dir and then its parents below target_base_dir while they are empty.
void remove_empty_folders() {
  ZOR::remove_emptied_folders(setup_environment.target_base_dir, setup_environment.reg_path);
}

// Deletes HKEY_LOCAL_MACHINE\Software\reg_path (not when it has subkeys).
void remove_registry_key() {
  show_status(L"レジストリを削除中…");
  ZOR::pump_messages();
  ZOR::delete_key(HKEY_LOCAL_MACHINE, setup_environment.reg_key_path);
}

}  // namespace

void start_uninstall() {
  Csetup_environment& env = setup_environment;
  C_uninstall_dialog& dialog = setup_windows.uninstall;
  env.abort_requested = false;
  if (ZOR::message_box(env.game_title + L"をアンインストールします。よろしいですか？", env.game_title,
                       MB_YESNO | MB_ICONINFORMATION) != IDYES) {
    return;
  }
  dialog.set_enable(false);
  C_uninstall_progress_dialog& progress = setup_windows.uninstall_progress;
  if (progress.create(IDD_UNINSTALL_PROGRESS, L"lumora_uninstall_progress")) progress.set_show(true);
  Cleftover left;
  // A listed file that cannot be deleted (one a running program holds open, one the user
  // may not delete) keeps the record: the game still counts as installed, so the uninstall
  // can run again once the file is free, and the player is told which file stayed instead
  // of being told that everything went.
  const bool entries_removed = remove_listed_entries(left);
  if (entries_removed) remove_record();
  progress.close();

  std::wstring setup_dir;
  if (!entries_removed) {
    warn(left.path + L" が削除できませんでした。アンインストールを中止します。\n" + left.error + L"\n\n" + admin_hint);
    env.abort_requested = true;
  } else if (ZOR::query_string_value(HKEY_LOCAL_MACHINE, env.reg_key_path, L"setup_dir", setup_dir)) {
    warn(L"レジストリ情報が削除できませんでした。アンインストールを中止します。\n\n" + std::wstring(admin_hint));
    env.abort_requested = true;
  }
  if (env.abort_requested) {
    warn(L"アンインストールを中止しました。");
  } else {
    ZOR::message_box(L"アンインストールが完了しました。", env.game_title, MB_ICONINFORMATION);
  }
  dialog.close();
}

void remove_installation() {
  Cleftover ignored;
  remove_listed_entries(ignored);
  remove_record();
}

bool remove_listed_entries(Cleftover& left) {
  const Csetup_environment& env = setup_environment;
  show_status(L"ファイルを削除しています…。");
  left = Cleftover();
  bool removed = true;
  for (const ZOR::Csetup_file_entry& entry : env.setup_files) {
    const std::wstring target = env.install_dir + L"\\" + entry.path;
    switch (ZOR::path_kind(target)) {
      case 1:
        delete_entry_file(env.install_dir, entry.path, left);
        break;
      case 0:
        delete_folder(env.install_dir, entry.path, left);
        break;
      default:
        continue;
    }
    if (ZOR::path_kind(target) == -1) continue;
    removed = false;
    // Every deletion succeeded and still the entry is there (a file that another program
    // holds open goes only when it is closed): named without an error text.
    if (left.path.empty()) left.path = target;
  }
  return removed;
}

void remove_record() {
  const Csetup_environment& env = setup_environment;
  ZOR::set_read_only(env.install_dir + L"\\reg.ini", false);
  ZOR::delete_file(env.install_dir + L"\\reg.ini");
  remove_empty_folders();
  remove_registry_key();
}

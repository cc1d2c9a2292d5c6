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

// The first deletion of the running removal that failed (empty path: none yet).
Cleftover first_failure;

void note_failure(const std::wstring& full_path) {
  if (first_failure.path.empty()) first_failure = {full_path, ZOR::get_last_error_text()};
}

// Deletes one file, clearing its read-only attribute first; a failure is only noted.
void delete_file_forced(const std::wstring& full_path) {
  ZOR::set_read_only(full_path, false);
  if (!ZOR::delete_file(full_path)) note_failure(full_path);
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
  first_failure = Cleftover();
  bool removed = true;
  for (const ZOR::Csetup_file_entry& entry : env.setup_files) {
    const std::wstring target = env.install_dir + L"\\" + entry.path;
    switch (ZOR::path_kind(target)) {
      case 1:
        delete_entry_file(env.install_dir, entry.path);
        break;
      case 0:
        delete_folder(env.install_dir, entry.path);
        break;
      default:
        continue;
    }
    if (ZOR::path_kind(target) != -1) {
      removed = false;
      if (first_failure.path.empty()) first_failure.path = target;
    }
  }
  left = first_failure;
  return removed;
}

void remove_record() {
  const Csetup_environment& env = setup_environment;
  ZOR::set_read_only(env.install_dir + L"\\reg.ini", false);
  ZOR::delete_file(env.install_dir + L"\\reg.ini");
  remove_empty_folders();
  remove_registry_key();
}

void delete_entry_file(const std::wstring& folder, const std::wstring& path) {
  ZOR::pump_messages();
  delete_file_forced(folder + L"\\" + path);
}

void delete_folder(const std::wstring& folder, const std::wstring& path) {
  std::wstring dir = folder + L"\\" + path;
  ZOR::Cfile_list list;
  list.list(dir, L"*", L"*", false, true, true);
  for (const ZOR::Cfile_entry& entry : list.entries) {
    if (entry.is_folder) {
      delete_folder(folder, path + L"\\" + entry.path);
    } else {
      delete_entry_file(dir, entry.path);
    }
  }
  ZOR::set_read_only(dir, false);
  if (!ZOR::remove_directory(dir)) note_failure(dir);
}

void remove_empty_folders() {
  ZOR::remove_emptied_folders(setup_environment.target_base_dir, setup_environment.reg_path);
}

void remove_registry_key() {
  show_status(L"レジストリを削除中…");
  ZOR::pump_messages();
  ZOR::delete_key(HKEY_LOCAL_MACHINE, setup_environment.reg_key_path);
}

// Install sizes, the destination and its free space, the folder browser and the start button.
#include "setup/install_target.h"

#include <cstdint>

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/rules/disc_entries.h"
#include "lib/text/text.h"
#include "setup/copy_engine.h"
#include "setup/resource.h"
#include "setup/setup_environment.h"
#include "setup/setup_windows.h"
#include "setup/uninstall.h"

namespace {

// Every required size carries 100 MB of room to spare, in the texts and in the test.
constexpr std::int64_t safety_margin = 104857600;
constexpr std::int64_t megabyte = 1048576;
constexpr std::size_t max_destination_length = 200;

// Bytes of the destination's drive available to this user; 0 when the query fails.
std::uint64_t free_bytes_of(const std::wstring& folder) {
  ULARGE_INTEGER available = {};
  if (!GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr)) return 0;
  return available.QuadPart;
}

std::wstring required_text(std::int64_t size) {
  return ZOR::int64_to_text((size + safety_margin) / megabyte) + L" MB の空き容量が必要です。";
}

}  // namespace

bool measure_install_sizes() {
  Csetup_environment& env = setup_environment;
  env.setup_size = 0;
  env.min_setup_size = 0;
  for (const ZOR::Csetup_file_entry& entry : env.setup_files) {
    std::wstring full_path = env.game_data_dir + L"\\" + entry.path;
    switch (ZOR::path_kind(full_path)) {
      case 1: {
        auto size = static_cast<std::int64_t>(ZOR::file_size(full_path));
        env.setup_size += size;
        env.min_setup_size += size;
        break;
      }
      case 0: {
        ZOR::Cfile_list list;
        list.list(full_path, L"*", L"*", true, true, false);
        env.setup_size += static_cast<std::int64_t>(list.total_size);
        break;
      }
      default:
        warn(ZOR::missing_entry_message(entry.path));
        return false;
    }
  }
  return true;
}

void update_destination_texts() {
  C_setup_dialog& dialog = setup_windows.setup;
  dialog.destination.set_text_lines(setup_environment.install_dir);
  std::uint64_t megabytes = free_bytes_of(setup_environment.target_base_dir) / 1024 / 1024;
  dialog.free_space.set_text_lines(ZOR::uint64_to_text(megabytes) + L" MB の利用可能な空き容量があります。");
}

void update_method_texts() {
  C_setup_dialog& dialog = setup_windows.setup;
  update_destination_texts();
  if (setup_environment.min_setup_use) {
    dialog.full.set_check(false);
    dialog.min.set_check(false);
    if (setup_environment.setup_method == L"full") dialog.full.set_check(true);
    if (setup_environment.setup_method == L"min") dialog.min.set_check(true);
  }
  dialog.full_size.set_text_lines(required_text(setup_environment.setup_size));
  dialog.min_size.set_text_lines(required_text(setup_environment.min_setup_size));
}

void browse_destination() {
  Csetup_environment& env = setup_environment;
  std::wstring folder;
  if (!ZOR::browse_for_folder(folder, L"", env.target_base_dir, L"セットアップ先の選択",
                              L"セットアップ先のフォルダを選択して下さい。")) {
    folder.clear();
  }
  if (folder.size() + env.reg_path.size() > max_destination_length) {
    warn(L"セットアップ先のパスが長すぎます。\nパスは 200 文字以内で指定して下さい。");
    return;
  }
  if (!folder.empty()) {
    env.target_base_dir = folder;
    env.install_dir = join_path(folder, env.reg_path);
  }
  update_destination_texts();
}

namespace {

// Steps 1 to 9 of the start button: the method, the checks and the question. False when
// the install must not start (a message has told the user why, or the user said No).
bool prepare_install() {
  Csetup_environment& env = setup_environment;
  env.setup_method = env.min_setup_use && setup_windows.setup.min.get_check() ? L"min" : L"full";
  env.abort_requested = false;
  env.required_size = env.setup_method == L"full" ? env.setup_size : env.min_setup_size;
  env.copied_size = 0;
  // Unsigned on purpose: a failed query (0 bytes) or a huge size is "too full".
  std::uint64_t needed = static_cast<std::uint64_t>(env.required_size) + safety_margin;
  if (free_bytes_of(env.target_base_dir) < needed) {
    warn(L"ディスクの空き容量が足りません。\nセットアップ先を変更するか、不要なファイルを削除した後、再度セットアップを行って下さい。");
    return false;
  }
  if (env.target_base_dir.empty()) {
    warn(L"セットアップ先が設定されていません。");
    return false;
  }
  if (env.target_base_dir.size() < 3) {
    warn(L"セットアップ先のパスが短すぎます。");
    return false;
  }
  // A drive letter path is the only kind of destination accepted.
  if (!ZOR::is_drive_path(env.target_base_dir)) {
    warn(L"セットアップ先のパスが不正です。");
    return false;
  }
  env.install_dir = join_path(env.target_base_dir, env.reg_path);
  return ZOR::message_box(L"セットアップを開始します。よろしいですか？", env.game_title, MB_YESNO | MB_ICONINFORMATION) ==
         IDYES;
}

}  // namespace

void start_setup() {
  Csetup_environment& env = setup_environment;
  C_setup_dialog& dialog = setup_windows.setup;
  if (!prepare_install()) return;

  dialog.set_enable(false);
  C_setup_progress_dialog& progress = setup_windows.progress;
  if (progress.create(IDD_SETUP_PROGRESS, L"lumora_setup_progress", false, false, dialog.hwnd)) progress.set_show(true);
  run_install();
  progress.close_by_program();

  if (env.abort_requested) {
    C_uninstall_progress_dialog& removal = setup_windows.uninstall_progress;
    if (removal.create(IDD_UNINSTALL_PROGRESS, L"lumora_uninstall_progress")) removal.set_show(true);
    remove_installation();
    removal.close();
    warn(L"セットアップを中止しました。");
    dialog.set_enable(true);
    return;
  }
  ZOR::message_box(L"セットアップが完了しました。", env.game_title, MB_ICONINFORMATION);
  dialog.close();
}

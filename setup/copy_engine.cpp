// The copy engine: disc changes, entries, folders and the chunked file copy with its progress.
#include "setup/copy_engine.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/rules/disc_entries.h"
#include "lib/text/text.h"
#include "lib/window/application.h"
#include "setup/copy_progress.h"
#include "setup/registration.h"
#include "setup/resource.h"
#include "setup/setup_environment.h"
#include "setup/setup_windows.h"

namespace {

constexpr std::int64_t chunk_size = 10240;
constexpr std::size_t stream_buffer_size = 65536;

// The bars and status text of the progress dialog, refreshed at a bounded rate.
Ccopy_progress progress_display;

HWND progress_window() { return setup_windows.progress.hwnd; }

// Shows a copy failure (owner: the progress dialog) and stops the install.
void fail(const std::wstring& text) {
  warn_owned(progress_window(), text);
  setup_environment.abort_requested = true;
}

// A failed file operation: the sentence, the library's error text and the rights hint.
void fail_with_error(const std::wstring& sentence) {
  fail(sentence + L"\n" + ZOR::get_last_error_text() + L"\n\n" + admin_hint);
}

// Waits for disc index (from 0) to be in the drive, that is for its marker file "DISC<n>" in
// the setup data folder. Returns false when the user gives up (abort_requested is set).
bool wait_for_disc(int index) {
  Csetup_environment& env = setup_environment;
  C_setup_ready_dialog& waiting = setup_windows.ready;
  waiting.open(L"ディスクを読み込んでいます…。");
  std::wstring marker = env.setup_data_dir + L"\\" + ZOR::disc_marker_name(index);
  while (ZOR::path_kind(marker) != 1) {
    int answer = ZOR::message_box_owned(progress_window(), ZOR::disc_prompt(env.disc_names[index]), env.game_title,
                                        MB_OKCANCEL | MB_ICONINFORMATION);
    if (answer == IDCANCEL &&
        ZOR::message_box_owned(progress_window(), L"セットアップを終了してよろしいですか？", env.game_title,
                               MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2) == IDYES) {
      env.abort_requested = true;
    }
    if (env.abort_requested) break;
  }
  waiting.destroy();
  if (env.abort_requested) return false;
  setup_windows.progress.set_active();
  setup_windows.progress.set_foreground();
  return true;
}

// Copies the entries of one disc, in file order. Stops at the first abort.
void copy_disc(int index) {
  Csetup_environment& env = setup_environment;
  for (const ZOR::Csetup_file_entry& entry : env.setup_files) {
    if (entry.disc_index != index) continue;
    std::wstring source = env.game_data_dir + L"\\" + entry.path;
    switch (ZOR::path_kind(source)) {
      case 1:
        copy_entry_file(entry.path);
        break;
      case 0:
        if (env.setup_method == L"full") copy_folder(entry.path);
        break;
      default:
        fail(ZOR::missing_source_message(source));
        break;
    }
    if (env.abort_requested) return;
  }
}

}  // namespace

void run_install() {
  Csetup_environment& env = setup_environment;
  if (ZOR::path_kind(env.install_dir) == -1 && !ZOR::create_directory(env.install_dir + L"\\")) {
    fail_with_error(L"セットアップ先のフォルダの作成に失敗しました。セットアップを中止します。");
    return;
  }
  C_setup_progress_dialog& dialog = setup_windows.progress;
  progress_display.start(dialog.status, dialog.total_bar, dialog.file_bar, env.required_size / chunk_size);
  for (int disc = 0; disc < env.disc_count; ++disc) {
    // While a disc is awaited the dialog shows where the copy stands.
    progress_display.flush();
    if (env.disc_count == 2 && !wait_for_disc(disc)) return;
    copy_disc(disc);
    if (env.abort_requested) return;
  }
  progress_display.flush();
  write_reg_ini();
  if (!env.abort_requested) write_registry();
}

void copy_entry_file(const std::wstring& path) {
  const Csetup_environment& env = setup_environment;
  copy_file(path, env.game_data_dir + L"\\" + path, env.install_dir + L"\\" + path);
}

void copy_folder(const std::wstring& path) {
  Csetup_environment& env = setup_environment;
  std::wstring source_folder = env.game_data_dir + L"\\" + path;
  std::wstring destination_folder = env.install_dir + L"\\" + path;
  if (!ZOR::create_directory(destination_folder)) {
    warn(L"ディレクトリの作成に失敗しました。\n\n" + ZOR::get_last_error_text());
    env.abort_requested = true;
    return;
  }
  ZOR::Cfile_list list;
  list.list(source_folder, L"*", L"*", false, true, true);
  for (const ZOR::Cfile_entry& entry : list.entries) {
    if (entry.is_folder) {
      copy_folder(path + L"\\" + entry.path);
    } else {
      copy_file(entry.path, source_folder + L"\\" + entry.path, destination_folder + L"\\" + entry.path);
    }
    if (env.abort_requested) return;
  }
}

void copy_file(const std::wstring& display_name, const std::wstring& source, const std::wstring& destination) {
  Csetup_environment& env = setup_environment;
  progress_display.set_status(display_name);
  ZOR::Cfile input;
  if (!input.open(source, L"rb")) {
    fail_with_error(display_name + L" が開けませんでした。セットアップを中止します。");
    return;
  }
  ZOR::Cfile output;
  if (!output.open(destination, L"wb")) {
    fail_with_error(display_name + L" が作成できませんでした。セットアップを中止します。");
    return;
  }
  // The streams get buffers of 64 KB (before their first read or write; the seeks of
  // Cfile::open allocate none): the copy still moves 10240-byte chunks between them, but
  // the platform is asked to read and write six times less often.
  std::setvbuf(input.handle, nullptr, _IOFBF, stream_buffer_size);
  std::setvbuf(output.handle, nullptr, _IOFBF, stream_buffer_size);
  std::int64_t chunks = input.size / chunk_size;
  progress_display.start_file(chunks > 1 ? chunks : 1);
  std::vector<char> buffer(chunk_size);
  std::int64_t chunk_count = 0;
  for (std::int64_t remaining = input.size; remaining > 0; remaining -= chunk_size) {
    std::int64_t chunk = remaining < chunk_size ? remaining : chunk_size;
    if (ZOR::file_read(buffer.data(), chunk, input.handle) < chunk) {
      // The file ended early or the disc could not be read: nothing short may be installed.
      ZOR::Cerror_info read_error;
      if (!ZOR::get_last_error(read_error)) ZOR::set_last_error({ZOR::Cerror_info::kind_errno, EIO, L"", L"fread"});
      fail_with_error(display_name + L" の読み込みに失敗しました。セットアップを中止します。");
      return;
    }
    if (ZOR::file_write(buffer.data(), chunk, output.handle) < chunk) {
      fail_with_error(display_name + L" への書き込みに失敗しました。セットアップを中止します。");
      return;
    }
    env.copied_size += chunk;
    ++chunk_count;
    progress_display.advance(env.copied_size / chunk_size, chunk_count);
    ZOR::pump_messages();
    if (env.abort_requested) return;
  }
  if (!output.close()) {
    fail_with_error(display_name + L" への書き込みに失敗しました。セットアップを中止します。");
  }
}

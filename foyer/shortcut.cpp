// The desktop shortcut to the installed engine: created from the menu or after setup,
// deleted after uninstall.
#include <windows.h>
#include <shlobj.h>

#include "foyer/menu_actions.h"
#include "foyer/menu_environment.h"
#include "lib/controls/shortcut.h"
#include "lib/file/file.h"

namespace {

const wchar_t overwrite_question[] = L"既にショートカットが存在します。上書きしますか？";

// The desktop folder + "\" + game title + ".lnk".
std::wstring desktop_shortcut_path() {
  wchar_t desktop[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOP, nullptr, 0, desktop);
  return std::wstring(desktop) + L"\\" + menu_environment.game_title + L".lnk";
}

// Writes the shortcut at link_path to the installed engine, with the first icon file of
// its folder. True when written; false after the message of the failed step.
bool create_desktop_shortcut(const std::wstring& link_path) {
  std::wstring engine;
  if (!read_engine_program(engine)) return false;
  std::wstring exe_dir;
  read_exe_dir(exe_dir);
  ZOR::Cfile_list icons;
  std::wstring icon;
  if (icons.list(exe_dir, L"*", L"ico", false, true, false)) icon = icons.base + icons.entries.front().path;
  switch (ZOR::create_shortcut(link_path, engine, icon)) {
    case ZOR::Shortcut_problem::none:
      return true;
    case ZOR::Shortcut_problem::shell_link:
      menu_warning(L"IShellLink の取得に失敗しました。\nショートカットを作成できませんでした。");
      break;
    case ZOR::Shortcut_problem::persist_file:
      menu_warning(L"IPersistFile の取得に失敗しました。\nショートカットを作成できませんでした。");
      break;
    case ZOR::Shortcut_problem::save:
      menu_warning(L"ショートカットの作成に失敗しました。");
      break;
  }
  return false;
}

}  // namespace

void create_shortcut_from_menu() {
  const std::wstring link = desktop_shortcut_path();
  const int answer = ZOR::path_kind(link) != 1
                         ? menu_box(L"デスクトップにショートカットを作成します。", MB_OKCANCEL | MB_ICONINFORMATION)
                         : menu_box(overwrite_question, MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2);
  if (answer == IDCANCEL) return;
  if (create_desktop_shortcut(link)) {
    menu_box(L"デスクトップにショートカットを作成しました。", MB_ICONINFORMATION);
  }
}

void create_shortcut_after_setup() {
  std::wstring exe_dir;
  if (!read_exe_dir(exe_dir)) return;
  const std::wstring link = desktop_shortcut_path();
  if (ZOR::path_kind(link) == 1 && menu_box(overwrite_question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDNO) {
    return;
  }
  create_desktop_shortcut(link);
}

void delete_desktop_shortcut() {
  std::wstring exe_dir;
  if (read_exe_dir(exe_dir)) return;
  const std::wstring link = desktop_shortcut_path();
  if (ZOR::path_kind(link) == 1) ZOR::delete_file(link);
}

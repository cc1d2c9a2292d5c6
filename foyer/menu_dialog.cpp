// Foyer's menu dialog: initialisation, the layout of both pages and the buttons' dispatch.
#include "foyer/menu_dialog.h"

#include "foyer/menu_actions.h"
#include "foyer/menu_environment.h"
#include "foyer/resource.h"
#include "lib/file/file.h"
#include "lib/registry/registry_key.h"
#include "lib/rules/picture_headers.h"

C_menu_dialog menu_dialog;

namespace {

// The geometry at 96 DPI, in pixels; at other DPIs every length is scaled by DPI / 96, so
// the labels keep their room in the buttons at 150% and 200%. None of it depends on the
// dialog template's font.
const int client_width = 656;
const int client_height = 416;
const int picture_margin = 8;
const int picture_size = ZOR::title_picture_side;
const int button_x = 416;
const int button_width = 232;
const int button_height = 40;
// Row k of buttons lies at 8 + 48 k; the back and exit buttons have fixed places.
int row_y(int row) { return 8 + 48 * row; }
const int back_y_first_page = 320;
const int bottom_y = 368;

}  // namespace

LRESULT C_menu_dialog::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      on_init();
      break;
    case WM_COMMAND:
      on_command(reinterpret_cast<HWND>(lparam));
      break;
    default:
      break;
  }
  return C_dialog::window_proc(message, wparam, lparam);
}

void C_menu_dialog::on_init() {
  const Cmenu_environment& env = menu_environment;
  set_main_window();
  set_text(env.game_title);
  set_class_icon(env.setup_icon_large);
  set_class_small_icon(env.setup_icon_small);
  dpi_ = ZOR::window_dpi(hwnd);
  // Bound without an anchor: the dialog's WM_SIZE leaves the picture where the layout
  // puts it, instead of at its template rectangle (whose pixels follow the font).
  bind_control(picture, IDC_PICTURE, L"picture");
  picture.set_client_size(scaled(picture_size), scaled(picture_size));

  // Creation order is the keyboard order.
  const struct {
    ZOR::Cc_button& button;
    const wchar_t* name;
    bool shield;
  } buttons[] = {
      {btn_setup, L"setup", true},
      {btn_game_window, L"game_window", false},
      {btn_game_fullscreen, L"game_fullscreen", false},
      {btn_direct_x, L"direct_x", true},
      {btn_manual, L"manual", false},
      {btn_uninstall, L"uninstall", true},
      {btn_save_folder, L"save_folder", false},
      {btn_shortcut, L"shortcut", false},
      {btn_repair, L"repair", false},
      {btn_config, L"config", false},
      {btn_chronicle, L"chronicle", false},
      {btn_extra, L"extra", false},
      {btn_other_settings, L"other_settings", false},
      {btn_back, L"back", false},
      {btn_exit, L"exit", false},
  };
  const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const auto& entry : buttons) {
    entry.button.create_child(entry.name, L"Button", L"", hwnd);
    entry.button.set_font(font);
    if (entry.shield) entry.button.set_shield(true);
  }
  layout_menu();

  RECT window = {};
  GetWindowRect(hwnd, &window);
  const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - (window.right - window.left)) / 2;
  const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - (window.bottom - window.top)) / 2;
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateWindow(hwnd);
  set_show(true);
}

int C_menu_dialog::scaled(int length) const {
  return ZOR::scale_to_dpi(length, dpi_);
}

void C_menu_dialog::place(ZOR::Cc_button& button, int y, const wchar_t* label, bool enabled) {
  button.set_text(label);
  button.set_window_rect(scaled(button_x), scaled(y), scaled(button_width), scaled(button_height));
  button.set_enable(enabled);
  button.set_show(true);
}

void C_menu_dialog::layout_menu() {
  const Cmenu_environment& env = menu_environment;
  for (ZOR::Cc_button* button :
       {&btn_setup, &btn_direct_x, &btn_manual, &btn_uninstall, &btn_save_folder, &btn_shortcut, &btn_config,
        &btn_chronicle, &btn_repair, &btn_game_window, &btn_game_fullscreen, &btn_extra, &btn_back,
        &btn_other_settings, &btn_exit}) {
    button->set_show(false);
  }
  set_client_size(scaled(client_width), scaled(client_height));
  const RECT picture_rect = picture.get_rect_in_parent();
  picture.set_window_rect(scaled(picture_margin), scaled(picture_margin), picture_rect.right - picture_rect.left,
                          picture_rect.bottom - picture_rect.top);
  // The layout follows the key; the actions read its value exe_dir.
  const bool installed = ZOR::key_exists(HKEY_LOCAL_MACHINE, env.reg_key_path);
  const bool save_folder_present = ZOR::path_kind(env.save_dir) == 0;

  if (page == 0) {
    int row = 0;
    if (!installed) {
      place(btn_setup, row_y(row++), L"セットアップ");
    } else {
      place(btn_game_window, row_y(row++), L"ゲームを起動（ウィンドウ）");
      place(btn_game_fullscreen, row_y(row++), L"ゲームを起動（フルスクリーン）");
    }
    if (env.direct_x_use) place(btn_direct_x, row_y(row++), L"DirectX のｾｯﾄｱｯﾌﾟ");
    if (installed) place(btn_uninstall, row_y(row++), L"アンインストール");
    if (env.manual_use) place(btn_manual, row_y(row++), L"マニュアルを開く");
    place(btn_other_settings, row_y(row++), L"その他の設定");
    if (env.ex_button_use) place(btn_extra, row_y(row), env.ex_button_name.c_str());
    if (env.return_use) place(btn_back, back_y_first_page, L"戻る");
    place(btn_exit, bottom_y, L"終了");
    return;
  }
  place(btn_repair, row_y(0), L"修復セットアップ （サポート用）", installed);
  place(btn_config, row_y(1), L"環境設定を開く （サポート用）", installed);
  place(btn_chronicle, row_y(2), L"Chronicle を開く （サポート用）", installed);
  place(btn_save_folder, row_y(3), L"セーブフォルダを開く", save_folder_present);
  place(btn_shortcut, row_y(4), L"ショートカットを作成", installed);
  place(btn_back, bottom_y, L"戻る");
}

void C_menu_dialog::on_command(HWND control) {
  if (control == nullptr) return;
  if (control == btn_setup.hwnd || control == btn_repair.hwnd) {
    run_setup();
  } else if (control == btn_uninstall.hwnd) {
    run_uninstall();
  } else if (control == btn_direct_x.hwnd) {
    run_direct_x_setup();
  } else if (control == btn_manual.hwnd) {
    open_manual();
  } else if (control == btn_extra.hwnd) {
    run_extra_button();
  } else if (control == btn_config.hwnd) {
    run_support_tool(L"Config.exe");
  } else if (control == btn_chronicle.hwnd) {
    run_support_tool(L"Chronicle.exe");
  } else if (control == btn_save_folder.hwnd) {
    open_save_folder();
  } else if (control == btn_shortcut.hwnd) {
    create_shortcut_from_menu();
  } else if (control == btn_other_settings.hwnd) {
    page = 1;
    layout_menu();
  } else if (control == btn_game_window.hwnd || control == btn_game_fullscreen.hwnd) {
    if (start_game(control == btn_game_fullscreen.hwnd)) close();
  } else if (control == btn_back.hwnd) {
    if (page == 1) {
      page = 0;
      layout_menu();
    } else if (run_return_program()) {
      close();
    }
  } else if (control == btn_exit.hwnd) {
    close();
  }
}

// Chronicle's window: its set-up, its buttons and the owner-data list's texts.
#include "chronicle/gui_main.h"

#include <commctrl.h>

#include "chronicle/resource.h"

LRESULT C_gui_main::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lparam);
    if (header->hwndFrom == log_list.hwnd && header->code == LVN_GETDISPINFOW) {
      log_list.fill_display_info(*reinterpret_cast<NMLVDISPINFOW*>(lparam));
      return 0;
    }
  }
  return C_handler_dialog::window_proc(message, wparam, lparam);
}

bool C_gui_main::on_init() {
  set_main_window();
  bind_control(log_list, IDC_LOG_LIST, L"", 5);
  bind_control(save_button, IDC_SAVE_LOG, L"", 1);
  bind_control(run_button, IDC_RUN, L"", 3);
  // The status bar only fills the sizing corner; nothing is ever written into it.
  HWND bar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | CCS_BOTTOM, L"", hwnd,
                                 IDC_STATUS_BAR);
  if (bar != nullptr) {
    SendMessageW(bar, SB_SETTEXTW, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(L""));
    status_bar = bar;
    has_status_bar = true;
  }
  set_icon(IDI_CHRONICLE);
  SendMessageW(log_list.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  log_list.add_column(L"LOG", L"ログ");
  save_button.set_enable(false);
  set_show(true);
  return true;
}

void C_gui_main::on_command(int id) {
  switch (id) {
    case IDC_RUN:
      launch_engine();
      break;
    case IDC_SAVE_LOG:
      save_log_as_text();
      break;
    default:
      break;
  }
}

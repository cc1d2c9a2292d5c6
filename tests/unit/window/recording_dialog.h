// A modeless test dialog that records what reaches its window_proc.
#ifndef ZOR_TESTS_UNIT_WINDOW_RECORDING_DIALOG_H
#define ZOR_TESTS_UNIT_WINDOW_RECORDING_DIALOG_H

#include <windows.h>

#include <algorithm>
#include <vector>

#include "lib/window/dialog.h"

namespace zor_test {

// Records the commands and WM_APP messages it receives.
class Crecording_dialog : public ZOR::C_dialog {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_INITDIALOG:
        ++init_count;
        return TRUE;
      case WM_COMMAND:
        commands.push_back(LOWORD(wparam));
        break;
      case WM_APP:
        app_messages.push_back(static_cast<int>(wparam));
        return TRUE;
      default:
        break;
    }
    return C_dialog::window_proc(message, wparam, lparam);
  }
  bool received(int id) const { return std::find(commands.begin(), commands.end(), id) != commands.end(); }

  int init_count = 0;
  std::vector<int> commands;
  std::vector<int> app_messages;
};

}  // namespace zor_test

#endif

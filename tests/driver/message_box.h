// Test driver: finding, reading and answering the message boxes of a program under test.
#ifndef ZOR_TESTS_DRIVER_MESSAGE_BOX_H
#define ZOR_TESTS_DRIVER_MESSAGE_BOX_H

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/process.h"

namespace driver {

// The icon a message box shows. unknown: an icon is shown but it is none of the four
// standard ones, or it could not be compared.
enum class Box_icon { none, warning, error, information, question, unknown };

// What a message box showed when it was read.
struct Cmessage_box {
  HWND window = nullptr;  // null when no box was found
  std::wstring caption;
  std::wstring text;
  // Ids of the buttons shown, in the order IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE,
  // IDYES, IDNO. Wine's box holds all of them and hides those the style does not ask for.
  std::vector<int> buttons;
  int default_button = 0;  // the button with BS_DEFPUSHBUTTON, 0 when none
  Box_icon icon = Box_icon::none;

  bool has_button(int id) const;
};

// Whether window is a message box: class "#32770" holding a static text with id 65535 and
// Wine's icon static (id 1088, SS_ICON).
bool is_message_box(HWND window);
// The visible message box of the process that the user can answer (the enabled one when
// boxes are nested); null when none is open. Process id 0: any process.
HWND find_message_box(DWORD process_id);
// Waits for find_message_box and reads the box. On timeout: test failure (listing the
// windows of the process) and a record whose window is null.
Cmessage_box wait_message_box(DWORD process_id, DWORD timeout_ms = default_timeout_ms);
// Reads caption, text, buttons, default button and icon of a message box.
Cmessage_box read_message_box(HWND box);
// Presses button id of the box and waits until the box is gone. False (test failure)
// when the box does not show that button or does not close in time.
bool answer_message_box(const Cmessage_box& box, int button_id,
                        DWORD timeout_ms = default_timeout_ms);
// Waits for the next message box of the process, checks caption, text and icon (test
// failures), and answers it with answer. False when no box came or it could not be answered.
bool expect_message_box(DWORD process_id, const std::wstring& caption, const std::wstring& text, Box_icon icon,
                        int answer);
// Name of an icon for failure messages ("warning", ...).
const char* icon_name(Box_icon icon);

}  // namespace driver

#endif

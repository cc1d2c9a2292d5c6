// The demos' screenshots: the whole virtual screen saved as a numbered BMP into the folder
// named by ZOR_DEMO_SHOTS (scripts/demo.sh turns them into PNGs).
#ifndef ZOR_TESTS_SUPPORT_DEMO_DEMO_SHOTS_H
#define ZOR_TESTS_SUPPORT_DEMO_DEMO_SHOTS_H

#include <windows.h>

#include <string>

namespace demo {

// The value of an environment variable; empty when unset or longer than 1023 characters.
std::wstring environment(const wchar_t* name);
// Saves the whole screen as <shots>\<NN>-<name>.bmp (24 bits, bottom-up).
void shoot(const std::string& name);
// Lets the windows paint, then shoots.
void settle_and_shoot(const std::string& name);
// Waits for the next message box of process, checks its text, shoots it (when shot is not
// empty), and answers it.
void answer_box(DWORD process, const std::wstring& text, int answer, const std::string& shot);

}  // namespace demo

#endif

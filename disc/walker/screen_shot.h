// The walk's pictures: the whole virtual screen saved as a numbered BMP into the folder of the
// walk (the tool that runs the walk turns them into PNGs for its report).
#ifndef ZOR_DISC_WALKER_SCREEN_SHOT_H
#define ZOR_DISC_WALKER_SCREEN_SHOT_H

#include <windows.h>

#include <string>

namespace walker {

// The value of an environment variable; empty when unset or longer than 1023 characters.
std::wstring environment(const wchar_t* name);
// Saves the whole screen as <folder>\<NN>-<name>.bmp (24 bits, bottom-up) and returns the
// file's name; empty (and a test failure) when it cannot be written.
std::wstring shoot(const std::wstring& folder, const std::string& name);
// Lets the windows paint, then shoots.
std::wstring settle_and_shoot(const std::wstring& folder, const std::string& name);

}  // namespace walker

#endif

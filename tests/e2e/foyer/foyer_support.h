// Foyer end-to-end tests: the built sample disc copied for each test, Foyer started on it,
// its menu read and pressed, and the places Foyer touches outside the disc.
#ifndef TESTS_E2E_FOYER_FOYER_SUPPORT_H
#define TESTS_E2E_FOYER_FOYER_SUPPORT_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/driver/driver.h"

namespace foyer_test {

// The sample disc's game title.
extern const wchar_t title[];

// A copy of build\sample_disc\SetupData (Foyer.exe and Setup.exe inside) with a registry
// path of its own, "ZorTest\<unique>" + tail (tail such as "\Game" makes it deeper). The
// game's desktop shortcut is removed when the disc is made (the tests run one at a time).
// The destructor also removes what Foyer and Setup may have made outside the disc: the
// install folder below Program Files, the save folders below the documents folder and the
// desktop shortcut.
class Cfoyer_disc : public driver::Csample_disc {
 public:
  explicit Cfoyer_disc(const std::wstring& reg_tail = L"");
  ~Cfoyer_disc();

  const std::wstring& game_reg_path() const { return game_reg_path_; }
  std::wstring game_reg_key() const { return L"Software\\" + game_reg_path_; }
  // Foyer's /dir argument for this disc.
  std::wstring arguments() const;
  // Documents + "\" + the game's registry path: the save folder the menu opens.
  std::wstring save_dir() const;
  // Program Files + "\" + the game's registry path: where Setup installs by default.
  std::wstring install_dir() const;

 private:
  std::wstring game_reg_path_;
};

// The user's documents and desktop folders, and the desktop shortcut of the game.
std::wstring documents_folder();
std::wstring desktop_shortcut();
// The target of a shortcut file; empty when it cannot be read.
std::wstring shortcut_target(const std::wstring& link);

// The colour of pixel x, y of the test pictures: 0xRRGGBB.
using Cpixel_colour = std::uint32_t (*)(int x, int y);
// A bitmap file of width by height pixels with bits per pixel 8, 24 or 32 (8: a grey
// palette, pixel value x + y), stored bottom-up or top_down; a 32-bit pixel's fourth byte
// is 0x7F.
std::string bitmap_file(int width, int height, int bits, bool top_down, Cpixel_colour colour);

// One button of the menu as the user sees it.
struct Cmenu_button {
  HWND window = nullptr;
  std::wstring text;
  RECT rect = {};  // in the menu's client coordinates
  bool enabled = false;
};

// Foyer.exe under test.
class Cfoyer {
 public:
  // Starts Foyer.exe of the disc with its /dir and extra arguments.
  bool start(const Cfoyer_disc& disc, const std::wstring& extra = L"");
  bool start_with(const std::wstring& program, const std::wstring& arguments);
  DWORD id() const { return process.id(); }
  // start, then wait_menu; null (test failure) when either fails.
  HWND open_menu(const Cfoyer_disc& disc, const std::wstring& extra = L"");
  // Waits for the visible menu (the dialog with the picture 1002) titled title.
  HWND wait_menu(const std::wstring& menu_title = title);
  // The visible buttons of the menu, top to bottom.
  static std::vector<Cmenu_button> buttons(HWND menu);
  // "text@y" for each visible button, "[x,widthxheight]" after one that is not at x 416 with
  // 232 by 40 pixels, and "(disabled)" after a disabled one.
  static std::vector<std::wstring> layout(HWND menu);
  // Waits until layout(menu) is expected (the buttons are placed one after the other);
  // false with a test failure showing the last layout when it does not come.
  static bool wait_layout(HWND menu, const std::vector<std::wstring>& expected);
  // Clicks the visible button with this text, waiting for it to show; false (test failure)
  // when it does not.
  static bool press(HWND menu, const std::wstring& text);
  // Waits for the next message box, checks it and answers it.
  bool expect_box(const std::wstring& caption, const std::wstring& text, driver::Box_icon icon, int answer);
  // Waits for the end of the program and checks its exit code 0.
  void expect_exit();

  driver::Cprocess process;
};

// A top-level window of class "lumora_engine_main_window_" + reg_path, owned by the test:
// what a running game shows.
class Cgame_window {
 public:
  explicit Cgame_window(const std::wstring& reg_path);
  ~Cgame_window();
  Cgame_window(const Cgame_window&) = delete;
  Cgame_window& operator=(const Cgame_window&) = delete;

 private:
  std::wstring class_name_;
  HWND window_ = nullptr;
};

// While it lives, documents with extension (".html") open with program: the extension
// names a class of the test's own whose "open" command is "program" "%1". The extension's
// earlier class is put back (or the extension removed) when it is destroyed.
class Cfile_association {
 public:
  Cfile_association(const std::wstring& extension, const std::wstring& program);
  ~Cfile_association();
  Cfile_association(const Cfile_association&) = delete;
  Cfile_association& operator=(const Cfile_association&) = delete;

 private:
  std::wstring extension_key_;
  std::wstring class_key_;
  bool had_extension_ = false;
  std::wstring previous_class_;
};

// Waits for the next message box of the process, checks it with its default button, and
// answers it.
bool expect_box_with_default(DWORD process_id, const std::wstring& text, driver::Box_icon icon, int default_button,
                             int answer);

using driver::wait_for;

}  // namespace foyer_test

#endif

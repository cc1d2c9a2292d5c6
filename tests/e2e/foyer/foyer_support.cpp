// Foyer end-to-end tests: the copied sample disc, Foyer under test and its menu.
#include "tests/e2e/foyer/foyer_support.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace foyer_test {

const wchar_t title[] = L"月影の庭";

namespace {

std::wstring special_folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}

BOOL CALLBACK collect_child(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::wstring shortcut_path_of(const std::wstring& link) {
  std::wstring target;
  IShellLinkW* shell_link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shell_link)))) {
    return target;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
        shell_link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH) == S_OK) {
      target = path;
    }
    file->Release();
  }
  shell_link->Release();
  return target;
}

LRESULT CALLBACK game_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

Cfoyer_disc::Cfoyer_disc(const std::wstring& reg_tail)
    : driver::Csample_disc(driver::binary_dir() + L"\\sample_disc\\SetupData"),
      game_reg_path_(reg_path() + reg_tail) {
  if (!reg_tail.empty()) {
    set_ini_line(L"#REG_PATH", L"#REG_PATH = \"" + driver::doubled_backslashes(game_reg_path_) + L"\"");
  }
  CreateDirectoryW(scratch().c_str(), nullptr);
}

Cfoyer_disc::~Cfoyer_disc() {
  const std::wstring top = reg_path();  // "ZorTest\<unique>": everything of this test is below it
  driver::remove_folder_tree(special_folder(CSIDL_PROGRAM_FILES) + L"\\" + top);
  driver::remove_folder_tree(documents_folder() + L"\\" + top);
  DeleteFileW(desktop_shortcut().c_str());
}

std::wstring Cfoyer_disc::arguments() const { return L"/dir=\"" + driver::doubled_backslashes(dir()) + L"\""; }

std::wstring Cfoyer_disc::save_dir() const { return documents_folder() + L"\\" + game_reg_path_; }

std::wstring Cfoyer_disc::install_dir() const {
  return special_folder(CSIDL_PROGRAM_FILES) + L"\\" + game_reg_path_;
}

std::wstring documents_folder() { return special_folder(CSIDL_PERSONAL); }

std::wstring desktop_shortcut() { return special_folder(CSIDL_DESKTOP) + L"\\" + title + L".lnk"; }

std::wstring shortcut_target(const std::wstring& link) {
  const HRESULT com = CoInitialize(nullptr);
  std::wstring target = shortcut_path_of(link);
  if (SUCCEEDED(com)) CoUninitialize();
  return target;
}


std::string bitmap_file(int width, int height, int bits, bool top_down, Cpixel_colour colour) {
  const int stride = (width * bits + 31) / 32 * 4;
  const int palette = bits == 8 ? 256 * 4 : 0;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info + palette;
  file.bfSize = file.bfOffBits + stride * height;
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = top_down ? -height : height;
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bits);
  info.biSizeImage = stride * height;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  for (int i = 0; i < palette / 4; ++i) bytes.append({char(i), char(i), char(i), 0});
  for (int row = 0; row < height; ++row) {
    const int y = top_down ? row : height - 1 - row;
    std::string line(static_cast<std::size_t>(stride), '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      const char pixel[4] = {char(c & 0xFF), char((c >> 8) & 0xFF), char((c >> 16) & 0xFF), 0x7F};
      if (bits == 8) {
        line[static_cast<std::size_t>(x)] = char(x + y);
      } else {
        line.replace(static_cast<std::size_t>(x * bits / 8), static_cast<std::size_t>(bits / 8), pixel, bits / 8);
      }
    }
    bytes += line;
  }
  return bytes;
}

bool Cfoyer::start(const Cfoyer_disc& disc, const std::wstring& extra) {
  return start_with(disc.dir() + L"\\Foyer.exe", disc.arguments() + (extra.empty() ? L"" : L" " + extra));
}

bool Cfoyer::start_with(const std::wstring& program, const std::wstring& arguments) {
  return process.start(program, arguments);
}

HWND Cfoyer::open_menu(const Cfoyer_disc& disc, const std::wstring& extra) {
  return start(disc, extra) ? wait_menu() : nullptr;
}

HWND Cfoyer::wait_menu(const std::wstring& menu_title) { return driver::wait_dialog(id(), menu_title, 1002); }

std::vector<Cmenu_button> Cfoyer::buttons(HWND menu) {
  std::vector<HWND> children;
  EnumChildWindows(menu, collect_child, reinterpret_cast<LPARAM>(&children));
  std::vector<Cmenu_button> shown;
  for (HWND child : children) {
    if (driver::class_name_of(child) != L"Button" || !IsWindowVisible(child)) continue;
    Cmenu_button button;
    button.window = child;
    button.text = driver::text_of(child);
    GetWindowRect(child, &button.rect);
    MapWindowPoints(nullptr, menu, reinterpret_cast<POINT*>(&button.rect), 2);
    button.enabled = IsWindowEnabled(child) != FALSE;
    shown.push_back(button);
  }
  std::stable_sort(shown.begin(), shown.end(),
                   [](const Cmenu_button& a, const Cmenu_button& b) { return a.rect.top < b.rect.top; });
  return shown;
}

std::vector<std::wstring> Cfoyer::layout(HWND menu) {
  std::vector<std::wstring> rows;
  for (const Cmenu_button& button : buttons(menu)) {
    const RECT& r = button.rect;
    std::wstring row = button.text + L"@" + std::to_wstring(r.top);
    // Every button lies at x 416 and is 232 by 40 pixels; any other place is shown.
    if (r.left != 416 || r.right - r.left != 232 || r.bottom - r.top != 40) {
      row += L"[" + std::to_wstring(r.left) + L"," + std::to_wstring(r.right - r.left) + L"x" +
             std::to_wstring(r.bottom - r.top) + L"]";
    }
    rows.push_back(row + (button.enabled ? L"" : L"(disabled)"));
  }
  return rows;
}

bool Cfoyer::wait_layout(HWND menu, const std::vector<std::wstring>& expected) {
  const ULONGLONG deadline = GetTickCount64() + driver::default_timeout_ms;
  while (layout(menu) != expected && GetTickCount64() < deadline) Sleep(10);
  EXPECT_EQ(layout(menu), expected);
  return layout(menu) == expected;
}

bool Cfoyer::press(HWND menu, const std::wstring& text) {
  // A page change places its buttons one after the other: wait for this one.
  const ULONGLONG deadline = GetTickCount64() + driver::default_timeout_ms;
  do {
    for (const Cmenu_button& button : buttons(menu)) {
      if (button.text == text) return driver::click_window(button.window);
    }
    Sleep(10);
  } while (GetTickCount64() < deadline);
  ADD_FAILURE() << "the menu shows no button " << testing::PrintToString(text);
  return false;
}

bool Cfoyer::expect_box(const std::wstring& caption, const std::wstring& text, driver::Box_icon icon, int answer) {
  return driver::expect_message_box(id(), caption, text, icon, answer);
}

void Cfoyer::expect_exit() { driver::expect_exit_zero(process); }

Cgame_window::Cgame_window(const std::wstring& reg_path)
    : class_name_(L"lumora_engine_main_window_" + reg_path) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = game_window_proc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = class_name_.c_str();
  RegisterClassW(&window_class);
  window_ = CreateWindowW(class_name_.c_str(), L"game", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  EXPECT_TRUE(window_ != nullptr) << "the game's window could not be made";
}

Cgame_window::~Cgame_window() {
  if (window_ != nullptr) DestroyWindow(window_);
  UnregisterClassW(class_name_.c_str(), GetModuleHandleW(nullptr));
}

Cfile_association::Cfile_association(const std::wstring& extension, const std::wstring& program)
    : extension_key_(L"Software\\Classes\\" + extension),
      class_key_(L"Software\\Classes\\ZorTest." + driver::unique_name()) {
  const std::wstring class_name = class_key_.substr(std::wstring(L"Software\\Classes\\").size());
  driver::Cstored_value previous = driver::stored_value(extension_key_, L"");
  had_extension_ = driver::key_exists(extension_key_);
  previous_class_ = previous.text;
  const std::wstring command = L"\"" + program + L"\" \"%1\"";
  auto set = [](const std::wstring& key, const std::wstring& value) {
    EXPECT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS)
        << testing::PrintToString(key);
  };
  set(class_key_ + L"\\shell\\open\\command", command);
  set(extension_key_, class_name);
}

Cfile_association::~Cfile_association() {
  if (had_extension_) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, extension_key_.c_str(), nullptr, REG_SZ, previous_class_.c_str(),
                    static_cast<DWORD>((previous_class_.size() + 1) * sizeof(wchar_t)));
  } else {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, extension_key_.c_str());
  }
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, class_key_.c_str());
}

bool expect_box_with_default(DWORD process_id, const std::wstring& text, driver::Box_icon icon, int default_button,
                             int answer) {
  driver::Cmessage_box box = driver::wait_message_box(process_id);
  if (!box.window) return false;
  EXPECT_EQ(box.caption, title);
  EXPECT_EQ(box.text, text);
  EXPECT_STREQ(driver::icon_name(box.icon), driver::icon_name(icon));
  EXPECT_EQ(box.default_button, default_button) << testing::PrintToString(text);
  return driver::answer_message_box(box, answer);
}

}  // namespace foyer_test

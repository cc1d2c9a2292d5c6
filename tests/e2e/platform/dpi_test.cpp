// Foyer's menu at 96, 144 and 192 DPI: its pixel geometry scaled by DPI / 96, every label
// inside its button and the title picture filling its scaled place. Wine reads the screen's
// DPI when a process starts, so each DPI is set in the prefix and the measuring half of the
// test runs in a new process of this program, which then starts Foyer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/foyer/foyer_support.h"

namespace foyer_test {
namespace {

const wchar_t desktop_key[] = L"Control Panel\\Desktop";
const wchar_t dpi_variable[] = L"ZOR_TEST_DPI";

// The screen's DPI for the processes started while it lives (HKCU\Control Panel\Desktop,
// LogPixels); the earlier value comes back when it is destroyed.
class Cscreen_dpi {
 public:
  explicit Cscreen_dpi(DWORD dpi) {
    DWORD size = sizeof previous_;
    had_value_ = RegGetValueW(HKEY_CURRENT_USER, desktop_key, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &previous_,
                              &size) == ERROR_SUCCESS;
    set(dpi);
  }
  ~Cscreen_dpi() {
    if (had_value_) {
      set(previous_);
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, desktop_key, L"LogPixels");
    }
  }
  Cscreen_dpi(const Cscreen_dpi&) = delete;
  Cscreen_dpi& operator=(const Cscreen_dpi&) = delete;

 private:
  static void set(DWORD dpi) {
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, desktop_key, L"LogPixels", REG_DWORD, &dpi, sizeof dpi),
              ERROR_SUCCESS);
  }
  DWORD previous_ = 0;
  bool had_value_ = false;
};

// Runs the test case named test of this program in a new process (its output goes where
// this one's goes) and returns its exit code: 0 when it passed. A filter that matches no
// test would let the child exit with 0 having run nothing, so the child's report must count
// exactly one test, else the run is a failure.
DWORD run_in_new_process(const std::wstring& test) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  driver::Ctemp_folder folder;
  const std::wstring report = folder / L"report.xml";
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_also_run_disabled_tests --gtest_color=no --gtest_filter=" +
                         test + L" \"--gtest_output=xml:" + report + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
    ADD_FAILURE() << "CreateProcessW: " << GetLastError();
    return 1;
  }
  CloseHandle(started.hThread);
  driver::Cprocess child;  // terminates the child if it outlives the wait
  child.open(started.dwProcessId);
  CloseHandle(started.hProcess);
  DWORD code = 1;
  child.wait_exit(&code, 300000);
  if (code == 0 && driver::read_bytes(report).find("<testsuites tests=\"1\"") == std::string::npos) {
    ADD_FAILURE() << "the child ran no test named " << testing::PrintToString(test);
    return 1;
  }
  return code;
}

TEST(PlatformDpi, MenuAt96And144And192Dpi) {
  for (const DWORD dpi : {96u, 144u, 192u}) {
    SCOPED_TRACE(testing::Message() << dpi << " DPI");
    Cscreen_dpi screen(dpi);
    driver::Cenvironment_value wanted(dpi_variable, std::to_wstring(dpi).c_str());
    EXPECT_EQ(run_in_new_process(L"PlatformDpi.DISABLED_MenuFitsTheScreensDpi"), 0u);
  }
}

// Each quarter of the test picture has one colour, so a scaled picture keeps clean colours
// away from the quarters' borders.
std::uint32_t quarter_colour(int x, int y) {
  static const std::uint32_t colours[4] = {0xC02040, 0x20C040, 0x2040C0, 0xC0C020};
  return colours[(y >= 200 ? 2 : 0) + (x >= 200 ? 1 : 0)];
}

// Every visible button's label, measured with the buttons' font, fits inside the button's
// face: its frame and the padding of the button's text, and the shield of the buttons that
// carry one. The menu gives its buttons the stock DEFAULT_GUI_FONT, which is the same
// font in every process of one DPI. (Asked from another process, Wine answers WM_GETFONT
// with 0, so the button cannot be asked here.)
void expect_labels_fit(HWND menu, int dpi) {
  const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HDC dc = GetDC(menu);
  for (const Cmenu_button& button : Cfoyer::buttons(menu)) {
    SCOPED_TRACE(testing::PrintToString(button.text));
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE text = {};
    GetTextExtentPoint32W(dc, button.text.c_str(), static_cast<int>(button.text.size()), &text);
    SelectObject(dc, previous);
    const bool shield = button.text == L"DirectX のｾｯﾄｱｯﾌﾟ" || button.text == L"アンインストール";
    const int frame = 2 * (GetSystemMetrics(SM_CXEDGE) + MulDiv(2, dpi, 96));
    const int room = button.rect.right - button.rect.left - frame - (shield ? GetSystemMetrics(SM_CXSMICON) : 0);
    EXPECT_LE(text.cx, room) << "the label is cut";
    EXPECT_LE(text.cy, button.rect.bottom - button.rect.top - frame);
  }
  ReleaseDC(menu, dc);
}

// Started by MenuAt96And144And192Dpi in a process of the DPI it names.
TEST(PlatformDpi, DISABLED_MenuFitsTheScreensDpi) {
  const int dpi = _wtoi(_wgetenv(dpi_variable) != nullptr ? _wgetenv(dpi_variable) : L"0");
  ASSERT_GT(dpi, 0) << "runs inside MenuAt96And144And192Dpi only";
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSX), dpi) << "the prefix's screen DPI is not the one set";
  ReleaseDC(nullptr, screen);
  const auto px = [dpi](int length) { return MulDiv(length, dpi, 96); };

  Cfoyer_disc disc;
  ASSERT_TRUE(driver::write_bytes(disc.dir() + L"\\Setup.bmp", bitmap_file(400, 400, 24, false, quarter_colour)));
  // Installed (the key only): the first page holds the game's buttons, the longest labels.
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, disc.game_reg_key().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  Cfoyer foyer;
  HWND menu = foyer.open_menu(disc);
  ASSERT_TRUE(menu);
  RECT client = {};
  GetClientRect(menu, &client);
  EXPECT_EQ(client.right, px(656));
  EXPECT_EQ(client.bottom, px(416));
  HWND picture = driver::item(menu, 1002);
  RECT place = {};
  GetWindowRect(picture, &place);
  MapWindowPoints(nullptr, menu, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, px(8));
  EXPECT_EQ(place.top, px(8));
  EXPECT_EQ(place.right, px(408));
  EXPECT_EQ(place.bottom, px(408));
  // The picture fills its place: the middle of each quarter and the far corner, which an
  // unscaled picture would leave empty above 96 DPI. (At 192 DPI the menu is wider than
  // the test screen; these points stay on it.)
  const struct {
    int x, y;
  } points[] = {{300, 100}, {100, 300}, {300, 300}, {397, 397}, {100, 100}};
  EXPECT_TRUE(wait_for([&] { return driver::screen_colour(picture, px(397), px(397)) == quarter_colour(397, 397); }, 10000));
  for (const auto& point : points) {
    EXPECT_EQ(driver::screen_colour(picture, px(point.x), px(point.y)), quarter_colour(point.x, point.y))
        << "at " << point.x << "," << point.y << " of the picture";
  }

  EXPECT_TRUE(wait_for([&] { return Cfoyer::buttons(menu).size() == 8; })) << "the first page's eight buttons";
  expect_labels_fit(menu, dpi);
  ASSERT_TRUE(Cfoyer::press(menu, L"その他の設定"));
  EXPECT_TRUE(wait_for([&] { return Cfoyer::buttons(menu).size() == 6; })) << "the second page's six buttons";
  expect_labels_fit(menu, dpi);
  ASSERT_TRUE(driver::close_window(menu));
  foyer.expect_exit();
}

}  // namespace
}  // namespace foyer_test

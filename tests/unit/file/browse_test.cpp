// The folder browser: caption, prompt, first selection, shortened status line and result.
#include "lib/file/file.h"

#include "lib/error/error.h"
#include "tests/driver/test_places.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

using driver::Ctemp_folder;

const int status_id = 0x3743;
const int prompt_id = 0x3742;

// What the browser showed, read by the answering thread before it pressed a button.
struct Seen_browser {
  bool found = false;
  std::wstring caption;
  std::wstring prompt;
  std::wstring status;
  HWND owner = nullptr;
};

std::wstring text_of(HWND window) {
  wchar_t buffer[1024] = {};
  if (window) GetWindowTextW(window, buffer, 1024);
  return buffer;
}

BOOL CALLBACK find_dialog(HWND window, LPARAM data) {
  wchar_t class_name[32] = {};
  GetClassNameW(window, class_name, 32);
  if (std::wstring(class_name) == L"#32770" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }
  return TRUE;
}

// Waits (on another thread) for the browser of thread_id and, when asked, for its status line;
// then presses button.
std::future<Seen_browser> answer_browser(DWORD thread_id, int button, bool wait_for_status) {
  return std::async(std::launch::async, [thread_id, button, wait_for_status] {
    Seen_browser seen;
    HWND dialog = nullptr;
    const auto start = std::chrono::steady_clock::now();
    while (!dialog && std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
      EnumThreadWindows(thread_id, find_dialog, reinterpret_cast<LPARAM>(&dialog));
      if (!dialog) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const auto found_at = std::chrono::steady_clock::now();
    while (dialog && wait_for_status && text_of(GetDlgItem(dialog, status_id)).empty() &&
           std::chrono::steady_clock::now() - found_at < std::chrono::seconds(10)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!dialog) return seen;
    seen.found = true;
    seen.caption = text_of(dialog);
    seen.prompt = text_of(GetDlgItem(dialog, prompt_id));
    seen.status = text_of(GetDlgItem(dialog, status_id));
    seen.owner = GetWindow(dialog, GW_OWNER);
    // A browser that never showed its selection is cancelled instead.
    const int pressed = wait_for_status && seen.status.empty() ? IDCANCEL : button;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(pressed, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, pressed)));
    return seen;
  });
}

bool ends_with(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Opens the browser and presses OK once its status line shows the selection. Under Wine the
// browser now and then comes up without selecting anything (its tree stays unselected and
// OK returns the desktop); such an attempt is cancelled and the browser opened again.
Seen_browser browse_and_accept(std::wstring& chosen, bool& ok, const std::wstring& root, const std::wstring& initial,
                               const std::wstring& caption, const std::wstring& prompt) {
  Seen_browser seen;
  for (int attempt = 0; attempt < 3; ++attempt) {
    auto answer = answer_browser(GetCurrentThreadId(), IDOK, true);
    chosen = L"unchanged";
    ok = ZOR::browse_for_folder(chosen, root, initial, caption, prompt);
    seen = answer.get();
    if (!seen.found || !seen.status.empty()) break;
  }
  return seen;
}

struct Owner_window {
  HWND window = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ~Owner_window() {
    ZOR::set_message_box_owner(nullptr);
    DestroyWindow(window);
  }
};

TEST(BrowseForFolder, ShowsCaptionPromptAndSelectionAndReturnsTheChoice) {
  Ctemp_folder folder;
  const std::wstring initial = folder.folder(L"install");
  Owner_window owner;
  ZOR::set_message_box_owner(owner.window);

  std::wstring chosen;
  bool ok = false;
  // Rooted at the test's own folder: the desktop's contents are shared with other tests.
  const Seen_browser seen = browse_and_accept(chosen, ok, folder.path(), initial, L"フォルダの参照",
                                              L"インストール先を選んでください。");
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(ok);
  EXPECT_EQ(chosen, initial);
  EXPECT_EQ(seen.caption, L"フォルダの参照");
  EXPECT_EQ(seen.prompt, L"インストール先を選んでください。");
  // The status control is narrow: the path may be shortened, but its end is kept.
  EXPECT_TRUE(ends_with(seen.status, L"\\install")) << testing::PrintToString(seen.status);
  EXPECT_EQ(seen.owner, owner.window);
}

TEST(BrowseForFolder, ALongPathIsShortenedInTheStatusLine) {
  Ctemp_folder folder;
  std::wstring relative;
  for (int level = 0; level < 6; ++level) {
    relative += (level ? L"\\" : L"") + std::wstring(L"a_rather_long_folder_name_") + std::to_wstring(level);
    folder.folder(relative);
  }
  const std::wstring initial = folder / relative;
  std::wstring chosen;
  bool ok = false;
  const Seen_browser seen = browse_and_accept(chosen, ok, folder.path(), initial, L"参照", L"選択");
  EXPECT_TRUE(ok);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(chosen, initial);
  EXPECT_LT(seen.status.size(), initial.size());
  EXPECT_NE(seen.status.find(L"..."), std::wstring::npos) << testing::PrintToString(seen.status);
  EXPECT_EQ(seen.status.substr(0, 3), initial.substr(0, 3));
}

TEST(BrowseForFolder, CancelReturnsFalseWithoutARecord) {
  Ctemp_folder folder;
  auto answer = answer_browser(GetCurrentThreadId(), IDCANCEL, false);
  std::wstring chosen = L"unchanged";
  ZOR::set_invalid_argument_error(L"older");
  EXPECT_FALSE(ZOR::browse_for_folder(chosen, L"", folder.path(), L"参照", L"選択"));
  ASSERT_TRUE(answer.get().found);
  EXPECT_EQ(chosen, L"unchanged");
  EXPECT_EQ(ZOR::get_last_error_text(), L"");
}

TEST(BrowseForFolder, AMissingRootIsRecordedAndShowsNothing) {
  Ctemp_folder folder;
  std::wstring chosen = L"unchanged";
  EXPECT_FALSE(ZOR::browse_for_folder(chosen, folder / L"missing", L"", L"参照", L"選択"));
  EXPECT_EQ(chosen, L"unchanged");
  ZOR::Cerror_info info;
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.kind, 3);
  EXPECT_EQ(info.operation, L"SHParseDisplayName");
}

}  // namespace

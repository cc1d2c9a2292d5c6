// Files dropped on an edit box: the first path, shortcuts resolved to their targets.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/controls/edit.h"
#include "lib/controls/shortcut.h"
#include "lib/window/dialog.h"
#include "tests/driver/test_places.h"
#include "tests/support/window_testing.h"
#include "tests/unit/controls/test_resource.h"

namespace {

// COM for the shell link object, as the program entry provides it.
class Drop : public zor_test::Window_test {
 protected:
  void SetUp() override {
    Window_test::SetUp();
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  }
  void TearDown() override {
    CoUninitialize();
    Window_test::TearDown();
  }
};

// A drop handle as the shell makes it: DROPFILES followed by the wide paths, each ended
// by a NUL, and a final NUL. The receiver frees it with DragFinish.
HDROP make_drop(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const auto& path : paths) list += path + L'\0';
  list += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

void make_shortcut(const std::wstring& link_path, const std::wstring& target) {
  IShellLinkW* link = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                         reinterpret_cast<void**>(&link))));
  link->SetPath(target.c_str());
  IPersistFile* file = nullptr;
  HRESULT saved = E_FAIL;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = file->Save(link_path.c_str(), TRUE);
    file->Release();
  }
  link->Release();
  ASSERT_TRUE(SUCCEEDED(saved));
}

TEST_F(Drop, DroppedPathBecomesTheTextWithShortcutsResolved) {
  driver::Ctemp_folder folder;
  ASSERT_FALSE(folder.path().empty());
  const std::wstring target = folder / L"ゲーム本体.txt";
  const std::wstring other = folder / L"other.txt";
  const std::wstring link = folder / L"ショートカット.lnk";
  const std::wstring fake_link = folder / L"fake.lnk";
  ASSERT_TRUE(driver::write_bytes(target, "target"));
  ASSERT_TRUE(driver::write_bytes(other, "other"));
  ASSERT_TRUE(driver::write_bytes(fake_link, "not a shell link"));
  make_shortcut(link, target);

  ZOR::C_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_CONTROLS, L"controls"));
  ZOR::Cc_edit edit;
  ASSERT_TRUE(dialog.bind_control(edit, IDC_EDIT, L"edit"));

  struct Row {
    const char* what;
    std::vector<std::wstring> dropped;
    std::wstring expected;
  };
  const Row rows[] = {
      {"an ordinary file gives its own path", {other}, other},
      {"a shortcut gives its target", {link}, target},
      {"of several files only the first counts", {other, link, target}, other},
      {"a shortcut first among several is resolved", {link, other}, target},
      {"a file named .lnk that is no shortcut stays as it is", {fake_link}, fake_link},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    edit.set_text(L"");
    SendMessageW(edit.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(make_drop(row.dropped)), 0);
    EXPECT_EQ(edit.get_text_lines(), row.expected);
  }
  EXPECT_EQ(ZOR::resolve_shortcut(link), target);
  EXPECT_EQ(ZOR::resolve_shortcut(folder / L"missing.lnk"), folder / L"missing.lnk");
}

}  // namespace

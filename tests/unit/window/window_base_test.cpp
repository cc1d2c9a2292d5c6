// Operations on bound windows, child creation, icons, and binding through the static
// procedure (window classes and property-sheet pages).
#include "lib/window/window_base.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "lib/error/error.h"
#include "lib/window/application.h"
#include "lib/window/dialog.h"
#include "tests/support/window_testing.h"
#include "tests/unit/window/test_resource.h"

namespace {

using Window_base = zor_test::Window_test;

// A control that counts the messages by which a setter touches the window.
class Ccounting_control : public ZOR::C_control {
 public:
  Ccounting_control() : C_control(L"Edit") {}
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_SETTEXT) ++set_text_count;
    if (message == WM_SHOWWINDOW) ++show_count;
    if (message == WM_ENABLE) ++enable_count;
    return C_control::window_proc(message, wparam, lparam);
  }
  int set_text_count = 0;
  int show_count = 0;
  int enable_count = 0;
};

TEST_F(Window_base, SettersTouchTheWindowOnlyWhenTheStateChanges) {
  ZOR::C_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"setters"));
  Ccounting_control edit;
  ASSERT_TRUE(dialog.bind_control(edit, IDC_TEST_EDIT, L"edit"));

  edit.set_text(L"日本語");
  EXPECT_EQ(edit.set_text_count, 1);
  edit.set_text(L"日本語");
  EXPECT_EQ(edit.set_text_count, 1) << "the current text is not set again";
  EXPECT_EQ(edit.get_text(), L"日本語");
  edit.set_text(L"日本");
  EXPECT_EQ(edit.set_text_count, 2);
  edit.set_text_lines(L"a\nb");
  EXPECT_EQ(edit.get_text(), L"a\r\nb");
  edit.set_text_lines(L"a\nb");
  EXPECT_EQ(edit.set_text_count, 3);

  edit.set_show(true);
  EXPECT_EQ(edit.show_count, 0) << "the edit box is visible already";
  edit.set_show(false);
  edit.set_show(false);
  EXPECT_EQ(edit.show_count, 1);
  EXPECT_FALSE(IsWindowVisible(edit.hwnd));
  edit.set_show(true);
  EXPECT_EQ(edit.show_count, 2);

  edit.set_enable(true);
  EXPECT_EQ(edit.enable_count, 0);
  edit.set_enable(false);
  edit.set_enable(false);
  EXPECT_EQ(edit.enable_count, 1);
  EXPECT_FALSE(IsWindowEnabled(edit.hwnd));
  edit.set_enable(true);
  EXPECT_EQ(edit.enable_count, 2);
}

TEST_F(Window_base, UnboundObjectDoesNothing) {
  ZOR::C_control control(L"Static");
  EXPECT_EQ(control.anchor, 7);
  control.close();
  control.destroy();
  control.set_main_window();
  control.set_focus();
  control.set_active();
  control.set_foreground();
  control.set_show(true);
  control.set_enable(false);
  control.set_text(L"x");
  control.set_text_lines(L"x\ny");
  control.set_client_size(10, 10);
  control.set_icon(IDI_TEST);
  EXPECT_EQ(control.window_icon_large, nullptr);
  EXPECT_EQ(control.get_text(), L"");
  const RECT rect = control.get_rect_in_parent();
  EXPECT_TRUE(IsRectEmpty(&rect));
  EXPECT_EQ(control.call_default(WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(control.window_proc(WM_CLOSE, 0, 0), 0);
  EXPECT_TRUE(control.attach(nullptr));
  EXPECT_EQ(control.hwnd, nullptr);
  EXPECT_EQ(ZOR::application.main_window, nullptr);
}

TEST_F(Window_base, CreateChildMakesAHiddenBoundChildOfASystemClass) {
  ZOR::C_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"parent"));
  ZOR::C_control button(L"Button");
  ASSERT_TRUE(button.create_child(L"menu_button", button.class_name, L"押す", dialog.hwnd));
  HWND first = button.hwnd;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetParent(first), dialog.hwnd);
  const auto style = GetWindowLongPtrW(first, GWL_STYLE);
  EXPECT_EQ(style & (WS_CHILD | WS_TABSTOP | WS_VISIBLE), WS_CHILD | WS_TABSTOP);
  EXPECT_NE(GetWindowLongPtrW(first, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY, 0);
  EXPECT_EQ(button.get_text(), L"押す");
  EXPECT_EQ(button.name, L"menu_button");
  EXPECT_EQ(GetWindowLongPtrW(first, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ZOR::static_window_proc));
  RECT client;
  GetClientRect(first, &client);
  EXPECT_TRUE(IsRectEmpty(&client));
  EXPECT_TRUE(button.create_child(L"menu_button", button.class_name, L"二度目", dialog.hwnd));
  EXPECT_EQ(button.hwnd, first);

  ZOR::C_control nothing(L"NoSuchClassAnywhere");
  EXPECT_FALSE(nothing.create_child(L"bad", nothing.class_name, L"", dialog.hwnd));
  EXPECT_EQ(nothing.hwnd, nullptr);
  EXPECT_NE(ZOR::get_last_error_text().find(L"関数 CreateWindowEx においてエラーが発生しました。"),
            std::wstring::npos);
}

TEST_F(Window_base, SetClientSizeGivesExactlyThatClientArea) {
  ZOR::C_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"sized"));
  ZOR::C_control edit(L"Edit");
  ASSERT_TRUE(dialog.bind_control(edit, IDC_TEST_EDIT, L"edit"));
  struct Row {
    ZOR::C_window_base* window;
    int width;
    int height;
  };
  const Row rows[] = {{&dialog, 300, 150}, {&dialog, 120, 90}, {&edit, 100, 20}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.window->name));
    const RECT before = row.window->get_rect_in_parent();
    row.window->set_client_size(row.width, row.height);
    RECT client;
    GetClientRect(row.window->hwnd, &client);
    EXPECT_EQ(client.right - client.left, row.width);
    EXPECT_EQ(client.bottom - client.top, row.height);
    const RECT after = row.window->get_rect_in_parent();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
  }
}

// The width and height of an icon's colour bitmap.
SIZE icon_size(HICON icon) {
  SIZE size = {};
  ICONINFO info = {};
  if (!GetIconInfo(icon, &info)) return size;
  BITMAP bitmap = {};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  size.cx = bitmap.bmWidth;
  size.cy = bitmap.bmHeight;
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return size;
}

TEST_F(Window_base, SetIconMakesBothSizesTheClassIcons) {
  ZOR::C_dialog dialog;
  ASSERT_TRUE(dialog.create(IDD_TEST_PLAIN, L"icon"));
  dialog.set_icon(IDI_TEST);
  ASSERT_NE(dialog.window_icon_large, nullptr);
  ASSERT_NE(dialog.window_icon_small, nullptr);
  EXPECT_EQ(GetClassLongPtrW(dialog.hwnd, GCLP_HICON), reinterpret_cast<LONG_PTR>(dialog.window_icon_large));
  EXPECT_EQ(GetClassLongPtrW(dialog.hwnd, GCLP_HICONSM), reinterpret_cast<LONG_PTR>(dialog.window_icon_small));
  EXPECT_EQ(icon_size(dialog.window_icon_large).cx, 32);
  EXPECT_EQ(icon_size(dialog.window_icon_small).cx, 16);
  // The dialog class is shared by every dialog of the process: leave it as it was.
  dialog.set_class_icon(nullptr);
  dialog.set_class_small_icon(nullptr);
  EXPECT_EQ(GetClassLongPtrW(dialog.hwnd, GCLP_HICON), 0);
}

// A window of a class whose procedure is the library's static procedure.
class Cplain_window : public ZOR::C_window_base {
 public:
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_CREATE) saw_create = hwnd != nullptr;
    return C_window_base::window_proc(message, wparam, lparam);
  }
  bool saw_create = false;
};

TEST_F(Window_base, StaticProcedureBindsTheObjectOfACreationMessage) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &ZOR::static_window_proc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"zor_test_plain_window";
  RegisterClassExW(&window_class);

  Cplain_window object;
  HWND window = CreateWindowExW(0, window_class.lpszClassName, L"窓", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                                nullptr, nullptr, window_class.hInstance, &object);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(object.hwnd, window);
  EXPECT_TRUE(object.saw_create);
  EXPECT_EQ(object.prev_proc, nullptr);
  EXPECT_FALSE(object.is_dialog);
  EXPECT_EQ(ZOR::application.window_list, std::vector<HWND>{window});
  EXPECT_EQ(object.create_window_rect.right - object.create_window_rect.left, 200);
  EXPECT_EQ(object.get_text(), L"窓");
  DestroyWindow(window);
  EXPECT_EQ(object.hwnd, nullptr);
  EXPECT_TRUE(ZOR::application.window_list.empty());

  HWND no_object = CreateWindowExW(0, window_class.lpszClassName, L"素", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50,
                                   nullptr, nullptr, window_class.hInstance, nullptr);
  ASSERT_NE(no_object, nullptr) << "a window without object gets the default handling";
  wchar_t text[8] = {};
  GetWindowTextW(no_object, text, 8);
  EXPECT_EQ(std::wstring(text), L"素");
  DestroyWindow(no_object);
  UnregisterClassW(window_class.lpszClassName, window_class.hInstance);
}

TEST_F(Window_base, PropertySheetPageBindsThePagesObject) {
  ZOR::C_dialog page_object;
  PROPSHEETPAGEW page = {};
  page.dwSize = sizeof(page);
  page.hInstance = GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(IDD_TEST_MODAL);
  page.pfnDlgProc = reinterpret_cast<DLGPROC>(&ZOR::static_window_proc);
  page.lParam = reinterpret_cast<LPARAM>(&page_object);
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS;
  header.hInstance = page.hInstance;
  header.pszCaption = L"シート";
  header.nPages = 1;
  header.ppsp = &page;
  auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
  ASSERT_NE(sheet, nullptr);
  zor_test::pump_until([&] { return page_object.hwnd != nullptr; }, 2000);
  ASSERT_NE(page_object.hwnd, nullptr);
  EXPECT_EQ(GetParent(page_object.hwnd), sheet);
  DestroyWindow(sheet);
  EXPECT_EQ(page_object.hwnd, nullptr);
}

}  // namespace

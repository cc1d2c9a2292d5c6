// Test driver: finding, reading and answering the message boxes of a program under test.
#include "tests/driver/message_box.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "tests/driver/window_access.h"

namespace driver {
namespace {

// Control ids of Wine's message box template.
constexpr int text_id = 65535;
constexpr int icon_id = 1088;
constexpr int button_ids[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};
// How long a shown icon may take to appear on the screen before it counts as unknown.
constexpr DWORD icon_paint_timeout_ms = 3000;

struct Standard_icon {
  const wchar_t* resource;
  Box_icon kind;
};
const Standard_icon standard_icons[] = {
    {IDI_WARNING, Box_icon::warning},
    {IDI_ERROR, Box_icon::error},
    {IDI_INFORMATION, Box_icon::information},
    {IDI_QUESTION, Box_icon::question},
};

// Pixels (0x00RRGGBB, top-down) of a width x height picture that draw paints.
template <typename Paint>
std::vector<std::uint32_t> pixels_of(int width, int height, Paint draw) {
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  draw(memory, screen);
  SelectObject(memory, old);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  if (!GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS)) {
    pixels.clear();
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (auto& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

std::vector<std::uint32_t> icon_on(HICON icon, int width, int height, COLORREF background) {
  return pixels_of(width, height, [&](HDC memory, HDC) {
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  });
}

bool close_colours(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 8) {
      return false;
    }
  }
  return true;
}

// Share (0 to 1) of the icon's opaque pixels that the screen shows alike. Opaque pixels
// are those that come out the same on a black and on a white background, so the box's
// own background does not matter.
double match(HICON icon, const std::vector<std::uint32_t>& shown, int width, int height) {
  const auto on_black = icon_on(icon, width, height, RGB(0, 0, 0));
  const auto on_white = icon_on(icon, width, height, RGB(255, 255, 255));
  if (on_black.size() != shown.size() || on_white.size() != shown.size()) return 0;
  size_t opaque = 0;
  size_t alike = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (on_black[i] != on_white[i]) continue;
    ++opaque;
    if (close_colours(on_black[i], shown[i])) ++alike;
  }
  return opaque ? static_cast<double>(alike) / opaque : 0;
}

// Which standard icon the icon static shows. A box of the test's own process shares the
// icon handles of LoadIconW; another process has handles of its own, so there the
// picture on the screen is compared with each standard icon.
Box_icon identify_icon(HWND icon_static) {
  DWORD_PTR shown_icon = 0;
  if (!icon_static || !IsWindowVisible(icon_static) ||
      !SendMessageTimeoutW(icon_static, STM_GETICON, 0, 0, SMTO_NORMAL, default_timeout_ms,
                           &shown_icon) ||
      !shown_icon) {
    return Box_icon::none;
  }
  for (const auto& standard : standard_icons) {
    if (reinterpret_cast<HICON>(shown_icon) == LoadIconW(nullptr, standard.resource)) {
      return standard.kind;
    }
  }
  RECT client;
  GetClientRect(icon_static, &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return Box_icon::unknown;
  // The box may be found before it has painted its icon: look again for a while.
  const ULONGLONG deadline = GetTickCount64() + icon_paint_timeout_ms;
  do {
    POINT origin = {0, 0};
    ClientToScreen(icon_static, &origin);
    const auto shown = pixels_of(width, height, [&](HDC memory, HDC screen) {
      BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    });
    for (const auto& standard : standard_icons) {
      // Information and question icons share about 84% of their pixels.
      if (match(LoadIconW(nullptr, standard.resource), shown, width, height) > 0.97) {
        return standard.kind;
      }
    }
    Sleep(50);
  } while (GetTickCount64() < deadline && IsWindow(icon_static));
  return Box_icon::unknown;
}

}  // namespace

bool Cmessage_box::has_button(int id) const {
  for (int button : buttons) {
    if (button == id) return true;
  }
  return false;
}

bool is_message_box(HWND window) {
  if (class_name_of(window) != L"#32770") return false;
  HWND text = GetDlgItem(window, text_id);
  HWND icon = GetDlgItem(window, icon_id);
  return text && icon && class_name_of(text) == L"Static" &&
         (GetWindowLongPtrW(icon, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

HWND find_message_box(DWORD process_id) {
  HWND found = nullptr;
  for (HWND window : top_level_windows(process_id)) {
    if (!IsWindowVisible(window) || !is_message_box(window)) continue;
    if (IsWindowEnabled(window)) return window;
    if (!found) found = window;
  }
  return found;
}

Cmessage_box wait_message_box(DWORD process_id, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    // identify_icon itself waits for a box that has just appeared to paint its icon.
    if (HWND box = find_message_box(process_id)) return read_message_box(box);
    if (GetTickCount64() >= deadline) break;
    Sleep(10);
  }
  ADD_FAILURE() << "no message box in process " << process_id << " within " << timeout_ms
                << " ms; its windows:\n"
                << testing::PrintToString(describe_windows(process_id));
  return Cmessage_box();
}

Cmessage_box read_message_box(HWND box) {
  Cmessage_box read;
  read.window = box;
  read.caption = text_of(box);
  read.text = item_text(box, text_id);
  for (int id : button_ids) {
    HWND button = GetDlgItem(box, id);
    if (!button || !IsWindowVisible(button)) continue;
    read.buttons.push_back(id);
    if ((GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      read.default_button = id;
    }
  }
  read.icon = identify_icon(GetDlgItem(box, icon_id));
  return read;
}

bool answer_message_box(const Cmessage_box& box, int button_id, DWORD timeout_ms) {
  if (!box.has_button(button_id)) {
    ADD_FAILURE() << "the message box " << testing::PrintToString(box.text)
                  << " shows no button " << button_id;
    return false;
  }
  // Posted: the box's modal loop handles it while the test goes on to wait for the end.
  if (!post_click(box.window, button_id)) return false;
  return wait_window_gone(box.window, timeout_ms);
}

const char* icon_name(Box_icon icon) {
  switch (icon) {
    case Box_icon::none: return "none";
    case Box_icon::warning: return "warning";
    case Box_icon::error: return "error";
    case Box_icon::information: return "information";
    case Box_icon::question: return "question";
    case Box_icon::unknown: return "unknown";
  }
  return "?";
}

bool expect_message_box(DWORD process_id, const std::wstring& caption, const std::wstring& text, Box_icon icon,
                        int answer) {
  Cmessage_box box = wait_message_box(process_id);
  if (!box.window) return false;
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(box.text, text);
  EXPECT_STREQ(icon_name(box.icon), icon_name(icon));
  return answer_message_box(box, answer);
}

}  // namespace driver

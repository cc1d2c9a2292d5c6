// Combo boxes.
#include "lib/controls/combobox.h"

#include <vector>

namespace ZOR {

Cc_combobox::Cc_combobox() : C_control(L"ComboBox") {}

std::wstring Cc_combobox::get_item_text(int index) const {
  if (hwnd == nullptr) return std::wstring();
  const LRESULT length = SendMessageW(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 16, L'\0');
  const LRESULT copied =
      SendMessageW(hwnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

int Cc_combobox::get_cur_sel() const {
  if (hwnd == nullptr) return CB_ERR;
  return static_cast<int>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0));
}

}  // namespace ZOR

// The list view wrapper: columns, rows and cells (in the control, or in the object for an
// owner-data list), the first column's fitting and the end of an in-place edit.
#include "lib/listview/listview.h"

#include <algorithm>
#include <cwchar>

#include "lib/text/text.h"

namespace ZOR {

namespace {

// The control's text buffer for one cell: 260 characters with the terminator.
constexpr int cell_buffer_length = 260;

// The cells of a numeric edit: the text as a signed decimal number, fallback when it holds
// none, clamped to minimum..maximum.
std::int32_t edited_number(const std::wstring& text, std::int32_t fallback, std::int32_t minimum,
                           std::int32_t maximum) {
  const wchar_t* start = text.c_str();
  wchar_t* end = nullptr;
  const long long parsed = std::wcstoll(start, &end, 10);
  long long value = end == start ? fallback : parsed;
  value = std::max<long long>(value, minimum);
  value = std::min<long long>(value, maximum);
  return static_cast<std::int32_t>(value);
}

}  // namespace

Cc_listview::Cc_listview() : C_control(WC_LISTVIEWW) {
  editor_edit.list = this;
  editor_edit.partner = &editor_spin;
  editor_spin.list = this;
  editor_spin.partner = &editor_edit;
  editor_combo.list = this;
}

LRESULT Cc_listview::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      column_names.clear();
      break;
    case WM_CONTEXTMENU:
      on_context_menu();
      break;
    case WM_COMMAND:
      if (lparam != 0 && reinterpret_cast<HWND>(lparam) == editor_combo.hwnd) on_combo_command(HIWORD(wparam));
      break;
    default:
      break;
  }
  return C_control::window_proc(message, wparam, lparam);
}

bool Cc_listview::owner_data() const {
  return hwnd != nullptr && (GetWindowLongPtrW(hwnd, GWL_STYLE) & LVS_OWNERDATA) != 0;
}

std::size_t Cc_listview::column_stride() const { return std::max<std::size_t>(1, column_names.size()); }

void Cc_listview::add_column(const std::wstring& column_name, const std::wstring& caption) {
  if (hwnd == nullptr) return;
  const int index = column_count();
  const std::size_t old_stride = column_stride();
  LVCOLUMNW column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = 100;
  column.pszText = const_cast<wchar_t*>(caption.c_str());
  column.iSubItem = index;
  SendMessageW(hwnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  if (column_names.size() <= static_cast<std::size_t>(index)) column_names.resize(static_cast<std::size_t>(index) + 1);
  column_names[static_cast<std::size_t>(index)] = column_name;
  // Rows kept here that were made with fewer columns get an empty cell for the new one.
  const std::size_t new_stride = column_stride();
  if (owner_data() && new_stride != old_stride && owned_cells_.size() > 0) {
    const std::size_t rows = owned_cells_.size() / old_stride;
    Ccell_store cells;
    for (std::size_t row = 0; row < rows; ++row) {
      for (std::size_t column_index = 0; column_index < old_stride; ++column_index) {
        cells.append(owned_cells_.get(row * old_stride + column_index));
      }
      cells.append_empty(new_stride - old_stride);
    }
    std::swap(owned_cells_, cells);
  }
}

int Cc_listview::column_count() const {
  if (hwnd == nullptr) return 0;
  HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0));
  return header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int Cc_listview::row_count() const {
  if (hwnd == nullptr) return 0;
  return static_cast<int>(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0));
}

int Cc_listview::append_row() {
  if (hwnd == nullptr) return -1;
  if (owner_data()) return append_rows({std::wstring_view()}) == 1 ? row_count() - 1 : -1;
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row_count();
  item.pszText = const_cast<wchar_t*>(L"");
  return static_cast<int>(SendMessageW(hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int Cc_listview::append_rows(const std::vector<std::wstring_view>& first_cells, Row_display display) {
  if (hwnd == nullptr || first_cells.empty()) return 0;
  if (owner_data()) {
    const std::size_t stride = column_stride();
    for (const std::wstring_view text : first_cells) {
      owned_cells_.append(text);
      owned_cells_.append_empty(stride - 1);
    }
    if (display == Row_display::now) {
      // The control learns only the new count; it asks for the texts of the rows it paints.
      SendMessageW(hwnd, LVM_SETITEMCOUNT, owned_cells_.size() / stride, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    }
    return static_cast<int>(first_cells.size());
  }
  SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  int appended = 0;
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row_count();
  for (const std::wstring_view text : first_cells) {
    const std::wstring terminated(text);
    item.pszText = const_cast<wchar_t*>(terminated.c_str());
    if (SendMessageW(hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) < 0) break;
    ++item.iItem;
    ++appended;
  }
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd, nullptr, FALSE);
  return appended;
}

void Cc_listview::set_cell_text(int row, int column, const std::wstring& text) {
  if (hwnd == nullptr || row < 0 || column < 0) return;
  if (get_cell_text(row, column) == text) return;
  if (owner_data()) {
    const std::size_t stride = column_stride();
    const std::size_t index = static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(column);
    if (static_cast<std::size_t>(column) >= stride || index >= owned_cells_.size()) return;
    owned_cells_.set(index, text);
    SendMessageW(hwnd, LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
    return;
  }
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(hwnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::wstring Cc_listview::get_cell_text(int row, int column) const {
  if (hwnd == nullptr || row < 0 || column < 0) return std::wstring();
  if (owner_data()) {
    const std::size_t stride = column_stride();
    const std::size_t index = static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(column);
    if (static_cast<std::size_t>(column) >= stride || index >= owned_cells_.size()) return std::wstring();
    return std::wstring(owned_cells_.get(index).substr(0, cell_buffer_length - 1));
  }
  wchar_t buffer[cell_buffer_length] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = cell_buffer_length;
  const LRESULT length = SendMessageW(hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return std::wstring(buffer, static_cast<std::size_t>(std::clamp<LRESULT>(length, 0, cell_buffer_length - 1)));
}

void Cc_listview::delete_all_rows() {
  if (hwnd == nullptr) return;
  if (owner_data()) {
    owned_cells_.clear();
    // LVM_DELETEALLITEMS would still walk every row of the control; a count of 0 does not.
    SendMessageW(hwnd, LVM_SETITEMCOUNT, 0, 0);
    return;
  }
  SendMessageW(hwnd, LVM_DELETEALLITEMS, 0, 0);
}

bool Cc_listview::show_rows() {
  if (hwnd == nullptr || !owner_data()) return false;
  const std::size_t rows = owned_cells_.size() / column_stride();
  if (static_cast<std::size_t>(row_count()) == rows) return false;
  // Only the area of the added rows is invalidated, and only where it is in view; the rows
  // shown before are not repainted. The redraw stays on: turning it off and on again around
  // the count made the list lay itself out and invalidate itself whole, the longest part of
  // a show (up to 400 ms on a busy machine with a million rows).
  SendMessageW(hwnd, LVM_SETITEMCOUNT, rows, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  return true;
}

void Cc_listview::ensure_visible(int row) {
  if (hwnd != nullptr) SendMessageW(hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void Cc_listview::fit_first_column() {
  if (hwnd == nullptr) return;
  RECT client = {};
  GetClientRect(hwnd, &client);
  int width = client.right - client.left;
  const int columns = column_count();
  for (int column = 1; column < columns; ++column) {
    width -= static_cast<int>(SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
  }
  width = std::max(width, 0);
  // Setting the width repaints the list; only a change may do that, since this runs from
  // WM_PAINT and would otherwise paint for ever.
  if (columns > 0 && SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, 0, 0) != width) {
    SendMessageW(hwnd, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
  }
  ShowScrollBar(hwnd, SB_HORZ, FALSE);
}

void Cc_listview::fill_display_info(NMLVDISPINFOW& info) const {
  if (!owner_data() || (info.item.mask & LVIF_TEXT) == 0 || info.item.pszText == nullptr || info.item.cchTextMax <= 0) {
    return;
  }
  const std::size_t stride = column_stride();
  const std::size_t index =
      static_cast<std::size_t>(info.item.iItem) * stride + static_cast<std::size_t>(info.item.iSubItem);
  const bool exists = info.item.iItem >= 0 && info.item.iSubItem >= 0 &&
                      static_cast<std::size_t>(info.item.iSubItem) < stride && index < owned_cells_.size();
  const std::wstring_view text = exists ? owned_cells_.get(index) : std::wstring_view();
  const std::size_t length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(info.item.cchTextMax) - 1);
  std::copy_n(text.data(), length, info.item.pszText);
  info.item.pszText[length] = L'\0';
}

void Cc_listview::fill_record(Ccell_edit_notify& record, UINT code, std::int32_t value, const wchar_t* text) const {
  record.header.hwndFrom = hwnd;
  record.header.idFrom = static_cast<UINT_PTR>(GetWindowLongPtrW(hwnd, GWL_ID));
  record.header.code = code;
  record.row = edit_row;
  record.column = edit_column;
  record.value = value;
  record.text = text;
}

void Cc_listview::end_edit(bool commit, Edit_end_reason reason) {
  editing = false;
  if (hwnd == nullptr) return;
  HWND parent = GetParent(hwnd);
  const WPARAM id = static_cast<WPARAM>(GetWindowLongPtrW(hwnd, GWL_ID));
  if (commit) {
    edit_text = editor_edit.get_text_lines();
    if (edit_numeric) edit_text = int_to_text(edited_number(edit_text, number_default, number_min, number_max));
    fill_record(changing_record, cell_changing_code, 0, edit_text.c_str());
    SendMessageW(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&changing_record));
    set_cell_text(edit_row, edit_column, edit_text);
    fill_record(changed_record, cell_changed_code, 0, edit_text.c_str());
    PostMessageW(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&changed_record));
  }
  fill_record(ended_record, edit_ended_code, reason, nullptr);
  PostMessageW(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&ended_record));
  editor_edit.destroy();
  editor_spin.destroy();
}

void Cc_listview::commit_combo_edit() {
  editing = false;
  if (hwnd == nullptr) return;
  HWND parent = GetParent(hwnd);
  const WPARAM id = static_cast<WPARAM>(GetWindowLongPtrW(hwnd, GWL_ID));
  const int index = editor_combo.get_cur_sel();
  fill_record(changing_record, cell_changing_code, index, nullptr);
  SendMessageW(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&changing_record));
  set_cell_text(edit_row, edit_column, editor_combo.get_item_text(index));
  fill_record(changed_record, cell_changed_code, index, nullptr);
  PostMessageW(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&changed_record));
  editor_combo.destroy();
}

void Cc_listview::cancel_combo_edit() {
  editing = false;
  editor_combo.destroy();
}

void Cc_listview::on_combo_command(WORD code) {
  if (!editing) return;
  if (code == CBN_SELENDOK) commit_combo_edit();
  if (code == CBN_SELENDCANCEL) cancel_combo_edit();
}

}  // namespace ZOR

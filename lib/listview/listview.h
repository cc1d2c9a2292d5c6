// The report-style list view of a dialog: named columns, rows of text cells, the first
// column fitted to the list's width, the CSV export of its context menu, and the ending
// side of its in-place editors with the notifications they send to the parent.
#ifndef ZOR_LISTVIEW_LISTVIEW_H
#define ZOR_LISTVIEW_LISTVIEW_H

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lib/listview/cell_store.h"
#include "lib/listview/item_editors.h"
#include "lib/window/window_base.h"

namespace ZOR {

// Codes of the WM_NOTIFY messages an edit sends to the list's parent.
constexpr UINT cell_changing_code = static_cast<UINT>(-190);  // sent before the cell changes
constexpr UINT cell_changed_code = static_cast<UINT>(-191);   // posted after it changed
constexpr UINT edit_ended_code = static_cast<UINT>(-192);     // posted when an edit box or spin edit ends

// The record of those notifications. The list keeps one per code, so that a posted one
// stays valid until the parent reads it (until the next edit ends).
struct Ccell_edit_notify {
  NMHDR header;         // the list's window, its control id (GWL_ID), the code
  int row;
  int column;
  std::int32_t value;   // combo: the selected index; edit ended: the Edit_end_reason
  const wchar_t* text;  // edit box: the new text (owned by the list); otherwise null
};

// A file-type filter of the save dialog: description ("CSV ファイル") and pattern ("*.csv").
using Csave_filter = std::pair<std::wstring, std::wstring>;

// The platform's save-file dialog owned by the main window: filters (the first selected),
// title, file name preset to default_name, the default extension taken from default_name,
// and the question before an existing file is replaced. The current directory is the same
// afterwards. Returns the chosen path; empty when the user cancelled or the dialog failed
// (recorded under "GetSaveFileName").
std::wstring ask_save_path(const std::vector<Csave_filter>& filters, const std::wstring& title,
                           const std::wstring& default_name);

// One cell as a CSV field: every double quote doubled, and the whole enclosed in double
// quotes when it holds a double quote or a comma; other cells unchanged.
std::wstring csv_field(const std::wstring& cell);

// A list view control ("SysListView32") bound from a dialog template. A list whose
// template gives it LVS_OWNERDATA keeps its cells in this object instead of the control
// (the control only knows how many rows there are), so that hundreds of thousands of rows
// cost no message each and clearing them is immediate; its parent must pass every
// LVN_GETDISPINFOW of the list to fill_display_info. Both kinds offer the same operations.
class Cc_listview : public C_control {
 public:
  Cc_listview();
  // WM_DESTROY forgets the columns; WM_CONTEXTMENU offers "csv で保存"; WM_COMMAND from the
  // combo editor ends its edit. Everything goes on to the default handling.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  // ---- Columns and rows ----

  // Appends a left-aligned column 100 pixels wide showing caption; column_names gets name.
  void add_column(const std::wstring& column_name, const std::wstring& caption);
  // The header's item count; 0 when unbound.
  int column_count() const;
  // LVM_GETITEMCOUNT; 0 when unbound.
  int row_count() const;
  // Inserts an empty row after the last one and returns its index; -1 when unbound or
  // when the control refused it.
  int append_row();
  // Appends one row per text, the text in its first cell, with the list's redraw off
  // while they go in. Returns how many rows were appended. An owner-data list given
  // Row_display::deferred keeps the rows to itself until show_rows: the control (and so
  // row_count, the cells and the exports) learns of them then, in one step.
  enum class Row_display { now, deferred };
  int append_rows(const std::vector<std::wstring_view>& first_cells, Row_display display = Row_display::now);
  // Tells an owner-data list's control the rows appended so far, when there are new ones,
  // invalidating only the added rows; true when the count changed. The scroll to them is
  // the caller's (ensure_visible), so that it can come in a pass of its own.
  bool show_rows();
  // Sets the cell's text, only when it differs from the current one.
  void set_cell_text(int row, int column, const std::wstring& text);
  // The cell's text, at most 259 characters (the control's text buffer holds 260); empty
  // for a cell that does not exist.
  std::wstring get_cell_text(int row, int column) const;
  // Removes every row.
  void delete_all_rows();
  // Scrolls the list so that row is shown (LVM_ENSUREVISIBLE).
  void ensure_visible(int row);
  // Makes the first column as wide as the client area minus the other columns (at least
  // 0) and hides the horizontal scroll bar.
  void fit_first_column();

  // ---- Owner-data lists ----

  // LVN_GETDISPINFOW of an owner-data list: copies the asked cell's text into the
  // control's buffer. Does nothing for a list that keeps its own cells.
  void fill_display_info(NMLVDISPINFOW& info) const;
  bool owner_data() const;

  // ---- CSV ----

  // The context menu's command: asks for a path ("CSV 形式で保存") and writes the file;
  // nothing when the user cancels. A failed write is recorded, not shown.
  void save_as_csv();
  // The whole list as CSV lines: one per row, the cells of every column joined by commas
  // as csv_field gives them, "\n" between lines and none after the last.
  std::wstring csv_text() const;
  // Writes csv_text to path in text mode (each "\n" becomes CR LF), converted to the ANSI
  // code page, replacing the file. Records the failure (lib/file) and returns false.
  bool write_csv(const std::wstring& path) const;

  // ---- The ending side of the in-place editors ----

  // Ends an edit-box or spin edit: editing off; when commit, the edit box's text (for a
  // numeric cell read as a signed decimal number, number_default when it is none, clamped
  // to number_min..number_max) is announced (cell_changing_code, sent), set into the cell
  // and announced again (cell_changed_code, posted); then edit_ended_code is posted with
  // reason, and the edit box and spin windows are destroyed.
  void end_edit(bool commit, Edit_end_reason reason);
  // Commits the combo edit: editing off; the selected index announced (sent), the cell set
  // to that item's text, the index announced again (posted); the combo window destroyed.
  void commit_combo_edit();
  // Ends the combo edit without a change and destroys the combo window.
  void cancel_combo_edit();

  std::vector<std::wstring> column_names;
  Citem_edit editor_edit;
  Citem_spin editor_spin;
  Citem_combo editor_combo;
  bool editing = false;
  int edit_row = 0;
  int edit_column = 0;
  bool edit_numeric = false;
  std::int32_t number_min = 0;
  std::int32_t number_max = 0;
  std::int32_t number_default = 0;
  std::wstring edit_text;
  Ccell_edit_notify changing_record = {};
  Ccell_edit_notify changed_record = {};
  Ccell_edit_notify ended_record = {};

 private:
  // The record of one notification about the cell being edited.
  void fill_record(Ccell_edit_notify& record, UINT code, std::int32_t value, const wchar_t* text) const;
  // WM_CONTEXTMENU: the one-item menu at the cursor; "csv で保存" runs save_as_csv.
  void on_context_menu();
  // WM_COMMAND from the combo editor.
  void on_combo_command(WORD code);

  // The cells of an owner-data list, row after row, column_stride cells a row.
  Ccell_store owned_cells_;
  std::size_t column_stride() const;
};

}  // namespace ZOR

#endif

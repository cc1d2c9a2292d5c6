// Modeless and modal dialogs from resource templates, with the controls bound to them.
#ifndef ZOR_WINDOW_DIALOG_H
#define ZOR_WINDOW_DIALOG_H

#include <windows.h>

#include <string>
#include <vector>

#include "lib/window/geometry.h"
#include "lib/window/splitter.h"
#include "lib/window/window_base.h"

namespace ZOR {

class C_dialog : public C_window_base {
 public:
  // Registers the dialog at WM_CREATE or WM_INITDIALOG.
  void window_proc_pre(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Children, status bar and splitters follow WM_SIZE; the rest goes to the base.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  // Creates the modeless dialog of template_id (the object is bound at WM_INITDIALOG).
  // Returns true at once when already bound; records "CreateDialogParam" and returns
  // false when the dialog cannot be created.
  bool create(int template_id, const std::wstring& dialog_name, bool min_size = false,
              bool snapping = false, HWND parent = nullptr, int anchor_place = 0);
  // Binds control to the dialog item item_id (subclassing it) and appends it to children.
  // The control stays owned by the caller. When the item does not exist the control stays
  // unbound (its operations do nothing); "GetDlgItem" is recorded and false returned.
  // Without anchor_place the control is left untouched when the dialog is sized (anchor
  // 0), so the place and size the dialog gives it stay; 7 would put it back at its
  // template rectangle at every WM_SIZE.
  bool bind_control(C_control& control, int item_id, const std::wstring& control_name,
                    int anchor_place = 0);

  bool has_status_bar = false;
  // Receives every WM_SIZE of the dialog when has_status_bar is set.
  HWND status_bar = nullptr;
  std::vector<Csplitter> splitters;
  Csplitter* drag_splitter = nullptr;
  int drag_start_cursor = 0;
  int drag_start_position = 0;
};

// A dialog whose window_proc dispatches the three messages every program dialog handles
// to its handlers; the derived dialog writes only the handlers it needs.
class C_handler_dialog : public C_dialog {
 public:
  // WM_INITDIALOG -> on_init, WM_COMMAND -> on_command(LOWORD(wparam)), WM_CLOSE ->
  // on_close (a refused close is swallowed, so the window stays); every message then
  // goes on to C_dialog, except a refused WM_CLOSE and a WM_INITDIALOG that on_init
  // answered with true.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

 protected:
  // WM_INITDIALOG: binds the controls and sets their first state. True answers the message
  // with TRUE, which lets the dialog manager put the focus on the first control; false
  // (the default) leaves the focus where on_init put it, or nowhere.
  virtual bool on_init();
  // WM_COMMAND from a control, menu or accelerator: id is its identifier. Does nothing
  // by default.
  virtual void on_command(int id);
  // WM_CLOSE: true lets the window be destroyed (the default), false keeps it.
  virtual bool on_close();
};

// A modal dialog with the same handlers. Its on_close must end the dialog itself
// (EndDialog) and return false: WM_CLOSE passed on to the default handling would destroy
// the window under the running modal loop.
class C_modal_dialog : public C_handler_dialog {
 public:
  // Runs the modal dialog of template_id without owner and returns the value it passed to
  // EndDialog; 0 when it is already running; -1 with "DialogBoxParam" recorded when it
  // cannot be created.
  INT_PTR run_modal(int template_id, const std::wstring& dialog_name);
};

}  // namespace ZOR

#endif

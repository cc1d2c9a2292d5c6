// Edit boxes: line-break conversion, keys that stay in the box, and dropped files.
#ifndef ZOR_CONTROLS_EDIT_H
#define ZOR_CONTROLS_EDIT_H

#include <string>

#include "lib/window/window_base.h"

namespace ZOR {

// An edit box. The programs' texts break lines with "\n"; the box holds "\r\n".
class Cc_edit : public C_control {
 public:
  Cc_edit();
  // Enter, Escape, Up and Down stay in the box (Enter and Escape press nothing unless a
  // multi-line ES_WANTRETURN box breaks the line); a dropped file (a shortcut resolved to
  // its target) becomes the box's text. Everything else goes on to the default handling.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  // The box's whole text with every "\r\n" turned into "\n"; empty when unbound.
  std::wstring get_text_lines() const;
  // Turns every "\n" into "\r\n" and sets the text only when it differs from the box's.
  void set_text_lines(const std::wstring& text);

 private:
  // WM_GETDLGCODE: the default code, plus DLGC_WANTALLKEYS for the keys kept in the box.
  LRESULT on_get_dlg_code(WPARAM wparam, LPARAM lparam);
  // WM_DROPFILES: the first dropped path, resolved when it is a shortcut, becomes the text.
  void on_drop_files(HDROP drop);
};

}  // namespace ZOR

#endif

// The object that owns one window: binding through the property "this", subclassing, the
// shared static procedure, default handling and the operations every bound window offers.
#ifndef ZOR_WINDOW_WINDOW_BASE_H
#define ZOR_WINDOW_WINDOW_BASE_H

#include <windows.h>

#include <string>
#include <vector>

namespace ZOR {

// The one procedure of the library: window procedure of every window it subclasses or
// creates, and dialog procedure of every dialog it creates. Routes each message to the
// object named by the window's property "this".
LRESULT CALLBACK static_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// True when hwnd is a dialog window that runs a dialog procedure (class "#32770" with a
// non-zero DWLP_DLGPROC). Other classes keep private data at that offset of their
// window extra bytes, so the class is checked first.
bool has_dialog_procedure(HWND hwnd);

class C_window_base {
 public:
  C_window_base() = default;
  C_window_base(const C_window_base&) = delete;
  C_window_base& operator=(const C_window_base&) = delete;

  // First virtual operation: bookkeeping before the handler proper. The base records the
  // creation rectangles and registers the window in window_list at WM_CREATE.
  virtual void window_proc_pre(UINT message, WPARAM wparam, LPARAM lparam);
  // Second virtual operation: the handler. Overrides handle what they want and pass the
  // rest on to their base class's window_proc; the base does the default handling.
  virtual LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam);

  // Binds the object to hwnd: property "this", rect_in_parent when the parent is bound,
  // is_dialog, and the static procedure installed (the replaced one kept in prev_proc).
  // A null hwnd does nothing. Returns true.
  bool attach(HWND window);
  // Puts prev_proc back, removes the property, leaves the bound parent's children, the
  // window and snap lists, clears main_window when it is this window and forgets the
  // handle. Does nothing when unbound.
  void detach();
  // The end of every handler chain: prev_proc when one was replaced, otherwise 0 for a
  // dialog and DefWindowProcW for other windows; 0 when unbound.
  LRESULT call_default(UINT message, WPARAM wparam, LPARAM lparam);

  // Creates a child window of the system class class_name on parent (WS_CHILD|WS_TABSTOP,
  // at 0,0 with an empty client area; the caller places it) and binds it. Records
  // "CreateWindowEx" and returns false on failure. Returns true at once when bound.
  bool create_child(const std::wstring& window_name, const std::wstring& window_class,
                    const std::wstring& text, HWND parent);

  // Operations on the bound window; each does nothing (0, false, empty) when unbound.
  void close();
  void destroy();
  void set_main_window();
  void set_focus();
  void set_active();
  void set_foreground();
  // ShowWindow only when the WS_VISIBLE style differs from show.
  void set_show(bool show);
  // EnableWindow only when the enabled state differs from enable.
  void set_enable(bool enable);
  // The window text, at most 1023 characters.
  std::wstring get_text() const;
  // SetWindowTextW only when text differs from get_text (no flicker, no notification).
  void set_text(const std::wstring& text);
  // set_text after every "\n" became "\r\n".
  void set_text_lines(const std::wstring& text);
  // The current rectangle in the parent's client coordinates; empty when unbound.
  RECT get_rect_in_parent() const;
  // Sizes the window so that its client area is width by height; the position is kept.
  void set_client_size(int width, int height);
  // Moves and sizes the window (a child: in its parent's client coordinates).
  void set_window_rect(int x, int y, int width, int height);
  // WM_SETFONT with redraw; the font stays owned by the caller (a stock font needs no owner).
  void set_font(HFONT font);
  // Loads icon resource icon_id at 32 and 16 pixels (owned by this object, the previous
  // pair destroyed) and makes them the window class's large and small icons.
  void set_icon(int icon_id);
  void set_class_icon(HICON icon);
  void set_class_small_icon(HICON icon);

  HWND hwnd = nullptr;
  std::wstring name;
  WNDPROC prev_proc = nullptr;
  bool is_dialog = false;
  RECT create_window_rect = {};
  RECT create_client_rect = {};
  RECT rect_in_parent = {};
  bool limit_min_size = false;
  bool snap = false;
  int anchor = 0;
  // Controls bound to this window, in binding order; not owned.
  std::vector<C_window_base*> children;
  // Owned; destroyed with the object.
  HICON window_icon_large = nullptr;
  HICON window_icon_small = nullptr;

 protected:
  // Destroys the icons and unbinds a window that still exists; never destroys the window.
  // Not virtual, so that the class has exactly its two virtual operations; objects are
  // members or locals of their concrete class and are never deleted through this base.
  ~C_window_base();
  // Takes the creation rectangles and appends hwnd to window_list (once).
  void register_created_window();

 private:
  void destroy_icons();
};

// The base of every control wrapper: adds the system window class of the control.
class C_control : public C_window_base {
 public:
  explicit C_control(const std::wstring& window_class = std::wstring());

  std::wstring class_name;
};

}  // namespace ZOR

#endif

// The log list: the column is fitted before every paint.
#include "chronicle/lst_log.h"

LRESULT Cc_lst_log::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) fit_first_column();
  return Cc_listview::window_proc(message, wparam, lparam);
}

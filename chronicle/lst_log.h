// The log list of Chronicle's window: a list view whose single column always fills it.
#ifndef CHRONICLE_LST_LOG_H
#define CHRONICLE_LST_LOG_H

#include "lib/listview/listview.h"

class Cc_lst_log : public ZOR::Cc_listview {
 public:
  // WM_PAINT fits the first column to the list's width first (no horizontal scroll bar).
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;
};

#endif

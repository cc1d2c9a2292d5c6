// "ログを保存する": the rows as a text file, one line each.
#include "chronicle/gui_main.h"
#include "lib/file/file.h"

void C_gui_main::save_log_as_text() {
  const std::wstring path =
      ZOR::ask_save_path({{L"テキストファイル", L"*.txt"}}, L"ログファイルを保存する", L"LumoraEngineLog.txt");
  if (path.empty()) return;
  std::wstring text;
  const int rows = log_list.row_count();
  for (int row = 0; row < rows; ++row) {
    text += log_list.get_cell_text(row, 0);
    text += L'\n';
  }
  // Text mode: every line feed reaches the file as CR LF. A failure stays recorded only.
  ZOR::Cfile file;
  if (file.open(path, L"wt")) {
    file.write_text(text);
    file.close();
  }
}

// The sample dialog program: a modeless main dialog with Japanese texts on standard
// controls, run by the library's program entry and pump; the end-to-end driver's target.
#include <windows.h>

#include "lib/controls/button.h"
#include "lib/controls/edit.h"
#include "lib/controls/progress.h"
#include "lib/controls/static.h"
#include "lib/error/error.h"
#include "lib/window/application.h"
#include "lib/window/dialog.h"
#include "tests/support/sample_dialog/resource.h"

namespace {

const wchar_t initial_edit_text[] = L"編集欄の文字";
const wchar_t message_text[] = L"確認のメッセージです。\nよろしいですか？";
const wchar_t message_caption[] = L"サンプル";
const wchar_t answer_yes[] = L"はい";
const wchar_t answer_no[] = L"いいえ";
const wchar_t create_failed_text[] = L"ダイアログを作成できませんでした。";
const int progress_step = 10;
const int progress_maximum = 100;

class C_sample_dialog : public ZOR::C_handler_dialog {
 private:
  // WM_INITDIALOG: binds the controls and sets their first state; true lets the dialog
  // manager put the focus on the first control.
  bool on_init() override {
    bind_control(label_, IDC_LABEL, L"label");
    bind_control(edit_, IDC_EDIT, L"edit");
    bind_control(check_, IDC_CHECK, L"check");
    bind_control(radio_first_, IDC_RADIO_FIRST, L"radio_first");
    bind_control(radio_second_, IDC_RADIO_SECOND, L"radio_second");
    bind_control(progress_, IDC_PROGRESS, L"progress");
    bind_control(result_, IDC_RESULT, L"result");
    const std::wstring& command_line = ZOR::application.command_line;
    edit_.set_text_lines(command_line.empty() ? std::wstring(initial_edit_text) : command_line);
    check_.set_check(true);
    radio_first_.set_check(true);
    progress_.set_range(progress_maximum);
    progress_.set_pos(progress_position_);
    return true;
  }

  // WM_COMMAND: the push buttons (none has BS_NOTIFY, so each sends only BN_CLICKED), and
  // IDOK/IDCANCEL from Enter and Escape.
  void on_command(int id) override {
    switch (id) {
      case IDC_ADVANCE:
        on_advance_clicked();
        break;
      case IDC_MESSAGE:
        on_message_clicked();
        break;
      case IDOK:
      case IDCANCEL:
        destroy();
        break;
      default:
        break;
    }
  }

  void on_advance_clicked() {
    progress_position_ = progress_position_ >= progress_maximum ? 0 : progress_position_ + progress_step;
    progress_.set_pos(progress_position_);
  }

  void on_message_clicked() {
    int answer = ZOR::message_box(message_text, message_caption, MB_YESNO | MB_ICONQUESTION);
    result_.set_text(answer == IDYES ? answer_yes : answer_no);
  }

  ZOR::Cc_static label_;
  ZOR::Cc_edit edit_;
  ZOR::Cc_check check_;
  ZOR::Cc_radio radio_first_;
  ZOR::Cc_radio radio_second_;
  ZOR::Cc_progress progress_;
  ZOR::Cc_static result_;
  int progress_position_ = 30;
};

void sample_main() {
  C_sample_dialog dialog;
  if (!dialog.create(IDD_SAMPLE, L"sample")) {
    ZOR::show_error(create_failed_text + std::wstring(L"\n") + ZOR::get_last_error_text());
    return;
  }
  dialog.set_main_window();
  dialog.set_icon(IDI_SAMPLE);
  dialog.set_show(true);
  ZOR::run_main_loop();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  return ZOR::run_program(instance, command_line, sample_main);
}

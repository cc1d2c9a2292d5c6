// The settings dialog's handlers, its hover help and the reading of its values.
#include "config/config_dialog.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "config/config_environment.h"
#include "config/resource.h"
#include "lib/cmdline/text_scanner.h"
#include "lib/error/error.h"
#include "lib/text/text.h"

namespace {

// The adapter box's text as a signed decimal number (an optional sign, then digits; what
// follows them is ignored); 0 when it starts with no number or with one beyond 32 bits.
std::int32_t adapter_number_from_text(const std::wstring& text) {
  ZOR::Ctext_scanner scanner(text.data(), text.data() + text.size(), L" \t\n");
  const wchar_t* start = scanner.cur;
  std::int64_t value = 0;
  if (!scanner.read_signed(value)) return 0;
  // The scanner lets a long number wrap: more than ten digits can never be in range.
  const auto digits = std::count_if(start, scanner.cur, [](wchar_t c) { return c >= L'0' && c <= L'9'; });
  if (digits > 10 || value < INT32_MIN || value > INT32_MAX) return 0;
  return static_cast<std::int32_t>(value);
}

}  // namespace

bool C_config_dialog::on_init() {
  set_main_window();
  bind_control(settings_path, IDC_SETTINGS_PATH, L"", 8);
  bind_control(adapter_area, IDC_ADAPTER_AREA, L"");
  bind_control(adapter_no, IDC_ADAPTER_NO, L"");
  bind_control(present_interval, IDC_PRESENT_INTERVAL, L"");
  bind_control(use_mipmap, IDC_USE_MIPMAP, L"");
  bind_control(hardware_vertex, IDC_HARDWARE_VERTEX, L"");
  bind_control(wipe_group, IDC_WIPE_GROUP, L"");
  bind_control(wipe_one, IDC_WIPE_ONE, L"");
  bind_control(wipe_two, IDC_WIPE_TWO, L"");
  bind_control(play_silent_sound, IDC_PLAY_SILENT_SOUND, L"");
  bind_control(movie_group, IDC_MOVIE_GROUP, L"");
  bind_control(movie_mci, IDC_MOVIE_MCI, L"");
  bind_control(movie_wmp, IDC_MOVIE_WMP, L"");
  bind_control(reset, IDC_RESET, L"", 3);
  bind_control(help_text, IDC_HELP_TEXT, L"", 2);
  settings_path.set_text(config_environment.settings_path);
  show_values(config_environment.loaded);
  return false;
}

void C_config_dialog::on_command(int id) {
  switch (id) {
    case IDC_RESET:
      show_values(ZOR::Csystem_settings());
      break;
    default:
      break;
  }
}

bool C_config_dialog::on_close() {
  const ZOR::Csystem_settings values = read_values();
  if (values == config_environment.loaded) return true;
  switch (ZOR::message_box(L"変更を保存します。よろしいですか？", config_caption, MB_ICONQUESTION | MB_YESNOCANCEL)) {
    case IDYES:
      // A failed save has shown its message; the dialog closes all the same.
      save_settings(config_environment.settings_file, values);
      return true;
    case IDNO:
      return true;
    default:
      // Cancel, or a box that could not be shown: the changes stay in the dialog.
      return false;
  }
}

void C_config_dialog::show_values(const ZOR::Csystem_settings& settings) {
  adapter_no.set_text(ZOR::int_to_text(settings.adapter_no));
  hardware_vertex.set_check(settings.hardware_vertex != 0);
  present_interval.set_check(settings.present_interval != 0);
  use_mipmap.set_check(settings.use_mipmap != 0);
  wipe_one.set_check(settings.wipe_buffer_count == 1);
  wipe_two.set_check(settings.wipe_buffer_count == 2);
  play_silent_sound.set_check(settings.play_silent_sound != 0);
  movie_mci.set_check(settings.movie_type == 0);
  movie_wmp.set_check(settings.movie_type == 1);
}

ZOR::Csystem_settings C_config_dialog::read_values() const {
  ZOR::Csystem_settings values;
  values.adapter_no = adapter_number_from_text(adapter_no.get_text());
  values.hardware_vertex = hardware_vertex.get_check() ? 1 : 0;
  values.present_interval = present_interval.get_check() ? 1 : 0;
  values.use_mipmap = use_mipmap.get_check() ? 1 : 0;
  values.wipe_buffer_count = wipe_one.get_check() ? 1 : 2;
  values.play_silent_sound = play_silent_sound.get_check() ? 1 : 0;
  values.movie_type = movie_mci.get_check() ? 0 : 1;
  return values;
}

void C_config_dialog::update_help_text() {
  if (hwnd == nullptr) return;
  // The first area that holds the cursor gives the text; the adapter row's hidden area
  // comes first, so the row's label, box and arrows all show the adapter's help.
  const struct {
    const ZOR::C_window_base& area;
    const wchar_t* text;
  } areas[] = {
      {adapter_area,
       L"Direct3D の作成に使用するディスプレイアダプタ番号を選びます。マルチモニタ環境で、画面が乱れるとき、値を変えてみて下さい。\n"
       L"デフォルト：0"},
      {hardware_vertex,
       L"頂点処理をハードウェアで行います。処理が高速になります。画面が崩れる場合、チェックを外してみて下さい。\nデフォルト：オン"},
      {present_interval,
       L"ディスプレイの垂直同期に合わせて描画を行います。画面が乱れる場合、チェックを外してみて下さい。\nデフォルト：オン"},
      {use_mipmap,
       L"ミップマップを使用します。テクスチャの縮小が綺麗になります。画面が黒くなるなどの場合、チェックを外してみて下さい。\n"
       L"デフォルト：オン"},
      {wipe_group,
       L"ワイプバッファの枚数を指定します。「ビデオメモリが足りません」などのエラーが出る場合、枚数を減らしてみて下さい。\n"
       L"デフォルト：２枚"},
      {play_silent_sound,
       L"バックグラウンドで無音を再生し続けます。プチプチ音が鳴るなどの場合、チェックを入れてみて下さい。\nデフォルト：オフ"},
      {movie_group, L"ムービーの再生方法を指定します。ムービーがうまく再生できない場合、変更してみて下さい。\nデフォルト：WMP"},
  };
  POINT cursor = {};
  GetCursorPos(&cursor);
  for (const auto& area : areas) {
    RECT rect = {};
    // PtInRect counts the left and top edges as inside, the right and bottom ones not.
    if (area.area.hwnd != nullptr && GetWindowRect(area.area.hwnd, &rect) && PtInRect(&rect, cursor)) {
      help_text.set_text(area.text);
      return;
    }
  }
  help_text.set_text(L"");
}

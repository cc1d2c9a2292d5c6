// The programs' start-up checks over the maker's folder: the rules of lib/rules, asked as the
// programs ask them, with advice for the maker after their messages.
#include "disc/program_checks.h"

#include "disc/native_text.h"
#include "lib/rules/autorun_ini.h"
#include "lib/rules/disc_entries.h"
#include "lib/rules/game_location.h"
#include "lib/rules/picture_headers.h"
#include "lib/rules/startup_rules.h"
#include "lib/text/text.h"

namespace disc {

namespace {

// The most of a picture or icon that the checks read.
const std::size_t largest_picture = 256u * 1024 * 1024;

std::string program_name(ZOR::Setup_ini_reader program) { return utf8_of(ZOR::startup_caption(program)); }

const ZOR::Setup_ini_reader both_readers[] = {ZOR::Setup_ini_reader::setup, ZOR::Setup_ini_reader::foyer};

}  // namespace

void check_layout(const Cdisc_view& disc, Creport& report) {
  for (ZOR::Setup_ini_reader program : both_readers) {
    for (const ZOR::Clayout_check& check : ZOR::disc_layout(program)) {
      if (check.name.empty()) continue;
      if (disc.files.path_kind(disc.drive_path(check.name)) == check.kind) continue;
      std::string advice;
      if (check.name == L"Setup.exe") advice = "the build's Setup.exe is missing too (see --programs)";
      report.add(disc.path(utf8_of(check.name)), 0, program_name(program), check.message, advice);
    }
  }
}

bool load_setup_ini(const Cdisc_view& disc, std::vector<std::wstring>& lines, Creport& report) {
  const std::wstring path = disc.drive_path(L"Setup.ini");
  if (disc.files.path_kind(path) != 1) return false;
  if (disc.files.load_lines(path, lines)) return true;
  for (ZOR::Setup_ini_reader program : both_readers) {
    report.add(disc.path("Setup.ini"), 0, program_name(program), ZOR::setup_ini_unreadable_message());
  }
  return false;
}

bool check_setup_ini(const Cdisc_view& disc, const std::vector<std::wstring>& lines, ZOR::Csetup_ini& ini,
                     Creport& report) {
  const std::string ini_path = disc.path("Setup.ini");
  ZOR::Crule_problem problem;
  const bool setup_ok = ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::setup, ini, problem);
  if (!setup_ok) report.add(ini_path, problem.line, "Setup.exe", problem.message);

  ZOR::Csetup_ini menu;
  if (!ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::foyer, menu, problem)) {
    report.add(ini_path, problem.line, "Foyer.exe", problem.message);
    return setup_ok;
  }
  if (!menu.manual_use && !menu.manual_path.empty()) {
    report.note(ini_path, 0, "Foyer.exe does not offer the manual \"" + utf8_of(menu.manual_path) +
                                 "\": #MANUAL_USE is 0", true);
  }
  if (!menu.ex_button_use && !menu.ex_button_path.empty()) {
    report.note(ini_path, 0, "Foyer.exe shows no extra button for \"" + utf8_of(menu.ex_button_path) +
                                 "\": #EX_BUTTON.000.USE is 0", true);
  }
  if (!menu.direct_x_use && disc.files.path_kind(disc.drive_path(L"DirectX")) == 0) {
    report.note(disc.path("DirectX"), 0, "Foyer.exe does not offer the DirectX setup: #DIRECT_X_USE is 0", true);
  }
  ZOR::join_menu_paths(disc.setup_data_dir, menu);
  for (const ZOR::Crule_problem& target : ZOR::menu_target_problems(disc.files, disc.setup_data_dir, menu)) {
    report.add(ini_path, 0, "Foyer.exe", target.message, "with the disc in drive D:");
  }
  return setup_ok;
}

void check_locating(const Cdisc_view& disc, const ZOR::Csetup_ini* ini, Creport& report) {
  ZOR::Cgame_location found;
  ZOR::Crule_problem problem;
  const std::string ini_path = disc.path("Setup.ini");
  if (!ZOR::locate_game(disc.files, disc.setup_data_dir, found, problem)) {
    report.add(ini_path, 0, "Config.exe", problem.message);
    report.add(ini_path, 0, "Chronicle.exe", problem.message);
    return;
  }
  if (ini != nullptr && found.reg_path != ini->reg_path) {
    report.note(ini_path, 0,
                "Config.exe and Chronicle.exe take the first #REG_PATH line as written (\"" + utf8_of(found.reg_path) +
                    "\"), Setup.exe and Foyer.exe the last one outside comments (\"" + utf8_of(ini->reg_path) +
                    "\"): keep one #REG_PATH line, outside comments");
  }
}

void check_pictures(const Cdisc_view& disc, Creport& report) {
  std::string bytes;
  const std::wstring icon = disc.drive_path(L"Setup.ico");
  if (disc.files.path_kind(icon) == 1) {
    const ZOR::Icon_file_problem verdict =
        disc.files.read_head(icon, largest_picture, bytes)
            ? ZOR::icon_file_verdict(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())
            : ZOR::Icon_file_problem::cannot_open;
    if (verdict != ZOR::Icon_file_problem::none) {
      const std::string advice = verdict == ZOR::Icon_file_problem::cannot_open ? "" : "save it as a Windows icon (.ico)";
      report.add(disc.path("Setup.ico"), 0, "Setup.exe", ZOR::icon_file_message(verdict), advice);
      report.add(disc.path("Setup.ico"), 0, "Foyer.exe", ZOR::icon_file_message(verdict), advice);
    }
  }
  const std::wstring picture = disc.drive_path(L"Setup.bmp");
  if (disc.files.path_kind(picture) != 1) return;
  const ZOR::Title_bitmap_problem verdict =
      disc.files.read_head(picture, largest_picture, bytes)
          ? ZOR::title_bitmap_verdict(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())
          : ZOR::Title_bitmap_problem::not_loadable;
  const std::string advice = "save it as an uncompressed 24- or 32-bit Windows bitmap, stored bottom-up";
  if (verdict == ZOR::Title_bitmap_problem::unsupported_depth) {
    report.add(disc.path("Setup.bmp"), 0, "Foyer.exe", ZOR::title_bitmap_depth_message(), advice);
  }
  if (verdict != ZOR::Title_bitmap_problem::none) {
    report.add(disc.path("Setup.bmp"), 0, "Foyer.exe", ZOR::title_bitmap_load_message(), advice);
  }
}

void check_entries(const Cdisc_view& first, const Cdisc_view* second, const ZOR::Csetup_ini& ini, Creport& report) {
  const std::string ini_path = first.path("Setup.ini");
  const int discs = ini.disc_count;
  bool engine_listed = false;
  for (std::size_t i = 0; i < ini.setup_files.size(); ++i) {
    const ZOR::Csetup_file_entry& entry = ini.setup_files[i];
    if (ZOR::lower_copy(entry.path) == ZOR::lower_copy(ZOR::engine_file_name())) engine_listed = true;
    if (entry.disc_index < 0 || entry.disc_index >= discs) {
      report.note(ini_path, 0, "Setup.exe never copies entry " + std::to_string(i + 1) + " \"" + utf8_of(entry.path) +
                                   "\": its disc number is not one of the game's discs", true);
      continue;
    }
    // Without a second folder the builder takes both discs' entries from the first.
    const Cdisc_view* disc = entry.disc_index == 1 && second != nullptr ? second : &first;
    const std::wstring source = disc->drive_path(L"GameData\\" + entry.path);
    if (disc->files.path_kind(source) >= 0) continue;
    if (discs == 1) {
      report.add(ini_path, 0, "Setup.exe", ZOR::missing_entry_message(entry.path));
    } else {
      report.add(disc->path("GameData/" + utf8_of(entry.path)), 0, "Setup.exe", ZOR::missing_source_message(source),
                 "with disc " + std::to_string(entry.disc_index + 1) + " in drive D:");
    }
  }
  // Not a start-up failure: Foyer opens, and only its game buttons would fail.
  if (!engine_listed) {
    report.note(ini_path, 0,
                "no #SETUP_FILE entry installs " + utf8_of(ZOR::engine_file_name()) +
                    " from GameData: Foyer.exe would say \"" + utf8_of(ZOR::engine_file_name()) +
                    " が見つかりませんでした。\" when the game is started",
                true);
  }
}

void check_autorun(const Cdisc_view& disc, Creport& report) {
  std::wstring name;
  ZOR::Crule_problem problem;
  const std::string ini_path = disc.root + "/Autorun.ini";
  const std::wstring drive = disc_drive;
  if (!ZOR::read_setup_data_name(disc.files, drive, name, problem)) {
    report.add(ini_path, problem.line, "Autorun.exe", problem.message);
    return;
  }
  const bool named = disc.files.path_kind(drive + L"\\Autorun.ini") == 1;
  if (!named) return;  // the image builder writes an Autorun.ini naming the folder
  const ZOR::Autorun_hand_over way = ZOR::autorun_hand_over(disc.files, drive + L"\\" + name);
  const bool same = ZOR::lower_copy(name) == ZOR::lower_copy(disc.name);
  const std::string advice = "Autorun.ini names the setup data folder \"" + utf8_of(name) + "\", which is not \"" +
                             utf8_of(disc.name) + "\"";
  if (way == ZOR::Autorun_hand_over::no_foyer || way == ZOR::Autorun_hand_over::no_setup) {
    report.add(ini_path, 0, "Autorun.exe", ZOR::hand_over_problem(way).message, same ? std::string() : advice);
  } else if (!same) {
    report.note(ini_path, 0, advice);
  }
}

}  // namespace disc

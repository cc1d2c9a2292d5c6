// The programs' start-up checks over the maker's folder: the rules of lib/rules, asked as the
// programs ask them, with advice for the maker after their messages.
#include "disc/program_checks.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "disc/native_text.h"
#include "lib/rules/autorun_ini.h"
#include "lib/rules/disc_entries.h"
#include "lib/rules/game_location.h"
#include "lib/rules/picture_headers.h"
#include "lib/rules/program_header.h"
#include "lib/rules/startup_rules.h"
#include "lib/text/text.h"

namespace disc {

namespace {

// The most of a picture or icon that the checks read.
const std::size_t largest_picture = 256u * 1024 * 1024;

std::string program_name(ZOR::Setup_ini_reader program) { return utf8_of(ZOR::startup_caption(program)); }

const ZOR::Setup_ini_reader both_readers[] = {ZOR::Setup_ini_reader::setup, ZOR::Setup_ini_reader::foyer};

const char picture_advice[] =
    "the title picture is an uncompressed 24- or 32-bit Windows bitmap, stored bottom-up, of 400 x 400 pixels "
    "(what the menu shows)";
const char icon_advice[] = "the game's icon is a Windows icon file (.ico), with 16, 32 and 48 pixel images";

// What a maker does about a layout check that fails, by the name checked.
std::string layout_advice(const std::wstring& name) {
  if (name == L"GameData") return "make the folder GameData here: it holds the engine and what #SETUP_FILE names";
  if (name == L"Setup.ini") return "write Setup.ini in code page 932 (lumora-disc new writes a starter; docs/setup_ini.md)";
  if (name == L"Setup.bmp") return picture_advice;
  if (name == L"Setup.ico") return icon_advice;
  if (name == L"Setup.exe") return "the build's Setup.exe is missing too (see --programs)";
  return std::string();
}

// What a maker does about a Setup.ini that a program refuses: the line syntax for a problem
// of one line, the keys otherwise.
std::string reading_advice(const ZOR::Crule_problem& problem) {
  if (problem.line > 0) {
    return "each line is a setting such as #GAME_TITLE = \"...\" (text in double quotes, a backslash written "
           "\\\\), a // or /* */ comment, or blank; docs/setup_ini.md";
  }
  return "docs/setup_ini.md says what each key needs";
}

// A warning when the file at path (a drive path) is there but no Windows program.
void check_program(const Cdisc_view& disc, const std::wstring& path, const std::string& started_by, Creport& report) {
  std::string bytes;
  if (disc.files.path_kind(path) != 1 || !disc.files.read_head(path, ZOR::program_header_reach, bytes)) return;
  if (ZOR::is_windows_program(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())) return;
  report.note(disc.files.linux_path(path), 0,
              started_by + ", but it is not a Windows program (no PE header): put the built program there", true);
}

// The bytes of a file, or of every file below a folder, at a drive path.
std::uint64_t bytes_below(const Cdisc_view& disc, const std::wstring& path) {
  namespace fs = std::filesystem;
  const std::string linux_path = disc.files.linux_path(path);
  std::error_code error;
  if (linux_path_kind(linux_path) == 1) return linux_file_size(linux_path);
  std::uint64_t total = 0;
  for (fs::recursive_directory_iterator it(linux_path, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error)) total += it->file_size(error);
  }
  return total;
}

// What the menu makes of a title picture that is not 400 x 400.
void check_picture_size(const Cdisc_view& disc, const std::string& bytes, Creport& report) {
  int width = 0;
  int height = 0;
  const int side = ZOR::title_picture_side;
  if (!ZOR::bitmap_size(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), width, height) ||
      (width == side && height == side)) {
    return;
  }
  std::string shown;
  if (width >= side && height >= side) {
    shown = "the menu shows only its top-left 400 x 400 pixels";
  } else if (width <= side && height <= side) {
    shown = "the menu shows it in the top-left corner of its 400 x 400 area, the rest the window's background";
  } else {
    shown = "the menu shows its top-left part, up to 400 x 400, the rest the window's background";
  }
  report.note(disc.path("Setup.bmp"), 0,
              "the title picture is " + std::to_string(width) + " x " + std::to_string(height) + " pixels: " + shown +
                  " -- make it 400 x 400",
              true);
}

}  // namespace

void check_layout(const Cdisc_view& disc, Creport& report) {
  for (ZOR::Setup_ini_reader program : both_readers) {
    for (const ZOR::Clayout_check& check : ZOR::disc_layout(program)) {
      if (check.name.empty()) continue;
      if (disc.files.path_kind(disc.drive_path(check.name)) == check.kind) continue;
      report.add(disc.path(utf8_of(check.name)), 0, program_name(program), check.message, layout_advice(check.name));
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
  if (!setup_ok) report.add(ini_path, problem.line, "Setup.exe", problem.message, reading_advice(problem));

  ZOR::Csetup_ini menu;
  if (!ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::foyer, menu, problem)) {
    report.add(ini_path, problem.line, "Foyer.exe", problem.message, reading_advice(problem));
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
    report.add(ini_path, 0, "Foyer.exe", target.message,
               "with the disc in drive D:; the menu's paths are relative to the setup data folder " + disc.folder);
  }
  // What the menu starts must be a program when it is named as one.
  std::vector<std::wstring> started;
  if (menu.direct_x_use) started.push_back(disc.drive_path(L"DirectX\\DXSETUP.exe"));
  if (menu.manual_use) started.push_back(menu.manual_path);
  if (menu.ex_button_use) started.push_back(menu.ex_button_path);
  for (const std::wstring& path : started) {
    if (ZOR::lower_copy(ZOR::extension_of(path)) == L"exe") check_program(disc, path, "Foyer.exe's menu starts it", report);
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
      const std::string advice = verdict == ZOR::Icon_file_problem::cannot_open ? "" : icon_advice;
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
  if (verdict == ZOR::Title_bitmap_problem::unsupported_depth) {
    report.add(disc.path("Setup.bmp"), 0, "Foyer.exe", ZOR::title_bitmap_depth_message(), picture_advice);
  }
  if (verdict != ZOR::Title_bitmap_problem::none) {
    report.add(disc.path("Setup.bmp"), 0, "Foyer.exe", ZOR::title_bitmap_load_message(), picture_advice);
  } else {
    check_picture_size(disc, bytes, report);
  }
}

void check_entries(const Cdisc_view& first, const Cdisc_view* second, const ZOR::Csetup_ini& ini, Creport& report) {
  const std::string ini_path = first.path("Setup.ini");
  const int discs = ini.disc_count;
  bool engine_listed = false;
  std::uint64_t installed = 0;
  for (std::size_t i = 0; i < ini.setup_files.size(); ++i) {
    const ZOR::Csetup_file_entry& entry = ini.setup_files[i];
    const bool engine = ZOR::lower_copy(entry.path) == ZOR::lower_copy(ZOR::engine_file_name());
    if (engine) engine_listed = true;
    if (entry.disc_index < 0 || entry.disc_index >= discs) {
      report.note(ini_path, 0, "Setup.exe never copies entry " + std::to_string(i + 1) + " \"" + utf8_of(entry.path) +
                                   "\": its disc number is not one of the game's discs", true);
      continue;
    }
    // Without a second folder the builder takes both discs' entries from the first.
    const Cdisc_view* disc = entry.disc_index == 1 && second != nullptr ? second : &first;
    const std::wstring source = disc->drive_path(L"GameData\\" + entry.path);
    if (disc->files.path_kind(source) >= 0) {
      installed += bytes_below(*disc, source);
      if (engine) check_program(*disc, source, "Foyer.exe's game buttons and Chronicle.exe start it", report);
      continue;
    }
    const std::string place = disc->path("GameData/" + utf8_of(ZOR::replace_all_copy(entry.path, L"\\", L"/")));
    const std::string advice = engine ? "put the game's engine at " + place + ": Foyer.exe starts the game with it"
                                      : "put it at " + place + ", or remove its #SETUP_FILE line";
    if (discs == 1) {
      report.add(ini_path, 0, "Setup.exe", ZOR::missing_entry_message(entry.path), advice);
    } else {
      report.add(place, 0, "Setup.exe", ZOR::missing_source_message(source),
                 "with disc " + std::to_string(entry.disc_index + 1) + " in drive D:; " + advice);
    }
  }
  // A one-disc Setup measures the entries itself; with two it takes #SETUP_SIZE as written.
  if (discs == 2 && static_cast<std::uint64_t>(ini.setup_size < 0 ? 0 : ini.setup_size) < installed) {
    report.note(ini_path, 0,
                "Setup.exe checks the free space for a two-disc install against #SETUP_SIZE = " +
                    std::to_string(ini.setup_size) + " bytes, but the entries install " + grouped(installed) +
                    " bytes -- write #SETUP_SIZE = " + std::to_string(installed),
                true);
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
    report.add(ini_path, problem.line, "Autorun.exe", problem.message,
               "Autorun.ini holds only #SETUP_DATA = \"<setup data folder>\" lines and blank ones");
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

// The disc tool's check: the programs' own start-up rules (lib/rules) run over the maker's
// folders as they would be seen in drive D:, then what only a maker needs to know.
#include "disc/check.h"

#include <algorithm>
#include <memory>

#include "disc/medium.h"
#include "disc/native_files.h"
#include "disc/layout_text.h"
#include "disc/native_text.h"
#include "lib/rules/autorun_ini.h"
#include "lib/rules/disc_entries.h"
#include "lib/rules/game_location.h"
#include "lib/rules/picture_headers.h"
#include "lib/rules/startup_rules.h"
#include "lib/text/text.h"

namespace disc {

namespace {

// The drive in which the report places the disc: the paths in the programs' messages are
// those a player with the disc in D: would read.
const wchar_t drive[] = L"D:";
// Where Setup installs by default on a 64-bit Windows (its CSIDL_PROGRAM_FILES).
const wchar_t default_install_base[] = L"C:\\Program Files";
const std::size_t max_path = 260;
// The image writer's Joliet names: the long-name extension (103 UTF-16 units), not the
// standard's 64.
const std::size_t joliet_name_units = 103;
const std::uint64_t four_gib = 4ULL * 1024 * 1024 * 1024;
const std::uint64_t sector = 2048;
// Volume descriptors, path tables and the system area of an ISO 9660 + Joliet image, in
// sectors; each folder adds its records to both trees.
const std::uint64_t image_overhead_sectors = 400;
const std::size_t largest_picture = 256u * 1024 * 1024;
const char* const program_files[] = {"Setup.exe", "Foyer.exe", "Config.exe", "Chronicle.exe"};

std::wstring wide(const std::string& utf8) {
  std::wstring text;
  utf8_to_wide(utf8, text);
  return text;
}

std::string utf8(const std::wstring& text) { return utf8_of(text); }

std::wstring folded(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

std::string without_final_slash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string name_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string parent_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The problems found, one per place and message: when several programs meet the same
// message at the same place, one line names them all.
class Creport {
 public:
  void add(const std::string& path, int line, const std::string& program, const std::wstring& message,
           const std::string& advice = std::string(), bool warning = false) {
    for (Centry& entry : entries_) {
      if (entry.path == path && entry.line == line && entry.message == message && entry.warning == warning &&
          entry.advice == advice) {
        if (std::find(entry.programs.begin(), entry.programs.end(), program) == entry.programs.end()) {
          entry.programs.push_back(program);
        }
        return;
      }
    }
    entries_.push_back(Centry{path, line, {program}, message, advice, warning});
  }
  // A maker's problem that no program shows as such.
  void note(const std::string& path, int line, const std::string& text, bool warning = false) {
    add(path, line, std::string(), std::wstring(), text, warning);
  }

  void append_to(std::vector<Cproblem>& problems) const {
    for (const Centry& entry : entries_) {
      Cproblem problem;
      problem.path = entry.path;
      problem.line = entry.line;
      problem.warning = entry.warning;
      std::string programs;
      for (const std::string& program : entry.programs) {
        if (program.empty()) continue;
        programs += (programs.empty() ? "" : ", ") + program;
      }
      if (!programs.empty()) problem.text = programs + ": " + utf8(entry.message);
      if (!entry.advice.empty()) problem.text += (problem.text.empty() ? "" : " -- ") + entry.advice;
      problems.push_back(problem);
    }
  }

 private:
  struct Centry {
    std::string path;
    int line;
    std::vector<std::string> programs;
    std::wstring message;
    std::string advice;
    bool warning;
  };
  std::vector<Centry> entries_;
};

// One disc as the programs see it in drive D:.
struct Cdisc_view {
  Cdisc_view(const std::string& linux_folder, const std::string& programs_folder)
      : folder(without_final_slash(linux_folder)),
        root(parent_of(folder)),
        name(wide(name_of(folder))),
        setup_data_dir(std::wstring(drive) + L"\\" + name),
        files(drive, root) {
    for (const char* program : program_files) {
      files.add_stand_in(setup_data_dir + L"\\" + wide(program),
                         programs_folder.empty() ? std::string() : programs_folder + "/" + program);
    }
  }
  std::string path(const std::string& below) const { return folder + "/" + below; }

  std::string folder;
  std::string root;
  std::wstring name;
  std::wstring setup_data_dir;
  Cnative_files files;
};

std::string program_name(ZOR::Setup_ini_reader program) { return utf8(ZOR::startup_caption(program)); }

void check_layout(const Cdisc_view& disc, Creport& report) {
  for (ZOR::Setup_ini_reader program : {ZOR::Setup_ini_reader::setup, ZOR::Setup_ini_reader::foyer}) {
    for (const ZOR::Clayout_check& check : ZOR::disc_layout(program)) {
      if (check.name.empty()) continue;
      if (disc.files.path_kind(disc.setup_data_dir + L"\\" + check.name) == check.kind) continue;
      std::string advice;
      if (check.name == L"Setup.exe") advice = "the build's Setup.exe is missing too (see --programs)";
      report.add(disc.path(utf8(check.name)), 0, program_name(program), check.message, advice);
    }
  }
}

// Setup's and Foyer's reading of Setup.ini, Foyer's menu targets and the keys it ignores.
// Fills setup_ini when Setup accepts the file; false otherwise.
bool check_setup_ini(const Cdisc_view& disc, const std::vector<std::wstring>& lines, ZOR::Csetup_ini& setup_ini,
                     Creport& report) {
  const std::string ini_path = disc.path("Setup.ini");
  ZOR::Cini_problem problem;
  const bool setup_ok = ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::setup, setup_ini, problem);
  if (!setup_ok) report.add(ini_path, problem.line, "Setup.exe", problem.message);

  ZOR::Csetup_ini menu;
  if (!ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::foyer, menu, problem)) {
    report.add(ini_path, problem.line, "Foyer.exe", problem.message);
    return setup_ok;
  }
  if (!menu.manual_use && !menu.manual_path.empty()) {
    report.note(ini_path, 0, "Foyer.exe does not offer the manual \"" + utf8(menu.manual_path) +
                                 "\": #MANUAL_USE is 0", true);
  }
  if (!menu.ex_button_use && !menu.ex_button_path.empty()) {
    report.note(ini_path, 0, "Foyer.exe shows no extra button for \"" + utf8(menu.ex_button_path) +
                                 "\": #EX_BUTTON.000.USE is 0", true);
  }
  if (!menu.direct_x_use && disc.files.path_kind(disc.setup_data_dir + L"\\DirectX") == 0) {
    report.note(disc.path("DirectX"), 0, "Foyer.exe does not offer the DirectX setup: #DIRECT_X_USE is 0", true);
  }
  ZOR::join_menu_paths(disc.setup_data_dir, menu);
  for (const ZOR::Cini_problem& target : ZOR::menu_target_problems(disc.files, disc.setup_data_dir, menu)) {
    report.add(ini_path, 0, "Foyer.exe", target.message, "with the disc in drive D:");
  }
  return setup_ok;
}

// Config's and Chronicle's locating rule over the same Setup.ini, which they read raw.
void check_locating(const Cdisc_view& disc, const ZOR::Csetup_ini* setup_ini, Creport& report) {
  ZOR::Cgame_location found;
  std::wstring message;
  const std::string ini_path = disc.path("Setup.ini");
  if (!ZOR::locate_game(disc.files, disc.setup_data_dir, found, message)) {
    report.add(ini_path, 0, "Config.exe", message);
    report.add(ini_path, 0, "Chronicle.exe", message);
    return;
  }
  if (setup_ini != nullptr && found.reg_path != setup_ini->reg_path) {
    report.note(ini_path, 0,
                "Config.exe and Chronicle.exe take the first #REG_PATH line as written (\"" + utf8(found.reg_path) +
                    "\"), Setup.exe and Foyer.exe the last one outside comments (\"" + utf8(setup_ini->reg_path) +
                    "\"): keep one #REG_PATH line, outside comments");
  }
}

void check_pictures(const Cdisc_view& disc, Creport& report) {
  std::string bytes;
  const std::wstring icon = disc.setup_data_dir + L"\\Setup.ico";
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
  const std::wstring picture = disc.setup_data_dir + L"\\Setup.bmp";
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

// The setup entries on their discs, the disc markers and the engine among the entries.
void check_entries(const Cdisc_view& first, const Cdisc_view* second, const ZOR::Csetup_ini& ini,
                   bool markers_from_build, Creport& report) {
  const std::string ini_path = first.path("Setup.ini");
  const int discs = ini.disc_count;
  // The image builder writes the markers itself (and leaves out any of the maker's); a
  // tree checked as it is must hold them.
  if (discs == 2 && !markers_from_build) {
    const Cdisc_view* views[2] = {&first, second != nullptr ? second : &first};
    for (int index = 0; index < 2; ++index) {
      const Cdisc_view& disc = *views[index];
      const std::wstring marker = ZOR::disc_marker_name(index);
      if (disc.files.path_kind(disc.setup_data_dir + L"\\" + marker) != 1) {
        report.add(disc.path(utf8(marker)), 0, "Setup.exe", ZOR::disc_prompt(ini.disc_names[static_cast<size_t>(index)]),
                   "Setup.exe asks for this disc until the file " + utf8(marker) + " lies in its setup data folder");
      }
    }
  }
  bool engine_listed = false;
  for (std::size_t i = 0; i < ini.setup_files.size(); ++i) {
    const ZOR::Csetup_file_entry& entry = ini.setup_files[i];
    if (folded(entry.path) == folded(ZOR::engine_file_name())) engine_listed = true;
    if (entry.disc_index < 0 || entry.disc_index >= discs) {
      report.note(ini_path, 0, "Setup.exe never copies entry " + std::to_string(i + 1) + " \"" + utf8(entry.path) +
                                   "\": its disc number is not one of the game's discs", true);
      continue;
    }
    // Without a second folder the builder takes both discs' entries from the first.
    const Cdisc_view* disc = entry.disc_index == 1 && second != nullptr ? second : &first;
    const std::wstring source = disc->setup_data_dir + L"\\GameData\\" + entry.path;
    if (disc->files.path_kind(source) >= 0) continue;
    if (discs == 1) {
      report.add(ini_path, 0, "Setup.exe", ZOR::missing_entry_message(entry.path));
    } else {
      report.add(disc->path("GameData/" + utf8(entry.path)), 0, "Setup.exe", ZOR::missing_source_message(source),
                 "with disc " + std::to_string(entry.disc_index + 1) + " in drive D:");
    }
  }
  // Not a start-up failure: Foyer opens, and only its game buttons would fail.
  if (!engine_listed) {
    report.note(ini_path, 0,
                "no #SETUP_FILE entry installs " + utf8(ZOR::engine_file_name()) +
                    " from GameData: Foyer.exe would say \"" + utf8(ZOR::engine_file_name()) +
                    " が見つかりませんでした。\" when the game is started",
                true);
  }
}

// Autorun.ini beside the setup data folder, and Autorun's hand-over to that folder.
void check_autorun(const Cdisc_view& disc, Creport& report) {
  std::wstring name;
  ZOR::Cautorun_problem problem;
  const std::string ini_path = disc.root + "/Autorun.ini";
  if (!ZOR::read_setup_data_name(disc.files, drive, name, problem)) {
    report.add(ini_path, problem.line, "Autorun.exe", problem.message);
    return;
  }
  const bool named = disc.files.path_kind(std::wstring(drive) + L"\\Autorun.ini") == 1;
  if (!named) return;  // the image builder writes an Autorun.ini naming the folder
  const ZOR::Autorun_hand_over way = ZOR::autorun_hand_over(disc.files, std::wstring(drive) + L"\\" + name);
  const std::string advice = "Autorun.ini names the setup data folder \"" + utf8(name) + "\", which is not \"" +
                             utf8(disc.name) + "\"";
  if (way == ZOR::Autorun_hand_over::no_foyer || way == ZOR::Autorun_hand_over::no_setup) {
    report.add(ini_path, 0, "Autorun.exe", ZOR::hand_over_problem(way).message,
               folded(name) == folded(disc.name) ? std::string() : advice);
  } else if (folded(name) != folded(disc.name)) {
    report.note(ini_path, 0, advice);
  }
}

// Windows' reserved characters in a name, and a final dot or space, which it drops.
bool windows_holds_name(const std::wstring& name) {
  for (wchar_t c : name) {
    if (c < 32 || std::wstring(L"<>:\"/\\|?*").find(c) != std::wstring::npos) return false;
  }
  return !name.empty() && name.back() != L'.' && name.back() != L' ';
}

// True when the entry paths of ini install relative (a path below GameData, '\' joined).
bool installed(const ZOR::Csetup_ini& ini, int disc_index, const std::wstring& relative) {
  const std::wstring path = folded(relative);
  for (const ZOR::Csetup_file_entry& entry : ini.setup_files) {
    if (entry.disc_index != disc_index) continue;
    const std::wstring listed = folded(entry.path);
    if (path == listed || (path.size() > listed.size() && path.compare(0, listed.size(), listed) == 0 &&
                           path[listed.size()] == L'\\')) {
      return true;
    }
  }
  return false;
}

struct Ctree_totals {
  std::uint64_t sectors = 0;
  std::uint64_t folders = 0;
};

// Every name below a disc's setup data folder: code page 932, Windows' names, Joliet's
// length, files of 4 GiB, the installed paths' length; and the sectors it needs.
void check_tree(const Cdisc_view& disc, int disc_index, const ZOR::Csetup_ini* ini, const std::string& linux_folder,
                const std::wstring& relative, Creport& report, Ctree_totals& totals) {
  ++totals.folders;
  for (const std::string& name_bytes : linux_folder_names(linux_folder)) {
    const std::string path = linux_folder + "/" + name_bytes;
    std::wstring name;
    if (!utf8_to_wide(name_bytes, name)) {
      report.note(path, 0, "the name is not UTF-8 text: it cannot be written to the image's Joliet names");
      continue;
    }
    const std::wstring below = relative.empty() ? name : relative + L"\\" + name;
    if (!cp932_holds(name)) {
      report.note(path, 0, "a name code page 932 cannot hold: a Japanese Windows shows it garbled and Setup.ini "
                           "(code page 932) cannot name it");
    }
    if (!windows_holds_name(name)) {
      report.note(path, 0, "Windows cannot hold this name (one of < > : \" / \\ | ? *, or a final dot or space)");
    }
    if (utf16_length(name) > joliet_name_units) {
      report.note(path, 0, "the name is longer than the image's Joliet names (" + std::to_string(joliet_name_units) +
                               " UTF-16 units)");
    }
    const int kind = linux_path_kind(path);
    if (kind == 0) {
      check_tree(disc, disc_index, ini, path, below, report, totals);
      continue;
    }
    const std::uint64_t size = linux_file_size(path);
    totals.sectors += (size + sector - 1) / sector;
    if (size >= four_gib) {
      report.note(path, 0, "a file of 4 GiB or more: the image stores it in several ISO 9660 extents (level 3), "
                           "which some older drives and players cannot read", true);
    }
    const std::wstring game_data = L"GameData\\";
    if (ini != nullptr && below.compare(0, game_data.size(), game_data) == 0 &&
        installed(*ini, disc_index, below.substr(game_data.size()))) {
      const std::wstring target =
          std::wstring(default_install_base) + L"\\" + ini->reg_path + L"\\" + below.substr(game_data.size());
      if (utf16_length(target) >= max_path) {
        report.note(path, 0, "installed below the default folder its path has " + std::to_string(utf16_length(target)) +
                                 " characters, over Windows' 259: Setup.exe cannot create it (" + utf8(target) + ")");
      }
    }
  }
}

void check_room(const Cdisc_view& disc, int disc_index, const ZOR::Csetup_ini* ini, const std::string& programs_folder,
                Cmedium medium, Creport& report) {
  Ctree_totals totals;
  check_tree(disc, disc_index, ini, disc.folder, std::wstring(), report, totals);
  // What the image builder adds: the missing programs, Autorun.exe and autorun.inf.
  for (const char* program : program_files) {
    if (linux_path_kind(disc.path(program)) == 1 || programs_folder.empty()) continue;
    totals.sectors += (linux_file_size(programs_folder + "/" + program) + sector - 1) / sector;
  }
  if (!programs_folder.empty()) {
    totals.sectors += (linux_file_size(programs_folder + "/Autorun.exe") + sector - 1) / sector;
  }
  totals.sectors += 2 + 2 * totals.folders + image_overhead_sectors;
  const std::uint64_t room = medium_sectors(medium);
  if (totals.sectors > room) {
    report.note(disc.folder, 0,
                "disc " + std::to_string(disc_index + 1) + " needs about " + std::to_string(totals.sectors) +
                    " sectors of 2,048 bytes; a " + medium_name(medium) + " holds " + std::to_string(room));
  }
}

// Setup.ini is read in code page 932: a file in another encoding shows garbled texts.
void check_encoding(const Cdisc_view& disc, Creport& report) {
  std::string bytes;
  if (!disc.files.read_head(disc.setup_data_dir + L"\\Setup.ini", 64u * 1024 * 1024, bytes)) return;
  std::wstring decoded;
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii) return;
  std::wstring as_utf8;
  if (utf8_to_wide(bytes, as_utf8)) {
    report.note(disc.path("Setup.ini"), 0, "Setup.ini looks like UTF-8; the programs read it in code page 932 "
                                           "(iconv -f UTF-8 -t CP932)", true);
  } else if (!decode_cp932(bytes.data(), bytes.size(), decoded)) {
    report.note(disc.path("Setup.ini"), 0, "Setup.ini holds bytes that are not code page 932 text", true);
  }
}

}  // namespace

bool check_disc(const Ccheck_input& input, std::vector<Cproblem>& problems, std::string& why) {
  if (linux_path_kind(input.folder) != 0) {
    why = input.folder + ": not a folder";
    return false;
  }
  if (!input.second_folder.empty() && linux_path_kind(input.second_folder) != 0) {
    why = input.second_folder + ": not a folder";
    return false;
  }
  if (!input.programs_folder.empty() && linux_path_kind(input.programs_folder) != 0) {
    why = input.programs_folder + ": the programs' folder is not a folder";
    return false;
  }
  Creport report;
  const Cdisc_view first(input.folder, input.programs_folder);
  std::unique_ptr<Cdisc_view> second;
  if (!input.second_folder.empty()) second.reset(new Cdisc_view(input.second_folder, input.programs_folder));

  check_layout(first, report);
  ZOR::Csetup_ini setup_ini;
  bool setup_ok = false;
  std::vector<std::wstring> lines;
  const std::wstring ini_path = first.setup_data_dir + L"\\Setup.ini";
  if (first.files.path_kind(ini_path) == 1) {
    if (!first.files.load_lines(ini_path, lines)) {
      report.add(first.path("Setup.ini"), 0, "Setup.exe", L"Setup.ini が開けませんでした。");
      report.add(first.path("Setup.ini"), 0, "Foyer.exe", L"Setup.ini が開けませんでした。");
    } else {
      check_encoding(first, report);
      setup_ok = check_setup_ini(first, lines, setup_ini, report);
      check_locating(first, setup_ok ? &setup_ini : nullptr, report);
    }
  }
  check_pictures(first, report);
  // Without GameData every entry would be reported again after the layout's message.
  const bool game_data = first.files.path_kind(first.setup_data_dir + L"\\GameData") == 0;
  if (setup_ok && game_data) check_entries(first, second.get(), setup_ini, input.markers_from_build, report);
  if (second && setup_ok && setup_ini.disc_count != 2) {
    report.note(second->folder, 0, "a second disc's folder was given, but Setup.ini says #DISC_CNT = " +
                                       std::to_string(setup_ini.disc_count));
  }
  check_autorun(first, report);
  check_room(first, 0, setup_ok ? &setup_ini : nullptr, input.programs_folder, input.medium, report);
  if (second) check_room(*second, 1, setup_ok ? &setup_ini : nullptr, input.programs_folder, input.medium, report);
  report.append_to(problems);
  return true;
}

std::string problem_line(const Cproblem& problem) {
  std::string line = problem.path;
  if (problem.line > 0) line += ":" + std::to_string(problem.line);
  line += ": ";
  if (problem.warning) line += "warning: ";
  // One problem per line: a line feed inside a message is written as the two characters \n.
  for (char c : problem.text) {
    if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace disc

// Laying out the disc trees from the maker's setup data folder, the build's programs and the
// files the tool makes; Setup.ini is read through the core's one reading for Setup.
#include "disc/layout.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "disc/disc_view.h"
#include "disc/layout_text.h"
#include "disc/native_text.h"
#include "lib/rules/autorun_ini.h"
#include "lib/rules/disc_entries.h"
#include "lib/rules/startup_rules.h"
#include "lib/setting/setup_ini.h"
#include "lib/text/text.h"

namespace disc {

namespace {

namespace fs = std::filesystem;

// Windows compares names without regard to ASCII case.
using ZOR::lower_copy;

// The five programs and the disc markers, which the tool puts on the disc itself.
bool is_made_by_the_build(const std::string& name) {
  std::wstring wide;
  utf8_to_wide(name, wide);
  wide = lower_copy(wide);
  std::vector<std::wstring> names = ZOR::setup_data_programs();
  names.push_back(ZOR::autorun_program_name());
  names.push_back(ZOR::disc_marker_name(0));
  names.push_back(ZOR::disc_marker_name(1));
  for (const std::wstring& made : names) {
    if (wide == lower_copy(made)) return true;
  }
  return false;
}

// A disc being filled: files by disc path, folders as a set, both kept in name order.
struct Cdisc_builder {
  std::map<std::string, Cdisc_file> files;
  std::map<std::string, bool> folders;
  std::string clash;  // a disc path that two files of different names share on Windows

  void add_folder_with_parents(const std::string& path) {
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
      folders[path.substr(0, slash)] = true;
    }
    folders[path] = true;
  }
  void add_file(Cdisc_file file) {
    const std::size_t slash = file.disc_path.rfind('/');
    if (slash != std::string::npos) add_folder_with_parents(file.disc_path.substr(0, slash));
    Cdisc_file& place = files[lower_copy(file.disc_path)];
    if (!place.disc_path.empty() && place.disc_path != file.disc_path) clash = place.disc_path + " and " + file.disc_path;
    place = std::move(file);
  }
  void add_disk_file(const std::string& disc_path, const fs::path& source, std::uint64_t size, bool maker = true) {
    Cdisc_file file;
    file.disc_path = disc_path;
    file.source = source.string();
    file.size = size;
    file.maker = maker;
    add_file(std::move(file));
  }
  void add_made_file(const std::string& disc_path, const std::string& content) {
    Cdisc_file file;
    file.disc_path = disc_path;
    file.content = content;
    file.size = content.size();
    add_file(std::move(file));
  }
  Cdisc_tree tree(int number) const {
    Cdisc_tree result;
    result.number = number;
    for (const auto& folder : folders) result.folders.push_back(folder.first);
    for (const auto& file : files) result.files.push_back(file.second);
    return result;
  }
};

// Adds every file and folder below folder to disc, below disc_path; entries in name order.
bool add_tree(const fs::path& folder, const std::string& disc_path, Cdisc_builder& disc, std::string& why) {
  std::error_code error;
  std::vector<fs::directory_entry> entries;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) entries.push_back(*it);
  if (error) {
    why = folder.string() + ": " + error.message();
    return false;
  }
  std::sort(entries.begin(), entries.end(),
            [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path().filename() < b.path().filename(); });
  for (const fs::directory_entry& entry : entries) {
    const std::string child = disc_path + "/" + entry.path().filename().string();
    if (entry.is_directory(error)) {
      disc.add_folder_with_parents(child);
      if (!add_tree(entry.path(), child, disc, why)) return false;
    } else if (entry.is_regular_file(error)) {
      const std::uint64_t size = entry.file_size(error);
      if (!error) disc.add_disk_file(child, entry.path(), size);
    } else if (!error) {
      why = entry.path().string() + ": neither a file nor a folder";
      return false;
    }
    if (error) {
      why = entry.path().string() + ": " + error.message();
      return false;
    }
  }
  return true;
}

// Adds folder's files and folders below setup_name on disc, leaving out the five programs
// and the disc markers at its top, which the tool puts there itself.
bool add_setup_data(const fs::path& folder, const std::string& setup_name, Cdisc_builder& disc, std::string& why) {
  disc.add_folder_with_parents(setup_name);
  if (!add_tree(folder, setup_name, disc, why)) return false;
  for (auto it = disc.files.begin(); it != disc.files.end();) {
    const std::string name = it->second.disc_path.substr(setup_name.size() + 1);
    const bool at_top = name.find('/') == std::string::npos;
    it = at_top && is_made_by_the_build(name) ? disc.files.erase(it) : std::next(it);
  }
  return true;
}

// Which disc (from 0) a path below GameData ('/' between names) lies on when one folder
// holds both discs: that of the entry that installs it; disc 0 for a path of no entry.
int disc_of(const std::string& game_path, const ZOR::Csetup_ini& ini) {
  std::wstring path;
  utf8_to_wide(game_path, path);
  const int entry = ZOR::entry_holding(ini, path);
  return entry < 0 ? 0 : ini.setup_files[static_cast<std::size_t>(entry)].disc_index;
}

// Moves what lies on disc 2 from first to second, for a folder that holds both discs.
void split_discs(const std::string& setup_name, const ZOR::Csetup_ini& ini, Cdisc_builder& first,
                 Cdisc_builder& second) {
  const std::string game_data = setup_name + "/GameData/";
  auto game_path = [&](const std::string& disc_path) {
    return lower_copy(disc_path).compare(0, game_data.size(), lower_copy(game_data)) == 0
               ? disc_path.substr(game_data.size())
               : std::string();
  };
  for (auto it = first.folders.begin(); it != first.folders.end();) {
    const std::string below = game_path(it->first);
    if (below.empty() || disc_of(below, ini) != 1) {
      ++it;
      continue;
    }
    second.add_folder_with_parents(it->first);
    it = first.folders.erase(it);
  }
  for (auto it = first.files.begin(); it != first.files.end();) {
    const std::string below = game_path(it->second.disc_path);
    if (below.empty() || disc_of(below, ini) != 1) {
      ++it;
      continue;
    }
    second.add_file(it->second);
    it = first.files.erase(it);
  }
}

bool add_program(Cdisc_builder& disc, const std::string& disc_path, const std::string& programs_folder,
                 const std::string& name, std::string& why) {
  const fs::path source = fs::absolute(programs_folder) / name;
  std::error_code error;
  const std::uint64_t size = fs::file_size(source, error);
  if (error) {
    why = source.string() + ": " + error.message() + " (the build's programs; --programs DIR names another folder)";
    return false;
  }
  disc.add_disk_file(disc_path, source, size, false);
  return true;
}

// The copy of the game's icon at the root, which autorun.inf's icon= names.
const char root_icon[] = "Setup.ico";

// autorun.inf as the shell reads it on a Japanese Windows: CR LF lines in code page 932.
bool make_autorun_inf(const std::wstring& title, std::string& content, std::string& why) {
  std::string label;
  if (!wide_to_cp932(title, label)) {
    why = "the game title has no code page 932 form";
    return false;
  }
  content = "[autorun]\r\nopen=" + utf8_of(ZOR::autorun_program_name()) + "\r\nicon=" + root_icon + "\r\nlabel=" +
            label + "\r\n";
  return true;
}

// Autorun.ini naming the setup data folder, read back through Autorun's own reading so that
// Autorun finds that very name.
bool make_autorun_ini(const std::wstring& name, std::string& content, std::string& why) {
  const std::wstring line = L"#SETUP_DATA = \"" + name + L"\"";
  std::wstring read;
  ZOR::Crule_problem problem;
  if (!wide_to_cp932(line, content) || !ZOR::read_autorun_ini_lines({line}, read, problem) || read != name) {
    why = utf8_of(name) + ": Autorun.ini cannot name this setup data folder";
    return false;
  }
  content += "\r\n";
  return true;
}

// Reads Setup.ini as Setup does, from the folder as it will lie in a drive (the check has
// accepted it before).
bool read_setup_ini(const fs::path& folder, ZOR::Csetup_ini& ini, std::string& why) {
  const Cdisc_view disc(folder.string(), std::string());
  ZOR::Crule_problem problem;
  if (!ZOR::read_setup_ini(disc.files, disc.setup_data_dir, ZOR::Setup_ini_reader::setup, ini, problem)) {
    why = (folder / "Setup.ini").string() + ": " + utf8_of(problem.message);
    return false;
  }
  return true;
}

}  // namespace

bool lay_out_discs(const Clayout_input& input, Clayout& layout, std::string& why) {
  const fs::path folder = fs::absolute(input.folder);
  ZOR::Csetup_ini ini;
  if (!read_setup_ini(folder, ini, why)) return false;
  layout.game_title = ini.game_title;
  layout.reg_path = ini.reg_path;
  const int disc_count = ini.disc_count;
  if (!input.second_folder.empty() && disc_count != 2) {
    why = second_folder_mismatch(disc_count);
    return false;
  }
  const std::string setup_name = folder.filename().string();

  std::vector<Cdisc_builder> discs(static_cast<std::size_t>(disc_count));
  if (!add_setup_data(folder, setup_name, discs[0], why)) return false;
  if (disc_count == 2) {
    if (input.second_folder.empty()) {
      split_discs(setup_name, ini, discs[0], discs[1]);
    } else if (!add_setup_data(fs::absolute(input.second_folder), setup_name, discs[1], why)) {
      return false;
    }
  }

  for (const std::wstring& program : ZOR::setup_data_programs()) {
    const std::string name = utf8_of(program);
    if (!add_program(discs[0], setup_name + "/" + name, input.programs_folder, name, why)) return false;
  }
  const std::string autorun = utf8_of(ZOR::autorun_program_name());
  if (!add_program(discs[0], autorun, input.programs_folder, autorun, why)) return false;
  std::string autorun_inf;
  if (!make_autorun_inf(ini.game_title, autorun_inf, why)) return false;
  discs[0].add_made_file("autorun.inf", autorun_inf);
  const fs::path icon = folder / "Setup.ico";
  std::error_code icon_error;
  discs[0].add_disk_file(root_icon, icon, fs::file_size(icon, icon_error));
  if (icon_error) {
    why = icon.string() + ": " + icon_error.message();
    return false;
  }
  std::error_code error;
  const fs::path maker_autorun_ini = folder.parent_path() / "Autorun.ini";
  if (fs::is_regular_file(maker_autorun_ini, error)) {
    discs[0].add_disk_file("Autorun.ini", maker_autorun_ini, fs::file_size(maker_autorun_ini, error));
  } else {
    std::wstring wide_name;
    utf8_to_wide(setup_name, wide_name);
    if (wide_name != ZOR::default_setup_data_name()) {
      std::string ini_text;
      if (!make_autorun_ini(wide_name, ini_text, why)) return false;
      discs[0].add_made_file("Autorun.ini", ini_text);
    }
  }
  if (disc_count == 2) {
    for (int i = 0; i < 2; ++i) {
      discs[i].add_made_file(setup_name + "/" + utf8_of(ZOR::disc_marker_name(i)), "");
    }
  }
  layout.discs.clear();
  for (const Cdisc_builder& disc : discs) {
    if (!disc.clash.empty()) {
      why = "two names that Windows takes for one: " + disc.clash;
      return false;
    }
  }
  for (int i = 0; i < disc_count; ++i) layout.discs.push_back(discs[i].tree(i + 1));
  return true;
}

}  // namespace disc

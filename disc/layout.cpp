// Laying out the disc trees from the maker's setup data folder, the build's programs and the
// files the tool makes; Setup.ini is read through the core's one reading for Setup.
#include "disc/layout.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "disc/layout_text.h"
#include "lib/setting/setup_ini.h"
#include "lib/text/text.h"

namespace disc {

const char* const program_names[5] = {"Setup.exe", "Foyer.exe", "Config.exe", "Chronicle.exe", "Autorun.exe"};

namespace {

namespace fs = std::filesystem;

const char default_setup_data[] = "SetupData";

// Windows compares names without regard to ASCII case.
std::string lower_ascii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool is_program_name(const std::string& name) {
  for (const char* program : program_names) {
    if (lower_ascii(name) == lower_ascii(program)) return true;
  }
  return false;
}

bool is_disc_marker(const std::string& name) {
  const std::string lower = lower_ascii(name);
  return lower == "disc1" || lower == "disc2";
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
    Cdisc_file& place = files[lower_ascii(file.disc_path)];
    if (!place.disc_path.empty() && place.disc_path != file.disc_path) clash = place.disc_path + " and " + file.disc_path;
    place = std::move(file);
  }
  void add_disk_file(const std::string& disc_path, const fs::path& source, std::uint64_t size) {
    Cdisc_file file;
    file.disc_path = disc_path;
    file.source = source.string();
    file.size = size;
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

// Which disc (from 0) a path below GameData belongs to: the entry that is the path or holds
// it, the longest such entry winning; an entry never copied (disc outside the game's) and a
// path of no entry stay on disc 0. Paths are relative to GameData, '/' between names.
class Centry_discs {
 public:
  Centry_discs(const std::vector<std::pair<std::string, int>>& entries, int disc_count)
      : entries_(entries), disc_count_(disc_count) {}

  int disc_of(const std::string& game_path) const {
    const std::string lower = lower_ascii(game_path);
    std::size_t best_length = 0;
    int disc = 0;
    for (const auto& entry : entries_) {
      const std::string& path = entry.first;
      const bool holds = lower == path || (lower.size() > path.size() && lower.compare(0, path.size(), path) == 0 &&
                                           lower[path.size()] == '/');
      if (holds && path.size() > best_length && entry.second >= 0 && entry.second < disc_count_) {
        best_length = path.size();
        disc = entry.second;
      }
    }
    return disc;
  }

 private:
  std::vector<std::pair<std::string, int>> entries_;
  int disc_count_;
};

// Adds every file and folder below folder to the discs: disc_path names folder on the disc,
// game_path is the path relative to GameData (empty outside it). Entries in name order.
bool add_tree(const fs::path& folder, const std::string& disc_path, const std::string& game_path, bool in_game_data,
              const Centry_discs& entry_discs, std::vector<Cdisc_builder>& discs, std::string& why) {
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
    const std::string name = entry.path().filename().string();
    const std::string child_disc_path = disc_path + "/" + name;
    const bool child_in_game_data = in_game_data || (game_path.empty() && lower_ascii(name) == "gamedata" &&
                                                      disc_path.find('/') == std::string::npos);
    const std::string child_game_path = !in_game_data ? "" : game_path.empty() ? name : game_path + "/" + name;
    const int disc = in_game_data ? entry_discs.disc_of(child_game_path) : 0;
    if (entry.is_directory(error)) {
      if (!in_game_data || disc == 0) discs[0].add_folder_with_parents(child_disc_path);
      if (in_game_data && disc != 0) discs[disc].add_folder_with_parents(child_disc_path);
      if (!add_tree(entry.path(), child_disc_path, child_game_path, child_in_game_data, entry_discs, discs, why)) {
        return false;
      }
    } else if (entry.is_regular_file(error)) {
      const std::uint64_t size = entry.file_size(error);
      if (error) break;
      discs[disc].add_disk_file(child_disc_path, entry.path(), size);
    } else if (!error) {
      why = entry.path().string() + ": neither a file nor a folder";
      return false;
    }
    if (error) break;
  }
  if (error) {
    why = folder.string() + ": " + error.message();
    return false;
  }
  return true;
}

// Adds folder's own files and folders below setup_name on disc 0 of discs, leaving out the
// five programs and the disc markers at its top, which the tool puts there itself.
bool add_setup_data(const fs::path& folder, const std::string& setup_name, const Centry_discs& entry_discs,
                    std::vector<Cdisc_builder>& discs, std::string& why) {
  if (!add_tree(folder, setup_name, "", false, entry_discs, discs, why)) return false;
  for (auto it = discs[0].files.begin(); it != discs[0].files.end();) {
    const std::string& path = it->second.disc_path;
    const std::string name = path.substr(setup_name.size() + 1);
    const bool at_top = name.find('/') == std::string::npos;
    it = at_top && (is_program_name(name) || is_disc_marker(name)) ? discs[0].files.erase(it) : std::next(it);
  }
  return true;
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
  disc.add_disk_file(disc_path, source, size);
  return true;
}

// autorun.inf as the shell reads it on a Japanese Windows: CR LF lines in code page 932.
bool make_autorun_inf(const std::wstring& title, const std::string& setup_name, std::string& content,
                      std::string& why) {
  std::string label;
  std::wstring wide_setup_name;
  std::string setup_name_bytes;
  if (!wide_to_cp932(title, label) || !utf8_to_wide(setup_name, wide_setup_name) ||
      !wide_to_cp932(wide_setup_name, setup_name_bytes)) {
    why = "the game title or the setup data folder's name has no code page 932 form";
    return false;
  }
  content = "[autorun]\r\nopen=Autorun.exe\r\nicon=" + setup_name_bytes + "\\Setup.ico\r\nlabel=" + label + "\r\n";
  return true;
}

// Reads Setup.ini as Setup does (the check has accepted it before).
bool read_setup_ini(const fs::path& folder, ZOR::Csetup_ini& ini, std::string& why) {
  std::vector<std::wstring> lines;
  if (!load_description_lines((folder / "Setup.ini").string(), lines, why)) return false;
  ZOR::Cini_problem problem;
  if (!ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::setup, ini, problem)) {
    std::string message;
    wide_to_utf8(problem.message, message);
    why = (folder / "Setup.ini").string() + ": " + message;
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
    why = "a second disc's folder was given, but Setup.ini says #DISC_CNT = " + std::to_string(disc_count);
    return false;
  }
  const std::string setup_name = folder.filename().string();

  // Each entry's disc, for a game whose discs come from one folder.
  std::vector<std::pair<std::string, int>> entries;
  if (input.second_folder.empty()) {
    for (const ZOR::Csetup_file_entry& entry : ini.setup_files) {
      std::string path;
      if (!wide_to_utf8(ZOR::replace_all_copy(entry.path, L"\\", L"/"), path)) continue;
      while (!path.empty() && path.back() == '/') path.pop_back();
      entries.emplace_back(lower_ascii(path), entry.disc_index);
    }
  }
  const Centry_discs entry_discs(entries, disc_count);
  std::vector<Cdisc_builder> discs(disc_count);
  if (!add_setup_data(folder, setup_name, entry_discs, discs, why)) return false;
  if (!input.second_folder.empty()) {
    std::vector<Cdisc_builder> second(1);
    if (!add_setup_data(fs::absolute(input.second_folder), setup_name, Centry_discs({}, 1), second, why)) return false;
    discs[1] = second[0];
  }

  for (int i = 0; i < 4; ++i) {
    if (!add_program(discs[0], setup_name + "/" + program_names[i], input.programs_folder, program_names[i], why)) {
      return false;
    }
  }
  if (!add_program(discs[0], "Autorun.exe", input.programs_folder, "Autorun.exe", why)) return false;
  std::string autorun_inf;
  if (!make_autorun_inf(ini.game_title, setup_name, autorun_inf, why)) return false;
  discs[0].add_made_file("autorun.inf", autorun_inf);
  std::error_code error;
  const fs::path maker_autorun_ini = folder.parent_path() / "Autorun.ini";
  if (fs::is_regular_file(maker_autorun_ini, error)) {
    discs[0].add_disk_file("Autorun.ini", maker_autorun_ini, fs::file_size(maker_autorun_ini, error));
  } else if (setup_name != default_setup_data) {
    std::wstring wide_name;
    std::string name_bytes;
    if (!utf8_to_wide(setup_name, wide_name) || !wide_to_cp932(wide_name, name_bytes)) {
      why = setup_name + ": the folder's name has no code page 932 form";
      return false;
    }
    discs[0].add_made_file("Autorun.ini", "#SETUP_DATA = \"" + name_bytes + "\"\r\n");
  }
  if (disc_count == 2) {
    for (int i = 0; i < 2; ++i) {
      discs[i].add_made_file(setup_name + "/DISC" + std::to_string(i + 1), "");
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

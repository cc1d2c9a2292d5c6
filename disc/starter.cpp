// The starter folder: Setup.ini made from the title and the registry path and read back
// through the programs' own readings before anything is written, the placeholder pictures of
// the core, and the folders written beside and renamed into place.
#include "disc/starter.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "disc/layout_text.h"
#include "disc/native_files.h"
#include "disc/native_text.h"
#include "lib/rules/disc_entries.h"
#include "lib/rules/game_location.h"
#include "lib/rules/starter_pictures.h"
#include "lib/rules/startup_rules.h"
#include "lib/setting/setup_ini.h"
#include "lib/text/text.h"

namespace disc {

namespace {

namespace fs = std::filesystem;

// A text value as Setup.ini writes it: in double quotes, '\' and '"' escaped.
std::wstring quoted(const std::wstring& value) {
  return L"\"" + ZOR::replace_all_copy(ZOR::replace_all_copy(value, L"\\", L"\\\\"), L"\"", L"\\\"") + L"\"";
}

// Every key of Setup.ini with a one-line comment; the optional ones commented out at their
// defaults.
std::vector<std::wstring> starter_lines(const std::wstring& title, const std::wstring& reg_path, int discs) {
  const bool two = discs == 2;
  std::vector<std::wstring> lines = {
      L"// Setup.ini: what Setup installs and what the menu offers. Code page 932, CR LF line ends.",
      L"// Text values stand in double quotes; write a backslash as \\\\ and a double quote as \\\".",
      L"// A line starting with // is a comment: remove the // to use a key. docs/setup_ini.md says more.",
      L"",
      L"// The game's title: the window title of Setup and of the menu, the disc's name in Explorer.",
      L"#GAME_TITLE = " + quoted(title),
      L"// The registry key below HKEY_LOCAL_MACHINE\\Software, the install folder and the save folder.",
      L"#REG_PATH = " + quoted(reg_path),
      L"",
      L"// 1: the menu offers the DirectX setup, DirectX\\DXSETUP.exe in this folder.",
      L"// #DIRECT_X_USE = 0",
      L"// 1: the menu offers the manual that #MANUAL_PATH names.",
      L"// #MANUAL_USE = 0",
      L"// The manual (a file), relative to this folder.",
      L"// #MANUAL_PATH = \"Manual\\\\index.html\"",
      L"// 1: the menu shows the extra button.",
      L"// #EX_BUTTON.000.USE = 0",
      L"// The extra button's label.",
      L"// #EX_BUTTON.000.NAME = \"Website\"",
      L"// What the extra button opens (a file or folder), relative to this folder.",
      L"// #EX_BUTTON.000.PATH = \"Extra\"",
      L"// 1: the menu closes once the extra button has started its target.",
      L"// #EX_BUTTON.000.CLOSE = 0",
      L"",
      L"// The number of installation discs: 1 or 2.",
      std::wstring(two ? L"" : L"// ") + L"#DISC_CNT = " + (two ? L"2" : L"1"),
      L"// The name of each disc (.0 the first), shown when Setup asks for it.",
      std::wstring(two ? L"" : L"// ") + L"#DISC_NAME.0 = \"DISC 1\"",
      std::wstring(two ? L"" : L"// ") + L"#DISC_NAME.1 = \"DISC 2\"",
      L"// The bytes a full install takes; Setup checks the free space against it with two discs only.",
      std::wstring(two ? L"" : L"// ") + L"#SETUP_SIZE = 0",
      L"// 0: full install only; 1: Setup also offers the minimal one, which leaves the folder entries on the disc.",
      L"// #MIN_SETUP_USE = 1",
      L"",
      L"// One file or folder of GameData to install, each on a line; \", 2\" after it: on the second disc.",
      L"#SETUP_FILE = " + quoted(ZOR::engine_file_name()),
      std::wstring(L"// #SETUP_FILE = \"Data\"") + (two ? L", 2" : L""),
  };
  return lines;
}

// Setup's and Foyer's readings of lines must give back title and reg_path; false with the
// program's message (or why they differ).
bool readable(const std::vector<std::wstring>& lines, const std::wstring& title, const std::wstring& reg_path,
              std::string& why) {
  for (ZOR::Setup_ini_reader reader : {ZOR::Setup_ini_reader::setup, ZOR::Setup_ini_reader::foyer}) {
    ZOR::Csetup_ini ini;
    ZOR::Crule_problem problem;
    const std::string program = utf8_of(ZOR::startup_caption(reader));
    if (!ZOR::read_setup_ini_lines(lines, reader, ini, problem)) {
      why = program + ": " + utf8_of(problem.message);
      return false;
    }
    if (ini.game_title != title || ini.reg_path != reg_path) {
      why = program + " reads another title or registry path than given";
      return false;
    }
  }
  return true;
}

// The rules a starter's title and registry path must meet, in its Setup.ini's lines and as
// names, before anything is written.
bool acceptable(const std::vector<std::wstring>& lines, const std::wstring& title, const std::wstring& reg_path,
                std::string& why) {
  if (!readable(lines, title, reg_path, why)) return false;
  for (const std::wstring* text : {&title, &reg_path}) {
    if (!cp932_holds(*text)) {
      why = "Setup.ini is read in code page 932, which cannot hold \"" + utf8_of(*text) + "\"";
      return false;
    }
  }
  if (!ZOR::windows_holds_name(title)) {
    why = "Foyer.exe names the desktop shortcut after the title (\"" + utf8_of(title) +
          ".lnk\"): a Windows file name cannot hold < > : \" / \\ | ? *, nor end in a dot or space";
    return false;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = reg_path.find(L'\\', start);
    if (!ZOR::windows_holds_name(reg_path.substr(start, end - start))) {
      why = "#REG_PATH names the install and save folders: \"" + utf8_of(reg_path) +
            "\" has a name Windows cannot hold (empty, one of < > : \" / | ? *, or a final dot or space)";
      return false;
    }
    if (end == std::wstring::npos) return true;
    start = end + 1;
  }
}

bool empty_or_missing(const std::string& folder, std::string& why) {
  std::error_code error;
  if (!fs::exists(folder, error)) return true;
  if (fs::is_directory(folder, error) && fs::is_empty(folder, error) && !error) return true;
  why = folder + ": exists and is not an empty folder; lumora-disc new writes only a new or empty folder";
  return false;
}

bool write_file(const fs::path& path, const std::string& bytes, std::string& why) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  why = path.string() + ": cannot be written";
  return false;
}

// A folder made beside target, filled, then renamed into target's place; removed on failure.
class Cstaged_folder {
 public:
  ~Cstaged_folder() {
    std::error_code error;
    if (!path_.empty()) fs::remove_all(path_, error);
  }
  bool make(const fs::path& target, std::string& why) {
    std::error_code error;
    const fs::path parent = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    fs::create_directories(parent, error);
    std::string pattern = (parent / ("." + target.filename().string() + ".new-XXXXXX")).string();
    if (error || mkdtemp(&pattern[0]) == nullptr) {
      why = parent.string() + ": cannot write a folder there";
      return false;
    }
    path_ = pattern;
    // mkdtemp makes it for its owner alone; the folder gets the modes a new one would.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(pattern.c_str(), 0777 & ~mask);
    return true;
  }
  const fs::path& path() const { return path_; }
  // Renames the staged folder to target (an empty folder there is replaced).
  bool place(const fs::path& target, std::string& why) {
    std::error_code error;
    fs::rename(path_, target, error);
    if (error) {
      why = target.string() + ": " + error.message();
      return false;
    }
    path_.clear();
    return true;
  }

 private:
  fs::path path_;
};

}  // namespace

std::string starter_second_folder(const std::string& folder) {
  const fs::path first(without_trailing_slash(folder));
  return (first.parent_path() / "disc2" / first.filename()).string();
}

bool write_starter(const Cstarter_request& request, std::string& why) {
  std::wstring title;
  std::wstring reg_path;
  if (!utf8_to_wide(request.title, title) || !utf8_to_wide(request.reg_path, reg_path)) {
    why = "the title and the registry path must be UTF-8 text";
    return false;
  }
  const std::vector<std::wstring> lines = starter_lines(title, reg_path, request.discs);
  if (!acceptable(lines, title, reg_path, why)) return false;
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  std::string setup_ini;
  if (!wide_to_cp932(text, setup_ini)) {
    why = "Setup.ini has no code page 932 form";
    return false;
  }

  const fs::path first = without_trailing_slash(request.folder);
  const fs::path second = request.discs == 2 ? fs::path(starter_second_folder(request.folder)) : fs::path();
  if (!empty_or_missing(first.string(), why) || (!second.empty() && !empty_or_missing(second.string(), why))) {
    return false;
  }
  Cstaged_folder staged_first;
  Cstaged_folder staged_second;
  std::error_code error;
  if (!staged_first.make(first, why) || !write_file(staged_first.path() / "Setup.ini", setup_ini, why) ||
      !write_file(staged_first.path() / "Setup.bmp", ZOR::placeholder_title_bitmap(), why) ||
      !write_file(staged_first.path() / "Setup.ico", ZOR::placeholder_icon(), why) ||
      !fs::create_directory(staged_first.path() / "GameData", error)) {
    if (why.empty()) why = first.string() + ": " + error.message();
    return false;
  }
  if (!second.empty() && (!staged_second.make(second, why) ||
                          !fs::create_directory(staged_second.path() / "GameData", error))) {
    if (why.empty()) why = second.string() + ": " + error.message();
    return false;
  }
  if (!staged_first.place(first, why)) return false;
  if (!second.empty() && !staged_second.place(second, why)) {
    // The first folder was new or empty: it goes back to that.
    fs::remove_all(first, error);
    return false;
  }
  return true;
}

}  // namespace disc

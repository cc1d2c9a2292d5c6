// The maker-only checks over the Linux folder itself.
#include "disc/maker_checks.h"

#include <algorithm>
#include <cstdint>

#include "disc/layout.h"
#include "disc/layout_text.h"
#include "disc/native_text.h"
#include "lib/rules/disc_entries.h"
#include "lib/rules/startup_rules.h"
#include "lib/setting/setting_lexer.h"

namespace disc {

namespace {

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

std::uint64_t sectors_of(std::uint64_t bytes) { return (bytes + sector - 1) / sector; }

// True when an entry of disc_index installs relative (a path below GameData, '\' joined).
bool installed(const ZOR::Csetup_ini& ini, int disc_index, const std::wstring& relative) {
  const int entry = ZOR::entry_holding(ini, relative);
  return entry >= 0 && ini.setup_files[static_cast<std::size_t>(entry)].disc_index == disc_index;
}

struct Ctree_totals {
  std::uint64_t sectors = 0;
  std::uint64_t folders = 0;
};

// Every name below a disc's setup data folder: code page 932, Windows' names, Joliet's
// length, files of 4 GiB, the installed paths' length; and the sectors it needs.
void check_tree(int disc_index, const ZOR::Csetup_ini* ini, const std::string& linux_folder,
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
    if (!ZOR::windows_holds_name(name)) {
      report.note(path, 0, "Windows cannot hold this name (one of < > : \" / \\ | ? *, or a final dot or space)");
    }
    if (utf16_length(name) > joliet_name_units) {
      report.note(path, 0, "the name is longer than the image's Joliet names (" + std::to_string(joliet_name_units) +
                               " UTF-16 units)");
    }
    const int kind = linux_path_kind(path);
    if (kind == 0) {
      check_tree(disc_index, ini, path, below, report, totals);
      continue;
    }
    const std::uint64_t size = linux_file_size(path);
    totals.sectors += sectors_of(size);
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
                                 " characters, over Windows' 259: Setup.exe cannot create it (" + utf8_of(target) + ")");
      }
    }
  }
}

}  // namespace

void check_names_and_room(const Cdisc_view& disc, int disc_index, const ZOR::Csetup_ini* ini,
                          const std::string& programs_folder, Cmedium medium, Creport& report) {
  Ctree_totals totals;
  check_tree(disc_index, ini, disc.folder, std::wstring(), report, totals);
  // What the image builder adds: the missing programs, Autorun.exe and autorun.inf.
  if (!programs_folder.empty()) {
    for (const std::wstring& program : ZOR::setup_data_programs()) {
      const std::string name = utf8_of(program);
      if (linux_path_kind(disc.path(name)) != 1) totals.sectors += sectors_of(linux_file_size(programs_folder + "/" + name));
    }
    totals.sectors += sectors_of(linux_file_size(programs_folder + "/" + utf8_of(ZOR::autorun_program_name())));
  }
  totals.sectors += 2 + 2 * totals.folders + image_overhead_sectors;
  const std::uint64_t room = medium_sectors(medium);
  if (totals.sectors > room) {
    report.note(disc.folder, 0,
                "disc " + std::to_string(disc_index + 1) + " needs about " + std::to_string(totals.sectors) +
                    " sectors of 2,048 bytes; a " + medium_name(medium) + " holds " + std::to_string(room));
  }
}

void check_title(const ZOR::Csetup_ini& ini, const std::string& ini_path, Creport& report) {
  const std::size_t length = utf16_length(ini.game_title);
  if (length <= autorun_label_shown) return;
  report.note(ini_path, 0,
              "the title is the disc's label= in autorun.inf, and Windows shows " + std::to_string(autorun_label_shown) +
                  " of its " + std::to_string(length) + " characters as the disc's name",
              true);
}

void check_encoding(const Cdisc_view& disc, Creport& report) {
  std::string bytes;
  if (!disc.files.read_head(disc.drive_path(L"Setup.ini"), static_cast<std::size_t>(ZOR::largest_setting_file),
                            bytes)) {
    return;
  }
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii) return;
  std::wstring decoded;
  if (utf8_to_wide(bytes, decoded)) {
    report.note(disc.path("Setup.ini"), 0, "Setup.ini looks like UTF-8; the programs read it in code page 932 "
                                           "(iconv -f UTF-8 -t CP932)", true);
  } else if (!decode_cp932(bytes.data(), bytes.size(), decoded)) {
    report.note(disc.path("Setup.ini"), 0, "Setup.ini holds bytes that are not code page 932 text", true);
  }
}

}  // namespace disc

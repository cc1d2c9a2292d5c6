// The disc in drive D: over the maker's folder.
#include "disc/disc_view.h"

#include <filesystem>

#include "disc/layout_text.h"
#include "lib/rules/startup_rules.h"

namespace disc {

namespace {

namespace fs = std::filesystem;

std::string parent_folder(const std::string& folder) {
  const std::string parent = fs::path(folder).parent_path().string();
  return parent.empty() ? "." : parent;
}

std::wstring folder_name(const std::string& folder) {
  std::wstring name;
  utf8_to_wide(fs::path(folder).filename().string(), name);
  return name;
}

}  // namespace

const wchar_t disc_drive[] = L"D:";

Cdisc_view::Cdisc_view(const std::string& linux_folder, const std::string& programs_folder)
    : folder(without_trailing_slash(linux_folder)),
      root(parent_folder(folder)),
      name(folder_name(folder)),
      setup_data_dir(std::wstring(disc_drive) + L"\\" + name),
      files(disc_drive, root) {
  for (const std::wstring& program : ZOR::setup_data_programs()) {
    std::string program_name;
    wide_to_utf8(program, program_name);
    files.add_stand_in(drive_path(program), programs_folder.empty() ? std::string() : programs_folder + "/" + program_name);
  }
}

std::string second_folder_mismatch(int disc_count) {
  return "a second disc's folder was given, but Setup.ini says #DISC_CNT = " + std::to_string(disc_count);
}

}  // namespace disc

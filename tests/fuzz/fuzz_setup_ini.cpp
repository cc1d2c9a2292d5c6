// Fuzz target: the whole Setup.ini reading of Setup and of Foyer over the lines of any text.
#include "lib/rules/setup_ini_checks.h"
#include "lib/setting/setting_lexer.h"
#include "lib/setting/setup_ini.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_require.h"

#include <string>
#include <vector>

using fuzz::require;

namespace {

// A problem names a line of the file or none, and always has a text and a caption.
void check_problem(const ZOR::Crule_problem& problem, std::size_t line_count) {
  require(!problem.message.empty() && !problem.caption.empty(), "a problem has a message and a caption");
  require(problem.line >= 0 && static_cast<std::size_t>(problem.line) <= line_count,
          "a problem's line lies inside the file");
  if (problem.line > 0) {
    const std::wstring number = std::to_wstring(problem.line);
    require(problem.message.find(L"(" + number + L"行目)") != std::wstring::npos,
            "a line problem's message carries its line number");
  }
}

bool reg_path_accepted(const std::wstring& reg_path) {
  return reg_path.find(L'\\') != std::wstring::npos && ZOR::path_stays_inside(reg_path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::wstring> lines;
  ZOR::split_lines(fuzz::text_of(data, size), lines);

  ZOR::Csetup_ini setup;
  ZOR::Crule_problem setup_problem;
  const bool setup_ok = ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::setup, setup, setup_problem);
  ZOR::Csetup_ini foyer;
  ZOR::Crule_problem foyer_problem;
  const bool foyer_ok = ZOR::read_setup_ini_lines(lines, ZOR::Setup_ini_reader::foyer, foyer, foyer_problem);

  if (!setup_ok) check_problem(setup_problem, lines.size());
  if (!foyer_ok) check_problem(foyer_problem, lines.size());
  if (setup_ok) {
    require(setup_problem.message.empty() && setup_problem.line == 0, "success leaves no problem");
    require(!setup.game_title.empty() && reg_path_accepted(setup.reg_path), "Setup keeps only a checked title and path");
    require(setup.disc_count == 1 || setup.disc_count == 2, "Setup keeps one or two discs");
    require(!setup.setup_files.empty(), "Setup keeps at least one entry");
    for (const auto& entry : setup.setup_files) {
      require(!entry.path.empty() && ZOR::path_stays_inside(entry.path), "every entry stays below its folder");
    }
    // What Setup accepts Foyer accepts, but for extra buttons other than the four of 000.
    if (!foyer_ok) {
      require(foyer_problem.line > 0, "Foyer refuses a file Setup accepted only at a line");
      ZOR::Csetting_lexer lexer;
      std::vector<std::wstring> stripped = lines;
      require(lexer.strip_comments(stripped), "comments Setup removed Foyer removes");
      require(stripped[static_cast<std::size_t>(foyer_problem.line - 1)].rfind(L"#EX_BUTTON", 0) == 0,
              "Foyer refuses only extra-button lines that Setup accepted");
    } else {
      require(foyer.game_title == setup.game_title && foyer.reg_path == setup.reg_path, "both read the same keys");
    }
  }
  // Config's and Chronicle's look-up reads the same lines raw (survival only).
  ZOR::find_reg_path_lines(lines);
  if (foyer_ok) {
    require(!foyer.game_title.empty() && reg_path_accepted(foyer.reg_path), "Foyer keeps only a checked title and path");
  }
  return 0;
}

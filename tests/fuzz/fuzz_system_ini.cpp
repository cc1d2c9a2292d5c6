// Fuzz target: system.ini's lines read into the seven settings and the file rewritten.
#include "lib/setting/setting_lexer.h"
#include "lib/setting/system_ini.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_require.h"

#include <string>
#include <vector>

using fuzz::require;

namespace {

bool in_range(const ZOR::Csystem_settings& s) {
  auto flag = [](std::int32_t value) { return value == 0 || value == 1; };
  return s.adapter_no >= 0 && flag(s.hardware_vertex) && flag(s.present_interval) && flag(s.use_mipmap) &&
         (s.wipe_buffer_count == 1 || s.wipe_buffer_count == 2) && flag(s.play_silent_sound) && flag(s.movie_type);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::wstring> lines;
  ZOR::split_lines(fuzz::text_of(data, size), lines);
  const ZOR::Csystem_settings read = ZOR::read_system_ini_lines(lines);
  require(in_range(read), "every value read lies in its range");

  // The rewritten file: the seven lines, each its key and the value in decimal, and read
  // again it gives the values written.
  std::vector<std::wstring> rewritten;
  ZOR::split_lines(ZOR::system_ini_text(read), rewritten);
  const wchar_t* const keys[] = {L"#D3D.ADAPTER_NO = ",     L"#D3D.HARDWARE_VERTEX = ", L"#D3D.PRESENT_INTERVAL = ",
                                 L"#D3D.USE_MIPMAP = ",      L"#D3D.WIPE_BUFFER_COUNT = ", L"#DS.PLAY_SILENT_SOUND = ",
                                 L"#MOVIE_TYPE = "};
  require(rewritten.size() == 7, "the rewritten file has seven lines");
  for (std::size_t i = 0; i < rewritten.size() && i < 7; ++i) {
    const std::wstring key = keys[i];
    require(rewritten[i].compare(0, key.size(), key) == 0, "each line has its key in the file's order");
    const std::wstring digits = rewritten[i].substr(key.size());
    require(!digits.empty() && digits.find_first_not_of(L"0123456789") == std::wstring::npos,
            "each value is written in decimal digits");
  }
  require(ZOR::read_system_ini_lines(rewritten) == read, "the rewritten file reads as the values written");

  // Lines that are no setting change nothing, wherever they stand: each input line as a
  // comment, after a space and under another key, between the rewritten lines.
  std::vector<std::wstring> mixed;
  for (std::size_t i = 0; i < lines.size() || i < rewritten.size(); ++i) {
    if (i < lines.size()) {
      mixed.push_back(L"//" + lines[i]);
      mixed.push_back(L" " + lines[i]);
      mixed.push_back(L"#UNKNOWN = " + lines[i]);
    }
    if (i < rewritten.size()) mixed.push_back(rewritten[i]);
  }
  require(ZOR::read_system_ini_lines(mixed) == read, "comments and other lines are ignored");
  return 0;
}

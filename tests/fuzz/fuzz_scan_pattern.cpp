// Fuzz target: scan_pattern of every pattern the system uses against one line of any text.
#include "lib/cmdline/text_scanner.h"
#include "lib/setting/setting_pattern.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_require.h"

#include <cstdint>
#include <string>
#include <vector>

using fuzz::require;

namespace {

// Setup.ini (Setup's and Foyer's patterns), Autorun.ini, and system.ini with its comment rule.
const wchar_t* const patterns[] = {
    L"#GAME_TITLE = %s",         L"#REG_PATH = %s",           L"#DIRECT_X_USE = %d",
    L"#MANUAL_USE = %d",         L"#MANUAL_PATH = %s",        L"#EX_BUTTON",
    L"#EX_BUTTON.000.USE = %d",  L"#EX_BUTTON.000.NAME = %s", L"#EX_BUTTON.000.PATH = %s",
    L"#EX_BUTTON.000.CLOSE = %d", L"#DISC_CNT = %d",          L"#DISC_NAME . %d = %s",
    L"#SETUP_SIZE = %64d",       L"#MIN_SETUP_USE = %d",      L"#SETUP_FILE = %s, %d",
    L"#SETUP_FILE = %s",         L"#SETUP_DATA = %s",         L"#D3D.ADAPTER_NO = %d",
    L"#D3D.HARDWARE_VERTEX = %d", L"#D3D.PRESENT_INTERVAL = %d", L"#D3D.USE_MIPMAP = %d",
    L"#D3D.WIPE_BUFFER_COUNT = %d", L"#DS.PLAY_SILENT_SOUND = %d", L"#MOVIE_TYPE = %d",
    L"//",
};

// The outputs of one match, in the order of the pattern's directives.
struct Values {
  std::wstring text;
  std::int32_t number = 0;
  std::int64_t large = 0;

  std::vector<ZOR::Cpattern_output> outputs_for(const std::wstring& pattern) {
    std::vector<ZOR::Cpattern_output> outputs;
    for (std::size_t at = pattern.find(L'%'); at != std::wstring::npos; at = pattern.find(L'%', at + 1)) {
      if (pattern.compare(at, 2, L"%s") == 0) outputs.push_back(&text);
      if (pattern.compare(at, 2, L"%d") == 0) outputs.push_back(&number);
      if (pattern.compare(at, 4, L"%64d") == 0) outputs.push_back(&large);
    }
    return outputs;
  }
  bool operator==(const Values& other) const {
    return text == other.text && number == other.number && large == other.large;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring line = fuzz::text_of(data, size);
  const wchar_t* begin = line.data();
  const wchar_t* end = begin + line.size();
  for (const wchar_t* p : patterns) {
    const std::wstring pattern = p;
    Values values;
    ZOR::Ctext_scanner scanner(begin, end, L" \t\n");
    if (!ZOR::scan_pattern(scanner, pattern, values.outputs_for(pattern))) {
      require(scanner.cur == begin, "a failed match leaves the scanner where it was");
      continue;
    }
    require(scanner.cur >= begin && scanner.cur <= end, "a match stays inside the line");
    require(scanner.end == end, "a match leaves the line's end alone");
    // What the match consumed matches again on its own, with the same values: the pattern
    // looks at no text beyond what it takes.
    Values again;
    ZOR::Ctext_scanner prefix(begin, scanner.cur, L" \t\n");
    require(ZOR::scan_pattern(prefix, pattern, again.outputs_for(pattern)), "the consumed text matches again");
    require(prefix.cur == scanner.cur && again == values, "the consumed text gives the same values");
  }
  // A pattern that is a prefix of another takes every line the longer one takes.
  Values two, one;
  ZOR::Ctext_scanner first(begin, end, L" \t\n");
  if (ZOR::scan_pattern(first, L"#SETUP_FILE = %s, %d", two.outputs_for(L"#SETUP_FILE = %s, %d"))) {
    ZOR::Ctext_scanner second(begin, end, L" \t\n");
    require(ZOR::scan_pattern(second, L"#SETUP_FILE = %s", one.outputs_for(L"#SETUP_FILE = %s")) &&
                one.text == two.text,
            "the one-value form takes what the two-value form takes");
  }
  return 0;
}

// Disc markers and the messages of entries missing on their disc.
#include "lib/rules/disc_entries.h"

#include "lib/text/text.h"

namespace ZOR {

std::wstring disc_marker_name(int index) { return L"DISC" + int_to_text(index + 1); }

std::wstring disc_prompt(const std::wstring& disc_name) { return disc_name + L"を入れて下さい。"; }

std::wstring missing_entry_message(const std::wstring& path) {
  return path + L" ファイルまたはフォルダが見つかりませんでした。";
}

std::wstring missing_source_message(const std::wstring& source) {
  return source + L" が見つかりませんでした。セットアップを中止します。";
}

}  // namespace ZOR

// Disc markers and the messages of entries missing on their disc.
#include "lib/rules/disc_entries.h"

#include "lib/text/text.h"

namespace ZOR {

std::wstring disc_marker_name(int index) { return L"DISC" + int_to_text(index + 1); }

std::wstring disc_prompt(const std::wstring& disc_name) { return disc_name + L"を入れて下さい。"; }

namespace {

// A path compared as Windows compares names: ASCII case folded, '/' as '\', no final '\'.
std::wstring comparable(const std::wstring& path) {
  std::wstring text = replace_all_copy(lower_copy(path), L"/", L"\\");
  while (!text.empty() && text.back() == L'\\') text.pop_back();
  return text;
}

}  // namespace

int entry_holding(const Csetup_ini& ini, const std::wstring& path) {
  const std::wstring wanted = comparable(path);
  int found = -1;
  std::size_t longest = 0;
  for (std::size_t i = 0; i < ini.setup_files.size(); ++i) {
    const Csetup_file_entry& entry = ini.setup_files[i];
    if (entry.disc_index < 0 || entry.disc_index >= ini.disc_count) continue;
    const std::wstring listed = comparable(entry.path);
    const bool holds = !listed.empty() && wanted.compare(0, listed.size(), listed) == 0 &&
                       (wanted.size() == listed.size() || wanted[listed.size()] == L'\\');
    if (holds && listed.size() > longest) {
      longest = listed.size();
      found = static_cast<int>(i);
    }
  }
  return found;
}

bool windows_holds_name(const std::wstring& name) {
  for (wchar_t c : name) {
    if (c < 32 || std::wstring(L"<>:\"/\\|?*").find(c) != std::wstring::npos) return false;
  }
  return !name.empty() && name.back() != L'.' && name.back() != L' ';
}

std::wstring missing_entry_message(const std::wstring& path) {
  return path + L" ファイルまたはフォルダが見つかりませんでした。";
}

std::wstring missing_source_message(const std::wstring& source) {
  return source + L" が見つかりませんでした。セットアップを中止します。";
}

}  // namespace ZOR

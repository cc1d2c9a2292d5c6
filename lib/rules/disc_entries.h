// The setup entries and their discs as Setup meets them: the disc markers, the prompt for a
// disc, and the messages for an entry that is not where Setup.ini says.
#ifndef ZOR_RULES_DISC_ENTRIES_H
#define ZOR_RULES_DISC_ENTRIES_H

#include <string>

#include "lib/setting/setup_ini.h"

namespace ZOR {

// The marker file of disc index (from 0) in the setup data folder: "DISC" + (index + 1).
std::wstring disc_marker_name(int index);

// Setup's prompt while the marker of a disc is missing: its name + "を入れて下さい。".
std::wstring disc_prompt(const std::wstring& disc_name);

// The #SETUP_FILE entry of ini that installs path (below GameData; '\' or '/' between
// names): the entry that is the path or a folder holding it, without regard to ASCII case
// and to the entry's final separators, the longest such entry winning. Only entries of the
// game's discs count (Setup copies no other). The entry's index in ini.setup_files, or -1.
int entry_holding(const Csetup_ini& ini, const std::wstring& path);

// True when Windows can hold name as a file or folder name: not empty, none of its reserved
// characters (< > : " / \ | ? * and the control characters), no final dot or space (which
// it drops).
bool windows_holds_name(const std::wstring& name);

// Setup's measurement of a one-disc install, for an entry that is neither a file nor a
// folder below GameData: path + " ファイルまたはフォルダが見つかりませんでした。".
std::wstring missing_entry_message(const std::wstring& path);

// The copy engine's message for an entry whose source (game data folder + "\" + path) is
// missing on its disc: source + " が見つかりませんでした。セットアップを中止します。".
std::wstring missing_source_message(const std::wstring& source);

}  // namespace ZOR

#endif

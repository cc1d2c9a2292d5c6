// One disc as the programs see it in drive D:, answered from the maker's Linux folder.
#ifndef ZOR_DISC_DISC_VIEW_H
#define ZOR_DISC_DISC_VIEW_H

#include <string>

#include "disc/native_files.h"

namespace disc {

// The drive in which the tool places a disc: the paths in the programs' messages are those
// a player with the disc in D: would read.
extern const wchar_t disc_drive[];

// The setup data folder linux_folder lying at the root of drive D:, with the build's
// programs (from programs_folder; empty: counted as there) standing in for those missing.
struct Cdisc_view {
  Cdisc_view(const std::string& linux_folder, const std::string& programs_folder);

  // The Linux path of below ('/' between names) in the setup data folder.
  std::string path(const std::string& below) const { return folder + "/" + below; }
  // The drive path of below ('\' between names) in the setup data folder.
  std::wstring drive_path(const std::wstring& below) const { return setup_data_dir + L"\\" + below; }

  std::string folder;          // without a final '/'
  std::string root;            // the folder holding it: the disc's root
  std::wstring name;           // its name, which the disc's folder gets
  std::wstring setup_data_dir;  // D:\<name>
  Cnative_files files;
};

// Why a second disc's folder does not go with a Setup.ini of disc_count discs.
std::string second_folder_mismatch(int disc_count);

}  // namespace disc

#endif

// Config end-to-end tests: a folder of the test holding a copy of Config.exe, Config started
// there, its dialog read and the settings it shows or writes.
#ifndef TESTS_E2E_CONFIG_CONFIG_SUPPORT_H
#define TESTS_E2E_CONFIG_CONFIG_SUPPORT_H

#include <windows.h>

#include <string>

#include "tests/driver/driver.h"

namespace config_test {

extern const wchar_t dialog_title[];
extern const wchar_t caption[];
extern const wchar_t save_question[];

// Control ids of the settings dialog, as the tests address them.
enum Config_item {
  path_box = 1001, adapter_box = 1002, present_interval_check = 1004, mipmap_check = 1005, help_text = 1006,
  hardware_vertex_check = 1008, wipe_one_radio = 1009, wipe_two_radio = 1010, wipe_group = 1011,
  silent_sound_check = 1012, mci_radio = 1013, wmp_radio = 1014, adapter_area = 1019, movie_group = 1020,
  reset_button = 1021,
};

// The seven settings in the order of the file.
struct Csettings {
  int adapter_no;
  int hardware_vertex;
  int present_interval;
  int use_mipmap;
  int wipe_buffer_count;
  int play_silent_sound;
  int movie_type;
};
extern const Csettings defaults;

// The exact bytes Config writes for settings: seven lines, CR LF between them, none after.
std::string file_bytes(const Csettings& settings);
// settings as shown_settings describes a dialog that shows them.
std::wstring described(const Csettings& settings);
// What the dialog's controls show: the adapter box's text and the states of the checks and
// radios, in one line ("adapter=0 hardware=1 ... wipe=2 ... movie=1"; "?" for a radio
// pair with not exactly one checked).
std::wstring shown_settings(HWND dialog);

// A folder of the test (in the temporary folder, or below root when given) holding a copy
// of Config.exe, and a registry path of its own ("ZorTest\<unique>") whose save folder below
// the documents folder is removed again with the place.
class Cconfig_place {
 public:
  explicit Cconfig_place(const std::wstring& root = L"");
  ~Cconfig_place();
  Cconfig_place(const Cconfig_place&) = delete;
  Cconfig_place& operator=(const Cconfig_place&) = delete;

  // Config's folder, without a final '\'.
  const std::wstring& folder() const { return folder_; }
  const std::wstring& reg_path() const { return reg_path_; }
  // documents folder + "\" + reg_path + "\SaveData".
  std::wstring documents_save_folder() const;

  // Writes Setup.ini beside Config with these bytes; with_reg_path writes one naming
  // reg_path() among other lines.
  void write_setup_ini(const std::string& bytes) const;
  void write_setup_ini_with_reg_path() const;
  // Puts a stand-in engine "LumoraEngine.exe" into Config's folder or its subfolder.
  void add_engine(const std::wstring& subfolder = L"") const;

 private:
  driver::Ctemp_folder temp_;
  std::wstring folder_;
  bool own_folder_ = false;
  std::wstring reg_path_;
};

// A place with the engine beside Config and system.ini holding bytes in its SaveData.
struct Cplace_with_file {
  explicit Cplace_with_file(const std::string& bytes, const std::wstring& root = L"");
  Cconfig_place place;
  std::wstring file;
};

// The text of a recorded error of this kind, code and operation, as Config shows it.
std::wstring error_text(int kind, int code, const wchar_t* operation);

// Config.exe under test.
class Cconfig {
 public:
  // Starts the copy of Config in place's folder; false (test failure) when it cannot start.
  bool start(const Cconfig_place& place);
  // Starts Config and waits for its dialog; null (test failure) when it does not come.
  HWND open_dialog(const Cconfig_place& place);
  DWORD id() const { return process.id(); }
  // Waits for the next message box, checks Config's caption, text and icon, answers it.
  bool expect_box(const std::wstring& text, driver::Box_icon icon, int answer);
  // Closes the dialog and expects the question, answered with answer.
  bool close_and_answer(HWND dialog, int answer);
  // Waits for the end of the program and checks its exit code 0.
  void expect_exit();

  driver::Cprocess process;
};

}  // namespace config_test

#endif

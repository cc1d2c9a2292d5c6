// TryWalk.exe, run by `lumora-disc try` inside the prefix it prepared: plays the disc in the
// CD-ROM drive (ZOR_DISC_DRIVE) as a player would, from Autorun through set-up, the game,
// the support tools and uninstall, and checks what the uninstall left behind. Everything it
// expects comes from the disc: the setup data folder from Autorun.ini and the title, registry
// path, discs, menu keys and installed entries from Setup.ini, each read through the rules the
// programs use. The message boxes are answered as a player who takes the defaults would: a
// question with Yes, a disc prompt by changing the disc (ZOR_DISC_CHANGE), a notice with OK;
// a box with the warning or error icon ends the walk, its text the reason.
//
// What it saw goes into walk.txt in the picture folder (ZOR_WALK_FOLDER), UTF-8, a record a
// line, its fields separated by tabs (a tab, line feed or backslash in a field written \t, \n,
// \\): "shot <picture> <caption>", "box <step> <caption> <text>", "note <text>",
// "fail <reason>", and "end" when the whole path ran and nothing was left behind.
#include <windows.h>

#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "disc/walker/screen_shot.h"
#include "lib/rules/autorun_ini.h"
#include "lib/rules/disc_entries.h"
#include "lib/rules/game_location.h"
#include "lib/rules/platform_files.h"
#include "lib/rules/startup_rules.h"
#include "tests/driver/driver.h"
#include "tests/driver/snapshot.h"

namespace {

// The walk's waits: a window of the programs, the game's first window, and a player's click.
constexpr DWORD window_wait_ms = 60000;
constexpr DWORD game_wait_ms = 10000;
constexpr DWORD player_wait_ms = 30 * 60000;

std::wstring folder;      // where the pictures and walk.txt go
bool interactive = false; // the player clicks; the walk only watches and shoots
std::string failure;      // the first reason the walk stopped

std::string utf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
  return bytes;
}

std::wstring lower(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

std::string field(const std::string& text) {
  std::string written;
  for (char c : text) {
    if (c == '\\') written += "\\\\";
    else if (c == '\t') written += "\\t";
    else if (c == '\n') written += "\\n";
    else if (c != '\r') written += c;
  }
  return written;
}

// Appends one record of fields to walk.txt.
void record(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& text : fields) line += (line.empty() ? "" : "\t") + field(text);
  line += "\n";
  const std::wstring path = folder + L"\\walk.txt";
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

void note(const std::string& text) {
  printf("  %s\n", text.c_str());
  record({"note", text});
}

// Stops the walk with reason (only the first reason is kept); always false.
bool fail(const std::string& reason) {
  if (failure.empty()) {
    failure = reason;
    printf("  FAILED: %s\n", reason.c_str());
    record({"fail", reason});
  }
  return false;
}

void shot(const std::string& name, const std::string& caption) {
  const std::wstring picture = walker::settle_and_shoot(folder, name);
  if (!picture.empty()) record({"shot", utf8(picture), caption});
}

// Records the driver's failures (a click refused, a process that did not end) as the reason.
class Cfailure_recorder : public testing::EmptyTestEventListener {
  void OnTestPartResult(const testing::TestPartResult& result) override {
    if (result.failed()) fail(result.summary());
  }
};

// The disc as the programs read it.
struct Cdisc {
  std::wstring drive;           // "D:"
  std::wstring setup_data_dir;  // drive + "\" + the setup data folder's name
  ZOR::Csetup_ini setup;        // Setup's reading: title, registry path, discs, entries
  ZOR::Csetup_ini menu;         // Foyer's reading: the menu keys
  int disc_in_drive = 1;
};
Cdisc disc;

bool read_disc() {
  disc.drive = walker::environment(L"ZOR_DISC_DRIVE");
  if (disc.drive.empty()) return fail("ZOR_DISC_DRIVE names no drive");
  std::wstring name;
  ZOR::Crule_problem autorun_problem;
  if (!ZOR::read_setup_data_name(ZOR::platform_files(), disc.drive, name, autorun_problem)) {
    return fail("Autorun.ini: " + utf8(autorun_problem.message));
  }
  disc.setup_data_dir = disc.drive + L"\\" + name;
  ZOR::Crule_problem problem;
  if (!ZOR::read_setup_ini(ZOR::platform_files(), disc.setup_data_dir, ZOR::Setup_ini_reader::setup, disc.setup, problem) ||
      !ZOR::read_setup_ini(ZOR::platform_files(), disc.setup_data_dir, ZOR::Setup_ini_reader::foyer, disc.menu, problem)) {
    return fail("Setup.ini: " + utf8(problem.message) + " (" + utf8(problem.caption) + ")");
  }
  note("the disc: " + utf8(disc.setup.game_title) + ", registry path " + utf8(disc.setup.reg_path) + ", " +
       std::to_string(disc.setup.disc_count) + " disc(s), " + std::to_string(disc.setup.setup_files.size()) +
       " entries to install");
  return true;
}

std::wstring special_folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}

// Every running process: its id and its program's file name in lower case.
std::vector<std::pair<DWORD, std::wstring>> processes() {
  std::vector<std::pair<DWORD, std::wstring>> found;
  HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (all == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(all, &entry); more; more = Process32NextW(all, &entry)) {
    found.emplace_back(entry.th32ProcessID, lower(entry.szExeFile));
  }
  CloseHandle(all);
  return found;
}

// The file name of the program that runs as process (lower case); empty when it is gone.
std::wstring program_of(DWORD process) {
  for (const auto& running : processes()) {
    if (running.first == process) return running.second;
  }
  return std::wstring();
}

// Processes running program (its file name in lower case).
std::vector<DWORD> processes_of(const std::wstring& program) {
  std::vector<DWORD> found;
  for (const auto& running : processes()) {
    if (running.second == program) found.push_back(running.first);
  }
  return found;
}

// The first visible window of program (lower-case file name) that is no message box, with
// title (when not empty) and the dialog item item (when not 0); null when there is none.
HWND program_window(const std::wstring& program, const std::wstring& title = L"", int item = 0) {
  for (HWND window : driver::top_level_windows(0)) {
    if (!IsWindowVisible(window) || driver::is_message_box(window)) continue;
    if (!title.empty() && driver::text_of(window) != title) continue;
    if (item != 0 && GetDlgItem(window, item) == nullptr) continue;
    if (program_of(driver::window_process(window)) == program) return window;
  }
  return nullptr;
}

// Asks the tool for disc number in the drive: the number goes into the file request of the
// folder ZOR_DISC_CHANGE, and the tool, which unmounts one image and mounts the other,
// answers with the file done.
bool change_disc(int number) {
  const std::wstring changes = walker::environment(L"ZOR_DISC_CHANGE");
  if (changes.empty()) return fail("ZOR_DISC_CHANGE names no folder of disc changes");
  const std::wstring done = changes + L"\\done";
  DeleteFileW(done.c_str());
  if (!driver::write_bytes(changes + L"\\request.part", std::to_string(number)) ||
      !MoveFileExW((changes + L"\\request.part").c_str(), (changes + L"\\request").c_str(), MOVEFILE_REPLACE_EXISTING)) {
    return fail("the disc change could not be asked for");
  }
  const ULONGLONG deadline = GetTickCount64() + window_wait_ms;
  while (!driver::exists(done) && GetTickCount64() < deadline) Sleep(50);
  if (!driver::exists(done)) return fail("disc " + std::to_string(number) + " was not put into the drive");
  disc.disc_in_drive = number;
  note("disc " + std::to_string(number) + " is in the drive");
  return true;
}

std::set<HWND> boxes_seen;

// A message box that came while the walk waited for something else: recorded with a picture,
// then answered as a player would. False (the walk stops) for a box with the warning or error
// icon, whose text is the reason.
bool handle_box(const std::string& step, HWND window) {
  if (boxes_seen.count(window) != 0) return true;  // a player has it in front of them
  boxes_seen.insert(window);
  const driver::Cmessage_box box = driver::read_message_box(window);
  record({"box", step, utf8(box.caption), utf8(box.text)});
  shot("box", "message box «" + utf8(box.caption) + "»: " + utf8(box.text));
  if (box.icon == driver::Box_icon::warning || box.icon == driver::Box_icon::error) {
    const std::string reason = step + ": «" + utf8(box.caption) + "» " + utf8(box.text);
    if (!interactive) driver::answer_message_box(box, box.has_button(IDOK) ? IDOK : box.buttons.front());
    return fail(reason);
  }
  for (int i = 0; i < disc.setup.disc_count && i < ZOR::Csetup_ini::disc_name_count; ++i) {
    if (box.text == ZOR::disc_prompt(disc.setup.disc_names[i]) && !change_disc(i + 1)) return false;
  }
  if (interactive) return true;
  const int answer = box.has_button(IDYES) ? IDYES : box.has_button(IDOK) ? IDOK : box.buttons.front();
  return driver::answer_message_box(box, answer);
}

// Waits until arrived() holds, handling the message boxes that come meanwhile. False when a
// box stops the walk or when awaited has not come within timeout_ms (a player's click waits
// longer in the interactive walk).
bool wait_answering(const std::string& step, const std::string& awaited, const std::function<bool()>& arrived,
                    DWORD timeout_ms = window_wait_ms) {
  if (interactive) timeout_ms = player_wait_ms;
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (arrived()) return true;
    if (HWND box = driver::find_message_box(0)) {
      if (!handle_box(step, box)) return false;
    }
    if (GetTickCount64() >= deadline) {
      return fail(step + ": " + awaited + " did not come within " + std::to_string(timeout_ms / 1000) + " s");
    }
    Sleep(50);
  }
}

// The visible buttons of the menu, top to bottom, as "label, label, ...".
std::vector<std::wstring> menu_labels(HWND menu) {
  std::vector<std::pair<LONG, std::wstring>> placed;
  for (HWND child = GetWindow(menu, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT area = {};
    if (!IsWindowVisible(child) || driver::class_name_of(child) != L"Button" || !GetWindowRect(child, &area)) continue;
    placed.emplace_back(area.top, driver::text_of(child));
  }
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::wstring> labels;
  for (const auto& button : placed) labels.push_back(button.second);
  return labels;
}

std::string joined(const std::vector<std::wstring>& labels) {
  std::string text;
  for (const std::wstring& label : labels) text += (text.empty() ? "" : ", ") + utf8(label);
  return text;
}

// Presses the menu's button label (in the interactive walk: waits for the player to press it).
bool press(const std::string& step, HWND menu, const std::wstring& label) {
  if (interactive) {
    note(step + ": press «" + utf8(label) + "»");
    return true;
  }
  for (HWND child = GetWindow(menu, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && driver::text_of(child) == label) return driver::click_window(child) || fail(step);
  }
  return fail(step + ": the menu has no button «" + utf8(label) + "» (it shows " + joined(menu_labels(menu)) + ")");
}

// Presses item of a dialog (in the interactive walk the player does).
bool click(const std::string& step, HWND dialog, int item) {
  return interactive || driver::click(dialog, item) || fail(step);
}

const std::wstring foyer = L"foyer.exe";
const std::wstring setup = L"setup.exe";

// The disc goes in: Autorun starts the menu from its temporary copy.
bool insert_disc(const std::string& step, HWND& menu) {
  driver::Cprocess autorun;
  if (!autorun.start(disc.drive + L"\\Autorun.exe", L"", disc.drive + L"\\")) return fail(step + ": Autorun.exe did not start");
  return wait_answering(step, "the menu (Foyer.exe, «" + utf8(disc.menu.game_title) + "»)", [&] {
    menu = program_window(foyer, disc.menu.game_title, 1002);
    return menu != nullptr;
  });
}

// The first page as Setup.ini asks for it: the DirectX, manual and extra buttons exactly when
// their keys are on.
bool check_first_page(HWND menu, bool installed) {
  const std::vector<std::wstring> labels = menu_labels(menu);
  const std::size_t wanted = (installed ? 5 : 3) + disc.menu.direct_x_use + disc.menu.manual_use + disc.menu.ex_button_use;
  if (labels.size() != wanted) {
    return fail("the menu shows " + std::to_string(labels.size()) + " buttons (" + joined(labels) + "), Setup.ini asks for " +
                std::to_string(wanted));
  }
  if (disc.menu.ex_button_use) {
    bool found = false;
    for (const std::wstring& label : labels) found = found || label == disc.menu.ex_button_name;
    if (!found) return fail("the menu has no extra button «" + utf8(disc.menu.ex_button_name) + "»");
  }
  return true;
}

bool show_menu(const std::string& name, const std::string& caption, HWND menu, bool installed) {
  if (!interactive && !wait_answering(caption, "the menu", [&] { return driver::is_visible(menu); })) return false;
  shot(name, caption + ": " + joined(menu_labels(menu)));
  return interactive || check_first_page(menu, installed);
}

// Presses the menu's button label, which starts Setup: its dialog (with the start item
// start_item) is shot and started, the boxes answered, and the menu's after-dialog (with the
// item after_item) waited for into after.
bool through_setup(const std::string& step, HWND menu, const std::wstring& label, int start_item, int after_item,
                   HWND& after) {
  if (!press(step, menu, label)) return false;
  HWND dialog = nullptr;
  if (!wait_answering(step, "Setup's dialog", [&] { return (dialog = program_window(setup, disc.setup.game_title, start_item)); })) {
    return false;
  }
  shot(step == "set-up" ? "setup" : step, "Setup's dialog for " + step + ", the folder: " + utf8(driver::item_text(dialog, 1001)));
  if (!click(step, dialog, start_item)) return false;
  return wait_answering(step, "the menu's after-dialog", [&] {
    return (after = program_window(foyer, disc.menu.game_title, after_item));
  });
}

// Set-up from the menu with the defaults (full install into the proposed folder); for two
// discs the second goes in when Setup asks and the first comes back when it is done. Then the
// after-setup dialog with its defaults, and the installed entries checked.
bool set_up(HWND menu) {
  const std::string step = "set-up";
  HWND after = nullptr;
  if (!through_setup(step, menu, L"セットアップ", 1010, 1004, after)) return false;
  if (disc.disc_in_drive != 1 && !change_disc(1)) return false;
  shot("after-setup", "the after-setup dialog");
  if (!click(step, after, 1003)) return false;
  if (!wait_answering(step, "the menu", [&] { return driver::is_visible(menu); })) return false;
  const std::wstring key = ZOR::game_key_path(disc.setup.reg_path);
  const std::wstring installed = driver::stored_value(key, L"exe_dir").text;
  if (installed.empty()) return fail(step + ": no exe_dir below HKLM\\" + utf8(key));
  std::string missing;
  for (const ZOR::Csetup_file_entry& entry : disc.setup.setup_files) {
    if (!driver::exists(installed + L"\\" + entry.path)) missing += " " + utf8(entry.path);
  }
  if (!driver::exists(installed + L"\\reg.ini")) missing += " reg.ini";
  if (!missing.empty()) return fail(step + ": not installed into " + utf8(installed) + ":" + missing);
  note("installed into " + utf8(installed) + ": every entry of Setup.ini and reg.ini");
  return show_menu("menu-installed", "the menu after set-up", menu, true);
}

// Ends every running engine, as the walk ends the game after its picture.
void end_engines() {
  for (DWORD id : processes_of(lower(ZOR::engine_file_name()))) {
    driver::Cprocess engine;
    if (engine.open(id)) engine.kill();
  }
}

// The game from the menu: the engine's first window (or what the screen shows after ten
// seconds) is shot and the engine ended.
bool play(HWND menu) {
  const std::string step = "the game";
  const DWORD foyer_id = driver::window_process(menu);
  if (!press(step, menu, L"ゲームを起動（ウィンドウ）")) return false;
  const std::wstring engine = lower(ZOR::engine_file_name());
  const std::string program = utf8(ZOR::engine_file_name());
  if (!wait_answering(step, program, [&] { return !processes_of(engine).empty(); }, game_wait_ms)) return false;
  const ULONGLONG deadline = GetTickCount64() + game_wait_ms;
  HWND window = nullptr;
  if (!wait_answering(step, "the game's window", [&] {
        return (window = program_window(engine)) != nullptr || GetTickCount64() >= deadline;
      })) {
    return false;
  }
  shot("game", window ? "the game's first window: «" + utf8(driver::text_of(window)) + "»"
                      : "the game, running without a window after " + std::to_string(game_wait_ms / 1000) + " s");
  if (interactive) {
    if (!wait_answering(step, "the game's end", [&] { return processes_of(engine).empty(); })) return false;
  } else {
    end_engines();
  }
  driver::Cprocess menu_process;
  if (menu_process.open(foyer_id)) {
    DWORD code = 0;
    if (!menu_process.wait_exit(&code)) return fail(step + ": the menu did not close when the game started");
  }
  return true;
}

// A support tool of the second page, when the disc has it: opened from the menu, shot, closed.
bool support_tool(HWND menu, const std::wstring& program, const std::wstring& label) {
  const std::string step = utf8(program);
  if (!driver::exists(disc.setup_data_dir + L"\\" + program)) {
    note("no " + step + " on the disc");
    return true;
  }
  if (!press(step, menu, label)) return false;
  const std::wstring name = lower(program);
  HWND window = nullptr;
  if (!wait_answering(step, step + "'s window", [&] { return (window = program_window(name)); })) return false;
  shot(utf8(program.substr(0, program.rfind(L'.'))), step + ": «" + utf8(driver::text_of(window)) + "»");
  driver::Cprocess tool;
  tool.open(driver::window_process(window));
  if (!interactive) driver::close_window(window);
  return wait_answering(step, step + "'s end", [&] { return !tool.running(); });
}

bool second_page(HWND menu) {
  const std::string step = "the second page";
  if (!press(step, menu, L"その他の設定")) return false;
  shot("menu-second-page", "the menu's second page: " + joined(menu_labels(menu)));
  if (!support_tool(menu, L"Config.exe", L"環境設定を開く （サポート用）")) return false;
  if (!support_tool(menu, L"Chronicle.exe", L"Chronicle を開く （サポート用）")) return false;
  return press(step, menu, L"戻る");
}

// Uninstall from the menu, the after-uninstall dialog with its defaults, and the menu closed.
bool uninstall(HWND menu) {
  const std::string step = "uninstall";
  const DWORD foyer_id = driver::window_process(menu);
  HWND after = nullptr;
  if (!through_setup(step, menu, L"アンインストール", 1015, 1006, after)) return false;
  shot("after-uninstall", "the after-uninstall dialog");
  if (!click(step, after, 1003)) return false;
  if (!show_menu("menu-uninstalled", "the menu after uninstall", menu, false)) return false;
  if (!interactive) driver::close_window(menu);
  driver::Cprocess menu_process;
  if (!menu_process.open(foyer_id)) return true;
  return wait_answering(step, "the menu's end", [&] { return !menu_process.running(); });
}

// The places a player's machine keeps: the program folders, the desktops and documents, and
// the keys of HKLM\Software but the system's own (Classes, Microsoft, Wine).
driver::Csnapshot machine() {
  std::vector<std::wstring> keys;
  HKEY software = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software", 0, KEY_READ, &software) == ERROR_SUCCESS) {
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
      DWORD length = 256;
      if (RegEnumKeyExW(software, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      const std::wstring key = name;
      if (_wcsicmp(name, L"Classes") != 0 && _wcsicmp(name, L"Microsoft") != 0 && _wcsicmp(name, L"Wine") != 0) {
        keys.push_back(L"Software\\" + key);
      }
    }
    RegCloseKey(software);
  }
  keys.push_back(ZOR::game_key_path(disc.setup.reg_path));
  return driver::Csnapshot({special_folder(CSIDL_PROGRAM_FILES), special_folder(CSIDL_PROGRAM_FILESX86),
                            special_folder(CSIDL_DESKTOPDIRECTORY), special_folder(CSIDL_COMMON_DESKTOPDIRECTORY),
                            special_folder(CSIDL_PERSONAL)},
                           keys);
}

// After uninstall: the installation folder, the game's key and reg.ini gone, and nothing else
// changed but the save data, which the player kept (the after-uninstall dialog's default).
bool check_residue(const driver::Csnapshot& before) {
  driver::Csnapshot after = before.again();
  const std::wstring reg_path = disc.setup.reg_path;
  after.forget(special_folder(CSIDL_PERSONAL) + L"\\" + reg_path.substr(0, reg_path.find(L'\\')));
  const std::wstring left = driver::difference(before, after);
  if (!left.empty()) return fail("left behind after uninstall:\n" + utf8(left));
  note("nothing left behind but the save data");
  return true;
}

bool walk() {
  if (!read_disc()) return false;
  if (driver::key_exists(ZOR::game_key_path(disc.setup.reg_path))) {
    return fail("the game is installed in this prefix already (HKLM\\" + utf8(ZOR::game_key_path(disc.setup.reg_path)) + ")");
  }
  const driver::Csnapshot before = machine();
  HWND menu = nullptr;
  if (!insert_disc("the disc goes in", menu) || !show_menu("menu", "the menu from Autorun", menu, false)) return false;
  if (!press("the second page", menu, L"その他の設定")) return false;
  shot("menu-second-page-before", "the menu's second page before set-up: " + joined(menu_labels(menu)));
  if (!press("the second page", menu, L"戻る")) return false;
  if (!set_up(menu) || !play(menu)) return false;
  if (!insert_disc("the disc again", menu) || !show_menu("menu-again", "the menu again", menu, true)) return false;
  if (!second_page(menu) || !uninstall(menu)) return false;
  return check_residue(before);
}

TEST(Try, ThePlayersPath) {
  folder = walker::environment(L"ZOR_WALK_FOLDER");
  ASSERT_FALSE(folder.empty()) << "ZOR_WALK_FOLDER names the folder of the pictures and walk.txt";
  interactive = walker::environment(L"ZOR_WALK_INTERACTIVE") == L"1";
  if (walk()) record({"end"});
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new Cfailure_recorder);
  return RUN_ALL_TESTS();
}

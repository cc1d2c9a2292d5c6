// Test driver: the places a test works in (its own temporary folder and registry key), the
// files it makes and reads there, and the paths of the built programs and of the test data.
#ifndef ZOR_TESTS_DRIVER_TEST_PLACES_H
#define ZOR_TESTS_DRIVER_TEST_PLACES_H

#include <cstdint>
#include <string>

namespace driver {

// A new, empty folder of its own under the Wine prefix's temporary folder
// (GetTempPathW + a unique name). The owner removes it with everything in it, read-only
// files included, when it is destroyed.
class Ctemp_folder {
 public:
  Ctemp_folder();  // a failed creation is a test failure and leaves path() empty
  ~Ctemp_folder();
  Ctemp_folder(const Ctemp_folder&) = delete;
  Ctemp_folder& operator=(const Ctemp_folder&) = delete;

  // Full path without a trailing '\'.
  const std::wstring& path() const { return path_; }
  // path() + "\" + relative.
  std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }
  // Makes the file relative below the folder holding bytes (replacing one that is there)
  // and returns its full path; a file that cannot be written is a test failure.
  std::wstring file(const std::wstring& relative, const std::string& bytes = std::string()) const;
  // Makes the folder relative below the folder and returns its full path; a folder that
  // neither exists nor can be made is a test failure.
  std::wstring folder(const std::wstring& relative) const;

 private:
  std::wstring path_;
};

// A registry path of its own, "Software\ZorTest\<unique>" below HKEY_LOCAL_MACHINE. The
// key is not created here (a test may check that it gets created); the owner deletes it
// with all its subkeys and values when it is destroyed.
class Ctest_registry_key {
 public:
  Ctest_registry_key();
  ~Ctest_registry_key();
  Ctest_registry_key(const Ctest_registry_key&) = delete;
  Ctest_registry_key& operator=(const Ctest_registry_key&) = delete;

  // Path below HKEY_LOCAL_MACHINE, without a leading '\'.
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// Sets an environment variable of the test process (inherited by the programs it starts)
// for the owner's lifetime.
class Cenvironment_value {
 public:
  Cenvironment_value(const wchar_t* name, const wchar_t* value);
  ~Cenvironment_value();
  Cenvironment_value(const Cenvironment_value&) = delete;
  Cenvironment_value& operator=(const Cenvironment_value&) = delete;

 private:
  const wchar_t* name_;
};

// A name that no other test of this or another test process has: "zor_<pid>_<n>_<ticks>".
std::wstring unique_name();
// Deletes a folder with everything in it (read-only entries too); true when it is gone.
bool remove_folder_tree(const std::wstring& path);

// True when a file or folder is at path.
bool exists(const std::wstring& path);
// The whole file as bytes, read while others may hold it open; empty when it cannot be read.
std::string read_bytes(const std::wstring& path);
// Text in the ANSI code page (the programs' description files and records) and back.
std::wstring from_ansi(const std::string& bytes);
std::string to_ansi(const std::wstring& text);
// Replaces the file with bytes; false when it cannot be written wholly (no test failure,
// so that a test can expect it).
bool write_bytes(const std::wstring& path, const std::string& bytes);
// Creates a file of size bytes without writing them (its content reads as zeros); false
// when it cannot be made.
bool make_sized_file(const std::wstring& path, std::int64_t size);
// Copies the tree below from into to (made when missing), leaving out the repository's
// ".empty" markers so that their folders are really empty; the copies are writable. A
// folder that cannot be listed or a file that cannot be copied is a test failure.
void copy_folder_tree(const std::wstring& from, const std::wstring& to);

// The Wine drive of a small tmpfs ("T:") that scripts/test.sh maps when it runs as root
// (ZOR_SMALL_DRIVE); empty when there is none, and the tests that need it skip.
std::wstring small_drive();

// Fills a drive with one file, "filler.bin" in its root, until a write fails (the drive is
// then full to the byte), and deletes that file again when destroyed.
class Cdrive_filler {
 public:
  explicit Cdrive_filler(const std::wstring& drive);
  ~Cdrive_filler();
  // Fills the drive up again (whatever was freed meanwhile), then gives back exactly bytes
  // (a multiple of the drive's 4 KiB pages); false (test failure) when the drive does not
  // then report bytes free.
  bool leave_free(std::uint64_t bytes);
  Cdrive_filler(const Cdrive_filler&) = delete;
  Cdrive_filler& operator=(const Cdrive_filler&) = delete;

 private:
  std::wstring path_;
};

// Bytes of the drive of path available to the caller (GetDiskFreeSpaceExW); 0 on failure.
std::uint64_t free_bytes(const std::wstring& path);

// Windows form of a Linux path through drive Z: ("/a/b" -> "Z:\a\b").
std::wstring windows_path(const std::wstring& linux_path);
// The build folder (from ZOR_BINARY_DIR, which ctest sets) in its Windows form; a test
// failure and empty when the variable is missing.
std::wstring binary_dir();
// Full Windows path of a built program: binary_dir() + "\bin\" + file_name.
std::wstring program_path(const std::wstring& file_name);
// The source folder (from ZOR_SOURCE_DIR) in its Windows form, and a path inside it
// given with '\' ("tests\data\x.ini").
std::wstring source_dir();
std::wstring source_path(const std::wstring& relative);

}  // namespace driver

#endif

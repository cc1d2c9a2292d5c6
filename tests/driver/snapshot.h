// Test driver: what a program may have touched (files, folders, registry keys and values),
// recorded before it runs and compared afterwards.
#ifndef ZOR_TESTS_DRIVER_SNAPSHOT_H
#define ZOR_TESTS_DRIVER_SNAPSHOT_H

#include <map>
#include <string>
#include <vector>

namespace driver {

// Every file and folder below some folders and every key and value below some keys of
// HKEY_LOCAL_MACHINE, each with what it holds: a folder its attributes; a file its size,
// attributes, last write time and (up to 64 MB) a hash of its bytes; a value its type and
// data. A place that does not exist records nothing, so one that appears later shows.
class Csnapshot {
 public:
  Csnapshot(std::vector<std::wstring> folders, std::vector<std::wstring> keys);
  // The same places recorded anew.
  Csnapshot again() const;
  // Drops the entries at path and below it (a file, folder or key the test expects gone).
  void forget(const std::wstring& path);

  // Full path ("C:\x\y", "HKLM\Software\k", "HKLM\Software\k:value") -> what it holds.
  std::map<std::wstring, std::wstring> entries;

 private:
  std::vector<std::wstring> folders_, keys_;
};

// One line per difference: "+ path" (new), "- path" (gone), "~ path" (changed); empty when
// both record the same.
std::wstring difference(const Csnapshot& before, const Csnapshot& after);

}  // namespace driver

#endif

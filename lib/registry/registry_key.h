// Registry keys: the owner of one open key and the five operations the programs use.
// Each operation opens the key it needs, does one thing and closes the key again; a
// failure records the platform's status (kind 2) under the operation's name and
// returns false or -1. None shows a message.
#ifndef ZOR_REGISTRY_REGISTRY_KEY_H
#define ZOR_REGISTRY_REGISTRY_KEY_H

#include <windows.h>

#include <boost/shared_ptr.hpp>

#include <string>

namespace ZOR {

// Owns one open registry key and closes it (RegCloseKey) when destroyed. Always held
// through boost::shared_ptr, so the key stays open until its last holder lets it go.
class Cregistry_key {
 public:
  explicit Cregistry_key(HKEY key) : key_(key) {}
  ~Cregistry_key();
  Cregistry_key(const Cregistry_key&) = delete;
  Cregistry_key& operator=(const Cregistry_key&) = delete;

  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

using Cregistry_key_ptr = boost::shared_ptr<Cregistry_key>;

// Keys are named by a root (HKEY_LOCAL_MACHINE) and a path below it with '\' between the
// parts; values are strings (REG_SZ).

// Opens root\path for reading; returns the holder, empty when it does not open (then
// the status is recorded under "RegOpenKeyEx").
Cregistry_key_ptr open_key_for_reading(HKEY root, const std::wstring& path);

// True when the key opens for reading. Records: "RegOpenKeyEx" with the status.
bool key_exists(HKEY root, const std::wstring& path);
// Reads the string value name (empty: the key's default value) into value, without its
// terminating NUL. A value needs at most 1024 bytes with its terminator (511
// characters). value is unchanged on failure. Records: "RegOpenKeyEx"; "RegQueryValueEx"
// (also ERROR_MORE_DATA for a longer value).
bool query_string_value(HKEY root, const std::wstring& path, const std::wstring& name,
                        std::wstring& value);
// Stores value (REG_SZ, with its terminator) as name, creating the key and any missing
// keys along the path. Records: "RegCreateKeyEx"; "Cregistry_key" when the value cannot
// be set (the keys created stay).
bool set_string_value(HKEY root, const std::wstring& path, const std::wstring& name,
                      const std::wstring& value);
// Deletes the key with its values; a key with subkeys is not deleted. Records:
// "RegOpenKeyEx"; "RegDeleteKey".
bool delete_key(HKEY root, const std::wstring& path);
// 1 when the key has at least one subkey, 0 when it has none (nothing is recorded),
// -1 on failure. Records: "RegOpenKeyEx"; "RegEnumKeyEx" with the enumeration status.
int key_has_subkeys(HKEY root, const std::wstring& path);

}  // namespace ZOR

#endif

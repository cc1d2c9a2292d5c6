// Registry keys: the owner of one open key and the five operations the programs use.
#include "lib/registry/registry_key.h"

#include "lib/error/error.h"

namespace ZOR {
namespace {

// Size of the buffer that query_string_value reads into.
constexpr DWORD value_buffer_bytes = 1024;

}  // namespace

Cregistry_key::~Cregistry_key() { RegCloseKey(key_); }

Cregistry_key_ptr open_key_for_reading(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  const LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) {
    set_win32_error_code(status, L"RegOpenKeyEx");
    return Cregistry_key_ptr();
  }
  return Cregistry_key_ptr(new Cregistry_key(key));
}

bool key_exists(HKEY root, const std::wstring& path) {
  return open_key_for_reading(root, path) != nullptr;
}

bool query_string_value(HKEY root, const std::wstring& path, const std::wstring& name,
                        std::wstring& value) {
  const Cregistry_key_ptr key = open_key_for_reading(root, path);
  if (!key) return false;
  wchar_t buffer[value_buffer_bytes / sizeof(wchar_t)];
  DWORD bytes = value_buffer_bytes;
  const LSTATUS status = RegQueryValueExW(key->get(), name.c_str(), nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(buffer), &bytes);
  if (status != ERROR_SUCCESS) {
    set_win32_error_code(status, L"RegQueryValueEx");
    return false;
  }
  // The stored terminator is dropped; a value stored without one (by another program)
  // keeps its last character.
  size_t length = bytes / sizeof(wchar_t);
  if (length > 0 && buffer[length - 1] == L'\0') --length;
  value.assign(buffer, length);
  return true;
}

bool set_string_value(HKEY root, const std::wstring& path, const std::wstring& name,
                      const std::wstring& value) {
  HKEY created = nullptr;
  const LSTATUS status = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         KEY_WRITE, nullptr, &created, nullptr);
  if (status != ERROR_SUCCESS) {
    set_win32_error_code(status, L"RegCreateKeyEx");
    return false;
  }
  const Cregistry_key_ptr key(new Cregistry_key(created));
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const LSTATUS set_status = RegSetValueExW(key->get(), name.c_str(), 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  if (set_status != ERROR_SUCCESS) {
    set_win32_error_code(set_status, L"Cregistry_key");
    return false;
  }
  return true;
}

bool delete_key(HKEY root, const std::wstring& path) {
  const Cregistry_key_ptr key = open_key_for_reading(root, path);
  if (!key) return false;
  const LSTATUS status = RegDeleteKeyW(root, path.c_str());
  if (status != ERROR_SUCCESS) {
    set_win32_error_code(status, L"RegDeleteKey");
    return false;
  }
  return true;
}

int key_has_subkeys(HKEY root, const std::wstring& path) {
  const Cregistry_key_ptr key = open_key_for_reading(root, path);
  if (!key) return -1;
  // Key names have at most 255 characters, so the first one always fits.
  wchar_t name[256];
  DWORD length = 256;
  const LSTATUS status =
      RegEnumKeyExW(key->get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_SUCCESS) return 1;
  if (status == ERROR_NO_MORE_ITEMS) return 0;
  set_win32_error_code(status, L"RegEnumKeyEx");
  return -1;
}

}  // namespace ZOR

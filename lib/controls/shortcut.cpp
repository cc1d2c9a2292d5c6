// Resolving shell shortcuts (.lnk files) to the paths they point to.
#include "lib/controls/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace ZOR {

namespace {

// Owns one reference to a COM interface; released on every path.
template <typename Interface>
class Ccom_reference {
 public:
  Ccom_reference() = default;
  Ccom_reference(const Ccom_reference&) = delete;
  Ccom_reference& operator=(const Ccom_reference&) = delete;
  ~Ccom_reference() {
    if (pointer != nullptr) pointer->Release();
  }
  Interface* operator->() const { return pointer; }
  void** out() { return reinterpret_cast<void**>(&pointer); }

  Interface* pointer = nullptr;
};

}  // namespace

std::wstring resolve_shortcut(const std::wstring& path) {
  Ccom_reference<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out()))) {
    return path;
  }
  Ccom_reference<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) return path;
  if (FAILED(file->Load(path.c_str(), STGM_READ))) return path;
  if (FAILED(link->Resolve(nullptr, SLR_ANY_MATCH))) return path;
  wchar_t target[MAX_PATH] = {};
  // S_FALSE (a link to something that is no file) leaves no path to use.
  if (link->GetPath(target, MAX_PATH, nullptr, 0) != S_OK || target[0] == L'\0') return path;
  return target;
}

}  // namespace ZOR

// Shell shortcuts (.lnk files): resolving and writing them.
#include "lib/controls/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "lib/error/error.h"

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

Shortcut_problem create_shortcut(const std::wstring& link_path, const std::wstring& target,
                                 const std::wstring& icon_path) {
  Ccom_reference<IShellLinkW> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out());
  if (FAILED(result)) {
    set_hresult_error(result, L"CoCreateInstance");
    return Shortcut_problem::shell_link;
  }
  link->SetPath(target.c_str());
  if (!icon_path.empty()) link->SetIconLocation(icon_path.c_str(), 0);
  Ccom_reference<IPersistFile> file;
  result = link->QueryInterface(IID_IPersistFile, file.out());
  if (FAILED(result)) {
    set_hresult_error(result, L"QueryInterface");
    return Shortcut_problem::persist_file;
  }
  result = file->Save(link_path.c_str(), TRUE);
  if (FAILED(result)) {
    set_hresult_error(result, L"IPersistFile::Save");
    return Shortcut_problem::save;
  }
  return Shortcut_problem::none;
}

}  // namespace ZOR

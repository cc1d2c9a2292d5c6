// Shell shortcuts (.lnk files): resolving them to the paths they point to, and writing them.
#ifndef ZOR_CONTROLS_SHORTCUT_H
#define ZOR_CONTROLS_SHORTCUT_H

#include <string>

namespace ZOR {

// The target path of the shortcut file at path (loaded through IPersistFile, resolved
// without a window, read with IShellLinkW::GetPath). When path is no shortcut or any step
// fails, path itself is returned. Needs COM initialised on the calling thread.
std::wstring resolve_shortcut(const std::wstring& path);

// The step at which writing a shortcut failed.
enum class Shortcut_problem {
  none,
  shell_link,    // no IShellLinkW object
  persist_file,  // the object offers no IPersistFile
  save,          // the link file could not be written
};

// Writes the shortcut file link_path pointing at target, with the icon at index 0 of
// icon_path when that is not empty; no arguments, working folder, description or hot key.
// On failure records the HRESULT under "CoCreateInstance", "QueryInterface" or
// "IPersistFile::Save" and says at which step. Needs COM initialised on the calling thread.
Shortcut_problem create_shortcut(const std::wstring& link_path, const std::wstring& target,
                                 const std::wstring& icon_path);

}  // namespace ZOR

#endif

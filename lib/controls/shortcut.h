// Resolving shell shortcuts (.lnk files) to the paths they point to.
#ifndef ZOR_CONTROLS_SHORTCUT_H
#define ZOR_CONTROLS_SHORTCUT_H

#include <string>

namespace ZOR {

// The target path of the shortcut file at path (loaded through IPersistFile, resolved
// without a window, read with IShellLinkW::GetPath). When path is no shortcut or any step
// fails, path itself is returned. Needs COM initialised on the calling thread.
std::wstring resolve_shortcut(const std::wstring& path);

}  // namespace ZOR

#endif

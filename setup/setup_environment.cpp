// Setup's process-wide record and the small helpers every part of Setup shares.
#include "setup/setup_environment.h"

#include "lib/error/error.h"

Csetup_environment setup_environment;

const wchar_t admin_hint[] =
    L"・管理者権限で実行していますか？\n　※制限ユーザではセットアップを実行することはできません。\n";

std::wstring join_path(const std::wstring& a, const std::wstring& b) {
  if (a.empty()) return b;
  if (a.back() == L'\\') return a + b;
  return a + L"\\" + b;
}

void warn(const std::wstring& text) {
  ZOR::message_box(text, setup_environment.game_title, MB_ICONWARNING);
}

void warn_owned(HWND owner, const std::wstring& text) {
  ZOR::message_box_owned(owner, text, setup_environment.game_title, MB_ICONWARNING);
}

// Foyer's process-wide record and its message boxes.
#include "foyer/menu_environment.h"

#include "lib/error/error.h"

Cmenu_environment menu_environment;

int menu_box(const std::wstring& text, UINT style) {
  return ZOR::message_box(text, menu_environment.game_title, style);
}

void menu_warning(const std::wstring& text) { menu_box(text, MB_ICONWARNING); }

// The dialogs after Setup has ended: the shortcut offer after setup, the shortcut and
// save-data offer after uninstall. They only collect the choices.
#ifndef FOYER_AFTER_DIALOGS_H
#define FOYER_AFTER_DIALOGS_H

#include <string>

#include "lib/controls/button.h"
#include "lib/window/dialog.h"

// The part both share: the game's title and icons at initialisation, and a close box that
// asks first. run_after returns 1 after "次へ >>" and 0 after a confirmed close.
class C_after_dialog : public ZOR::C_modal_dialog {
 protected:
  explicit C_after_dialog(const wchar_t* close_question) : close_question_(close_question) {}
  // Title and icons of the game; the derived dialog binds and ticks its boxes.
  bool on_init() override;
  // "次へ >>": the choices are read (read_choices) and the dialog ends with 1.
  void on_command(int id) override;
  // Asks the close question (Yes/No, no icon); anything but No ends the dialog with 0.
  // The message never goes on: the default handling would destroy the modal window.
  bool on_close() override;
  virtual void read_choices() = 0;

 private:
  const wchar_t* close_question_;
};

class C_setup_after_dialog : public C_after_dialog {
 public:
  C_setup_after_dialog() : C_after_dialog(L"セットアップを終了してよろしいですか？") {}
  // Template 102 as "setup_after"; 1 with the choice, or 0.
  INT_PTR run();

  ZOR::Cc_check chk_create_shortcut;
  bool create_shortcut_choice = false;

 protected:
  bool on_init() override;
  void read_choices() override;
};

class C_uninstall_after_dialog : public C_after_dialog {
 public:
  C_uninstall_after_dialog() : C_after_dialog(L"アンインストールを終了してよろしいですか？") {}
  // Template 106 as "uninstall_after"; 1 with the choices, or 0.
  INT_PTR run();

  ZOR::Cc_check chk_delete_shortcut;
  ZOR::Cc_check chk_delete_save_data;
  bool delete_shortcut_choice = false;
  bool delete_save_data_choice = false;

 protected:
  bool on_init() override;
  void read_choices() override;
};

#endif

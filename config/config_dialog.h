// The settings dialog: the path of system.ini, the seven settings, hover help, reset, and
// the save question on closing (template 101, "lumora_config").
#ifndef CONFIG_CONFIG_DIALOG_H
#define CONFIG_CONFIG_DIALOG_H

#include "config/system_ini.h"
#include "lib/controls/button.h"
#include "lib/controls/edit.h"
#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_config_dialog : public ZOR::C_handler_dialog {
 public:
  // One pass of the main loop: shows the help of the setting under the cursor, or nothing.
  void update_help_text();
  // The settings as the controls show them now.
  ZOR::Csystem_settings read_values() const;

  ZOR::Cc_edit settings_path;       // 1001
  ZOR::Cc_static adapter_area;      // 1019, hidden
  ZOR::Cc_edit adapter_no;          // 1002
  ZOR::Cc_check present_interval;   // 1004
  ZOR::Cc_check use_mipmap;         // 1005
  ZOR::Cc_check hardware_vertex;    // 1008
  ZOR::Cc_static wipe_group;        // 1011
  ZOR::Cc_radio wipe_one;           // 1009
  ZOR::Cc_radio wipe_two;           // 1010
  ZOR::Cc_check play_silent_sound;  // 1012
  ZOR::Cc_static movie_group;       // 1020
  ZOR::Cc_radio movie_mci;          // 1013
  ZOR::Cc_radio movie_wmp;          // 1014
  ZOR::Cc_button reset;             // 1021
  ZOR::Cc_static help_text;         // 1006

 private:
  // WM_INITDIALOG: becomes the main window, binds the controls, shows the path and the
  // settings read at start-up. Returns false: the dialog is shown by the start-up.
  bool on_init() override;
  // WM_COMMAND: reset puts the defaults into the controls (nothing is written).
  void on_command(int id) override;
  // WM_CLOSE: closes at once when nothing changed; otherwise asks whether to save (Yes
  // saves, then closes whatever the outcome; No closes; Cancel keeps the dialog).
  bool on_close() override;

  // Puts settings into the controls.
  void show_values(const ZOR::Csystem_settings& settings);
};

#endif

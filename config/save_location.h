// Where the engine keeps its save data, and so system.ini, as Config finds it.
#ifndef CONFIG_SAVE_LOCATION_H
#define CONFIG_SAVE_LOCATION_H

// Finds the save folder: by Setup.ini's #REG_PATH beside Config (below the documents
// folder), else by the engine beside Config or in its GameData folder. Fills save_folder,
// settings_path and settings_file of config_environment. False after the message of the
// rule that failed.
bool locate_save_folder();

#endif

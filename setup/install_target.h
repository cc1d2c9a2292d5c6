// Where the game goes and how much room it needs: sizes, destination texts, browser, start button.
#ifndef SETUP_INSTALL_TARGET_H
#define SETUP_INSTALL_TARGET_H

// Measures setup_size (every entry) and min_setup_size (file entries only) from the disc.
// Returns false after showing the missing-path message for an entry that does not exist.
bool measure_install_sizes();

// Refreshes the destination box and the free-space text of the setup dialog.
void update_destination_texts();
// update_destination_texts, then the method buttons and the two required-size texts.
void update_method_texts();

// The change button: the folder browser, the length rule, then the texts again.
void browse_destination();

// The start button: method, free space and destination checks, the question, the install
// with its progress dialog, and the removal after a cancel or failure.
void start_setup();

#endif

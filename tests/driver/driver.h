// Test driver for end-to-end tests: everything a test needs to run and drive a program.
#ifndef ZOR_TESTS_DRIVER_DRIVER_H
#define ZOR_TESTS_DRIVER_DRIVER_H

#include "tests/driver/folder_browser.h"
#include "tests/driver/log_rows.h"
#include "tests/driver/message_box.h"
#include "tests/driver/process.h"
#include "tests/driver/sample_disc.h"
#include "tests/driver/start_record.h"
#include "tests/driver/test_places.h"
#include "tests/driver/window_access.h"

#endif

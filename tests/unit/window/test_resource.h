// Resource ids of the window tests' dialog templates.
#ifndef ZOR_TESTS_UNIT_WINDOW_TEST_RESOURCE_H
#define ZOR_TESTS_UNIT_WINDOW_TEST_RESOURCE_H

#define IDD_TEST_PLAIN 100
#define IDD_TEST_MODAL 101
#define IDI_TEST 102

#define IDC_TEST_EDIT 1001
#define IDC_TEST_CHECK 1002
#define IDC_TEST_BUTTON 1003
#define IDC_TEST_ICON 1004
#define IDC_TEST_MISSING 1999

#endif

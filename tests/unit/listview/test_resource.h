// Resource ids of the list view tests' dialog template.
#ifndef ZOR_TESTS_UNIT_LISTVIEW_TEST_RESOURCE_H
#define ZOR_TESTS_UNIT_LISTVIEW_TEST_RESOURCE_H

#define IDD_LISTS 100

#define IDC_LIST 1001
#define IDC_OWNER_LIST 1002

#endif

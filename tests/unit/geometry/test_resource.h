// Resource ids of the geometry tests' dialog template.
#ifndef ZOR_TESTS_UNIT_GEOMETRY_TEST_RESOURCE_H
#define ZOR_TESTS_UNIT_GEOMETRY_TEST_RESOURCE_H

#define IDD_GEOMETRY 100
#define IDD_GEOMETRY_NARROW 101

#define IDC_GEO_LEFT 1001
#define IDC_GEO_RIGHT 1002
#define IDC_GEO_FIXED 1003
#define IDC_GEO_CORNER 1004
#define IDC_GEO_GROW 1005

#endif

// Resource ids of the sample dialog program, shared by its .rc and its code.
#ifndef ZOR_TESTS_SAMPLE_DIALOG_RESOURCE_H
#define ZOR_TESTS_SAMPLE_DIALOG_RESOURCE_H

#define IDD_SAMPLE 100
#define IDI_SAMPLE 101

#define IDC_LABEL 1001
#define IDC_EDIT 1002
#define IDC_CHECK 1003
#define IDC_RADIO_FIRST 1004
#define IDC_RADIO_SECOND 1005
#define IDC_PROGRESS 1006
#define IDC_ADVANCE 1007
#define IDC_MESSAGE 1008
#define IDC_RESULT 1009

#endif

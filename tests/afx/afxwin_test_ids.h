#pragma once
#define IDD_TEST    500
#define IDD_CHILD   501
#define IDC_FIRST   1100
#define IDC_SECOND  1101
#define IDC_THIRD   1102
#define IDC_REFLECT 1103
#define IDC_DRAWN   1104
#define IDC_EDIT    1105
#define IDC_INNER   1106
#define IDD_LIST    502
#define IDC_LIST    1107
#define IDB_IMAGES  600

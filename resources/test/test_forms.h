// Identifiers of the test forms (test_forms.rc), which the tests of the shared form machinery
// run on in place of the module's forms.
#pragma once

#define IDD_TEST_FIELDS 900
#define IDD_TEST_FRAME 901
#define IDD_TEST_MASK 902
#define IDD_TEST_DETAILS 903

// Form 900: one control of every kind.
#define IDC_TEST_EDIT 910
#define IDC_TEST_OTHER_EDIT 911
#define IDC_TEST_CHECK 912
#define IDC_TEST_RADIO_A 913
#define IDC_TEST_RADIO_B 914
#define IDC_TEST_COMBO 915
#define IDC_TEST_LIST 916
#define IDC_TEST_LABEL 917

// Form 902: a mask form that opens a sub-dialog; the kind list rules the note.
#define IDC_TEST_NAME_LABEL 920
#define IDC_TEST_NAME 921
#define IDC_TEST_KIND 922
#define IDC_TEST_NOTE_LINK 923
#define IDC_TEST_NOTE 924
#define IDC_TEST_OPEN_DETAILS 925
#define IDC_TEST_SEND 926
#define IDC_TEST_RECALL 927
#define IDC_TEST_CLEAR 928
#define IDC_TEST_CANCEL 929
#define IDC_TEST_HELP 930

// Form 903: the sub-dialog, a grid of three rows of a segment and a code; the identifiers of
// the rows do not run in order.
#define IDC_TEST_ROW1_SEGMENT 940
#define IDC_TEST_ROW1_CODE 941
#define IDC_TEST_ROW2_SEGMENT 942
#define IDC_TEST_ROW2_CODE 945
#define IDC_TEST_ROW3_SEGMENT 944
#define IDC_TEST_ROW3_CODE 943
#define IDC_TEST_DETAILS_SEND 950
#define IDC_TEST_DETAILS_RECALL 951
#define IDC_TEST_DETAILS_BACK 952
#define IDC_TEST_DETAILS_CLEAR 953
#define IDC_TEST_DETAILS_CANCEL 954
#define IDC_TEST_DETAILS_HELP 955

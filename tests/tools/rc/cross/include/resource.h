/* The ids the program and its resource script share. */
#define IDI_APP 1
#define IDD_ABOUT 100
#define IDC_NAME 101
#define IDS_TITLE 200
#define IDS_GREETING 201

/* A small Windows program whose resources come from app.rc: its title and greeting from the
   string table, the About dialog, the icon of its window class. */
#include <windows.h>

#include "resource.h"

static INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    if (message == WM_INITDIALOG) {
        char greeting[128];
        LoadStringA(GetModuleHandleA(NULL), IDS_GREETING, greeting, sizeof greeting);
        SetDlgItemTextA(dialog, IDC_NAME, greeting);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)commandLine;
    (void)show;
    char title[64];
    LoadStringA(instance, IDS_TITLE, title, sizeof title);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    INT_PTR answer = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), NULL, AboutProc, 0);
    return icon && answer == IDOK ? 0 : 1;
}

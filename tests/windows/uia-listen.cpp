// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen reader's first request, for the Windows end-to-end test: asks the
// window with the given title for its UI Automation root, which turns on the
// program's UI Automation. Exits 0 once the window has answered.
//
//   uia-listen TITLE
#include <windows.h>

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    DWORD_PTR answer = 0;
    constexpr LPARAM uiaRootObjectId = -25;
    return window && SendMessageTimeoutW(window, WM_GETOBJECT, 0, uiaRootObjectId, SMTO_ABORTIFHUNG, 5000, &answer) ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the Windows end-to-end test asks of a window found by its title:
//   ask-window uia TITLE    a screen reader's first request, the window's UI
//                           Automation root, which turns on the program's UI
//                           Automation;
//   ask-window text TITLE   the texts of its controls (a message box's
//                           sentence), a line each, in UTF-8.
// Exits 0 once the window has answered, 1 where there is none.
#include <windows.h>

#include <cstdio>

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const HWND window = argc == 3 ? FindWindowW(nullptr, argv[2]) : nullptr;
    if (!window)
        return 1;
    if (lstrcmpW(argv[1], L"text") == 0) {
        EnumChildWindows(window, [](HWND child, LPARAM) -> BOOL {
            wchar_t text[1024];
            char bytes[4096];
            GetWindowTextW(child, text, 1024);
            if (WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr) > 1)
                std::printf("%s\n", bytes);
            return TRUE;
        }, 0);
        return 0;
    }
    DWORD_PTR answer = 0;
    constexpr LPARAM uiaRootObjectId = -25;
    return SendMessageTimeoutW(window, WM_GETOBJECT, 0, uiaRootObjectId, SMTO_ABORTIFHUNG, 5000, &answer) ? 0 : 1;
}

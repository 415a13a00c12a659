// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// A recording stand-in for Windows' UI Automation library, for the Windows
// end-to-end test under Wine, whose own library lacks notifications. It says
// that a client listens, appends the text of every notification raised to
// C:\uia-notifications.txt (UTF-8, one a line, a line break inside one as
// "\n"), and otherwise does nothing.
#include <windows.h>

#include <string>

namespace {

void record(const wchar_t *text)
{
    std::wstring line;
    for (const wchar_t *c = text; c && *c; ++c)
        line += *c == L'\n' ? std::wstring(L"\\n") : *c == L'\r' ? std::wstring(L"\\r") : std::wstring(1, *c);
    line += L'\n';
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), bytes.data(), size, nullptr, nullptr);
    const HANDLE file = CreateFileW(L"C:\\uia-notifications.txt", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening() { return TRUE; }

__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(void *, int, int, BSTR text, BSTR)
{
    record(text);
    return S_OK;
}

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, void *) { return 0; }
__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND, void **provider)
{
    *provider = nullptr;
    return E_NOTIMPL;
}
__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(void *, int) { return S_OK; }
__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(void *, int, VARIANT, VARIANT) { return S_OK; }

} // extern "C"

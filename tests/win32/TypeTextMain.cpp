// Types its argument into the window that has the keyboard focus, as an input method
// hands over the characters it composed: each character a key of its own
// (KEYEVENTF_UNICODE), which Windows turns into WM_CHAR. The journeys use it for text
// beyond what the X keyboard under Wine types. Usage: type_text TEXT
#include <windows.h>
#include <shellapi.h>

int main()
{
    int nArgs = 0;
    LPWSTR* ppszArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (!ppszArgs || nArgs != 2)
        return 2;
    for (const wchar_t* p = ppszArgs[1]; *p; ++p) {
        INPUT keys[2] = {};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = *p;
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        if (::SendInput(2, keys, sizeof(INPUT)) != 2)
            return 1;
        ::Sleep(50);
    }
    ::LocalFree(ppszArgs);
    return 0;
}

// Stands in for the system information tool: writes "<its own path>.ran" and ends.
#include <windows.h>

int main()
{
    wchar_t path[MAX_PATH + 8] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    ::lstrcatW(path, L".ran");
    HANDLE mark = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark == INVALID_HANDLE_VALUE)
        return 1;
    ::CloseHandle(mark);
    return 0;
}

#include "app/console_output.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

void UseParentConsole()
{
#ifdef _WIN32
    const bool redirected = GetStdHandle(STD_OUTPUT_HANDLE) != nullptr;
    if (redirected || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    SetConsoleOutputCP(CP_UTF8);
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
#endif
}

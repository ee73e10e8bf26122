// Program entry of Zentavio.exe.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int showCommand)
{
    (void)instance;
    (void)commandLine;
    (void)showCommand;
    return 0;
}

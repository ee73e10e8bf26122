#include "app/JpegHandOff.h"

#include <shlobj.h>
#include <stdio.h>
#include <wchar.h>

#include "app/MainWindow.h"
#include "base/ErrorLog.h"
#include "settings/IniPath.h"

namespace {

constexpr int kParamSize = 388;

int m_EndsWithNoCaseN(LPCWSTR text, size_t length, LPCWSTR suffix)
{
    size_t n = wcslen(suffix);
    return length >= n && _wcsnicmp(text + length - n, suffix, n) == 0;
}

void m_Run(LPCWSTR verb, LPCWSTR file, LPCWSTR params, int show)
{
    HINSTANCE result = ShellExecuteW(nullptr, verb, file, params, nullptr, show);
    if ((INT_PTR)result <= 32) {
        m_WriteLog(L"MAIN_%d : Error / ShellExecuteW(%s) = %d", __LINE__, file,
                   (int)(INT_PTR)result);
    }
}

void m_RunPhotoViewerDll(LPCWSTR dllPath, LPCWSTR image)
{
    wchar_t params[kParamSize];
    _snwprintf(params, kParamSize - 1, L"\"%s\", ImageView_Fullscreen %s", dllPath, image);
    params[kParamSize - 1] = 0;
    m_Run(L"open", L"rundll32.exe", params, SW_SHOWNORMAL);
}

// The Photos app takes the file as a protocol argument: going through
// "cmd /c start" would read the first quoted text as a window title and
// let the shell expand the path.
void m_RunPhotosApp(LPCWSTR image)
{
    wchar_t uri[kParamSize];
    _snwprintf(uri, kParamSize - 1, L"ms-photos:viewer?fileName=%s", image);
    uri[kParamSize - 1] = 0;
    m_Run(L"open", uri, nullptr, SW_SHOWNORMAL);
}

void m_RunDefaultViewer(LPCWSTR image)
{
    if (g_OsVersion == 10) {
        m_RunPhotosApp(image);
        return;
    }
    wchar_t dll[MAX_PATH + 1];
    if (!SHGetSpecialFolderPathW(nullptr, dll, CSIDL_PROGRAM_FILES, FALSE)) return;
    wcsncat(dll, L"\\Windows Photo Viewer\\PhotoViewer.dll", MAX_PATH - wcslen(dll));
    m_RunPhotoViewerDll(dll, image);
}

// A viewer that is this program would open the image as media again.
int m_IsThisProgram(LPCWSTR app)
{
    wchar_t full[MAX_PATH + 1];
    DWORD n = GetFullPathNameW(app, MAX_PATH + 1, full, nullptr);
    return n > 0 && n <= MAX_PATH && lstrcmpiW(full, g_ExePath) == 0;
}

void m_RunViewer(LPCWSTR app, LPCWSTR image)
{
    if (app[0] == 0) {
        m_RunDefaultViewer(image);
    } else if (wcscmp(app, L"1") == 0) {
        m_RunPhotoViewerDll(L"C:\\Program Files (x86)\\Windows Photo Viewer\\PhotoViewer.dll",
                            image);
    } else if (wcscmp(app, L"2") == 0) {
        return;
    } else if (!m_IsThisProgram(app)) {
        wchar_t params[kParamSize];
        _snwprintf(params, kParamSize - 1, L"\"%s\"", image);
        params[kParamSize - 1] = 0;
        m_Run(L"open", app, params, SW_SHOWNORMAL);
    }
}

}  // namespace

int m_IsPlainJpeg(LPCWSTR path)
{
    size_t length = wcslen(path);
    if (!m_EndsWithNoCaseN(path, length, L".jpg")) return 0;
    size_t stem = length - 4;
    return !m_EndsWithNoCaseN(path, stem, L".zvjl") && !m_EndsWithNoCaseN(path, stem, L".zvbm");
}

int m_JpegHandOff(int argCount, LPWSTR* args)
{
    if (!GetPrivateProfileIntW(L"Jumplist", L"Dstc", 0, g_IniPath)) return 0;
    if (argCount < 2 || !args || !m_IsPlainJpeg(args[1])) return 0;
    wchar_t app[MAX_PATH + 1];
    GetPrivateProfileStringW(L"Jumplist", L"DstcApp", L"", app, MAX_PATH + 1, g_IniPath);
    m_RunViewer(app, args[1]);
    return 1;
}

// A small Windows console program that behaviour tests run beside the
// player to look at its windows from outside, as another process would.
//
//   WinProbe wait <class> <timeout ms>   waits for a top-level window of the
//                                         class; prints its facts (owner is
//                                         the owner's class, or 0)
//   WinProbe count <class>               prints how many such windows exist
//   WinProbe close <class>               posts WM_CLOSE to each of them
//   WinProbe copydata <class> <kind> [text]
//                                         sends WM_COPYDATA (0x8002): kind
//                                         "line" (text with its zero),
//                                         "noterm", "odd", "null"
//   WinProbe visible <class>             prints how many are visible
//   WinProbe move <class> <x> <y> <w> <h>
//                                         moves and sizes the first one
//   WinProbe text <class> <child id>     prints the WM_GETTEXT answer of the
//                                         first visible window's descendant
//                                         with that id; exit code 3 when
//                                         there is no such child
//   WinProbe foreground <class>          prints 1 when the foreground
//                                         window is of the class, else 0
//   WinProbe press <class> <vk>...       brings the first visible one to
//                                         the front and types the keys
//   WinProbe gone <class> <timeout ms>   waits until none is visible
//   WinProbe child <class> <child id>    prints "visible=0|1 rect=l,t,r,b" of
//                                         that descendant, in the first
//                                         visible window's client pixels
//   WinProbe post <class> <message> <wParam> [lParam]
//                                         posts the message (a number, or a
//                                         name to register) to each of them
//   WinProbe menucmd <class> <item id> [menu id [state [mode [repeat | from to]]]]
//                                         sends the first one a chosen menu
//                                         item (WM_APP_MENUCOMMAND with a
//                                         notice block written into its
//                                         process), from that menu with that
//                                         selection state and mode (and
//                                         the repeat flag of a step); with
//                                         from and to, the item dragged
//                                         between those indexes (code 201)
//   WinProbe menutip <class>            prints "rect=l,t,r,b" of the tooltip
//                                         tool (id 1) of a visible popup of
//                                         the class, in screen pixels, then
//                                         its text; exit code 3 when no popup
//                                         has one
//   WinProbe wintext <class>            prints WM_GETTEXT of the first
//                                         visible one (a tooltip says the
//                                         text it shows)
//   WinProbe saver [0|1]                 sets the screen-saver switch when
//                                         given; prints it
//   WinProbe hold                        stays until killed, holding the
//                                         desktop
//   WinProbe procstat <class>            prints "handles=%u keys=%u private=%u
//                                         pagefile=%u working=%u pid=%u" of
//                                         the first
//                                         one's process (bytes; 0 where the
//                                         system does not tell)
//   WinProbe dpi <class> <dpi>           sends the first one WM_DPICHANGED
//                                         for that DPI
//   WinProbe enabled <class> <child id>  prints 1 when that descendant of the
//                                         first visible one is enabled
//                                         (IsWindowEnabled), else 0
//   WinProbe tip <class> <child id>      prints the text of the tooltip tool
//                                         of that descendant (a tool given by
//                                         its window) in any tooltip window
//                                         of the process; exit code 3 when
//                                         there is none
//   WinProbe answer <caption> <yes|no> <timeout ms>
//                                         waits for a message box of that
//                                         caption, prints its text and
//                                         presses the button; exit code 1
//                                         when none shows in time
//   WinProbe owned <class>              prints "rect=l,t,r,b topmost=0|1
//                                         layered=0|1 active=0|1" of each
//                                         visible window owned by a window
//                                         of the class (screen pixels);
//                                         exit code 3 when there is none
//   WinProbe itemrect <class> <list id> <row>
//                                         prints "bounds=l,t,r,b" and
//                                         "icon=l,t,r,b" of the row in
//                                         screen pixels
//   WinProbe sendchild <class> <child id> <message> <wParam> <lParam>
//                                         sends the message to that
//                                         descendant of the first visible
//                                         one (0: to that window) and prints
//                                         the result
//   WinProbe editlabel <class> <list id> <row>
//                                         turns on label editing of that list
//                                         and starts editing the row
//   WinProbe rows <class> <list id>      prints each row of that list view (a
//                                         descendant of a window of the class
//                                         or of another top-level window of
//                                         its process): the columns' texts,
//                                         then "image=%d check=%d
//                                         selected=0|1", tab separated;
//                                         exit code 3 when there is no list
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

namespace {

struct SFind {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK m_Collect(HWND hwnd, LPARAM lParam)
{
    SFind* find = reinterpret_cast<SFind*>(lParam);
    wchar_t name[256];
    if (GetClassNameW(hwnd, name, 256) && wcscmp(name, find->className) == 0) {
        find->found.push_back(hwnd);
    }
    return TRUE;
}

std::vector<HWND> m_FindAll(const wchar_t* className)
{
    SFind find{className, {}};
    EnumWindows(m_Collect, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

void m_PrintUtf8(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    fwrite(out.data(), 1, out.size(), stdout);
    fputc('\n', stdout);
}

void m_PrintWindow(HWND hwnd)
{
    wchar_t title[512] = L"";
    GetWindowTextW(hwnd, title, 512);
    RECT rc, client;
    GetWindowRect(hwnd, &rc);
    GetClientRect(hwnd, &client);
    HWND owner = GetWindow(hwnd, GW_OWNER);
    wchar_t ownerClass[64] = L"0";
    if (owner) GetClassNameW(owner, ownerClass, 64);
    wchar_t line[900];
    _snwprintf(line, 899,
               L"hwnd=%p visible=%d rect=%ld,%ld,%ld,%ld client=%ld,%ld style=%08lX exstyle=%08lX "
               L"owner=%s ownervisible=%d title=%s",
               (void*)hwnd, IsWindowVisible(hwnd) ? 1 : 0, rc.left, rc.top, rc.right, rc.bottom,
               client.right, client.bottom, (unsigned long)GetWindowLongW(hwnd, GWL_STYLE),
               (unsigned long)GetWindowLongW(hwnd, GWL_EXSTYLE), ownerClass,
               owner && IsWindowVisible(owner) ? 1 : 0, title);
    line[899] = 0;
    m_PrintUtf8(line);
}

int m_Wait(const wchar_t* className, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<HWND> found = m_FindAll(className);
        for (HWND hwnd : found) {
            if (IsWindowVisible(hwnd)) {
                m_PrintWindow(hwnd);
                return 0;
            }
        }
        if (GetTickCount() - start > timeoutMs) return 1;
        Sleep(20);
    }
}

int m_CopyData(const wchar_t* className, const wchar_t* kind, const wchar_t* text)
{
    std::vector<HWND> found = m_FindAll(className);
    if (found.empty()) return 1;
    std::wstring body = text ? text : L"";
    COPYDATASTRUCT data = {};
    data.lpData = &body[0];
    data.cbData = (DWORD)((body.size() + 1) * sizeof(wchar_t));
    if (wcscmp(kind, L"noterm") == 0) data.cbData = (DWORD)(body.size() * sizeof(wchar_t));
    if (wcscmp(kind, L"odd") == 0) data.cbData -= 1;
    if (wcscmp(kind, L"null") == 0) {
        data.lpData = nullptr;
        data.cbData = 0;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(found[0], WM_COPYDATA, 0x8002, reinterpret_cast<LPARAM>(&data),
                        SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
}

HWND m_FirstVisible(const wchar_t* className)
{
    for (HWND hwnd : m_FindAll(className))
        if (IsWindowVisible(hwnd)) return hwnd;
    return nullptr;
}

int m_CountVisible(const wchar_t* className)
{
    int count = 0;
    for (HWND hwnd : m_FindAll(className)) count += IsWindowVisible(hwnd) ? 1 : 0;
    return count;
}

int m_Move(const wchar_t* className, wchar_t** values)
{
    std::vector<HWND> found = m_FindAll(className);
    if (found.empty()) return 1;
    int v[4];
    for (int i = 0; i < 4; ++i) v[i] = _wtoi(values[i]);
    return SetWindowPos(found[0], nullptr, v[0], v[1], v[2], v[3], SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
}

// Real key input, as the keyboard gives it, to the foreground window.
int m_Press(const wchar_t* className, int count, wchar_t** keys)
{
    HWND hwnd = m_FirstVisible(className);
    if (!hwnd) return 1;
    SetForegroundWindow(hwnd);
    Sleep(200);
    for (int i = 0; i < count; ++i) {
        INPUT input[2] = {};
        for (INPUT& in : input) {
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = (WORD)wcstoul(keys[i], nullptr, 0);
        }
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        if (SendInput(2, input, sizeof(INPUT)) != 2) return 1;
        Sleep(100);
    }
    return 0;
}

// A message box: the standard dialog class, the caption given.
HWND m_FindMessageBox(const wchar_t* caption)
{
    for (HWND box : m_FindAll(L"#32770")) {
        wchar_t title[256] = L"";
        GetWindowTextW(box, title, 256);
        if (IsWindowVisible(box) && wcscmp(title, caption) == 0) return box;
    }
    return nullptr;
}

// Waits for the box, prints its text (the static control a message box
// gives the id 0xFFFF) and answers it with the button's command.
int m_Answer(const wchar_t* caption, const wchar_t* button, DWORD timeoutMs)
{
    const WPARAM id = wcscmp(button, L"yes") == 0 ? IDYES : wcscmp(button, L"no") == 0 ? IDNO : 0;
    if (!id) return 2;
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while (!(box = m_FindMessageBox(caption))) {
        if (GetTickCount() - start > timeoutMs) return 1;
        Sleep(20);
    }
    wchar_t text[2048] = L"";
    GetDlgItemTextW(box, 0xFFFF, text, 2048);
    m_PrintUtf8(text);
    return PostMessageW(box, WM_COMMAND, id, 0) ? 0 : 4;
}

int m_Gone(const wchar_t* className, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (m_CountVisible(className) > 0) {
        if (GetTickCount() - start > timeoutMs) return 1;
        Sleep(20);
    }
    return 0;
}

struct SOwnedFind {
    std::vector<HWND> owners;
    int count;
};

BOOL CALLBACK m_PrintOwned(HWND hwnd, LPARAM lParam)
{
    SOwnedFind* find = reinterpret_cast<SOwnedFind*>(lParam);
    HWND owner = GetWindow(hwnd, GW_OWNER);
    bool ours = false;
    for (HWND o : find->owners) ours = ours || o == owner;
    if (!ours || !IsWindowVisible(hwnd)) return TRUE;
    RECT rc;
    GetWindowRect(hwnd, &rc);
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    printf("rect=%ld,%ld,%ld,%ld topmost=%d layered=%d active=%d\n", rc.left, rc.top, rc.right,
           rc.bottom, (ex & WS_EX_TOPMOST) ? 1 : 0, (ex & WS_EX_LAYERED) ? 1 : 0,
           GetForegroundWindow() == hwnd ? 1 : 0);
    ++find->count;
    return TRUE;
}

int m_Owned(const wchar_t* className)
{
    SOwnedFind find{m_FindAll(className), 0};
    if (find.owners.empty()) return 1;
    EnumWindows(m_PrintOwned, reinterpret_cast<LPARAM>(&find));
    return find.count ? 0 : 3;
}

struct SChildFind {
    int id;
    HWND found;
};

BOOL CALLBACK m_FindChild(HWND hwnd, LPARAM lParam)
{
    SChildFind* find = reinterpret_cast<SChildFind*>(lParam);
    if (GetDlgCtrlID(hwnd) != find->id) return TRUE;
    find->found = hwnd;
    return FALSE;
}

// GetWindowText does not ask another process's window for its text, so
// WM_GETTEXT is sent itself.
int m_Text(const wchar_t* className, int id)
{
    for (HWND top : m_FindAll(className)) {
        if (!IsWindowVisible(top)) continue;
        SChildFind find{id, nullptr};
        EnumChildWindows(top, m_FindChild, reinterpret_cast<LPARAM>(&find));
        if (!find.found) return 3;
        wchar_t text[2048] = L"";
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(find.found, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text),
                                 SMTO_ABORTIFHUNG, 5000, &length))
            return 1;
        text[2047] = 0;
        m_PrintUtf8(text);
        return 0;
    }
    return 1;
}

// Watches a child's text from inside one process, every 10 ms, so that a
// state shown only briefly is still seen: prints each distinct text with a
// line "----" after it, until one holds the substring (exit 0) or the time
// runs out (exit 1).
int m_WatchText(const wchar_t* className, int id, const wchar_t* until, DWORD timeoutMs)
{
    std::wstring last = L"\x1";
    const DWORD start = GetTickCount();
    while (GetTickCount() - start <= timeoutMs) {
        HWND top = m_FirstVisible(className);
        SChildFind find{id, nullptr};
        if (top) EnumChildWindows(top, m_FindChild, reinterpret_cast<LPARAM>(&find));
        wchar_t text[2048] = L"";
        DWORD_PTR length = 0;
        if (find.found &&
            SendMessageTimeoutW(find.found, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text),
                                SMTO_ABORTIFHUNG, 5000, &length)) {
            text[2047] = 0;
            if (last != text) {
                last = text;
                m_PrintUtf8(last + L"\n----");
                fflush(stdout);
            }
            if (wcsstr(text, until)) return 0;
        }
        Sleep(10);
    }
    return 1;
}

// A child window by id: whether it is shown (with its parents) and its
// rectangle in the top window's client coordinates.
int m_Child(const wchar_t* className, int id)
{
    HWND top = m_FirstVisible(className);
    if (!top) return 1;
    SChildFind find{id, nullptr};
    EnumChildWindows(top, m_FindChild, reinterpret_cast<LPARAM>(&find));
    if (!find.found) return 3;
    RECT rc;
    GetWindowRect(find.found, &rc);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&rc), 2);
    printf("visible=%d rect=%ld,%ld,%ld,%ld\n", IsWindowVisible(find.found) ? 1 : 0, rc.left,
           rc.top, rc.right, rc.bottom);
    return 0;
}

// A message given as a number or as the name of a registered message.
UINT m_MessageOf(const wchar_t* text)
{
    wchar_t* end = nullptr;
    unsigned long number = wcstoul(text, &end, 0);
    if (end && *end == 0) return (UINT)number;
    return RegisterWindowMessageW(text);
}

int m_Post(const wchar_t* className, const wchar_t* message, const wchar_t* wParam,
           const wchar_t* lParam)
{
    std::vector<HWND> found = m_FindAll(className);
    if (found.empty()) return 1;
    UINT msg = m_MessageOf(message);
    WPARAM wp = (WPARAM)wcstoull(wParam, nullptr, 0);
    LPARAM lp = lParam ? (LPARAM)wcstoll(lParam, nullptr, 0) : 0;
    for (HWND hwnd : found) PostMessageW(hwnd, msg, wp, lp);
    return 0;
}

DWORD m_ProcessOf(const wchar_t* className)
{
    std::vector<HWND> found = m_FindAll(className);
    DWORD pid = 0;
    if (!found.empty()) GetWindowThreadProcessId(found[0], &pid);
    return pid;
}

// What a menu notice carries: the code, the menu and item ids, the
// selection state, the mode and, for a drag, the two indexes.
struct SPROBEMENU {
    UINT Code;
    UINT ItemId;
    UINT MenuId;
    UINT SelState;
    UINT Mode;
    int From;
    int To;
    UINT Repeat;
};

SPROBEMENU m_ParseMenuArgs(int argc, wchar_t** argv)
{
    SPROBEMENU m = {100, 0, 0, 0, 0, 0, 0, 0};
    m.ItemId = (UINT)wcstoul(argv[3], nullptr, 10);
    if (argc > 4) m.MenuId = (UINT)wcstoul(argv[4], nullptr, 10);
    if (argc > 5) m.SelState = (UINT)wcstoul(argv[5], nullptr, 10);
    if (argc > 6) m.Mode = (UINT)wcstoul(argv[6], nullptr, 10);
    // One more number after the mode: the caller flag of a repeated step.
    if (argc == 8) m.Repeat = (UINT)wcstoul(argv[7], nullptr, 10);
    if (argc > 8) {
        m.Code = 201;
        m.From = _wtoi(argv[7]);
        m.To = _wtoi(argv[8]);
    }
    return m;
}

// The notice block as the menus hand it over: menu id at byte 4, the drag's
// indexes at 8 and 12, item id at 24, selection state at 28, mode at 36,
// closes flag at 44, popup pointer at 64 (any non-null value; the popup
// window stays null, so nothing is refreshed in place), 80 bytes in all.
int m_MenuCommand(const wchar_t* className, const SPROBEMENU& m)
{
    std::vector<HWND> found = m_FindAll(className);
    if (found.empty()) return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(found[0], &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 4;
    BYTE block[80] = {};
    void* remote = VirtualAllocEx(process, nullptr, sizeof(block), MEM_COMMIT, PAGE_READWRITE);
    int rc = 4;
    if (remote) {
        UINT closes = 1;
        memcpy(block + 4, &m.MenuId, sizeof(m.MenuId));
        memcpy(block + 8, &m.From, sizeof(m.From));
        memcpy(block + 12, &m.To, sizeof(m.To));
        memcpy(block + 24, &m.ItemId, sizeof(m.ItemId));
        memcpy(block + 28, &m.SelState, sizeof(m.SelState));
        memcpy(block + 32, &m.Repeat, sizeof(m.Repeat));
        memcpy(block + 36, &m.Mode, sizeof(m.Mode));
        memcpy(block + 44, &closes, sizeof(closes));
        memcpy(block + 64, &remote, sizeof(remote));
        SIZE_T written = 0;
        if (WriteProcessMemory(process, remote, block, sizeof(block), &written)) {
            SendMessageW(found[0], WM_APP + 3000, m.Code, (LPARAM)remote);
            rc = 0;
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return rc;
}

// Both the stored and the session value are written, each first to the
// opposite, so that no layer keeps an older value of another process.
int m_ScreenSaver(wchar_t** value)
{
    if (value) {
        const BOOL on = _wtoi(*value) ? TRUE : FALSE;
        const UINT kinds[] = {SPIF_UPDATEINIFILE | SPIF_SENDCHANGE, 0};
        for (UINT flags : kinds) {
            SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, !on, nullptr, flags);
            SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, on, nullptr, flags);
        }
    }
    BOOL active = FALSE;
    if (!SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0)) return 4;
    printf("%d\n", active ? 1 : 0);
    return 0;
}

typedef LONG(WINAPI* PFNQUERYOBJECT)(HANDLE, int, void*, ULONG, ULONG*);

// 1 when the handle is a registry key (its object type is "Key").
int m_IsKeyHandle(PFNQUERYOBJECT query, HANDLE handle)
{
    alignas(8) BYTE buffer[512];
    ULONG size = 0;
    if (!query || query(handle, 2 /* ObjectTypeInformation */, buffer, sizeof(buffer), &size) != 0)
        return 0;
    const UNICODE_STRING* name = reinterpret_cast<UNICODE_STRING*>(buffer);
    return name->Length == 6 && wcsncmp(name->Buffer, L"Key", 3) == 0;
}

// Handles counted by duplicating each handle value of the process (Wine's
// GetProcessHandleCount answers 0); values are multiples of 4. *keys gets
// how many of them are registry keys.
DWORD m_CountHandles(HANDLE process, DWORD* keys)
{
    auto query = reinterpret_cast<PFNQUERYOBJECT>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
    DWORD count = 0;
    *keys = 0;
    for (ULONG_PTR value = 4; value < 0x40000; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, (HANDLE)value, GetCurrentProcess(), &copy, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            if (m_IsKeyHandle(query, copy)) ++*keys;
            CloseHandle(copy);
            ++count;
        }
    }
    return count;
}

// WM_DPICHANGED as the system sends it on a move to a monitor of that DPI,
// with the window's own rectangle as the suggestion (Wine hands another
// process a zeroed one).
int m_DpiChanged(const wchar_t* className, UINT dpi)
{
    std::vector<HWND> found = m_FindAll(className);
    if (found.empty()) return 1;
    RECT rc = {};
    GetWindowRect(found[0], &rc);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(found[0], WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&rc, SMTO_NORMAL,
                        10000, &result);
    return 0;
}

HWND m_FindDescendant(const wchar_t* className, int id, HWND* top)
{
    *top = m_FirstVisible(className);
    if (!*top) return nullptr;
    SChildFind find{id, nullptr};
    EnumChildWindows(*top, m_FindChild, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

int m_Enabled(const wchar_t* className, int id)
{
    HWND top = nullptr;
    HWND child = m_FindDescendant(className, id, &top);
    if (!top) return 1;
    if (!child) return 3;
    printf("%d\n", IsWindowEnabled(child) ? 1 : 0);
    return 0;
}

struct STipFind {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK m_CollectTips(HWND hwnd, LPARAM lParam)
{
    STipFind* find = reinterpret_cast<STipFind*>(lParam);
    wchar_t name[64];
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == find->pid && GetClassNameW(hwnd, name, 64) && wcscmp(name, TOOLTIPS_CLASSW) == 0)
        find->found.push_back(hwnd);
    return TRUE;
}

// The tool's record and text buffer live in the player's process: the
// tooltip messages carry pointers that are not carried across.
struct SRemoteTip {
    TOOLINFOW info;
    wchar_t text[1024];
};

int m_AskTip(HANDLE process, SRemoteTip* remote, HWND tips, HWND owner, HWND tool,
             std::wstring* text)
{
    SRemoteTip local = {};
    local.info.cbSize = sizeof(TOOLINFOW);
    local.info.hwnd = owner;
    local.info.uId = reinterpret_cast<UINT_PTR>(tool);
    local.info.lpszText = remote->text;
    SIZE_T done = 0;
    if (!WriteProcessMemory(process, remote, &local, sizeof(local), &done)) return 0;
    DWORD_PTR found = 0;
    if (!SendMessageTimeoutW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(remote),
                             SMTO_ABORTIFHUNG, 5000, &found) ||
        !found)
        return 0;
    if (!WriteProcessMemory(process, remote, &local, sizeof(local), &done)) return 0;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(tips, TTM_GETTEXTW, ARRAYSIZE(local.text), reinterpret_cast<LPARAM>(remote),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
    if (!ReadProcessMemory(process, remote, &local, sizeof(local), &done)) return 0;
    local.text[ARRAYSIZE(local.text) - 1] = 0;
    *text = local.text;
    return 1;
}

int m_Tip(const wchar_t* className, int id)
{
    HWND top = nullptr;
    HWND child = m_FindDescendant(className, id, &top);
    if (!top) return 1;
    if (!child) return 3;
    STipFind find{0, {}};
    GetWindowThreadProcessId(top, &find.pid);
    EnumWindows(m_CollectTips, reinterpret_cast<LPARAM>(&find));
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ, FALSE, find.pid);
    if (!process) return 4;
    auto* remote = static_cast<SRemoteTip*>(
        VirtualAllocEx(process, nullptr, sizeof(SRemoteTip), MEM_COMMIT, PAGE_READWRITE));
    int rc = 3;
    std::wstring text;
    for (HWND tips : find.found) {
        if (!remote) break;
        // A tool is registered with its window as id, owned by the window
        // above it or by the top window.
        const HWND owners[] = {top, GetParent(child), GetParent(GetParent(child))};
        for (HWND owner : owners) {
            if (owner && m_AskTip(process, remote, tips, owner, child, &text)) {
                m_PrintUtf8(text);
                rc = 0;
                break;
            }
        }
        if (rc == 0) break;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return remote ? rc : 4;
}

// The tooltip a popup menu keeps for its selected item: one tool, id 1, on
// the popup's own window.
int m_MenuTip(const wchar_t* className)
{
    for (HWND popup : m_FindAll(className)) {
        if (!IsWindowVisible(popup)) continue;
        STipFind find{0, {}};
        GetWindowThreadProcessId(popup, &find.pid);
        EnumWindows(m_CollectTips, reinterpret_cast<LPARAM>(&find));
        HANDLE process =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ, FALSE, find.pid);
        if (!process) return 4;
        auto* remote = static_cast<SRemoteTip*>(
            VirtualAllocEx(process, nullptr, sizeof(SRemoteTip), MEM_COMMIT, PAGE_READWRITE));
        int rc = 3;
        for (HWND tips : find.found) {
            if (!remote || GetWindow(tips, GW_OWNER) != popup) continue;
            SRemoteTip local = {};
            local.info.cbSize = sizeof(TOOLINFOW);
            local.info.hwnd = popup;
            local.info.uId = 1;
            local.info.lpszText = remote->text;
            SIZE_T done = 0;
            DWORD_PTR found = 0;
            if (!WriteProcessMemory(process, remote, &local, sizeof(local), &done) ||
                !SendMessageTimeoutW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(remote),
                                     SMTO_ABORTIFHUNG, 5000, &found) ||
                !found || !ReadProcessMemory(process, remote, &local, sizeof(local), &done))
                continue;
            RECT rect = local.info.rect;
            MapWindowPoints(popup, nullptr, reinterpret_cast<POINT*>(&rect), 2);
            local.info.lpszText = remote->text;
            DWORD_PTR ignored = 0;
            if (!WriteProcessMemory(process, remote, &local, sizeof(local), &done)) continue;
            SendMessageTimeoutW(tips, TTM_GETTEXTW, ARRAYSIZE(local.text),
                                reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000, &ignored);
            if (!ReadProcessMemory(process, remote, &local, sizeof(local), &done)) continue;
            local.text[ARRAYSIZE(local.text) - 1] = 0;
            printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
            m_PrintUtf8(local.text);
            rc = 0;
            break;
        }
        if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
        if (rc == 0) return 0;
    }
    return 3;
}

// WM_GETTEXT of the first visible window of the class.
int m_WindowText(const wchar_t* className)
{
    HWND shown = m_FirstVisible(className);
    wchar_t text[1024] = L"";
    DWORD_PTR length = 0;
    if (!shown ||
        !SendMessageTimeoutW(shown, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 5000, &length))
        return 1;
    text[ARRAYSIZE(text) - 1] = 0;
    m_PrintUtf8(text);
    return 0;
}

// Top-level windows of one process.
struct SProcessTops {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK m_CollectProcessTops(HWND hwnd, LPARAM lParam)
{
    SProcessTops* find = reinterpret_cast<SProcessTops*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == find->pid) find->found.push_back(hwnd);
    return TRUE;
}

// The descendant with the id under a window of the class, else under the
// other top-level windows of its process (tool windows have no owner chain
// to follow).
HWND m_FindInProcess(const wchar_t* className, int id)
{
    std::vector<HWND> tops = m_FindAll(className);
    if (tops.empty()) return nullptr;
    SProcessTops others{0, {}};
    GetWindowThreadProcessId(tops[0], &others.pid);
    EnumWindows(m_CollectProcessTops, reinterpret_cast<LPARAM>(&others));
    tops.insert(tops.end(), others.found.begin(), others.found.end());
    for (HWND top : tops) {
        SChildFind find{id, nullptr};
        EnumChildWindows(top, m_FindChild, reinterpret_cast<LPARAM>(&find));
        if (find.found) return find.found;
    }
    return nullptr;
}

// The list-view messages carry pointers: the item record and its text
// buffer are placed in the player's process (Wine does not carry them
// across either).
struct SRemoteRow {
    LVITEMW item;
    wchar_t text[1024];
};

int m_AskRow(HANDLE process, SRemoteRow* remote, HWND list, UINT message, int row, LVITEMW* asked,
             std::wstring* text)
{
    SRemoteRow local = {};
    local.item = *asked;
    local.item.pszText = remote->text;
    local.item.cchTextMax = ARRAYSIZE(local.text);
    SIZE_T done = 0;
    if (!WriteProcessMemory(process, remote, &local, sizeof(local), &done)) return 0;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(list, message, row, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                             5000, &result))
        return 0;
    if (!ReadProcessMemory(process, remote, &local, sizeof(local), &done)) return 0;
    local.text[ARRAYSIZE(local.text) - 1] = 0;
    *asked = local.item;
    if (text) *text = local.text;
    return 1;
}

int m_PrintRow(HANDLE process, SRemoteRow* remote, HWND list, int row, int columns)
{
    std::wstring line;
    for (int c = 0; c < columns; ++c) {
        LVITEMW asked = {};
        asked.iSubItem = c;
        std::wstring text;
        if (!m_AskRow(process, remote, list, LVM_GETITEMTEXTW, row, &asked, &text)) return 0;
        line += text + L"\t";
    }
    LVITEMW asked = {};
    asked.mask = LVIF_IMAGE | LVIF_STATE;
    asked.iItem = row;
    asked.stateMask = LVIS_STATEIMAGEMASK | LVIS_SELECTED;
    if (!m_AskRow(process, remote, list, LVM_GETITEMW, row, &asked, nullptr)) return 0;
    wchar_t tail[96];
    _snwprintf(tail, 95, L"image=%d\tcheck=%u\tselected=%d", asked.iImage,
               (asked.state & LVIS_STATEIMAGEMASK) >> 12, (asked.state & LVIS_SELECTED) ? 1 : 0);
    tail[95] = 0;
    m_PrintUtf8(line + tail);
    return 1;
}

// The list view of that id in a window of the class, and its process
// opened for reading and writing memory; 0, or the exit code to give.
int m_OpenListProcess(const wchar_t* className, int id, HWND* list, HANDLE* process)
{
    *list = m_FindInProcess(className, id);
    if (!*list) return m_FindAll(className).empty() ? 1 : 3;
    DWORD pid = 0;
    GetWindowThreadProcessId(*list, &pid);
    *process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ, FALSE, pid);
    return *process ? 0 : 4;
}

int m_Rows(const wchar_t* className, int id)
{
    HWND list = nullptr;
    HANDLE process = nullptr;
    if (int rc = m_OpenListProcess(className, id, &list, &process)) return rc;
    auto* remote = static_cast<SRemoteRow*>(
        VirtualAllocEx(process, nullptr, sizeof(SRemoteRow), MEM_COMMIT, PAGE_READWRITE));
    int rc = remote ? 0 : 4;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? (int)SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) : 1;
    const int rows = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; remote && row < rows; ++row) {
        if (!m_PrintRow(process, remote, list, row, columns > 0 ? columns : 1)) {
            rc = 4;
            break;
        }
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rc;
}

// A row's bounds and icon rectangles in screen coordinates, asked in the
// player's process.
int m_ItemRect(const wchar_t* className, int id, int row)
{
    HWND list = nullptr;
    HANDLE process = nullptr;
    if (int rc = m_OpenListProcess(className, id, &list, &process)) return rc;
    auto* remote = static_cast<RECT*>(
        VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE));
    int rc = remote ? 0 : 4;
    const int codes[2] = {LVIR_BOUNDS, LVIR_ICON};
    for (int i = 0; remote && i < 2; ++i) {
        RECT local = {codes[i], 0, 0, 0};
        SIZE_T done = 0;
        DWORD_PTR result = 0;
        if (!WriteProcessMemory(process, remote, &local, sizeof(local), &done) ||
            !SendMessageTimeoutW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote),
                                 SMTO_ABORTIFHUNG, 5000, &result) ||
            !result || !ReadProcessMemory(process, remote, &local, sizeof(local), &done)) {
            rc = 4;
            break;
        }
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&local), 2);
        printf("%s=%ld,%ld,%ld,%ld\n", i ? "icon" : "bounds", local.left, local.top, local.right,
               local.bottom);
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rc;
}

// Sends a message without pointers to the first visible window of the
// class (child id 0) or to its descendant; prints the result.
int m_SendChild(const wchar_t* className, int id, wchar_t** args)
{
    HWND top = nullptr;
    HWND target = id ? m_FindDescendant(className, id, &top) : m_FirstVisible(className);
    if (!target) return id && top ? 3 : 1;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(target, m_MessageOf(args[0]), (WPARAM)wcstoull(args[1], nullptr, 0),
                             (LPARAM)wcstoll(args[2], nullptr, 0), SMTO_ABORTIFHUNG, 5000, &result))
        return 4;
    printf("%lld\n", (long long)(LONG_PTR)result);
    return 0;
}

// Starts editing a row's label as the list's own rename key does: the
// editing style first, then LVM_EDITLABELW.
int m_EditLabel(const wchar_t* className, int id, int row)
{
    HWND list = m_FindInProcess(className, id);
    if (!list) return m_FindAll(className).empty() ? 1 : 3;
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) | LVS_EDITLABELS);
    DWORD_PTR edit = 0;
    SendMessageTimeoutW(list, LVM_EDITLABELW, row, 0, SMTO_ABORTIFHUNG, 5000, &edit);
    printf("%d\n", edit ? 1 : 0);
    return edit ? 0 : 5;
}

int m_ProcStat(const wchar_t* className)
{
    DWORD pid = m_ProcessOf(className);
    if (!pid) return 1;
    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_DUP_HANDLE, FALSE, pid);
    if (!process) return 4;
    DWORD keys = 0;
    const DWORD handles = m_CountHandles(process, &keys);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    K32GetProcessMemoryInfo(process, (PROCESS_MEMORY_COUNTERS*)&memory, sizeof(memory));
    CloseHandle(process);
    printf("handles=%lu keys=%lu private=%llu pagefile=%llu working=%llu pid=%lu\n", handles, keys,
           (unsigned long long)memory.PrivateUsage, (unsigned long long)memory.PagefileUsage,
           (unsigned long long)memory.WorkingSetSize, pid);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc >= 2 && wcscmp(argv[1], L"saver") == 0)
        return m_ScreenSaver(argc > 2 ? argv + 2 : nullptr);
    // Stays on the desktop until killed: while a program uses it, Wine
    // keeps the prefix's desktop process.
    if (argc >= 2 && wcscmp(argv[1], L"hold") == 0) {
        GetDesktopWindow();
        Sleep(INFINITE);
        return 0;
    }
    if (argc < 3) return 2;
    const wchar_t* command = argv[1];
    const wchar_t* className = argv[2];
    if (wcscmp(command, L"wait") == 0)
        return m_Wait(className, argc > 3 ? wcstoul(argv[3], nullptr, 10) : 5000);
    if (wcscmp(command, L"count") == 0) {
        printf("%d\n", (int)m_FindAll(className).size());
        return 0;
    }
    if (wcscmp(command, L"close") == 0) {
        for (HWND hwnd : m_FindAll(className)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return 0;
    }
    if (wcscmp(command, L"post") == 0 && argc > 4)
        return m_Post(className, argv[3], argv[4], argc > 5 ? argv[5] : nullptr);
    if (wcscmp(command, L"text") == 0 && argc > 3) return m_Text(className, _wtoi(argv[3]));
    if (wcscmp(command, L"watchtext") == 0 && argc > 5)
        return m_WatchText(className, _wtoi(argv[3]), argv[4], wcstoul(argv[5], nullptr, 10));
    if (wcscmp(command, L"copydata") == 0 && argc > 3) {
        return m_CopyData(className, argv[3], argc > 4 ? argv[4] : nullptr);
    }
    if (wcscmp(command, L"visible") == 0) {
        printf("%d\n", m_CountVisible(className));
        return 0;
    }
    if (wcscmp(command, L"move") == 0 && argc > 6) return m_Move(className, argv + 3);
    if (wcscmp(command, L"foreground") == 0) {
        wchar_t name[256] = L"";
        HWND fg = GetForegroundWindow();
        printf("%d\n", fg && GetClassNameW(fg, name, 256) && wcscmp(name, className) == 0 ? 1 : 0);
        return 0;
    }
    if (wcscmp(command, L"press") == 0 && argc > 3) return m_Press(className, argc - 3, argv + 3);
    if (wcscmp(command, L"child") == 0 && argc > 3) return m_Child(className, _wtoi(argv[3]));
    if (wcscmp(command, L"enabled") == 0 && argc > 3) return m_Enabled(className, _wtoi(argv[3]));
    if (wcscmp(command, L"tip") == 0 && argc > 3) return m_Tip(className, _wtoi(argv[3]));
    if (wcscmp(command, L"menutip") == 0) return m_MenuTip(className);
    if (wcscmp(command, L"wintext") == 0) return m_WindowText(className);
    if (wcscmp(command, L"owned") == 0) return m_Owned(className);
    if (wcscmp(command, L"rows") == 0 && argc > 3) return m_Rows(className, _wtoi(argv[3]));
    if (wcscmp(command, L"menucmd") == 0 && argc > 3)
        return m_MenuCommand(className, m_ParseMenuArgs(argc, argv));
    if (wcscmp(command, L"procstat") == 0) return m_ProcStat(className);
    if (wcscmp(command, L"itemrect") == 0 && argc > 4)
        return m_ItemRect(className, _wtoi(argv[3]), _wtoi(argv[4]));
    if (wcscmp(command, L"sendchild") == 0 && argc > 6)
        return m_SendChild(className, _wtoi(argv[3]), argv + 4);
    if (wcscmp(command, L"editlabel") == 0 && argc > 4)
        return m_EditLabel(className, _wtoi(argv[3]), _wtoi(argv[4]));
    if (wcscmp(command, L"dpi") == 0 && argc > 3)
        return m_DpiChanged(className, (UINT)wcstoul(argv[3], nullptr, 10));
    if (wcscmp(command, L"answer") == 0 && argc > 4)
        return m_Answer(className, argv[3], wcstoul(argv[4], nullptr, 10));
    if (wcscmp(command, L"gone") == 0)
        return m_Gone(className, argc > 3 ? wcstoul(argv[3], nullptr, 10) : 5000);
    return 2;
}

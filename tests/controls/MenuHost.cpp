// Test host of the popup menus: a full-screen window that owns a menu
// manager, opens one scenario menu and prints every notice it receives, one
// line each, on stdout. Behaviour tests drive it with real key and mouse
// input and read the lines.
//
//   MenuHost <scenario> [x y [mode]] [--scale N] [--effects] [--shot N]
//
// Scenarios: basic, tall, many, drag, quit, replace, lazy, shot.
#include <windows.h>

#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "controls/MenuManager.h"

namespace {

CMenuManager* s_Manager;
HWND s_hWnd;
CMenuPlus* s_Root;
bool s_InTrack;
const wchar_t* s_Scenario = L"basic";
int s_X = 300, s_Y = 300, s_Mode = MENUPLACE_TOPLEFT;
wchar_t s_LastRects[512];

constexpr UINT_PTR kRectTimer = 1;
constexpr UINT_PTR kActionTimer = 2;
constexpr UINT_PTR kExitTimer = 3;

void Say(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vprintf(fmt, ap);
    va_end(ap);
    putchar('\n');
    fflush(stdout);
}

SMENUITEM Item(UINT id, const wchar_t* text)
{
    SMENUITEM it = {};
    it.Id = id;
    wcsncpy(it.Text, text, 127);
    return it;
}

void Add(CMenuPlus* p, const SMENUITEM& it) { p->m_InsertItem(&it, -1, 0); }

CMenuPlus* NewPopup(UINT menuId) { return s_Manager->m_CreatePopup(s_hWnd, s_hWnd, menuId); }

// Items 0..n-1 of a submenu, ids from base.
CMenuPlus* NewSubmenu(UINT base, int n)
{
    CMenuPlus* sub = NewPopup(0);
    if (!sub) return nullptr;
    for (int i = 0; i < n; ++i) {
        wchar_t text[32];
        swprintf(text, 32, L"Sub item %d", i);
        Add(sub, Item(base + i, text));
    }
    return sub;
}

void AddSubmenuItem(CMenuPlus* p, UINT id, const wchar_t* text, CMenuPlus* sub)
{
    SMENUITEM it = Item(id, text);
    it.Submenu = sub;
    m_MenuItem_SetHasSubmenu(&it, 1);
    Add(p, it);
}

// 0 Open, 1 Check (box), 2 Radio A (group 1), 3 separator, 4 Radio B (group 1),
// 5 More (submenu), 6 Disabled, 7 After close (runs after close), 8 Radio C
// (group 1, checked), 9 Middle (middle button may choose).
void FillBasic(CMenuPlus* p)
{
    Add(p, Item(10, L"Open\tCtrl+O"));
    SMENUITEM check = Item(11, L"Check");
    check.CheckKind = MENUCHECK_BOX;
    Add(p, check);
    SMENUITEM radio = Item(12, L"Radio A");
    radio.CheckKind = MENUCHECK_RADIO;
    radio.RadioGroup = 1;
    Add(p, radio);
    p->m_InsertSeparator(-1);
    radio = Item(14, L"Radio B");
    radio.CheckKind = MENUCHECK_RADIO;
    radio.RadioGroup = 1;
    Add(p, radio);
    AddSubmenuItem(p, 15, L"More", NewSubmenu(100, 3));
    SMENUITEM off = Item(16, L"Disabled");
    off.Disabled = 1;
    Add(p, off);
    SMENUITEM later = Item(17, L"After close");
    later.RunAfterClose = 1;
    Add(p, later);
    radio = Item(18, L"Radio C");
    radio.CheckKind = MENUCHECK_RADIO;
    radio.RadioGroup = 1;
    radio.Checked = 1;
    Add(p, radio);
    SMENUITEM middle = Item(19, L"Middle");
    middle.MiddleButton = 1;
    Add(p, middle);
}

void FillTall(CMenuPlus* p, int n)
{
    for (int i = 0; i < n; ++i) {
        wchar_t text[32];
        swprintf(text, 32, L"Row %d", i);
        Add(p, Item(1000 + i, text));
    }
}

void FillDrag(CMenuPlus* p)
{
    for (int i = 0; i < 5; ++i) {
        wchar_t text[32];
        swprintf(text, 32, L"Track %d", i);
        SMENUITEM it = Item(200 + i, text);
        it.Movable = 1;
        Add(p, it);
    }
}

// The screenshot menu: icons, a check, a radio, a submenu arrow, a separator.
void FillShot(CMenuPlus* p)
{
    SMENUITEM it = Item(1, L"再生\tSpace");
    it.HasIcon = 1;
    it.IconIndex = 1;
    it.IconColumn = 1;
    Add(p, it);
    it = Item(2, L"一時停止");
    it.HasIcon = 1;
    it.IconIndex = 2;
    it.IconColumn = 1;
    Add(p, it);
    it = Item(3, L"常に手前に表示");
    it.CheckKind = MENUCHECK_BOX;
    it.Checked = 1;
    Add(p, it);
    it = Item(4, L"リピート");
    it.CheckKind = MENUCHECK_RADIO;
    it.RadioGroup = 2;
    it.Checked = 1;
    Add(p, it);
    p->m_InsertSeparator(-1);
    AddSubmenuItem(p, 6, L"Recent files", NewSubmenu(300, 2));
    Add(p, Item(7, L"Exit\tAlt+F4"));
}

// One insertion past the capacity: the last is refused.
void FillMany(CMenuPlus* p)
{
    int last = 0;
    for (int i = 0; i <= kMenuMaxItems; ++i) {
        wchar_t text[32];
        swprintf(text, 32, L"Many %d", i);
        SMENUITEM it = Item(5000 + i, text);
        last = p->m_InsertItem(&it, -1, 0);
        if (i >= kMenuMaxItems - 1) Say("INSERT %d -> %d", i, last);
    }
    Say("COUNT %d", p->m_GetItemCount());
}

void PrintRects()
{
    wchar_t buf[512] = L"";
    int level = 0;
    for (CMenuPlus* p = s_Root; p && p->m_Shown; p = p->m_pOpenSub, ++level) {
        wchar_t one[96];
        const RECT& r = p->m_WindowRect;
        swprintf(one, 96, L" %d:%ld,%ld,%ld,%ld%ls", level, r.left, r.top, r.right, r.bottom,
                 p->m_OpenedLeft ? L",L" : L"");
        wcsncat(buf, one, 511 - wcslen(buf));
    }
    if (wcscmp(buf, s_LastRects) == 0) return;
    wcscpy(s_LastRects, buf);
    if (!buf[0]) return;
    Say("RECTS%ls", buf);
    // Where each item lies on the screen, for the mouse.
    level = 0;
    for (CMenuPlus* p = s_Root; p && p->m_Shown; p = p->m_pOpenSub, ++level)
        for (int i = 0; i < p->m_GetItemCount() && i < 40; ++i) {
            RECT rc;
            if (p->m_GetItemScreenRect(p->m_GetItemIdAt(i), &rc) &&
                rc.bottom > p->m_WindowRect.top && rc.top < p->m_WindowRect.bottom)
                Say("ITEM %d %d %ld %ld %ld %ld", level, i, rc.left, rc.top, rc.right, rc.bottom);
        }
}

// The check states of the popup's checkable items, as id:checked.
void PrintChecks(const CMenuPlus* p)
{
    char line[512] = "CHECKS";
    for (int i = 0; i < p->m_GetItemCount(); ++i) {
        SMENUITEM it;
        if (!p->m_GetItem(&it, i) || it.CheckKind == MENUCHECK_NONE) continue;
        char one[24];
        snprintf(one, sizeof(one), " %u:%u", it.Id, it.Checked);
        strncat(line, one, sizeof(line) - strlen(line) - 1);
    }
    Say("%s", line);
}

void OnCommand(WPARAM code, const SMENUNOTIFY* n)
{
    if (!n) return;
    if (code == MENUCODE_SELCHANGED) {
        Say("SEL menu=%u index=%d id=%u state=%u", n->MenuId, n->Index, n->ItemId, n->SelState);
        return;
    }
    Say("CMD code=%u menu=%u index=%d to=%d id=%u state=%u mod=%u closes=%u rac=%u repeat=%u "
        "popup=%d item=%d during=%d",
        static_cast<UINT>(code), n->MenuId, n->Index, n->ToIndex, n->ItemId, n->SelState,
        n->Modifier, n->Closes, n->RunAfterClose, n->Repeat, n->Popup != nullptr,
        n->Item != nullptr, s_InTrack ? 1 : 0);
    if (code == MENUCODE_CHOSEN && n->Popup) PrintChecks(n->Popup);
    // Drag scenario: the owner moves the item itself.
    if (code == MENUCODE_MOVED && n->Popup) {
        CMenuPlus* p = n->Popup;
        SMENUITEM it;
        if (p->m_GetItem(&it, n->Index)) {
            p->m_DeleteItem(n->Index, 0);
            const int to = n->ToIndex > n->Index ? n->ToIndex - 1 : n->ToIndex;
            p->m_InsertItem(&it, to, 1);
            wchar_t order[128] = L"";
            for (int i = 0; i < p->m_GetItemCount(); ++i) {
                wchar_t one[16];
                swprintf(one, 16, L" %u", p->m_GetItemIdAt(i));
                wcsncat(order, one, 127 - wcslen(order));
            }
            Say("ORDER%ls", order);
        }
    }
}

void OnTimer(UINT_PTR id)
{
    if (id == kRectTimer) {
        if (s_InTrack) PrintRects();
        return;
    }
    if (id == kActionTimer) {
        KillTimer(s_hWnd, kActionTimer);
        if (wcscmp(s_Scenario, L"quit") == 0) {
            Say("POSTQUIT 7");
            PostQuitMessage(7);
        } else if (wcscmp(s_Scenario, L"replace") == 0) {
            CMenuPlus* second = NewPopup(42);
            if (!second) return;
            FillTall(second, 3);
            Say("TRACK2");
            const int r = s_Manager->m_TrackPopup(second, s_Mode, m_PackMenuPoint(s_X + 400, s_Y));
            Say("RESULT2 %d", r);
        } else if (wcscmp(s_Scenario, L"shot") == 0 && s_Root) {
            s_Root->m_Select(1, 0, 0);
            Say("SELECTED");
        }
        return;
    }
    if (id == kExitTimer) {
        KillTimer(s_hWnd, kExitTimer);
        DestroyWindow(s_hWnd);
    }
}

LRESULT CALLBACK HostProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_APP_MENUCOMMAND:
            OnCommand(wParam, reinterpret_cast<SMENUNOTIFY*>(lParam));
            return 0;
        case WM_APP_MENUSUBMENU: {
            auto* e = reinterpret_cast<SMENUITEMENTRY*>(wParam);
            Say("SUBMENU id=%u", e ? e->Item.Id : 0);
            // Lazy scenario: the submenu is made when it is about to open.
            if (e && wcscmp(s_Scenario, L"lazy") == 0 && !e->Item.Submenu)
                e->Item.Submenu = NewSubmenu(400, 2);
            return 0;
        }
        case WM_APP_MENUGETTIP:
            Say("GETTIP id=%u", static_cast<UINT>(wParam));
            return 0;
        case WM_APP_MENUCLOSING:
            Say("CLOSING menu=%u", static_cast<UINT>(lParam));
            return 0;
        case WM_APP_MENUCLOSED:
            Say("CLOSED menu=%u wparam=%d", static_cast<UINT>(lParam), wParam != 0);
            return 0;
        case WM_APP_MENUDISMISSED:
            Say("DISMISSED %u", static_cast<UINT>(wParam));
            return 0;
        case WM_KEYDOWN:
            Say("KEY vk=%u", static_cast<UINT>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            Say("HOST LBUTTONDOWN");
            return 0;
        case WM_RBUTTONDOWN:
            Say("HOST RBUTTONDOWN");
            return 0;
        case WM_MBUTTONDOWN:
            Say("HOST MBUTTONDOWN");
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

void ParseArgs(int argc, wchar_t** argv, int* scale, bool* effects)
{
    int pos = 0;
    for (int i = 1; i < argc; ++i) {
        if (wcscmp(argv[i], L"--scale") == 0 && i + 1 < argc) {
            *scale = _wtoi(argv[++i]);
        } else if (wcscmp(argv[i], L"--shot") == 0 && i + 1 < argc) {
            s_Scenario = L"shot";
            *scale = _wtoi(argv[++i]);
            s_X = s_Y = 100;
            s_Mode = MENUPLACE_TOPLEFT;
        } else if (wcscmp(argv[i], L"--effects") == 0) {
            *effects = true;
        } else if (pos == 0) {
            s_Scenario = argv[i];
            ++pos;
        } else if (pos == 1) {
            s_X = _wtoi(argv[i]);
            ++pos;
        } else if (pos == 2) {
            s_Y = _wtoi(argv[i]);
            ++pos;
        } else if (pos == 3) {
            s_Mode = _wtoi(argv[i]);
            ++pos;
        }
    }
}

HWND CreateHost()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"ZvMenuHost";
    if (!RegisterClassExW(&wc)) return nullptr;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    return CreateWindowExW(0, wc.lpszClassName, L"MenuHost", WS_POPUP | WS_VISIBLE, 0, 0, w, h,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

CMenuPlus* BuildScenario()
{
    CMenuPlus* p = NewPopup(wcscmp(s_Scenario, L"many") == 0 ? 9 : 7);
    if (!p) return nullptr;
    if (wcscmp(s_Scenario, L"tall") == 0)
        FillTall(p, 200);
    else if (wcscmp(s_Scenario, L"many") == 0)
        FillMany(p);
    else if (wcscmp(s_Scenario, L"drag") == 0)
        FillDrag(p);
    else if (wcscmp(s_Scenario, L"shot") == 0)
        FillShot(p);
    else if (wcscmp(s_Scenario, L"lazy") == 0)
        AddSubmenuItem(p, 15, L"Lazy", nullptr);
    else
        FillBasic(p);
    return p;
}

int Run()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    int scale = 100;
    bool effects = false;
    ParseArgs(argc, argv, &scale, &effects);
    ULONG_PTR gdiplus = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr) != Gdiplus::Ok) return 3;

    s_hWnd = CreateHost();
    if (!s_hWnd) return 2;
    SetForegroundWindow(s_hWnd);
    SetFocus(s_hWnd);

    static CMenuManager manager;
    s_Manager = &manager;
    SMENUSTYLE style;
    manager.m_GetStyle(&style);
    CMenuManager::m_GetSizePreset(&style, 3);
    style.Shadow = 1;
    style.Effects = effects ? 1 : 0;
    // Neither default face exists under Wine; the harness installs IPA fonts.
    wcsncpy(style.FaceName, L"IPAPGothic", 31);
    manager.m_SetStyle(&style, 0, nullptr);
    manager.m_SetScale(static_cast<UINT>(scale), 1);

    s_Root = BuildScenario();
    if (!s_Root) return 4;
    SetTimer(s_hWnd, kRectTimer, 50, nullptr);
    if (wcscmp(s_Scenario, L"basic") != 0 && wcscmp(s_Scenario, L"tall") != 0)
        SetTimer(s_hWnd, kActionTimer, 600, nullptr);
    Say("READY %d %d %d", s_X, s_Y, s_Mode);
    s_InTrack = true;
    const int result =
        manager.m_TrackPopup(s_Root, static_cast<UINT>(s_Mode), m_PackMenuPoint(s_X, s_Y));
    s_InTrack = false;
    s_Root = nullptr;
    Say("RESULT %d", result);
    // Notices posted for after the loop arrive now.
    SetTimer(s_hWnd, kExitTimer, 400, nullptr);
    const int code = Run();
    Say("EXIT %d", code);
    Gdiplus::GdiplusShutdown(gdiplus);
    return code;
}

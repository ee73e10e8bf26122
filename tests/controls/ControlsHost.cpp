// A host of the control-bar controls for the behaviour tests: a borderless
// window of class "ZvControlsHost" at (1200, 700), 420 x 96, holding a strip
// of eight image buttons in several looks (ids 32969 to 32976), a seek bar
// with chapters, play ranges and markers (33070) and a volume slider with a
// level mark (33071). It prints the screen rectangle of each control, then
// every WM_COMMAND it receives, one line each:
//   control <id> <left> <top> <right> <bottom>
//   ready
//   button <id> <code in hex>
//   slider <id> <code> <position> <part> <index> <moved> <disabled>
// Lines on stdin drive it: "block <id>", "enable <id> 0|1",
// "notifyblock <id> 0|1".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "controls/ButtonPlus.h"
#include "controls/SliderPlus.h"

namespace {

constexpr int kLeft = 1200, kTop = 700, kWidth = 420, kHeight = 96;
constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr UINT kFirstButton = 32969;
constexpr int kButtons = 8;
constexpr UINT WM_HOST_LINE = WM_APP + 1;

CButtonPlus g_Buttons[kButtons];
CArgbImage g_Glyphs[kButtons];
HICON g_Icon = nullptr;

// 24 x 24 glyphs of the strip, drawn with plain shapes.
void DrawGlyph(int n, CArgbImage* img)
{
    img->m_Create(nullptr, 24, 24, 32);
    img->m_Clear(true);
    const ARGB ink = 0xFF303030;
    switch (n % 4) {
        case 0:  // play: a triangle drawn by rows
            for (int y = 5; y < 19; ++y) {
                const int half = y < 12 ? y - 5 : 18 - y;
                img->m_FillRectXY(ink, 0, 8, y, 9 + half * 10 / 7, y + 1);
            }
            break;
        case 1:  // pause
            img->m_FillRectXY(ink, 0, 7, 6, 10, 18);
            img->m_FillRectXY(ink, 0, 14, 6, 17, 18);
            break;
        case 2:  // stop
            img->m_FillRectXY(ink, 0, 7, 7, 17, 17);
            break;
        default:  // a ring
            img->m_FillCircle(ink, 1, 11.5, 11.5, 7.0);
            img->m_FillCircle(0x00000000, 0, 11.5, 11.5, 4.0);
            break;
    }
}

void MakeButtons(HWND host)
{
    struct {
        int style;
        UINT variant;
        int checked, enabled;
    } looks[kButtons] = {
        {11, 0, 0, 1}, {11, 0, 1, 1},
        {11, 0, 0, 0}, {13, 0, 1, 1},
        {12, 0, 1, 1}, {11, BUTTON_VARIANT_ROUND6, 1, 1},
        {0, 0, 1, 1},  {11, BUTTON_VARIANT_GLOW, 0, 1},
    };
    for (int i = 0; i < kButtons; ++i) {
        CButtonPlus& b = g_Buttons[i];
        b.m_Create(host, kFirstButton + i);
        MoveWindow(b.m_GetHwnd(), 4 + i * 34, 4, 32, 28, FALSE);
        if (i == kButtons - 1) {
            CArgbImage disc;
            disc.m_Create(nullptr, 20, 20, 32);
            disc.m_Clear(true);
            disc.m_FillCircle(0xFF2060C0, 1, 9.5, 9.5, 8.0);
            g_Icon = disc.m_ToIcon(1, 0, 0);
            b.m_SetIcon(g_Icon, 20, 20, 0, 0);
        } else {
            DrawGlyph(i, &g_Glyphs[i]);
            b.m_SetImage(&g_Glyphs[i], 0, 0, 0, 0, 0);
        }
        b.m_SetBackColor(kFace);
        b.m_SetDrawStyle(looks[i].style, 0, looks[i].variant);
        b.m_SetCheck(looks[i].checked, 0);
        b.m_SetEnable(looks[i].enabled);
    }
}

void MakeSliders(HWND host)
{
    g_SeekBar.m_Create(host, IDC_SEEKBAR);
    g_SeekBar.m_SetThumbSize(9, 2);
    g_SeekBar.m_SetChannelSize(0, 6);
    MoveWindow(g_SeekBar.m_GetHwnd(), 4, 38, 412, 24, FALSE);
    g_SeekBar.m_UpdateBackColor(kFace);
    g_SeekBar.m_SetAccentColor(RGB(0, 120, 215));
    g_SeekBar.m_SetRange(10000, 0);
    const int chapters[] = {0, 1500, 4000, 7000};
    const UINT unchecked[] = {0, 0, 1, 0};
    g_SeekBar.m_SetChapters(4, chapters, unchecked, 0);
    const SPLAYRANGEITEM ranges[] = {{2000, 3500, L""}, {6000, 8000, L""}};
    g_SeekBar.m_SetPlayRanges(ranges, 2, 0);
    const SMARKERITEM markers[] = {{5000, L""}, {9000, L""}};
    g_SeekBar.m_SetMarkers(markers, 2, 0);
    // Each highlight leaves the other kinds' marks shown: the last one wins
    // the emphasis.
    g_SeekBar.m_SetHighlight(SLIDER_HL_CHAPTER, 2);
    g_SeekBar.m_SetHighlight(SLIDER_HL_MARKER, 1);
    g_SeekBar.m_SetHighlight(SLIDER_HL_RANGE, 1);
    g_SeekBar.m_SetSubPos(5500, 0);
    g_SeekBar.m_SetPos(3000);

    g_VolumeSlider.m_Create(host, IDC_VOLUME_SLIDER);
    g_VolumeSlider.m_SetThumbSize(9, 3);
    g_VolumeSlider.m_SetChannelSize(2, 6);
    MoveWindow(g_VolumeSlider.m_GetHwnd(), 4, 68, 120, 24, FALSE);
    g_VolumeSlider.m_UpdateBackColor(kFace);
    g_VolumeSlider.m_SetDrawStyle(13);
    g_VolumeSlider.m_SetAccentColor(RGB(0, 120, 215));
    g_VolumeSlider.m_SetRange(100, 0);
    g_VolumeSlider.m_SetLevelMark(80);
    g_VolumeSlider.m_SetPos(60);
}

void PrintRect(UINT id, HWND hWnd)
{
    RECT r;
    GetWindowRect(hWnd, &r);
    printf("control %u %ld %ld %ld %ld\n", id, r.left, r.top, r.right, r.bottom);
}

void PrintCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam), code = HIWORD(wParam);
    if (code == kSliderCommand && (id == IDC_SEEKBAR || id == IDC_VOLUME_SLIDER)) {
        const auto* n = reinterpret_cast<const SSLIDERNOTIFY*>(lParam);
        printf("slider %u %u %d %d %d %u %u\n", id, n->code, n->position, n->part, n->index,
               n->moved, n->disabled);
    } else {
        printf("button %u %x\n", id, code);
    }
    fflush(stdout);
}

// Runs one line of stdin on the UI thread.
void RunLine(const char* line)
{
    char verb[32] = "";
    unsigned id = 0;
    int value = 0;
    if (sscanf(line, "%31s %u %d", verb, &id, &value) < 2) return;
    CSliderPlus* slider = id == IDC_SEEKBAR         ? &g_SeekBar
                          : id == IDC_VOLUME_SLIDER ? &g_VolumeSlider
                                                    : nullptr;
    CButtonPlus* button = id >= kFirstButton && id < kFirstButton + kButtons
                              ? &g_Buttons[id - kFirstButton]
                              : nullptr;
    if (!strcmp(verb, "block")) {
        if (slider) slider->m_BlockInput();
        if (button) button->m_BlockInput(255);
    } else if (!strcmp(verb, "enable")) {
        if (slider) slider->m_SetEnable(value);
        if (button) button->m_SetEnable(value);
    } else if (!strcmp(verb, "notifyblock") && slider) {
        slider->m_SetNotifyBlock(value);
    }
    printf("done %s\n", verb);
    fflush(stdout);
}

DWORD WINAPI ReadInput(void* param)
{
    HWND host = static_cast<HWND>(param);
    char line[128];
    while (fgets(line, sizeof(line), stdin)) {
        char* copy = _strdup(line);
        if (copy && !PostMessageW(host, WM_HOST_LINE, 0, reinterpret_cast<LPARAM>(copy)))
            free(copy);
    }
    return 0;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_COMMAND:
            PrintCommand(wParam, lParam);
            return 0;
        case WM_HOST_LINE:
            RunLine(reinterpret_cast<const char*>(lParam));
            free(reinterpret_cast<void*>(lParam));
            return 0;
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int wmain()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(kFace);
    wc.lpszClassName = L"ZvControlsHost";
    if (!RegisterClassW(&wc)) return 3;
    HWND host =
        CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"controls", WS_POPUP | WS_CLIPCHILDREN,
                        kLeft, kTop, kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
    if (!host) return 4;
    MakeButtons(host);
    MakeSliders(host);
    ShowWindow(host, SW_SHOWNOACTIVATE);
    UpdateWindow(host);
    for (int i = 0; i < kButtons; ++i) PrintRect(kFirstButton + i, g_Buttons[i].m_GetHwnd());
    PrintRect(IDC_SEEKBAR, g_SeekBar.m_GetHwnd());
    PrintRect(IDC_VOLUME_SLIDER, g_VolumeSlider.m_GetHwnd());
    printf("ready\n");
    fflush(stdout);
    HANDLE reader = CreateThread(nullptr, 0, ReadInput, host, 0, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (reader) CloseHandle(reader);
    if (g_Icon) DestroyIcon(g_Icon);
    return 0;
}

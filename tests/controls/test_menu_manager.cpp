// The popup-menu manager: size presets, fonts, icon strips, the frame, the
// style copy, and the relay window that passes notices to the owner.
#include <doctest/doctest.h>

#include "MenuFixture.h"

namespace {

LOGFONTW FontOf(HFONT f)
{
    LOGFONTW lf = {};
    GetObjectW(f, sizeof(lf), &lf);
    return lf;
}

bool Installed(const wchar_t* face, BYTE charset = DEFAULT_CHARSET)
{
    LOGFONTW lf = {};
    lf.lfCharSet = charset;
    wcscpy(lf.lfFaceName, face);
    int found = 0;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &lf,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM p) { return *(int*)p = 1, 0; },
        (LPARAM)&found, 0);
    ReleaseDC(nullptr, dc);
    return found != 0;
}

}  // namespace

TEST_CASE("size presets fill four fields; other numbers change nothing")
{
    const int table[6][4] = {
        {0, 0, 0, 0},   {29, 20, 1, 1}, {33, 22, 1, 2},
        {36, 24, 1, 2}, {40, 26, 1, 2}, {44, 28, 2, 3},
    };
    for (int preset = -1; preset <= 6; ++preset) {
        CAPTURE(preset);
        SMENUSTYLE st = {};
        st.MinWidth = 7;
        CMenuManager::m_GetSizePreset(&st, preset);
        const int* row = (preset >= 1 && preset <= 5) ? table[preset] : table[0];
        CHECK(st.ShadowSize == row[0]);
        CHECK(st.RowHeight == row[1]);
        CHECK(st.RowGap == row[2]);
        CHECK(st.Padding == row[3]);
        CHECK(st.MinWidth == 7);
    }
}

TEST_CASE("fonts: the default face, sizes, weights and the scale")
{
    struct {
        int size, weight;
        UINT scale;
        int px, headingPx, shortcutPx, normalWeight, boldWeight;
    } cases[] = {
        {0, 0, 100, 16, 14, 15, 400, 700},   {0, 300, 100, 16, 14, 15, 300, 700},
        {0, 800, 100, 16, 14, 15, 800, 800}, {20, 0, 100, 20, 17, 19, 400, 700},
        {0, 0, 150, 24, 21, 23, 400, 700},
    };
    for (const auto& c : cases) {
        CAPTURE(c.size);
        CAPTURE(c.weight);
        CAPTURE(c.scale);
        CMenuManager m;
        SMENUSTYLE st = {};
        st.FontSize = c.size;
        st.FontWeight = c.weight;
        m.m_SetStyle(&st, 0, nullptr);
        m.m_SetScale(c.scale, 1);
        // The Japanese UI face, or on a system without one (a Wine prefix)
        // a face that has the Japanese characters.
        if (Installed(L"Yu Gothic UI"))
            CHECK(std::wstring(m.m_FaceName) == L"Yu Gothic UI");
        else if (Installed(L"Meiryo UI"))
            CHECK(std::wstring(m.m_FaceName) == L"Meiryo UI");
        else
            CHECK((m.m_FaceName[0] != L'@' && Installed(m.m_FaceName, SHIFTJIS_CHARSET)));
        CHECK(m.m_Sizes[4] == c.boldWeight);
        const LOGFONTW normal = FontOf(m.m_hFonts[MENUFONT_NORMAL]);
        const LOGFONTW bold = FontOf(m.m_hFonts[MENUFONT_BOLD]);
        const LOGFONTW heading = FontOf(m.m_hFonts[MENUFONT_HEADING]);
        const LOGFONTW shortcut = FontOf(m.m_hFonts[MENUFONT_SHORTCUT]);
        CHECK(-normal.lfHeight == c.px);
        CHECK(normal.lfWeight == c.normalWeight);
        CHECK(bold.lfWeight == 700);
        CHECK(-heading.lfHeight == c.headingPx);
        CHECK(heading.lfWeight == c.boldWeight);
        CHECK(-shortcut.lfHeight == c.shortcutPx);
        CHECK(m.m_TextHeights[MENUHEIGHT_NORMAL] > 0);
        CHECK(m.m_TextHeights[MENUHEIGHT_HEADING] <= m.m_TextHeights[MENUHEIGHT_BOLD]);
    }
}

TEST_CASE("a face named by the style is used as it is")
{
    CMenuManager m;
    SMENUSTYLE st = {};
    wcscpy(st.FaceName, L"Tahoma");
    m.m_SetStyle(&st, 0, nullptr);
    REQUIRE(m.m_Init());
    CHECK(std::wstring(m.m_FaceName) == L"Tahoma");
    CHECK(std::wstring(FontOf(m.m_hFonts[MENUFONT_NORMAL]).lfFaceName) == L"Tahoma");
}

TEST_CASE("icon strips: the cell size follows the scale; light text recolours them")
{
    struct {
        UINT scale, custom;
        ARGB text;
        int cell;
        UINT recoloured;
    } cases[] = {
        {100, 0, 0xFF000000, 16, 0}, {150, 0, 0xFF000000, 24, 0}, {200, 0, 0xFF000000, 32, 0},
        {100, 1, 0xFF101010, 16, 0}, {100, 1, 0xFFFFFFFF, 16, 1}, {100, 1, 0xFF400000, 16, 1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.scale);
        CAPTURE(c.text);
        CMenuManager m;
        SMENUSTYLE st = {};
        st.CustomColors = c.custom;
        st.TextColor = c.text;
        m.m_SetStyle(&st, 0, nullptr);
        m.m_SetScale(c.scale, 1);
        REQUIRE(m.m_IconImage.m_IsValid());
        CHECK(m.m_IconImage.m_CellWidth == c.cell);
        CHECK(m.m_IconImage.m_Height == c.cell);
        CHECK(m.m_ItemIconImage.m_CellHeight == c.cell);
        CHECK(m.m_IconsRecolored == c.recoloured);
        // Recoloured strips hold only the text colour.
        bool allText = true;
        for (int i = 0; i < m.m_IconImage.m_Count; ++i)
            if ((m.m_IconImage.m_Bits[i] >> 24) > 0 &&
                (m.m_IconImage.m_Bits[i] & 0xFFFFFF) != (c.text & 0xFFFFFF))
                allText = false;
        if (c.recoloured) CHECK(allText);
    }
}

TEST_CASE("the frame: shadow margins only with the shadow, corners around them")
{
    struct {
        UINT shadow, scale;
        int shadowSize, margin;
    } cases[] = {{0, 100, 36, 0}, {1, 100, 36, 7}, {1, 200, 36, 14}, {1, 100, 29, 6}};
    for (const auto& c : cases) {
        CAPTURE(c.shadow);
        CAPTURE(c.scale);
        CMenuManager m;
        SMENUSTYLE st = {};
        st.Shadow = c.shadow;
        st.ShadowSize = c.shadowSize;
        m.m_SetStyle(&st, 0, nullptr);
        m.m_SetScale(c.scale, 1);
        CHECK(m.m_FrameMargins.left == c.margin);
        CHECK(m.m_FrameMargins.bottom == c.margin);
        CHECK(m.m_FrameCorners.left > c.margin);
        REQUIRE(m.m_FrameImage.m_IsValid());
        // The body is opaque white in the middle; the outer edge is clear.
        const int mid = m.m_FrameImage.m_Width / 2;
        CHECK(m.m_FrameImage.m_Row(mid)[mid] == 0xFFFFFFFF);
        if (c.margin > 0) CHECK((m.m_FrameImage.m_Row(0)[0] >> 24) < 0x10);
    }
}

TEST_CASE("the style block and its extra value are copied out")
{
    CMenuManager m;
    SMENUSTYLE st = {};
    st.RowHeight = 31;
    memset(st.Rest, 0x3C, sizeof(st.Rest));
    m.m_SetStyle(&st, 0, nullptr);
    m.m_StyleExtra = 0x1122334455667788ull;
    SMENUSTYLE out;
    UINT64 extra = 0;
    m.m_GetStyle(&out, &extra);
    CHECK(memcmp(&out, &st, sizeof(st)) == 0);
    CHECK(extra == 0x1122334455667788ull);
    CHECK(m.m_Scale(33, 100) == 33);
    m.m_SetScale(150, 0);
    CHECK(m.m_Scale(33, 100) == 50);  // 49.5 rounds up
    CHECK(m.m_Scale(32, 200) == 24);
    CHECK(m.m_Scale(5, 0) == 0);
    CHECK(m.m_ScaleF(10) == doctest::Approx(15.0));
}

TEST_CASE("the relay passes notices on and posts run-after-close choices as a copy")
{
    SMenuSetup s;
    REQUIRE(s.Manager.m_hWndRelay);
    HWND relay = s.Manager.m_hWndRelay;
    CMenuPlus* p = s.m_Popup(8, 1);
    REQUIRE(p);
    SMENUNOTIFY n = {};
    n.MenuId = 8;
    n.ItemId = 100;
    n.Popup = p;
    n.PopupWindow = p->m_GetHwnd();
    n.Item = p->m_pItems[0];

    // Sent on: the owner sees the caller's own block at once.
    SendMessageW(relay, WM_APP_MENUCOMMAND, MENUCODE_CHOSEN, (LPARAM)&n);
    REQUIRE(s.Owner.m_Notices.size() == 1);
    CHECK(s.Owner.m_Notices[0].LParam == (LPARAM)&n);

    // Closes and runs after close: posted later, a copy without pointers.
    n.Closes = 1;
    n.RunAfterClose = 1;
    SendMessageW(relay, WM_APP_MENUCOMMAND, MENUCODE_CHOSEN, (LPARAM)&n);
    CHECK(s.Owner.m_Notices.size() == 1);
    // A hover notice meanwhile leaves the posted copy alone.
    SMENUNOTIFY hover = {};
    hover.MenuId = 99;
    SendMessageW(relay, WM_APP_MENUCOMMAND, MENUCODE_SELCHANGED, (LPARAM)&hover);
    s.Owner.m_Notices.clear();
    s.Owner.m_Pump();
    REQUIRE(s.Owner.m_Notices.size() == 1);
    const SNotice& posted = s.Owner.m_Notices[0];
    CHECK(posted.LParam != (LPARAM)&n);
    CHECK(posted.Block.MenuId == 8);
    CHECK(posted.Block.ItemId == 100);
    CHECK(posted.Block.Popup == nullptr);
    CHECK(posted.Block.PopupWindow == nullptr);
    CHECK(posted.Block.Item == nullptr);

    // Replies travel back; a null block goes nowhere.
    s.Owner.m_Notices.clear();
    SendMessageW(relay, WM_APP_MENUCOMMAND, MENUCODE_CHOSEN, 0);
    SendMessageW(relay, WM_APP_MENUGETTIP, 100, (LPARAM)p);
    SendMessageW(relay, WM_KEYDOWN, 'Q', 0);
    SendMessageW(relay, WM_APP_MENUCLOSING, (WPARAM)p, 8);
    CHECK(s.Owner.m_Trace() == L"msg8BBC msg100 closing ");
    CHECK(s.Owner.m_Of(WM_KEYDOWN).size() == 1);
    delete p;
}

TEST_CASE("the relay window's own messages stay with it")
{
    // An owner that counts the window messages reaching it.
    static int s_Foreign = 0;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg == WM_SETTEXT || msg == WM_DESTROY || msg == WM_NCDESTROY || msg == WM_SIZE)
            ++s_Foreign;
        return DefWindowProcW(h, msg, w, l);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvMenuTestCounter";
    RegisterClassExW(&wc);
    HWND owner = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    REQUIRE(owner);
    s_Foreign = 0;
    {
        CMenuManager m;
        CMenuPlus* p = m.m_CreatePopup(owner, owner, 0);
        REQUIRE(p);
        SetWindowTextW(m.m_hWndRelay, L"x");
        SetWindowPos(m.m_hWndRelay, nullptr, 0, 0, 5, 5, SWP_NOZORDER);
        delete p;
        // The manager goes, and its relay window with it.
    }
    CHECK(s_Foreign == 0);
    CHECK(IsWindow(owner));
    DestroyWindow(owner);
}

// The status bar's pane texts and transient messages: fades, priority,
// blinking and the message timers.
#include <windows.h>

#include <cwchar>

#include "controls/Statusbar.h"

namespace {

enum { FADE_NONE = 0, FADE_IN = 1, FADE_OUT = 2, FADE_CROSS = 3 };

// Alpha steps per tick of the fade timers.
constexpr int kFadeInStep = 86;
constexpr int kFadeOutStep = 52;
constexpr UINT kDefaultMessageMs = 2500;

void CopyText(wchar_t* dst, const wchar_t* src) { lstrcpynW(dst, src ? src : L"", kStatusTextCap); }

bool IsEmpty(const wchar_t* text) { return !text || !text[0]; }

}  // namespace

UINT CStatusbar::m_FadePeriod() const { return m_nFadeInterval * UINT(m_FadeSteps(1)); }

void CStatusbar::m_StopFades(int pane)
{
    m_Panes[pane].nFadeKind = FADE_NONE;
    if (!m_hWnd) return;
    for (int k = 0; k < 3; ++k) KillTimer(m_hWnd, STATUS_TIMER_FADE + 3 * pane + k);
}

void CStatusbar::m_StartFade(int pane, int kind)
{
    m_StopFades(pane);
    m_Panes[pane].nFadeKind = kind;
    if (m_hWnd) SetTimer(m_hWnd, STATUS_TIMER_FADE - 1 + 3 * pane + kind, m_FadePeriod(), nullptr);
}

// A text that replaces the pane's without a fade ends any fade of it, so
// that a running fade-out cannot empty the new text when it finishes.
void CStatusbar::m_EndFadeNow(int pane)
{
    m_StopFades(pane);
    SPane& p = m_Panes[pane];
    p.szOldText[0] = 0;
    p.nOldAlpha = 0;
    p.nAlpha = 255;
}

// Picks the kind of fade for a new text and prepares the pane for it.
int CStatusbar::m_ChooseFade(SPane& p, const wchar_t* text, int fadeMode)
{
    if (fadeMode <= 0) return FADE_NONE;
    const bool wasEmpty = IsEmpty(p.szText);
    if (wasEmpty && !IsEmpty(text)) {
        p.nAlpha = 0;
        return FADE_IN;
    }
    if (wasEmpty) return FADE_NONE;
    if (IsEmpty(text)) {
        p.nAlpha = 255;
        return FADE_OUT;
    }
    if (p.nAlpha == 255 && fadeMode == 1) return FADE_NONE;
    CopyText(p.szOldText, p.szText);
    p.rcOld = p.rc;
    p.oldColour = p.colour;
    p.nOldAlpha = p.nAlpha;
    p.nAlpha = 0;
    return FADE_CROSS;
}

void CStatusbar::m_SetPaneText(int pane, const wchar_t* text, int redraw, DWORD colourChoice,
                               int fadeMode)
{
    if (pane < 0 || pane >= STATUS_PANE_COUNT) return;
    SPane& p = m_Panes[pane];
    if (fadeMode == 0 && !text) {
        p.szText[0] = 0;
        m_EndFadeNow(pane);
        if (redraw && m_hWnd) m_Compose();
        return;
    }
    if (text && fadeMode != 2 && wcsncmp(text, p.szText, kStatusTextCap - 1) == 0) {
        // The same text asked for again while it fades out stays.
        if (p.nFadeKind == FADE_OUT) {
            if (fadeMode == 0)
                m_EndFadeNow(pane);
            else
                m_StartFade(pane, FADE_IN);
            if (redraw) m_Compose();
        }
        return;
    }
    const int kind = m_ChooseFade(p, text, fadeMode);
    if (colourChoice == 1)
        p.colour = m_Color1;
    else if (colourChoice == 2)
        p.colour = m_Color2;
    else if (colourChoice != 0)
        p.colour = colourChoice;
    // A fade-out keeps the old text, so that there is something to fade.
    if (text && kind != FADE_OUT) CopyText(p.szText, text);
    if (kind == FADE_NONE && text) m_EndFadeNow(pane);
    if (redraw) m_Compose();
    if (kind != FADE_NONE) m_StartFade(pane, kind);
}

void CStatusbar::m_OnFadeTimer(UINT id)
{
    if (id < STATUS_TIMER_FADE || id >= STATUS_TIMER_FADE + 3 * STATUS_PANE_COUNT) return;
    const int pane = int(id - STATUS_TIMER_FADE) / 3;
    const int kind = int(id - STATUS_TIMER_FADE) % 3 + 1;
    SPane& p = m_Panes[pane];
    if (kind == FADE_IN) {
        p.nAlpha += kFadeInStep;
        if (p.nAlpha >= 255) {
            p.nAlpha = 255;
            m_StopFades(pane);
        }
    } else if (kind == FADE_OUT) {
        p.nAlpha -= kFadeOutStep;
        if (p.nAlpha < 1) {
            m_StopFades(pane);
            p.szText[0] = 0;
            p.nAlpha = 255;
            if (pane == STATUS_PANE_MESSAGE) {
                m_bMessageShown = 0;
                m_nMessagePriority = 0;
            }
        }
    } else {
        p.nAlpha = p.nAlpha + kFadeOutStep > 255 ? 255 : p.nAlpha + kFadeOutStep;
        p.nOldAlpha = p.nOldAlpha - kFadeOutStep < 0 ? 0 : p.nOldAlpha - kFadeOutStep;
        if (p.nOldAlpha == 0) p.szOldText[0] = 0;
        if (p.nAlpha == 255 && p.nOldAlpha == 0) m_StopFades(pane);
    }
    m_Compose();
}

// With nothing left to fade, the message ends at once: a shown flag that
// no fade-out will clear would block lower priorities for good.
void CStatusbar::m_ClearShownIfIdle()
{
    if (!IsEmpty(m_Panes[STATUS_PANE_MESSAGE].szText)) return;
    m_bMessageShown = 0;
    m_nMessagePriority = 0;
}

void CStatusbar::m_StopBlink(int restore)
{
    if (m_hWnd) KillTimer(m_hWnd, STATUS_TIMER_BLINK);
    if (restore && m_bBlinkPhase && m_szBlinkText[0])
        m_SetPaneText(STATUS_PANE_MESSAGE, m_szBlinkText, 1, 0, 0);
    m_nBlinksLeft = 0;
    m_bBlinkPhase = 0;
    m_szBlinkText[0] = 0;
}

UINT CStatusbar::m_ShowMessage(const wchar_t* text, int colourChoice, int durationMs,
                               int blinkCount, UINT priority, int centringWidth, int fade)
{
    if (!m_hWnd) return 0;
    if (m_bMessageShown && m_nMessagePriority > priority) return 0;
    m_nMessagePriority = priority;
    m_nCentringWidth = centringWidth;
    if (!IsWindowVisible(m_hWnd)) fade = 0;
    if (m_bMessageShown) KillTimer(m_hWnd, STATUS_TIMER_MESSAGE);
    // A new run of messages measures its centre anew.
    if (!m_bMessageShown) m_nKeptCentringWidth = 0;
    m_StopBlink(0);
    m_bMessageShown = 1;
    const ARGB colour = colourChoice ? m_Color1 : m_Color2;
    if (text || m_Panes[STATUS_PANE_MESSAGE].colour != colour)
        m_SetPaneText(STATUS_PANE_MESSAGE, text, 1, colour, fade);
    UINT duration = durationMs == -1 ? kDefaultMessageMs : durationMs < 0 ? 0 : UINT(durationMs);
    SetTimer(m_hWnd, STATUS_TIMER_MESSAGE, duration, nullptr);
    if (text && blinkCount > 0) {
        m_nBlinksLeft = blinkCount;
        CopyText(m_szBlinkText, text);
        SetTimer(m_hWnd, STATUS_TIMER_BLINK, m_nBlinkPeriod, nullptr);
    }
    return 1;
}

void CStatusbar::m_OnMessageTimer()
{
    m_StopBlink(1);
    KillTimer(m_hWnd, STATUS_TIMER_MESSAGE);
    m_SetPaneText(STATUS_PANE_MESSAGE, nullptr, 1, 0, 1);
    m_ClearShownIfIdle();
}

void CStatusbar::m_OnBlinkTimer()
{
    if (m_bBlinkPhase) {
        m_SetPaneText(STATUS_PANE_MESSAGE, m_szBlinkText, 1, 0, 0);
        m_bBlinkPhase = 0;
        if (--m_nBlinksLeft <= 0) {
            KillTimer(m_hWnd, STATUS_TIMER_BLINK);
            m_nBlinksLeft = 0;
            m_szBlinkText[0] = 0;
        }
    } else {
        m_SetPaneText(STATUS_PANE_MESSAGE, nullptr, 1, 0, 0);
        m_bBlinkPhase = 1;
    }
}

void CStatusbar::m_ClearMessage(int fade, UINT priority)
{
    if (!m_bMessageShown || m_nMessagePriority > priority) return;
    if (!fade) {
        if (m_hWnd) {
            for (UINT id = STATUS_TIMER_FADE + 3; id <= STATUS_TIMER_FADE + 5; ++id)
                KillTimer(m_hWnd, id);
            KillTimer(m_hWnd, STATUS_TIMER_MESSAGE);
            KillTimer(m_hWnd, STATUS_TIMER_BLINK);
        }
        m_nBlinksLeft = 0;
        m_bBlinkPhase = 0;
        m_szBlinkText[0] = 0;
        m_bMessageShown = 0;
    }
    m_SetPaneText(STATUS_PANE_MESSAGE, nullptr, 1, 0, fade ? 1 : 0);
    m_ClearShownIfIdle();
}

UINT CStatusbar::m_HoldMessage()
{
    m_nMessagePriority = 20;
    return m_bMessageShown;
}

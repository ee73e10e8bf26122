// The volume texts. Every part is appended with a bounded copy; a cut text
// still starts with the level.
#include "playback/VolumeText.h"

#include <stdarg.h>
#include <strsafe.h>

#include "playback/VolumeControl.h"

const wchar_t kVolumeTextSysError[] = L"VOL````100%```(SYS````ERR)";

namespace {

// Appends a formatted part to out.
void m_Append(wchar_t* out, int cap, const wchar_t* format, ...)
{
    size_t used = 0;
    if (FAILED(StringCchLengthW(out, cap, &used))) return;
    va_list args;
    va_start(args, format);
    (void)StringCchVPrintfW(out + used, cap - used, format, args);
    va_end(args);
}

void m_AppendBoost(wchar_t* out, int cap, int boost)
{
    if (boost != 100) m_Append(out, cap, L"``(%+d)", boost - 100);
}

void m_AppendMute(wchar_t* out, int cap, int muted)
{
    if (muted) m_Append(out, cap, L"``(MUTE)");
}

}  // namespace

int m_Volume_DecimalsOf(int level) { return level % 100 == 0 ? 0 : (level % 10 == 0 ? 1 : 2); }

void m_VolumeText_Player(wchar_t* out, int cap, int volume, int decimals, const SVOLUMETEXTFACTS& f)
{
    out[0] = 0;
    m_Append(out, cap, L"VOL````%s%%`", m_Volume_FormatPercent(volume, decimals));
    m_AppendBoost(out, cap, f.boost);
    if (f.balance > 0) m_Append(out, cap, L"``(R`%d%%)", f.balance);
    if (f.balance < 0) m_Append(out, cap, L"``(L`%d%%)", -f.balance);
    m_AppendMute(out, cap, f.muted);
}

void m_VolumeText_System(wchar_t* out, int cap, int base, int level, int levelDecimals, int upAtTop,
                         const SVOLUMETEXTFACTS& f)
{
    out[0] = 0;
    m_Append(out, cap, L"VOL````%d%%`", 100);
    m_AppendBoost(out, cap, f.boost);
    m_AppendMute(out, cap, f.muted);
    if (base != level) {
        // The shared buffer of the percent text holds one value at a time.
        wchar_t from[16];
        (void)StringCchCopyW(from, 16, m_Volume_FormatPercent(base, m_Volume_DecimalsOf(base)));
        m_Append(out, cap, L"``(SYS``````%s````>````%s%%)", from,
                 m_Volume_FormatPercent(level, levelDecimals));
    } else if (upAtTop) {
        m_Append(out, cap, L"``(SYS``100%%)");
    }
    if (f.balance > 0) m_Append(out, cap, L"``(R%d`%%)", f.balance);
    if (f.balance < 0) m_Append(out, cap, L"``(L%d`%%)", -f.balance);
}

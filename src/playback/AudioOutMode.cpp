// The audio output channel mode and the engine's software audio path.
#include "playback/AudioOutMode.h"

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "engine/VideoRenderer.h"
#include "options/OptionsAudioPage.h"
#include "settings/Settings.h"

namespace {

int s_Mode = -1;  // none set yet

}  // namespace

int m_AudioOut_GetMode() { return s_Mode < 0 ? g_Settings.Common_AudOut : s_Mode; }

void m_AudioOut_MixSwap(int mode, int* mix, int* swap)
{
    *mix = mode == 2 ? 100 : 0;
    *swap = mode == 1 ? 1 : 0;
}

void m_AudioOut_ToEngine()
{
    if (!g_VideoRenderer) return;
    int mix = 0, swap = 0;
    m_AudioOut_MixSwap(m_AudioOut_GetMode(), &mix, &swap);
    g_VideoRenderer->m_VR_SetAudioMix(mix);
    g_VideoRenderer->m_VR_SetAudioSwap(swap);
}

void m_AudioOut_SetMode(int mode, int showMessage)
{
    s_Mode = mode < 0 ? 0 : mode;
    m_OptionsAudio_ShowOutMode(g_Settings.Common_AudOut);
    if (showMessage) {
        const wchar_t* text = mode == 1   ? L"AUDIO````OUT : REVERSE"
                              : mode == 2 ? L"AUDIO````OUT : MIX"
                                          : L"AUDIO````OUT : NOMAL";
        const int width = m_GetBmpFontTextWidth(0, L"AUDIO````OUT : NOMAL");
        m_OSD_ShowText(text, -1, -1, -1, -1, width, -1);
    }
    m_AudioOut_ToEngine();
}

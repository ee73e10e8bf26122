#include "options/OptionsAudioPage.h"

#include "settings/CallTrace.h"

// The audio page is not built yet: the call is only traced ([Main] "Test").
void m_OptionsAudio_ShowOutMode(int mode) { m_TraceCall(L"m_OptionsAudio_ShowOutMode(%d)", mode); }

// What playback asks of the options dialog's audio page.
#pragma once

// The three output-mode buttons follow the mode while the page is open.
void m_OptionsAudio_ShowOutMode(int mode);

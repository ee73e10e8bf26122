// Shutdown: save what must last and end the program.
#pragma once

// Ends the program in its fixed order: hides the windows, saves the
// settings, tool-window places and [Main], closes the file and destroys the
// windows (the main window's end posts WM_QUIT). Callers that may have to
// wait for the options dialog go through m_ExitApplication.
void m_Shutdown();

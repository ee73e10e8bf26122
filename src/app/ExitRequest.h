// Asking the program to end: at once, or once what holds the exit back
// (the options dialog still filling, a popup menu still tracking) is done.
#pragma once

// An exit waits for the options dialog's fill thread.
extern int g_ExitPending;
// An exit was chosen while a popup menu was tracking.
extern int g_ExitAfterMenu;

// Ends the program, unless the options dialog is still filling: then the
// exit waits for it and nothing happens now.
void m_ExitApplication();
// The options dialog finished filling: runs a waiting exit.
void m_ExitApplication_OnOptionsFilled();
// A popup menu closed: runs an exit chosen from it.
void m_ExitApplication_OnMenuClosed();

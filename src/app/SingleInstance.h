// The single-instance rule: a second start hands its line to the first.
#pragma once
#include <windows.h>

// Builds g_InstanceName (the exe path with every '\' turned into '/') and
// creates the instance mutex, initially owned. Returns 1 when another
// instance already holds it.
int m_CreateInstanceMutex();

// EnumWindows callback: finds the window that carries the property named
// by lParam (the instance name), brings it forward and hands it this
// process's command line when it has arguments; stops the walk there.
BOOL CALLBACK m_FindPrevInstanceProc(HWND hwnd, LPARAM lParam);

// Hands over to the running instance. Its window may not carry the
// property yet when both start together, so the search is retried for a
// short while. Returns 1 when the window was found.
int m_HandOverToPrevInstance();

// Marks the main window as this instance's, for later second starts.
void m_MarkInstanceWindow(HWND hwnd);

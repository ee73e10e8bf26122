// The executor's cases, split by area; each returns 1 when it has a case
// for the id, else 0. Shared helpers for reading the argument text.
#pragma once
#include <windows.h>

#include "settings/SettingsLists.h"

int m_Exec_Playback(const SFUNCTIONBIND& a, int holdKey);
int m_Exec_Edit(const SFUNCTIONBIND& a);
int m_Exec_Window(const SFUNCTIONBIND& a, int holdKey);
int m_Exec_Sound(const SFUNCTIONBIND& a, int holdKey);
int m_Exec_Tools(const SFUNCTIONBIND& a, int holdKey);

// 0 off, 1 on, any other value the opposite of current.
int m_Exec_Toggle(int value, int current);
// Comma-separated integers into out, whose values are the defaults; the
// text is at most 31 characters and always terminated.
int m_Exec_Ints(const wchar_t* text, int* out, int count);
// A list of up to count modes (empty -1): with more than one, the next
// set slot after current (wrapping); else -2 with *single the one value
// (-1 when none).
int m_Exec_NextInList(const wchar_t* text, int count, int current, int* single);
// A refusal: sound cue 8.
void m_Exec_Refuse();

// FUNC_WINDOW_POS: "left,top,right,bottom", any of them left out.
void m_Exec_WindowPos(const wchar_t* text);

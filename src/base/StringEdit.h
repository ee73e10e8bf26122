// In-place edits of zero-terminated wide strings.
#pragma once
#include <windows.h>

// Moves the whole text (terminator included) n characters to the right, or
// to the left when n is negative; the new start. The caller provides room.
wchar_t* m_ShiftString(wchar_t* text, int n);

// Replaces occurrences of find by repl within a buffer of size characters;
// the search goes on after each replacement. max below 1 replaces all.
// A replacement that would not fit is not made. The number replaced.
int m_ReplaceString(wchar_t* text, int size, const wchar_t* find, const wchar_t* repl, int max);

// Replaces the first occurrence of find, ignoring case, in a text of at most
// 255 characters (256-character buffer); refused when the text would grow
// beyond 255. 1 when replaced.
int m_ReplaceStringNoCase(wchar_t* text, const wchar_t* find, const wchar_t* repl);

// ",," becomes "," until none is left; the number of replacements.
int m_CollapseDoubleCommas(wchar_t* text);

// Removes the first three characters (all when shorter); the number removed.
int m_DropFirstChars(wchar_t* text);

// Puts text in front of buffer when the result fits in size characters
// (terminator included); 1, else 0 and nothing changes.
int m_PrependString(wchar_t* buffer, int size, const wchar_t* text);

// Trailing occurrences of ch removed; the count.
int m_TrimRightChar(wchar_t* text, wchar_t ch);
// Trailing CR and LF removed; the count.
int m_TrimRightNewlines(wchar_t* text);
// Blanks, TAB, VT, CR and LF removed from both ends; the count.
int m_TrimBlanks(wchar_t* text);

// Lower-cases every character with the C library's towlower.
void m_ToLowerInPlace(wchar_t* text);
// Lower-cases every character by the invariant locale, whatever the user's.
void m_ToLowerInPlaceInvariant(wchar_t* text);

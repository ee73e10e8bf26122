// Scans of file-name texts: forbidden characters, characters the ANSI code
// page cannot hold, and the words of a title.
#pragma once
#include <windows.h>

// Index of the first character from start that a file name may not hold
// ('"', '*', '/', ':', '<', '>', '?', '|', and '\' when withBackslash);
// with wrap the search goes on from 0 up to start. A start outside the text
// searches from 0 without wrapping. -1 when none.
int m_FindInvalidFileNameChar(const wchar_t* text, int start, int withBackslash, int wrap);

// Index of the first character from start (below size) that does not come
// back unchanged through the ANSI code page, then from 0 up to start;
// -1 when none.
int m_FindNonAnsiChar(const wchar_t* text, int size, int start);

// Cuts a title into consecutive pieces whose concatenation is the title:
// a piece ends after a blank; a new one starts at '[', '(', '「' (each group
// kept whole up to its closing ']', ')', '」'), at '.', and at '#', '＃' or
// '第' followed by a letter or digit. At most capacity pieces (the last one
// takes the rest). Each piece is allocated: free them with m_FreeTitleWords.
// The number of pieces; 0 when the text is empty or memory runs out.
int m_SplitTitleWords(const wchar_t* text, wchar_t** out, int capacity);
void m_FreeTitleWords(wchar_t** words, int count);

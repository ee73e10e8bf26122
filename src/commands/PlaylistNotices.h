// The playlist window's notices to the main window.
#pragma once
#include <windows.h>

// The playlist window's codes beside those Playlist.h names.
constexpr int kNoticeJumpListForTrack = 2001;
constexpr int kNoticeHighlightChapter = 2002;
constexpr int kNoticeHighlightRange = 2003;
constexpr int kNoticeHighlightMarker = 2004;
constexpr int kNoticeOpenRangeIcon = 2013;
constexpr int kNoticeJumpListToggle = 2037;

// 1 when the code was one of the playlist window's and was handled.
int m_OnPlaylistNotice(WPARAM code, LPARAM value);

// The selectable streams of a source (IAMStreamSelect) and the subtitle
// files the user adds beside them: reading the table, the names of side
// files and their language numbers. No engine state here.
#pragma once
#include <windows.h>
#include <strmif.h>

constexpr int kStreamTableCap = 16;
constexpr int kStreamNameCap = 128;

enum EStreamKind : DWORD {
    STREAM_KIND_OTHER = 0,
    STREAM_KIND_VIDEO = 1,
    STREAM_KIND_AUDIO = 2,
    STREAM_KIND_SUBTITLE = 3,
};

struct SSTREAMITEM {
    DWORD Enabled;        // the engine's choice, one per kind
    DWORD SourceEnabled;  // enabled in the source; a side file: loaded
    DWORD Kind;           // EStreamKind
    DWORD NoSubtitles;    // the entry for subtitles off
    wchar_t Name[kStreamNameCap];
    DWORD SideFile;  // a subtitle file added by the user
    wchar_t Path[MAX_PATH + 1];
};

struct SStreamTable {
    SSTREAMITEM Items[kStreamTableCap];
    int Count;
    int KindCounts[4];
    int SelectedSubtitle;  // the no-subtitles entry, -1 for none
};

void m_Streams_Clear(SStreamTable* table);

// Fills the table from the source's streams (the first 16).
HRESULT m_Streams_Read(IAMStreamSelect* select, SStreamTable* table);

// Re-reads each stream's enabled flag in the source.
HRESULT m_Streams_Refresh(IAMStreamSelect* select, SStreamTable* table);

// Appends a side subtitle file of the media file (and the no-subtitles
// entry before the first); 0 when the table has no room.
int m_Streams_AddSideFile(SStreamTable* table, const wchar_t* mediaPath,
                          const wchar_t* subtitlePath);

// The language number of a side file: how many earlier side files share
// its path without extension.
int m_Streams_SideFileLanguage(const SStreamTable* table, int index);

// The kinds of path m_OpenFile tells apart, and the opens of the kinds
// that hand on to another path (shortcut, bookmark, jump list, JPEG).
#pragma once
#include <windows.h>

enum {
    OPEN_KIND_MEDIA = 0,
    OPEN_KIND_ZVPL = 2,
    OPEN_KIND_M3U = 3,
    OPEN_KIND_JUMPLIST = 4,
    OPEN_KIND_BOOKMARK = 5,
    OPEN_KIND_PICTURE = 6,
    OPEN_KIND_JPEG = 7,
    OPEN_KIND_SHORTCUT = 8,
};

// The kind of a file path by its extension (case-blind).
int m_OpenKindOf(const wchar_t* path);

// The arguments of one m_OpenFile call, handed to the kinds' opens.
struct SOPENARGS {
    int StartState;
    int ReportErrors;
    int BringToFront;
    int ApplyResume;
};

// The bookmark an open is for: its entry and position win over the resume.
struct SBOOKMARKOPEN {
    int Active;
    int Track;
    int PosMs;
    wchar_t MediaFile[MAX_PATH + 1];
};
extern SBOOKMARKOPEN g_BookmarkOpen;

int m_OpenShortcut(const wchar_t* path, const SOPENARGS& a);
int m_OpenBookmark(const wchar_t* path, const SOPENARGS& a);
int m_OpenJumpListPath(const wchar_t* path, const SOPENARGS& a);
// A JPEG: the kind its image data names, else a plain picture.
int m_InspectJpeg(const wchar_t* path);
// A path that named nothing: state 0, "FILE NOT FOUND" when reported.
int m_OpenMissing(int reportErrors);

// What is open and which track plays: the globals every part of playback
// reads about the playlist.
#pragma once
#include <windows.h>

// Kinds of the open item (g_ListType).
enum {
    LIST_NONE = 0,
    LIST_SINGLE = 1,      // one media file
    LIST_FOLDER = 2,      // a folder opened as a plain list
    LIST_M3U = 3,         // an M3U or M3U8 list
    LIST_ZVPL = 4,        // a .zvpl list
    LIST_FOLDERLIST = 5,  // a folder-management list
    LIST_UNSAVED = 6,
    LIST_BOOKMARK = 8,  // a bookmark or jump-list file
};

// Index of the playing track, -1 none.
extern int g_PlayingTrack;
// Where playback continues after the playing track was deleted, -1 none.
extern int g_TrackAfterDelete;
// What the open item is (LIST_...).
extern UINT g_ListType;
// The open list file (types 2 to 5), the media file (type 1), else empty.
extern wchar_t g_ListPath[MAX_PATH + 1];
// The folder-management list in use (its folder is g_ListPath for type 5).
extern wchar_t g_FolderListPath[MAX_PATH + 1];
// The open list differs from its file.
extern int g_ListModified;

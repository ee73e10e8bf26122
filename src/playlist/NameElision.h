// Shortening track names by leaving out the pieces all names share, so
// that the widest name fits the track list's first column.
#pragma once
#include <windows.h>

#include "playlist/TrackInfo.h"

// A name cut into consecutive pieces: piece i is [start[i], start[i + 1]).
struct SNAMEPIECES {
    int count;
    short start[kTrackElidedCap + 1];
};

// Cuts the name (at most 128 characters are looked at): a piece ends after
// a blank; a new one starts at "[", "(", "「", "." and at "#", "＃" or "第"
// before a letter or digit; bracketed text stays whole up to its closer.
void m_SplitWords(const wchar_t* name, SNAMEPIECES* out);

typedef int (*PFNTEXTWIDTH)(const wchar_t* text, int length, void* context);

struct SELIDEREQUEST {
    const wchar_t* const* names;  // the shown names, before elision
    int count;                    // at least 2
    const wchar_t* listName;      // the list file's name without extension, or empty
    int available;                // room in the column, numbers not yet taken off
    int numberOn;                 // rows start with "n, "
    PFNTEXTWIDTH measure;
    void* context;
};

// Fills out[i] with each name's elided form and returns 1; returns 0 and
// leaves out alone when the names share neither leading nor trailing pieces.
int m_ElideNames(const SELIDEREQUEST& request, wchar_t (*out)[kTrackElidedCap]);

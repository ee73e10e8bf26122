// The description file the test source plays: a text file (UTF-8) whose
// first bytes are "ZVSRC" (the graph finds the source by them), naming the
// duration, the picture, the selectable streams and the markers.
//   duration SECONDS
//   picture WIDTH HEIGHT RRGGBB FPS
//   stream video|audio|subtitle|other LCID GROUP ENABLED NAME...
//   marker SECONDS NAME...
// Lines starting with # and unknown lines are skipped.
#pragma once
#include <windows.h>
#include <dshow.h>

constexpr int kSourceStreamCap = 32;
constexpr int kSourceMarkerCap = 64;
constexpr int kSourceNameCap = 128;

struct SSOURCESTREAM {
    GUID Major;  // GUID_NULL for "other"
    LCID Lcid;
    DWORD Group;
    DWORD Enabled;
    wchar_t Name[kSourceNameCap];
};

struct SSOURCEMARKER {
    double Seconds;
    wchar_t Name[kSourceNameCap];
};

struct SSOURCEDESC {
    double Duration;
    LONG Width;
    LONG Height;
    DWORD Colour;  // 0xRRGGBB
    int Fps;
    SSOURCESTREAM Streams[kSourceStreamCap];
    int StreamCount;
    SSOURCEMARKER Markers[kSourceMarkerCap];
    int MarkerCount;
};

// {E487EB08-6B26-4BE9-9DD3-993434D313FD}
inline constexpr GUID kSourceMediaTypeSubtitle = {
    0xE487EB08, 0x6B26, 0x4BE9, {0x9D, 0xD3, 0x99, 0x34, 0x34, 0xD3, 0x13, 0xFD}};

// Reads and parses the file; an error when it cannot be read or names no
// duration.
HRESULT m_SourceDesc_Load(const wchar_t* path, SSOURCEDESC* desc);

// Whether a stream of this major type is among the streams.
bool m_SourceDesc_Has(const SSOURCEDESC* desc, REFGUID major);

// What the engine host's files share: output, the message pump and the events
// the engine posted.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CVideoRenderer;

// Kinds of posted messages the host counts.
enum {
    HOST_EVENT_FRAMESHOWN,
    HOST_EVENT_STOPREACHED,
    HOST_EVENT_GRAPHBUILT,
    HOST_EVENT_COMPLETE,
    HOST_EVENT_CHAPTER,
    HOST_EVENT_COUNT,
};

struct SHOSTSTATE {
    HWND window;
    CVideoRenderer* engine;
    int events[HOST_EVENT_COUNT];    // arrived so far
    int consumed[HOST_EVENT_COUNT];  // taken by "wait"
    LARGE_INTEGER start;
};

extern SHOSTSTATE g_Host;

// One output line (UTF-8), flushed at once.
void m_Host_Print(const wchar_t* format, ...);
// Milliseconds since the host started.
double m_Host_Now();
// Dispatches messages for the time given.
void m_Host_Pump(DWORD ms);
// Runs one command; 0 for an unknown command.
int m_Host_RunCommand(const std::wstring& name, const std::vector<std::wstring>& args);
// The chapter commands (EngineHostChapters.cpp); 0 for another name.
class CVideoRenderer;
int m_Host_RunChapterCommand(CVideoRenderer* engine, const std::wstring& name,
                             const std::vector<std::wstring>& args);
// The picture commands (EngineHostPicture.cpp); 0 for an unknown command.
int m_Host_PictureCommand(const std::wstring& name, const std::vector<std::wstring>& args);
// The commands that ask the source filter itself (EngineHostSource.cpp).
int m_Host_SourceCommand(const std::wstring& name, const std::vector<std::wstring>& args);
// The preview-player commands (EngineHostPreview.cpp).
int m_Host_PreviewCommand(const std::wstring& name, const std::vector<std::wstring>& args);

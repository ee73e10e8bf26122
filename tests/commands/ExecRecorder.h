// A recording double of every operation the executor calls: each call is
// kept as "Name(arg,arg)" and the table is put back afterwards.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "commands/ExecOps.h"

namespace exec_test {

inline std::vector<std::wstring>& Calls()
{
    static std::vector<std::wstring> calls;
    return calls;
}

inline void Put(std::wstring& s, int v) { s += std::to_wstring(v); }
inline void Put(std::wstring& s, UINT v) { s += std::to_wstring(v); }
inline void Put(std::wstring& s, LONGLONG v) { s += std::to_wstring(v); }
// A flag handed over to be set: named, not read.
inline void Put(std::wstring& s, int*) { s += L"flag"; }
inline void Put(std::wstring& s, const wchar_t* v) { s += v ? v : L"(null)"; }
inline void Put(std::wstring& s, POINT p)
{
    s += std::to_wstring(p.x) + L":" + std::to_wstring(p.y);
}
inline void Put(std::wstring& s, const RECT* r)
{
    if (!r) {
        s += L"-";
        return;
    }
    s += std::to_wstring(r->left) + L":" + std::to_wstring(r->top) + L":" +
         std::to_wstring(r->right) + L":" + std::to_wstring(r->bottom);
}

template <typename... A>
void Record(const char* name, A... a)
{
    std::wstring s(name, name + strlen(name));
    s += L"(";
    int n = 0;
    ((s += n++ ? L"," : L"", Put(s, a)), ...);
    s += L")";
    Calls().push_back(s);
}

template <typename F>
struct SRet;
template <typename R, typename... A>
struct SRet<R (*)(A...)> {
    using type = R;
};

template <typename F>
using RetOf = typename SRet<F>::type;

// The recorded calls since the last Take, blank-separated.
inline std::wstring Take()
{
    std::wstring out;
    for (const std::wstring& c : Calls()) out += (out.empty() ? L"" : L" ") + c;
    Calls().clear();
    return out;
}

}  // namespace exec_test

#define ZV_REC(name)                                                               \
    g_ExecOps.name = [](auto... a) -> exec_test::RetOf<decltype(g_ExecOps.name)> { \
        exec_test::Record(#name, a...);                                            \
        return exec_test::RetOf<decltype(g_ExecOps.name)>();                       \
    }

// Every operation recorded while it lives.
struct CExecRecorder {
    CExecRecorder()
    {
        ZV_REC(PlayPause);
        ZV_REC(ResetCursorHide);
        ZV_REC(PrevTrack);
        ZV_REC(NextTrack);
        ZV_REC(StartContinuousSeek);
        ZV_REC(SkipToPoint);
        ZV_REC(FrameStep_Start);
        ZV_REC(Rate_Set);
        ZV_REC(Rate_Adjust);
        ZV_REC(Rate_StepPreset);
        ZV_REC(SavePlayPosition);
        ZV_REC(SeekToPercent);
        ZV_REC(SeekToTime);
        ZV_REC(SeekToFrame);
        ZV_REC(SeekToStoredPosition);
        ZV_REC(Repeat_SetMode);
        ZV_REC(PowerSaving_Set);
        ZV_REC(PowerSaving_SetTemp);
        ZV_REC(SetTimeDisplayMode);
        ZV_REC(CloseFile);
        ZV_REC(ReopenMediaFile);
        ZV_REC(OpenFile);
        ZV_REC(Chapter_AddCurrent);
        ZV_REC(Chapter_DeleteCurrent);
        ZV_REC(Chapter_Reset);
        ZV_REC(Marker_AddCurrent);
        ZV_REC(Marker_DeleteNearest);
        ZV_REC(Marker_Step);
        ZV_REC(PlayRange_Command);
        ZV_REC(PlayRange_AddCurrent);
        ZV_REC(PlayRange_Step);
        ZV_REC(PlayRange_StepFile);
        ZV_REC(RangeRepeat_SetMode);
        ZV_REC(Stream_Select);
        ZV_REC(Zoom_Toggle100);
        ZV_REC(SetSizeLeavingFullScreen);
        ZV_REC(Size_SetCmd);
        ZV_REC(Size_TakeVideoAspect);
        ZV_REC(Size_StepCmd);
        ZV_REC(WindowSize_SetCmd);
        ZV_REC(FullScreen_Set);
        ZV_REC(VideoClip_Set);
        ZV_REC(ShowPlayListWnd);
        ZV_REC(ShowFavoWindow);
        ZV_REC(SetTopMost);
        ZV_REC(OSD_SetMode);
        ZV_REC(ShowAboutBox);
        ZV_REC(ExitApplication);
        ZV_REC(ApplyDpi);
        ZV_REC(RelayoutClientArea);
        ZV_REC(SetBarKeepingVideo);
        ZV_REC(ShowPopupMenu);
        ZV_REC(Menu_CloseActive);
        ZV_REC(SetHoverTimer);
        ZV_REC(PlaceWindow);
        ZV_REC(SetZoomMode);
        ZV_REC(SetVideoSize);
        ZV_REC(ShowWindowState);
        ZV_REC(ShowText);
        ZV_REC(ClearText);
        ZV_REC(PlaySoundCue);
        ZV_REC(MessageBeep);
        ZV_REC(Volume_Step);
        ZV_REC(Volume_ShowText);
        ZV_REC(SystemVolume_OnPlayState);
        ZV_REC(Mute_Toggle);
        ZV_REC(AudioOut_SetMode);
        ZV_REC(AudioDevice_Choose);
        ZV_REC(AudioInputBalance_Set);
        ZV_REC(Property_Command);
        ZV_REC(Property_Step);
        ZV_REC(SeekBarPreview_Set);
        ZV_REC(Aspect_Apply);
        ZV_REC(Aspect_Reset);
        ZV_REC(VideoRange_Apply);
        ZV_REC(Capture_SaveAs);
        ZV_REC(Capture_ToClipboard);
        ZV_REC(Capture_ByPreset);
        ZV_REC(JumpList_Command);
        ZV_REC(JumpList_Create);
        ZV_REC(JumpList_PreviewToggle);
        ZV_REC(Launcher_Toggle);
        ZV_REC(Options_Show);
        ZV_REC(Options_RefreshAdjust);
        ZV_REC(Timer_Arm);
        ZV_REC(Timer_Lengthen);
        ZV_REC(Timer_StopCmd);
        ZV_REC(Timer_ToggleDialog);
        ZV_REC(RunTask);
        ZV_REC(Bind_ShowTable);
        ZV_REC(Settings_Rewrite);
        ZV_REC(ChooseColour);
        ZV_REC(OpenDialog);
        ZV_REC(OpenParentFolder);
        ZV_REC(OpenAlone);
        ZV_REC(FileTool);
        exec_test::Calls().clear();
    }
    ~CExecRecorder() { g_ExecOps = m_ExecOps_Real(); }
};

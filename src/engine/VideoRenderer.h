// The playback engine: one DirectShow filter graph for one media file at a
// time, with its video renderer, audio renderer, optional filters and the
// controls on a built graph. Operations return the HRESULT of their last
// DirectShow call, 0xFFFFFFFF (kVrNotAvailable) when no graph is open or the
// renderer in use lacks the interface.
#pragma once
#include "engine/Chapters.h"
#include "engine/FilterList.h"
#include "engine/StreamTable.h"
#include "engine/RendererKind.h"
#include <windows.h>
#include <dshow.h>
#include <d3d9.h>
#include <vmr9.h>
#include <qedit.h>
#include <vfw.h>

struct SFILTERITEM;
class CNotifyFilter;
class CAudioGrabCB;
class CVideoGrabCB;
class GraphBuilderCB;

constexpr HRESULT kVrNotAvailable = static_cast<HRESULT>(0xFFFFFFFF);
constexpr int kVrUserFilterCap = 32;
constexpr int kVrDeviceNameCap = 257;
constexpr int kVrAudioRendererCap = 16;

// Renderer kinds of the video renderer step.
enum {
    VR_KIND_NULL = -1,
    VR_KIND_DEFAULT = 0,
    VR_KIND_OVERLAY = 1,
    VR_KIND_OLD = 2,
    VR_KIND_VMR7 = 3,
    VR_KIND_VMR9 = 4,
    VR_KIND_EVR = 7,
    VR_KIND_MADVR = 8,
};

// Open flags: the video part and the audio part of a build.
constexpr DWORD VR_OPEN_VIDEO = 1;
constexpr DWORD VR_OPEN_AUDIO = 2;

// Engine states.
enum {
    VR_STATE_NONE = 0,
    VR_STATE_CREATED = 1,
    VR_STATE_BUILT = 2,
    VR_STATE_RUNNING = 3,
    VR_STATE_PAUSED = 4,
};

// One frame the video grabber copied.
struct SGRABFRAME;

class CVideoRenderer {
public:
    CVideoRenderer();
    ~CVideoRenderer();
    CVideoRenderer(const CVideoRenderer&) = delete;
    CVideoRenderer& operator=(const CVideoRenderer&) = delete;

    // Object and windows.
    void m_VR_Construct();
    void m_VR_Reset();
    HRESULT m_VR_SetWindows(HWND videoWindow, HWND notifyWindow);
    void m_VR_SetTimeStretchTarget(HWND window);
    void m_VR_SetTimeStretch(int on) { m_TimeStretchWanted = on ? 1 : 0; }
    void m_VR_SetFilterList(const SFILTERITEM* list, int count);
    int m_VR_HasVideoWindow() const { return m_pVideoWindow ? 1 : 0; }
    int m_VR_HasNotifyFilter() const { return m_NotifyFilterInserted; }

    // Graph building.
    HRESULT m_VR_Open(const wchar_t* path, int rendererKind, const wchar_t* deviceName,
                      DWORD flags);
    HANDLE m_VR_OpenAsync(const wchar_t* path);
    // The graph and its control interfaces; the preview's graph plays no
    // sound of its own. The result of SetNotifyWindow.
    HRESULT InitGraph(int preview = 0);
    void m_VR_InstallGraphBuilderCB(int preview);
    int m_VR_AddAudioGrabber();
    int m_VR_InsertNotifyFilter();

    // Video renderers and the audio renderer.
    HRESULT m_VR_CreateRenderer(int kind);
    HRESULT m_VR_SetVideoWindow(HWND window);
    HRESULT BindAudioRenderFilter(const wchar_t* deviceName);
    HRESULT m_VR_SwitchAudioRenderer();
    void m_VR_StoreAudioDeviceName() const;
    HRESULT EVRGetVideoDisplayControl(struct IMFVideoDisplayControl** out);
    HRESULT m_VR_GetVideoProcessor(struct IMFVideoProcessor** out);

    // Control.
    HRESULT m_VR_Close();
    HRESULT m_VR_Run();
    HRESULT m_VR_Pause();
    HRESULT m_VR_StopWhenReady();
    DWORD m_VR_GetState() const { return m_State; }
    int m_VR_IsRunning() const { return m_State == VR_STATE_RUNNING ? 1 : 0; }
    HRESULT m_VR_SetRate(int percent);
    int m_VR_GetRate() const { return m_Rate; }
    HRESULT m_VR_GetCurrentPosition(LONGLONG* out, int force);
    LONGLONG m_VR_GetPositionMs();
    HRESULT m_VR_SetPosition(LONGLONG position);
    void m_VR_SeekNearEnd();
    int m_VR_IsNearEnd(LONGLONG position);
    // The media time (100 ns) of the last video frame that reached the
    // renderer since the last seek; -1 when none did or nothing watches
    // (audio only). After the end the graph's position reads as the
    // length, so only this tells a stream that broke off.
    LONGLONG m_VR_LastFrameTime() const;
    // While paused, has the renderer show the frame it last showed again
    // where it cannot repaint by itself (after a resize); S_FALSE when
    // nothing was to do.
    HRESULT m_VR_ShowFrameAgain();
    HRESULT m_VR_FrameStep(int frames);
    LONGLONG m_VR_FrameTimeMs(LONGLONG ms, int frames) const;
    HRESULT m_VR_GetFrameNumber(LONGLONG* out);
    void m_VR_SetStopPosition(LONGLONG stop);
    void m_VR_StopTimer(int on);
    HRESULT m_VR_SetVolume(long volume);
    HRESULT m_VR_SetBalance(long balance);
    int m_VR_WaitFrame(int timeoutMs);
    int m_VR_IsFramePending() const;
    HRESULT m_VR_GetEvent(long* code, LONG_PTR* param1, LONG_PTR* param2);
    HRESULT m_VR_FreeEventParams(long code, LONG_PTR param1, LONG_PTR param2);

    // Audio processing options, copied into the audio grab callback.
    void m_VR_SetAudioGain(int percent);
    void m_VR_SetAudioMix(int percent);
    void m_VR_SetAudioSwap(int swap);
    void m_VR_SetAudioBalance(int balance);

    // Frame grabbing of preview graphs.
    int m_VR_GrabFrameAt(LONGLONG time, int wait);
    void m_VR_SetGrabTarget(SGRABFRAME* frame);
    void m_VR_GetGrabFrameInfo(int* width, int* height, int* sampleSize) const;

    // What the build reads about the open file (streams, chapters, duration,
    // frame time, the renderer's input format, key frames, the native video
    // size) and the chapter timer that follows the position.
    HRESULT m_VR_ReadStreams();
    int m_VR_ReadChapters();
    HRESULT m_VR_ReadDuration();
    double m_VR_ReadFrameTimeFromPins();
    void m_VR_ReadRendererInputFormat();
    DWORD m_VR_ReadKeyFrames();
    HRESULT m_UpdatetNativeVideoSize();
    void m_VR_UpdateChapter(int post);
    void m_VR_ChapterTimer(int on, int updateFirst);

    // Streams of the source and side subtitle files.
    void m_VR_RefreshStreamStates();
    HRESULT m_VR_ApplyStreamSelect(int index);
    // mode 1 repaints, -1 repaints a paused subtitle change, 0 does not.
    int m_VR_SelectStream(int index, int apply, int mode);
    void m_VR_SelectFirstSubtitleFile(int apply);
    int m_VR_AddSubtitleFile(const wchar_t* path);
    void m_VR_SetSubtitleFile(int index);
    void m_VR_PutSubtitleFileName(const wchar_t* path, int language);
    void m_VR_HideSubtitles(int hide);
    int m_VR_GetStreams(const SSTREAMITEM** table) const;
    int m_VR_HasMultipleStreams() const;
    void m_VR_StepAndRepaint();
    const wchar_t* m_GetSubtitlePath() const { return m_SubtitlePath; }

    // Registered filters, listed once per engine; the filters of the graph
    // (each item holds a reference the caller releases).
    void m_FilterList_Load();
    int m_FilterList_Get(const SFILTERLISTITEM** list);
    int m_VR_ListGraphFilters(SFILTERLISTITEM* items, int max);

    // Chapters: the table in use, from the source's markers or the caller.
    int m_VR_GetChapters(const SCHAPTERITEM** table, int* fromOutside) const;
    void m_VR_SetChapters(int set, const SCHAPTERITEM* items, int count);
    // The chapter at position (100 ns, -1 for the playing one), 0xFFFFFFFF
    // when unknown; *rest: 100 ns to the next chapter, -1 in the last.
    DWORD m_VR_GetChapterIndex(LONGLONG position, LONGLONG* rest);
    int m_VR_GoToChapter(int index);
    int m_VR_GetCurrentChapter() const { return m_CurrentChapter; }

    // Video geometry, key frames, the current image and ProcAmp.
    void m_VR_GetNativeInfo(int* width, int* height, int* aspectX, int* aspectY) const;
    void m_VR_GetDisplaySize(int* width, int* height) const;
    void m_VR_SetAspectRatio(int x, int y);
    void m_VR_SetZoomRect(double left, double top, double right, double bottom);
    void m_VR_GetZoomRect(double* left, double* top, double* right, double* bottom) const;
    void m_VR_GetZoomedSize(int* width, int* height) const;
    HRESULT m_VR_SetVideoPosition(const double* source, const RECT* destination, int skipIfSame);
    void m_VR_GetLastSourceRect(RECT* source) const { *source = m_LastSource; }
    HRESULT m_VR_RepaintVideo(HDC dc);
    HRESULT m_VR_DisplayModeChanged();
    void m_VR_GetDurationInfo(LONGLONG* duration, LONGLONG* frames, double* fps) const;
    DWORD m_VR_GetKeyFrameKind() const { return m_KeyFrameKind; }
    // The key-frame table in ms (null without one) and its length.
    const DWORD* m_VR_GetKeyFrameMsTable(int* count) const
    {
        *count = m_pKeyFrameMs ? m_KeyFrameCount : 0;
        return m_pKeyFrameMs;
    }
    int m_VR_OpenAviIndex(const wchar_t* path);
    DWORD m_VR_FindKeyFrame(DWORD ms, int direction);
    LONGLONG m_VR_FindKeyFrameTime(LONGLONG time, int direction);
    int m_VR_IsOnKeyFrame(LONGLONG ms);
    int m_GetCurrentImage(BITMAPINFOHEADER** image, int nativeSize);
    // The paused renderer's image drawn into its own window at the
    // destination rectangle (the old renderer, which does not draw it again
    // by itself).
    HRESULT m_DrawPausedImage();
    void m_VR_SetEvrNativePosition(int on);
    HRESULT m_ProcAmp_GetRange(int component, int* supported, double* minimum, double* maximum,
                               double* byDefault, double* step);
    int m_ProcAmp_Get(double* contrast, double* brightness, double* hue, double* saturation);
    HRESULT m_ProcAmp_Set(double contrast, double brightness, double hue, double saturation,
                          int onlyIfChanged);

    // Read-only facts for callers and tests.
    int m_GetRendererKind() const { return m_RendererKind; }
    int m_IsOpened() const { return m_Opened; }
    int m_IsOpening() const { return m_Opening; }
    LONGLONG m_GetDuration() const { return m_Duration; }
    double m_GetFrameTime() const { return m_FrameTime; }
    LONGLONG m_GetStopPosition() const { return m_StopPosition; }
    long m_GetVolume() const { return m_Volume; }
    const wchar_t* m_GetAudioDeviceName() const { return m_AudioDeviceName; }
    const wchar_t* m_GetMediaPath() const { return m_MediaPath; }
    IGraphBuilder* m_GetGraph() const { return m_pGraph; }
    IBaseFilter* m_GetAudioRenderer() const { return m_pAudioRenderer; }
    int m_GetUserFilterCount() const { return m_UserFilterCount; }
    void m_SetFullDeviceNames(int on) { m_FullDeviceNames = on ? 1 : 0; }
    void m_GetAudioFormat(int* channels, int* bits) const;

private:
    // Build steps.
    HRESULT m_AddSource(const wchar_t* path);
    void m_AddFilters(int rendererKind, const wchar_t* deviceName, DWORD flags);
    void m_FinishBuild(DWORD flags);
    void m_AddTimeStretchFilter();
    void m_AddSubtitleFilter();
    void m_AddUserFilters();
    void m_AddUserFilter(const SFILTERITEM& entry);
    bool m_IsBlockedEarlier(int index) const;
    int m_RenderSourcePins();
    void m_SetUpVideoWindow();
    int m_SpliceNotifyFilter();
    void m_DisconnectVideo(IPin* out, IPin* in);
    void m_RenewVideoRenderer(IPin** in);
    int m_ConnectThrough(IPin* out, IPin* filterIn, IPin* filterOut, IPin* in,
                         const AM_MEDIA_TYPE* type);
    void m_ReadAudioFormat();
    HRESULT m_BuildPreviewGraph();
    HRESULT m_BuildPreviewRest();
    void m_AddVideoGrabber();
    void m_SetUpVideoGrabCB();
    static DWORD WINAPI m_VR_OpenThread(void* engine);
    void m_WaitOpenThread();

    // The current image by renderer kind (VideoRendererImage.cpp).
    int m_GrabWindowless(BITMAPINFOHEADER** image);
    int m_GrabBasicVideo(BITMAPINFOHEADER** image);
    HRESULT m_BasicVideoImage(BITMAPINFOHEADER** image);
    HRESULT m_ApplyVideoPosition();
    int m_GrabEvr(BITMAPINFOHEADER** image, int nativeSize);
    RECT m_EvrNativeRect() const;
    void m_EvrPlaceNative(struct IMFVideoDisplayControl* display, int on);
    // ProcAmp of the EVR (VideoRendererEvrProcAmp.cpp): min, max, default, step.
    HRESULT m_EvrProcAmpRange(int component, double range[4]);
    int m_EvrProcAmpGet(double values[4]);
    HRESULT m_EvrProcAmpSet(const double values[4]);

    // Teardown.
    HRESULT m_CloseGraph();
    void m_ForgetFile();
    void m_DetachOwnObjects();
    void m_ReleaseInterfaces();
    void m_ReleaseAll();

    // Video renderer set-up by kind (VideoRendererKinds.cpp).
    HRESULT m_AddRenderer(REFCLSID clsid, DWORD context, const wchar_t* name, int line,
                          const wchar_t* clsidName, const wchar_t* addText);
    HRESULT m_SetUpVmr7();
    HRESULT m_SetUpVmr9();
    HRESULT m_SetUpEvr();
    void m_AttachNullRenderer();
    void m_GiveVideoWindow(HWND window);

    // Audio renderer switching (VideoRendererAudio.cpp).
    HRESULT m_BindDevice(const wchar_t* wantedName);
    HRESULT m_ReplaceAudioRenderer();
    void m_RestoreRunState();

    // Seeking and the stop timer (VideoRendererControl.cpp, VideoRendererTimers.cpp).
    HRESULT m_SeekTo(LONGLONG position);
    void m_RestartTimers();
    void m_StopAllTimers();
    void m_ArmStopTimer();
    IAMStreamSelect* m_QueryStreamSelect();
    struct IDirectVobSub* m_QueryVobSub(const wchar_t* path);
    bool m_SelectionRepaints(int index, int apply, int mode) const;
    void m_MarkSideFilesLoaded(int loaded);
    void m_LoadSideFile(int index);
    void m_SelectSourceStream(int index);
    void m_ArmChapterTimer();
    static void CALLBACK m_VR_ChapterTimerProc(UINT id, UINT msg, DWORD_PTR user, DWORD_PTR,
                                               DWORD_PTR);
    static void CALLBACK m_VR_StopTimerProc(UINT id, UINT msg, DWORD_PTR user, DWORD_PTR,
                                            DWORD_PTR);

    // User filters and their list.
    const SFILTERITEM* m_pFilterList = nullptr;
    int m_FilterListCount = 0;

    // The graph and its interfaces.
    IGraphBuilder* m_pGraph = nullptr;
    IMediaControl* m_pMediaControl = nullptr;
    IMediaEventEx* m_pMediaEvent = nullptr;
    IMediaSeeking* m_pMediaSeeking = nullptr;
    IVideoWindow* m_pVideoWindow = nullptr;
    IBaseFilter* m_pAudioRenderer = nullptr;
    IBasicVideo2* m_pBasicVideo = nullptr;
    IBasicAudio* m_pBasicAudio = nullptr;
    IBaseFilter* m_pVideoRenderer = nullptr;
    IBaseFilter* m_pSubtitleFilter = nullptr;
    IBaseFilter* m_pTimeStretchFilter = nullptr;
    CNotifyFilter* m_pNotifyFilter = nullptr;
    IBaseFilter* m_pUserFilters[kVrUserFilterCap] = {};
    int m_UserFilterCount = 0;
    IVMRWindowlessControl* m_pVmr7Control = nullptr;
    IVMRWindowlessControl9* m_pVmr9Control = nullptr;
    IBaseFilter* m_pSourceFilter = nullptr;
    ISampleGrabber* m_pAudioGrabber = nullptr;
    IBaseFilter* m_pAudioGrabberFilter = nullptr;
    ISampleGrabber* m_pVideoGrabber = nullptr;
    IBaseFilter* m_pVideoGrabberFilter = nullptr;
    IVMRMixerControl9* m_pVmr9Mixer = nullptr;
    HMODULE m_hTimeStretchModule = nullptr;
    CAudioGrabCB* m_pAudioGrabCB = nullptr;
    CVideoGrabCB* m_pVideoGrabCB = nullptr;
    GraphBuilderCB* m_pGraphBuilderCB = nullptr;

    // Streams and chapters of the open file.
    SStreamTable m_Streams = {{}, 0, {}, -1};
    SFILTERLISTITEM* m_pRegisteredFilters = nullptr;
    int m_RegisteredFilterCount = 0;
    int m_RegisteredFiltersLoaded = 0;
    DWORD m_SubtitleFlags[2] = {};  // side file in use, subtitles hidden
    wchar_t m_SubtitlePath[MAX_PATH + 1] = {};
    int m_ChapterCount = 0;
    int m_CurrentChapter = 0;
    int m_SelectedChapter = -1;
    int m_ChaptersFromOutside = 0;
    SCHAPTERITEM* m_pMarkerChapters = nullptr;  // new[]-allocated by the chapter reader
    SCHAPTERITEM m_Chapters[kChapterTableCap] = {};
    int m_MarkerChapterCount = 0;

    // Windows and state.
    HWND m_hVideoWindow = nullptr;
    HWND m_hNotifyWindow = nullptr;
    UINT m_NotifyMessage = 0;
    volatile LONG m_Opened = 0;
    int m_VideoGrabPresent = 0;
    volatile LONG m_Opening = 0;
    volatile LONG m_CloseRequested = 0;
    // Guards the hand-over between a threaded open and a close.
    CRITICAL_SECTION m_OpenLock;
    HANDLE m_hOpenThread = nullptr;
    volatile DWORD m_State = VR_STATE_NONE;
    int m_RendererKind = 0;
    int m_NullRendererInUse = 0;
    long m_Volume = 0;
    int m_FullDeviceNames = 0;
    int m_TimeStretchWanted = 0;
    int m_TimeStretchInGraph = 0;
    HWND m_hTimeStretchWindow = nullptr;
    UINT m_TimeStretchMessage = 0;
    int m_NotifyFilterInserted = 0;

    // Video geometry, filled in by the picture subject.
    int m_NativeSize[4] = {};
    int m_DisplaySize[4] = {};
    int m_GrabFrameFacts[3] = {};
    double m_ZoomRect[4] = {0, 0, 1, 1};

    // The file.
    wchar_t m_MediaPath[MAX_PATH + 1] = {};
    wchar_t m_AudioDeviceName[kVrDeviceNameCap] = {};
    LONGLONG m_Duration = 0;
    LONGLONG m_FrameCount = 0;
    double m_FramesPerSecond = 0;
    double m_FrameTime = 0;
    DWORD m_TimeFormatKind = 0;
    volatile LONGLONG m_Position = 0;
    volatile LONGLONG m_StopPosition = -1;
    RECT m_LastSource = {};
    RECT m_LastDestination = {};
    double m_LastSourceFractions[4] = {0, 0, 1, 1};

    // Audio options: gain percent, channel mix percent, swap, balance.
    int m_AudioOptions[4] = {100, 0, 0, 0};

    // Timers: ids are armed and killed only under the lock, so that a
    // callback never re-arms a timer that was stopped meanwhile.
    CRITICAL_SECTION m_TimerLock;
    UINT m_ChapterTimerId = 0;
    UINT m_StopTimerId = 0;
    volatile LONG m_TimerCallbacks = 0;

    int m_RatePending = 0;
    volatile int m_Rate = 100;

    // Key frames from the AVI index or the source's table; released by the close.
    int m_AviIndexOpen = 0;
    PAVIFILE m_pAviFile = nullptr;
    PAVISTREAM m_pAviStream = nullptr;
    double m_AviSamplesPerSecond = 0;
    DWORD m_KeyFrameKind = 0;
    int m_KeyFrameCount = 0;
    LONGLONG* m_pKeyFrameTimes = nullptr;
    DWORD* m_pKeyFrameMs = nullptr;
};

// The main player's engine; null until the first open creates it.
extern CVideoRenderer* g_VideoRenderer;

// 1 when the configured (or, for -1, the main engine's) renderer kind draws
// without a window of its own: 4, 6 and 7.
int m_VR_IsWindowlessRenderer();
// 1 when the madVR renderer can be created.
int m_VR_IsMadVRInstalled();
// The names of the DirectSound audio renderers without their "DirectSound: "
// prefix, each a new[]-allocated buffer of 256 characters the caller frees
// with delete[]; at most 16; the count.
int m_VR_EnumAudioRenderers(wchar_t* names[kVrAudioRendererCap]);

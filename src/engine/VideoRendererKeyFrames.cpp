// Key frames: the source filter's key-frame table, or the AVIFile index of
// an AVI file, and the searches on them.
#include "engine/VideoRenderer.h"

#include "base/ErrorLog.h"
#include "engine/AviFileLibrary.h"
#include "engine/KeyFrameSearch.h"

namespace {

// The key-frame interface some source filters offer.
const GUID IID_IKeyFrameInfo = {
    0x01A5BBD3, 0xFE71, 0x487C, {0xA2, 0xEC, 0xF5, 0x85, 0x91, 0x8A, 0x87, 0x24}};

struct IKeyFrameInfo : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE KeyFrameCount(UINT& count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetKeyFrames(const GUID* format, REFERENCE_TIME* times,
                                                   UINT& count) = 0;
};

// Files beyond this size get no AVIFile index.
constexpr LONGLONG kAviIndexMaxBytes = 2147483648LL;

LONGLONG m_FileBytes(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return -1;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

DWORD CVideoRenderer::m_VR_ReadKeyFrames()
{
    m_KeyFrameKind = 0;
    IKeyFrameInfo* info = nullptr;
    HRESULT hr = m_pSourceFilter ? m_pSourceFilter->QueryInterface(IID_IKeyFrameInfo,
                                                                   reinterpret_cast<void**>(&info))
                                 : E_POINTER;
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / SourceFilter->QueryInterface(IID_IKeyFrameInfo) = 0x%08X",
                   __LINE__, hr);
    } else {
        UINT n = 0;
        if (SUCCEEDED(info->KeyFrameCount(n)) && n > 0 && n < 0x1000000) {
            m_pKeyFrameTimes = new LONGLONG[n];
            m_pKeyFrameMs = new DWORD[n];
            UINT got = n;
            hr = info->GetKeyFrames(&TIME_FORMAT_MEDIA_TIME, m_pKeyFrameTimes, got);
            if (FAILED(hr) || got == 0 || got > n) {
                m_WriteLog(L"VR_%d : Error / IKeyFrameInfo::GetKeyFrames() = 0x%08X", __LINE__, hr);
                delete[] m_pKeyFrameTimes;
                delete[] m_pKeyFrameMs;
                m_pKeyFrameTimes = nullptr;
                m_pKeyFrameMs = nullptr;
                m_KeyFrameCount = 0;
            } else {
                m_KeyFrameCount = static_cast<int>(got);
                m_KeyFrame_MakeTables(m_pKeyFrameTimes, m_pKeyFrameMs, m_KeyFrameCount);
                m_KeyFrameKind = 2;
            }
        }
        info->Release();
    }
    if (m_KeyFrameKind == 0 && m_VR_OpenAviIndex(m_MediaPath)) m_KeyFrameKind = 1;
    return m_KeyFrameKind;
}

int CVideoRenderer::m_VR_OpenAviIndex(const wchar_t* path)
{
    const LONGLONG bytes = m_FileBytes(path);
    if (bytes < 0 || bytes > kAviIndexMaxBytes) return 0;
    const SAVIFILEAPI* avi = m_AviFileApi();
    if (!avi) return 0;
    avi->Init();
    PAVIFILE file = nullptr;
    PAVISTREAM stream = nullptr;
    AVISTREAMINFOW info = {};
    bool use = false;
    if (avi->OpenW(&file, path, OF_SHARE_DENY_NONE, nullptr) == 0 &&
        file->GetStream(&stream, 0, 0) == 0 && stream->Info(&info, sizeof(info)) == 0 &&
        info.dwScale != 0) {
        // Without a frame count from the graph, the duration tells how many
        // frames the index should hold.
        const double rate = static_cast<double>(info.dwRate) / info.dwScale;
        const LONGLONG frames =
            m_FrameCount ? m_FrameCount : static_cast<LONGLONG>(m_Duration / 1e7 * rate + 0.5);
        const LONGLONG length = info.dwLength;
        const LONGLONG difference = length > frames ? length - frames : frames - length;
        use = frames > 0 && difference <= frames / 10000;
    }
    if (!use) {
        if (stream) stream->Release();
        if (file) file->Release();
        avi->Exit();
        return 0;
    }
    m_AviSamplesPerSecond = static_cast<double>(info.dwRate) / info.dwScale;
    m_pAviFile = file;
    m_pAviStream = stream;
    m_AviIndexOpen = 1;
    return 1;
}

DWORD CVideoRenderer::m_VR_FindKeyFrame(DWORD ms, int direction)
{
    if (!m_Opened || m_KeyFrameKind == 0) return kKeyFrameNoMs;
    if (m_KeyFrameKind == 1) {
        // A key frame that is not there must not come back as a time.
        const LONGLONG t = m_VR_FindKeyFrameTime(static_cast<LONGLONG>(ms) * 10000, direction);
        return t < 0 ? kKeyFrameNoMs : static_cast<DWORD>(t / 10000 + 1);
    }
    return m_KeyFrame_SearchMs(m_pKeyFrameMs, m_KeyFrameCount, ms, direction);
}

LONGLONG CVideoRenderer::m_VR_FindKeyFrameTime(LONGLONG time, int direction)
{
    if (!m_Opened || m_KeyFrameKind == 0) return kKeyFrameNoTime;
    if (m_KeyFrameKind == 2)
        return m_KeyFrame_SearchTime(m_pKeyFrameTimes, m_KeyFrameCount, time, direction);
    if (!m_pAviStream || m_AviSamplesPerSecond <= 0) return time;
    const LONG sample = static_cast<LONG>(time * m_AviSamplesPerSecond / 10000000.0);
    LONG found;
    if (direction > 0) {
        found = m_pAviStream->FindSample(sample, FIND_NEXT | FIND_KEY);
    } else if (direction < 0) {
        found = m_pAviStream->FindSample(sample, FIND_PREV | FIND_KEY);
    } else {
        const LONG next = m_pAviStream->FindSample(sample, FIND_NEXT | FIND_KEY);
        const LONG previous = m_pAviStream->FindSample(sample, FIND_PREV | FIND_KEY);
        found = m_KeyFrame_NearestSample(sample, previous, next);
    }
    if (found < 0) return kKeyFrameNoTime;
    return static_cast<LONGLONG>(found * 10000000.0 / m_AviSamplesPerSecond);
}

int CVideoRenderer::m_VR_IsOnKeyFrame(LONGLONG ms)
{
    if (m_KeyFrameKind != 2 || !m_Opened) return 0;
    if (ms == -1) ms = static_cast<LONGLONG>(m_Position / 10000.0 + 0.5);
    if (ms < 0 || ms > 0xFFFFFFFELL) return 0;
    const DWORD k = m_VR_FindKeyFrame(static_cast<DWORD>(ms), 0);
    if (k == kKeyFrameNoMs) return 0;
    return (k <= ms && ms < k + static_cast<LONGLONG>(m_FrameTime * 1000)) ? 1 : 0;
}

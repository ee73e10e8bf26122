#include "TestSourceDescription.h"

#include <new>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "engine/DsLock.h"

namespace {

constexpr DWORD kFileCap = 64 * 1024;

GUID m_KindGuid(const wchar_t* kind)
{
    if (wcscmp(kind, L"video") == 0) return MEDIATYPE_Video;
    if (wcscmp(kind, L"audio") == 0) return MEDIATYPE_Audio;
    if (wcscmp(kind, L"subtitle") == 0) return kSourceMediaTypeSubtitle;
    return GUID_NULL;
}

// The rest of the line after the first count words.
const wchar_t* m_AfterWords(const wchar_t* line, int count)
{
    const wchar_t* p = line;
    for (int i = 0; i < count; ++i) {
        while (*p == L' ' || *p == L'\t') ++p;
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

void m_ParseStream(const wchar_t* line, SSOURCEDESC* desc)
{
    if (desc->StreamCount >= kSourceStreamCap) return;
    wchar_t kind[16] = {};
    unsigned lcid = 0, group = 0, enabled = 0;
    if (swscanf(line, L"stream %15ls %u %u %u", kind, &lcid, &group, &enabled) != 4) return;
    SSOURCESTREAM& s = desc->Streams[desc->StreamCount++];
    s.Major = m_KindGuid(kind);
    s.Lcid = lcid;
    s.Group = group;
    s.Enabled = enabled ? 1 : 0;
    m_Ds_CopyText(s.Name, kSourceNameCap, m_AfterWords(line, 5));
}

void m_ParseMarker(const wchar_t* line, SSOURCEDESC* desc)
{
    if (desc->MarkerCount >= kSourceMarkerCap) return;
    double seconds = 0;
    if (swscanf(line, L"marker %lf", &seconds) != 1) return;
    SSOURCEMARKER& m = desc->Markers[desc->MarkerCount++];
    m.Seconds = seconds;
    m_Ds_CopyText(m.Name, kSourceNameCap, m_AfterWords(line, 2));
}

void m_ParseLine(const wchar_t* line, SSOURCEDESC* desc)
{
    unsigned colour = 0;
    if (wcsncmp(line, L"duration ", 9) == 0) {
        desc->Duration = wcstod(line + 9, nullptr);
    } else if (wcsncmp(line, L"picture ", 8) == 0) {
        if (swscanf(line, L"picture %ld %ld %x %d", &desc->Width, &desc->Height, &colour,
                    &desc->Fps) == 4)
            desc->Colour = colour;
    } else if (wcsncmp(line, L"stream ", 7) == 0) {
        m_ParseStream(line, desc);
    } else if (wcsncmp(line, L"marker ", 7) == 0) {
        m_ParseMarker(line, desc);
    }
}

void m_ParseText(wchar_t* text, SSOURCEDESC* desc)
{
    wchar_t* context = nullptr;
    for (wchar_t* line = wcstok_s(text, L"\r\n", &context); line;
         line = wcstok_s(nullptr, L"\r\n", &context))
        if (line[0] != L'#') m_ParseLine(line, desc);
}

bool m_PictureValid(const SSOURCEDESC* desc)
{
    return desc->Width > 0 && desc->Width <= 4096 && desc->Height > 0 && desc->Height <= 4096 &&
           desc->Fps > 0 && desc->Fps <= 120;
}

}  // namespace

HRESULT m_SourceDesc_Load(const wchar_t* path, SSOURCEDESC* desc)
{
    memset(desc, 0, sizeof(*desc));
    desc->Width = 160;
    desc->Height = 120;
    desc->Fps = 10;
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
    // Heap buffers: two graphs may load files at once.
    char* bytes = new (std::nothrow) char[kFileCap];
    wchar_t* text = new (std::nothrow) wchar_t[kFileCap + 1];
    DWORD read = 0;
    HRESULT hr = bytes && text ? S_OK : E_OUTOFMEMORY;
    if (SUCCEEDED(hr) && !ReadFile(file, bytes, kFileCap, &read, nullptr))
        hr = HRESULT_FROM_WIN32(GetLastError());
    CloseHandle(file);
    if (SUCCEEDED(hr)) {
        const int chars =
            MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(read), text, kFileCap);
        text[chars] = 0;
        m_ParseText(text, desc);
    }
    delete[] bytes;
    delete[] text;
    if (FAILED(hr)) return hr;
    if (desc->Duration <= 0 || !m_PictureValid(desc)) return VFW_E_INVALID_FILE_FORMAT;
    return S_OK;
}

bool m_SourceDesc_Has(const SSOURCEDESC* desc, REFGUID major)
{
    for (int i = 0; i < desc->StreamCount; ++i)
        if (IsEqualGUID(desc->Streams[i].Major, major)) return true;
    return false;
}

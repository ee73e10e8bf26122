#include "engine/StreamTable.h"

#include <string.h>
#include <wchar.h>
#include <strsafe.h>

#include "base/ErrorLog.h"
#include "base/TextSearch.h"
#include "engine/DsMediaType.h"

namespace {

// {E487EB08-6B26-4BE9-9DD3-993434D313FD}
constexpr GUID kMediaTypeSubtitle = {
    0xE487EB08, 0x6B26, 0x4BE9, {0x9D, 0xD3, 0x99, 0x34, 0x34, 0xD3, 0x13, 0xFD}};

DWORD m_KindOf(const AM_MEDIA_TYPE* type, const wchar_t* name)
{
    if (type && IsEqualGUID(type->majortype, MEDIATYPE_Video)) return STREAM_KIND_VIDEO;
    if (type && IsEqualGUID(type->majortype, MEDIATYPE_Audio)) return STREAM_KIND_AUDIO;
    if (type && IsEqualGUID(type->majortype, kMediaTypeSubtitle)) return STREAM_KIND_SUBTITLE;
    return m_FindNoCase(name, L"no subtitles") ? STREAM_KIND_SUBTITLE : STREAM_KIND_OTHER;
}

void m_ReadOne(IAMStreamSelect* select, long index, SStreamTable* table)
{
    AM_MEDIA_TYPE* type = nullptr;
    DWORD flags = 0;
    WCHAR* name = nullptr;
    HRESULT hr = select->Info(index, &type, &flags, nullptr, nullptr, &name, nullptr, nullptr);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IAMStreamSelect::Info() = 0x%08X", __LINE__, hr);
        type = nullptr;
        name = nullptr;
    }
    SSTREAMITEM& item = table->Items[table->Count];
    memset(&item, 0, sizeof(item));
    item.Enabled = item.SourceEnabled = flags != 0 ? 1 : 0;
    if (name) wcsncpy(item.Name, name, kStreamNameCap - 1);
    item.Kind = m_KindOf(type, item.Name);
    if (item.Kind == STREAM_KIND_SUBTITLE && m_FindNoCase(item.Name, L"no subtitle")) {
        item.NoSubtitles = 1;
        table->SelectedSubtitle = table->Count;
    }
    ++table->KindCounts[item.Kind];
    ++table->Count;
    if (type) m_Ds_DeleteMediaType(type);
    CoTaskMemFree(name);
}

DWORD m_StreamCount(IAMStreamSelect* select)
{
    DWORD count = 0;
    HRESULT hr = select->Count(&count);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IAMStreamSelect::Count() = 0x%08X", __LINE__, hr);
        return 0;
    }
    return count < kStreamTableCap ? count : kStreamTableCap;
}

// The file name of path without folder and extension, and the extension.
void m_SplitName(const wchar_t* path, wchar_t* stem, wchar_t* extension)
{
    const wchar_t* slash = wcsrchr(path, L'\\');
    const wchar_t* name = slash ? slash + 1 : path;
    const wchar_t* dot = wcsrchr(name, L'.');
    size_t stemLength = dot ? static_cast<size_t>(dot - name) : wcslen(name);
    if (stemLength > MAX_PATH) stemLength = MAX_PATH;
    wcsncpy(stem, name, stemLength);
    stem[stemLength] = L'\0';
    extension[0] = L'\0';
    if (dot) wcsncpy(extension, dot + 1, MAX_PATH);
    extension[MAX_PATH] = L'\0';
    for (wchar_t* c = extension; *c; ++c) *c = towlower(*c);
}

SSTREAMITEM* m_Append(SStreamTable* table)
{
    SSTREAMITEM* item = &table->Items[table->Count++];
    memset(item, 0, sizeof(*item));
    item->Kind = STREAM_KIND_SUBTITLE;
    item->SideFile = 1;
    ++table->KindCounts[STREAM_KIND_SUBTITLE];
    return item;
}

// Path without its extension: the length that counts.
size_t m_StemLength(const wchar_t* path)
{
    const wchar_t* slash = wcsrchr(path, L'\\');
    const wchar_t* dot = wcsrchr(path, L'.');
    return dot && (!slash || dot > slash) ? static_cast<size_t>(dot - path) : wcslen(path);
}

}  // namespace

void m_Streams_Clear(SStreamTable* table)
{
    memset(table, 0, sizeof(*table));
    table->SelectedSubtitle = -1;
}

HRESULT m_Streams_Read(IAMStreamSelect* select, SStreamTable* table)
{
    m_Streams_Clear(table);
    const DWORD count = m_StreamCount(select);
    for (DWORD i = 0; i < count; ++i) m_ReadOne(select, static_cast<long>(i), table);
    return S_OK;
}

HRESULT m_Streams_Refresh(IAMStreamSelect* select, SStreamTable* table)
{
    const DWORD count = m_StreamCount(select);
    for (DWORD i = 0; i < count && static_cast<int>(i) < table->Count; ++i) {
        DWORD flags = 0;
        HRESULT hr = select->Info(static_cast<long>(i), nullptr, &flags, nullptr, nullptr, nullptr,
                                  nullptr, nullptr);
        if (FAILED(hr)) {
            m_WriteLog(L"VR_%d : Error / IAMStreamSelect::Info() = 0x%08X", __LINE__, hr);
            continue;
        }
        table->Items[i].SourceEnabled = flags != 0 ? 1 : 0;
    }
    return S_OK;
}

int m_Streams_AddSideFile(SStreamTable* table, const wchar_t* mediaPath,
                          const wchar_t* subtitlePath)
{
    if (table->SelectedSubtitle < 0) {
        // Room for the no-subtitles entry and the file itself.
        if (table->Count >= kStreamTableCap - 1) return 0;
        table->SelectedSubtitle = table->Count;
        SSTREAMITEM* none = m_Append(table);
        none->NoSubtitles = 1;
        StringCchCopyW(none->Name, kStreamNameCap, L"S: NO SUBTITLES");
    }
    if (table->Count >= kStreamTableCap) return 0;
    wchar_t media[MAX_PATH + 1], subtitle[MAX_PATH + 1], extension[MAX_PATH + 1];
    m_SplitName(mediaPath, media, extension);
    m_SplitName(subtitlePath, subtitle, extension);
    const size_t skip = wcslen(media);
    wchar_t rest[kStreamNameCap] = {};
    if (wcslen(subtitle) > skip) wcsncpy(rest, subtitle + skip, kStreamNameCap - 1);
    SSTREAMITEM* item = m_Append(table);
    wcsncpy(item->Path, subtitlePath, MAX_PATH);
    if (rest[0])
        StringCchPrintfW(item->Name, kStreamNameCap, L"S: FILE %ls (%ls)", rest, extension);
    else
        StringCchPrintfW(item->Name, kStreamNameCap, L"S: FILE (%ls)", extension);
    return 1;
}

int m_Streams_SideFileLanguage(const SStreamTable* table, int index)
{
    const wchar_t* path = table->Items[index].Path;
    const size_t length = m_StemLength(path);
    int language = 0;
    for (int i = 0; i < index; ++i) {
        const SSTREAMITEM& earlier = table->Items[i];
        if (!earlier.SideFile || earlier.NoSubtitles) continue;
        if (m_StemLength(earlier.Path) == length && wcsncmp(earlier.Path, path, length) == 0)
            ++language;
    }
    return language;
}

#include "jumplist/ImgData.h"

#include <cstdlib>
#include <cstring>

#include "base/JpegExif.h"
#include "jumplist/ImgDataKeys.h"

namespace {

const wchar_t kHead[] = L"ZENTAVIO_IMGDATA";

void m_ReadJumpListKeys(const wchar_t* text, SIMGDATA* r)
{
    wchar_t value[64];
    m_TextIni_GetString(text, L"JUMPLIST", L"BLOCK", value, 64);
    int v[3] = {};
    int n = 0;
    for (wchar_t* p = value; *p && n < 3; ++n) {
        v[n] = int(wcstol(p, &p, 10));
        if (*p != L',') {
            ++n;
            break;
        }
        ++p;
    }
    if (!value[0]) n = 0;
    if (n == 1) r->VisibleRows = r->Columns = r->Rows = v[0];
    if (n == 2) r->Columns = v[0], r->VisibleRows = r->Rows = v[1];
    if (n == 3) r->VisibleRows = v[0], r->Columns = v[1], r->Rows = v[2];
    // A sheet never holds more blocks than the record keeps.
    if (r->Columns < 0 || r->Rows < 0 || r->Columns > kImgDataBlockCap ||
        r->Rows > kImgDataBlockCap || r->Columns * r->Rows > kImgDataBlockCap) {
        r->VisibleRows = r->Columns = r->Rows = 0;
    }
    r->BlockCount = r->Columns * r->Rows;
    m_TextIni_GetString(text, L"JUMPLIST", L"FILENAME", r->FileName, 256);
}

void m_ReadBookmarkKeys(const wchar_t* text, SIMGDATA* r)
{
    m_TextIni_GetString(text, L"BOOKMARK", L"FILE", r->File, MAX_PATH + 1);
    m_TextIni_GetString(text, L"BOOKMARK", L"MEDIAFILE", r->MediaFile, MAX_PATH + 1);
    r->Track = m_TextIni_GetInt(text, L"BOOKMARK", L"TRACK", 0);
    r->PosMs = m_TextIni_GetInt(text, L"BOOKMARK", L"POS", 0);
    r->Index = m_TextIni_GetInt(text, L"BOOKMARK", L"INDEX", 0);
    if (!r->File[0] && r->MediaFile[0]) {
        lstrcpynW(r->File, r->MediaFile, MAX_PATH + 1);
        r->MediaFile[0] = 0;
        r->Track = 0;
    }
    r->VisibleRows = r->Columns = r->Rows = r->BlockCount = 1;
}

}  // namespace

int m_ImgData_Parse(const wchar_t* text, SIMGDATA* out)
{
    std::memset(out, 0, sizeof(*out));
    if (!text || !text[0]) return 0;
    const int fmt = m_TextIni_GetInt(text, kHead, L"FMT", 0);
    if (fmt == 0) return 0;
    out->Fmt = fmt;
    out->AppVer = m_TextIni_GetInt(text, kHead, L"APPVER", 0);
    if (fmt >= 300 && fmt <= 309) {
        out->AppendedBytes = m_TextIni_GetInt(text, kHead, L"ADD", 0);
        return 1;
    }
    if (!(fmt >= 100 && fmt <= 109) && !(fmt >= 200 && fmt <= 219)) {
        std::memset(out, 0, sizeof(*out));
        return 0;
    }
    m_TextIni_GetPair(text, kHead, L"SIZE", &out->Width, &out->Height);
    out->Quality = m_TextIni_GetInt(text, kHead, L"QT", -1);
    if (fmt >= 200)
        m_ReadJumpListKeys(text, out);
    else
        m_ReadBookmarkKeys(text, out);
    out->LengthMs = m_TextIni_GetInt(text, L"FILEINFO", L"LEN", 0);
    out->RangeOn = m_TextIni_GetPair(text, L"PROP", L"RANGE", &out->RangeStartMs, &out->RangeEndMs);
    return 1;
}

int m_ImgData_ReadFile(void*, const wchar_t* path, SIMGDATA* out)
{
    std::memset(out, 0, sizeof(*out));
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BYTE* head = static_cast<BYTE*>(std::malloc(kExifHeadBytes));
    wchar_t* text = static_cast<wchar_t*>(std::malloc(kImgDataTextCap * sizeof(wchar_t)));
    DWORD got = 0;
    int result = 0;
    if (head && text && ReadFile(file, head, DWORD(kExifHeadBytes), &got, nullptr)) {
        const BYTE* value = nullptr;
        DWORD length = 0;
        if (m_FindUserComment(head, got, &value, &length)) {
            if (length > kUserCommentCap) length = kUserCommentCap;
            // The stored text ends in its zero byte; a junk one may not.
            while (length > 0 && value[length - 1] == 0) --length;
            const int n =
                length ? MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(value),
                                             int(length), text, kImgDataTextCap - 1)
                       : 0;
            text[n > 0 ? n : 0] = 0;
            result = m_ImgData_Parse(text, out);
        }
    }
    std::free(text);
    std::free(head);
    CloseHandle(file);
    return result;
}

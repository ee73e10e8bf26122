// Tooltip texts made from the data behind an item.
#include <cwchar>

#include "base/PathUtil.h"
#include "commands/MenuTooltips.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsValue.h"

namespace {

// The file name and its folder; both empty for an empty path.
void SplitPath(const wchar_t* path, wchar_t* folder, wchar_t* name)
{
    folder[0] = name[0] = 0;
    if (path && path[0]) m_SplitFolderName(path, folder, name);
}

const wchar_t* ItemTypeName(int type)
{
    static const wchar_t* const kNames[] = {L"MediaFile", L"Playlist", L"PlayFolder",
                                            L"FolderLink", L"Bookmark"};
    return type >= 4 && type <= 8 ? kNames[type - 4] : nullptr;
}

const wchar_t* FormatName(UINT format)
{
    static const wchar_t* const kNames[] = {L"BMP", L"GIF", L"PNG", L"JPEG", L"ZVBM"};
    return format < ARRAYSIZE(kNames) ? kNames[format] : L"-";
}

void TrimTrailingBlanks(wchar_t* text)
{
    size_t length = wcslen(text);
    while (length > 0 && text[length - 1] == L' ') text[--length] = 0;
}

// Each switch that is on adds its mark and a blank.
void AppendMarks(wchar_t* out, int size, const UINT* switches, const wchar_t* const* marks,
                 int count, const wchar_t* none)
{
    bool any = false;
    for (int i = 0; i < count; ++i) {
        if (!switches[i]) continue;
        m_AppendF(out, size, L"%s ", marks[i]);
        any = true;
    }
    if (!any && none) m_AppendF(out, size, L"%s", none);
    TrimTrailingBlanks(out);
}

void AppendFileFormat(wchar_t* out, int size, const SCAPTUREPRESET& p)
{
    m_AppendF(out, size, L"ファイル形式 : ");
    if (p.Format == 3 || p.Format == 4)
        m_AppendF(out, size, L"%s (%d%%)", FormatName(p.Format), (int)p.Quality);
    else
        m_AppendF(out, size, L"%s,", FormatName(p.Format));
}

void AppendOptions(wchar_t* out, int size, const SCAPTUREPRESET& p)
{
    static const wchar_t* const kPicture[] = {L"[画質]", L"[アスペクト比]", L"[表示範囲]"};
    static const wchar_t* const kOther[] = {L"[画像をコピー]", L"[ファイルパスをコピー]",
                                            L"[保存ダイアログ表示]", L"[字幕無効]"};
    const UINT picture[] = {p.KeepProcAmp, p.KeepAspect, p.AsDisplayed};
    const UINT other[] = {p.Clipboard, p.CopyPath, p.AskDialog, p.HideSubtitles};
    m_AppendF(out, size, L"\nプロパティ : ");
    AppendMarks(out, size, picture, kPicture, 3, L"なし");
    m_AppendF(out, size, L" / その他 : ");
    AppendMarks(out, size, other, kOther, 4, nullptr);
}

}  // namespace

const wchar_t* m_Menu_FormatHistoryTip(wchar_t* out, int size, const wchar_t* path, int minutes)
{
    wchar_t folder[kPathCap], name[kNameCap];
    SplitPath(path, folder, name);
    const double hours = minutes / 60.0;
    out[0] = 0;
    m_AppendF(out, size, minutes < 6000 ? L"%s\r\nFolder：%s\r\nPlayTime：%.1fh"
                                        : L"%s\r\nFolder：%s\r\nPlayTime：%.0fh",
              name, folder, hours);
    return out;
}

const wchar_t* m_Menu_FormatFavoriteTip(wchar_t* out, int size, int type, const wchar_t* name,
                                        const wchar_t* path)
{
    out[0] = 0;
    if (type == 1) {
        m_AppendF(out, size, L"%s\r\nItemType：SubMenu", name ? name : L"");
        return out;
    }
    const wchar_t* typeName = ItemTypeName(type);
    if (!typeName) return nullptr;
    wchar_t folder[kPathCap], file[kNameCap];
    SplitPath(path, folder, file);
    m_AppendF(out, size, L"%s\r\nFolder：%s\r\nItemType：%s", name ? name : L"", folder, typeName);
    return out;
}

const wchar_t* m_Menu_FormatFavoriteEntryTip(wchar_t* out, int size, int type, int containerType,
                                             const wchar_t* path, int withContainer)
{
    wchar_t folder[kPathCap], file[kNameCap];
    SplitPath(path, folder, file);
    const wchar_t* typeName = ItemTypeName(type);
    out[0] = 0;
    m_AppendF(out, size, L"%s\r\nFolder：%s\r\nItemType：%s", file, folder,
              typeName ? typeName : L"-");
    // Only the three kinds that list entries name themselves.
    if (withContainer && containerType >= 5 && containerType <= 7)
        m_AppendF(out, size, L" / %s", ItemTypeName(containerType));
    return out;
}

const wchar_t* m_Menu_FormatCaptureTip(wchar_t* out, int size, const SCAPTUREPRESET& preset,
                                       const wchar_t* mediaPath, SIZE videoSize)
{
    // The record's texts may lack their terminators.
    wchar_t name[ARRAYSIZE(preset.Name)], folder[kPathCap], mediaFolder[kPathCap], file[kNameCap];
    wchar_t pattern[ARRAYSIZE(preset.Template)];
    m_CopyText(name, ARRAYSIZE(name), preset.Name);
    m_CopyText(folder, kPathCap, preset.Folder);
    m_CopyText(pattern, ARRAYSIZE(pattern), preset.Template);
    const bool open = mediaPath && mediaPath[0];
    SplitPath(open ? mediaPath : L"", mediaFolder, file);

    out[0] = 0;
    m_AppendF(out, size, L"[%s]\n", name);
    if (preset.SaveFile)
        AppendFileFormat(out, size, preset);
    else
        m_AppendF(out, size, L"動作 : 画像をコピー");
    m_AppendF(out, size, L" / 縮小 : ");
    if (preset.SizeLimit)
        m_AppendF(out, size, L"%dx%d", (int)preset.MaxWidth, (int)preset.MaxHeight);
    else
        m_AppendF(out, size, L"なし");
    if (!preset.SizeLimit && open)
        m_AppendF(out, size, L" (%dx%d)", (int)videoSize.cx, (int)videoSize.cy);
    AppendOptions(out, size, preset);
    if (preset.SaveFile) {
        if (folder[0])
            m_AppendF(out, size, L"\nフォルダ : \"%s\"", folder);
        else if (open)
            m_AppendF(out, size, L"\nフォルダ : 未指定 \"%s\"", mediaFolder);
        else
            m_AppendF(out, size, L"\nフォルダ : 未指定");
    }
    // The name is shown as the template: names are not expanded yet.
    if (pattern[0]) m_AppendF(out, size, L"\nファイル名 : %s", pattern);
    return out;
}

const wchar_t* m_Menu_FormatCaptureFolderTip(wchar_t* out, int size,
                                             const SCAPTUREPRESET& preset,
                                             const wchar_t* mediaPath)
{
    if (!preset.SaveFile) return nullptr;
    wchar_t folder[kPathCap], file[kNameCap];
    m_CopyText(folder, kPathCap, preset.Folder);
    if (!folder[0]) SplitPath(mediaPath, folder, file);
    if (!folder[0]) return nullptr;
    out[0] = 0;
    m_AppendF(out, size, L"\"%s\"", folder);
    return out;
}

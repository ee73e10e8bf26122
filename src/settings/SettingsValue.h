// Reading, parsing and writing one settings value of the INI (g_IniPath).
#pragma once
#include <windows.h>

// Characters of one value as read from the file; longer values are cut.
constexpr int kSettingValueCap = 1024;

// While a scope lives, settings reads are answered from one snapshot of the
// file taken when the outermost scope began; nothing may write meanwhile.
class CSettingsReadScope {
public:
    CSettingsReadScope();
    ~CSettingsReadScope();
    CSettingsReadScope(const CSettingsReadScope&) = delete;
    CSettingsReadScope& operator=(const CSettingsReadScope&) = delete;
};

// The key's value cut to size - 1 characters; false (and an empty text) when
// the key is missing.
bool m_ReadSettingRaw(const wchar_t* section, const wchar_t* key, wchar_t* out, int size);
// The key's value; false (and an empty text) when the key is missing.
bool m_ReadSettingValue(const wchar_t* section, const wchar_t* key,
                        wchar_t (&out)[kSettingValueCap]);
// The value, or the default text when the key is missing.
void m_ReadSettingText(const wchar_t* section, const wchar_t* key, const wchar_t* def,
                       wchar_t (&out)[kSettingValueCap]);
// The leading decimal integer of the value; the default when missing.
int m_ReadSettingInt(const wchar_t* section, const wchar_t* key, int def);

// Writes the text as the key's value; 1 on success.
int m_WriteSettingText(const wchar_t* section, const wchar_t* key, const wchar_t* text);
// printf-style value (cut at kSettingValueCap); 1 on success.
int m_WriteSettingF(const wchar_t* section, const wchar_t* key, const wchar_t* format, ...);
// Appends printf-style text; 0 when it had to be cut.
int m_AppendF(wchar_t* out, int cap, const wchar_t* format, ...);

// The leading decimal integer (0 when there is none), held in the int range.
int m_LeadingInt(const wchar_t* text);
// Hexadecimal digits as an unsigned 32-bit number.
int m_HexValue(const wchar_t* text);
int m_Clamp(int value, int lo, int hi);
// Bounded copy that cuts; an empty text for a null source.
void m_CopyText(wchar_t* out, int cap, const wchar_t* text);
// 0xRRGGBB as written in the file to a COLORREF and back.
int m_RgbTextToColorref(int rgb);
int m_ColorrefToRgbText(int colorref);

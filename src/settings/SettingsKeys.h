// The key table of the settings block: for every key its section, load
// group, value form, fields and default, in the order the saver writes
// them. The loader and the saver both walk it.
#pragma once
#include <windows.h>

// Value forms.
enum {
    SF_INT,       // leading decimal integer
    SF_SWITCH,    // int stored as 0 or 1
    SF_BITS,      // int whose bits 1, 2, 4, 8... are separate switches
    SF_TEXT,      // text cut to its buffer
    SF_PAIR,      // first int; the second only when a comma follows
    SF_LIST,      // comma-separated ints; a field not starting with a digit,
                  // '+' or '-' keeps the default of its place
    SF_LISTZ,     // as SF_LIST, but places not given in the value become 0
    SF_HEX,       // hexadecimal colour, written "%08X"
    SF_RGB,       // hexadecimal RRGGBB kept as a COLORREF, written "%06X"
    SF_CLR,       // k,colour,colour: k's bits 1..2 and 4 apart, colours "%06X"
    SF_KCLR,      // k,colour with the colour "%08X"
    SF_MENUCLR,   // k,colour,colour with the colours "%08X"
    SF_LBL,       // pair written "%d" with ",1" when the second is on
    SF_SPF,       // flags/folder
    SF_FSMON,     // "n" or "n-m"
    SF_MONAUD,    // switch and 16 device numbers
    SF_BTNODR,    // button codes as two hexadecimal digits each
    SF_CTMBTN,    // count 3..6, comma, hexadecimal mask
    SF_OVERSCAN,  // an int (default 0) and a list of four
    SF_TIP,       // a switch and four bits of the same value
    SF_TASK,      // an int, comma, a text
    SF_STTPOS,    // a hexadecimal colour or empty
};

// Saver steps that are not keys of the block (entries without a section).
enum {
    SAVE_STEP_REC,
    SAVE_STEP_CAP,
    SAVE_STEP_MENU_PRESETS,
    SAVE_STEP_FILTER,
    SAVE_STEP_BIND,
    SAVE_STEP_PROP,
};

// Key flags.
enum {
    KEY_NOSAVE = 1,   // the saver never writes it
    KEY_SECONDS = 2,  // list of seconds kept in milliseconds
    KEY_TIMER = 4,    // a field of g_TimerSettings, not of g_Settings
};

struct SSETTINGKEY {
    const wchar_t* Section;  // null for a saver step (Form is its number)
    const wchar_t* Key;
    int Group;
    int Form;
    int Flags;
    int Offset;  // first field and its size in bytes
    int Size;
    int Offset2;             // second field (a copy, bits, rectangle, folder or count)
    int Size2;               // 0 when there is none
    const wchar_t* Default;  // null: chosen by Windows version
};

extern const SSETTINGKEY g_SettingKeys[];
extern const int g_SettingKeyCount;

// The default text of a key, by Windows version where it depends on it.
const wchar_t* m_SettingKey_Default(const SSETTINGKEY& key);
// Start of the block that holds the key's fields: the live block or, with
// copy set, the copy the saver compares against.
BYTE* m_SettingKey_Base(const SSETTINGKEY& key, bool copy);

// The catalogue of bindable functions: for each function id its names, the
// kind of its parameter, the limits, default and step of each parameter value
// and a help text. A pure lookup over a constant table; it keeps no state.
#pragma once
#include <windows.h>

// Parameter kinds.
enum {
    FUNC_PARAM_NONE = 0,
    FUNC_PARAM_NUMBER = 1,
    FUNC_PARAM_TEXT = 2,
    FUNC_PARAM_LIST = 4,
};

// What m_GetFunctionInfo fills; the bits may be combined.
enum {
    FUNC_INFO_LIMITS = 1,  // kind, default text, value count and value blocks
    FUNC_INFO_NAME = 2,
    FUNC_INFO_HELP = 4,
    FUNC_INFO_VARIANT = 8,
    FUNC_INFO_ALL = 15,
};

constexpr int kFuncValueCap = 8;
constexpr int kFuncDefaultTextCap = 32;

// One value of a parameter. The value shown and typed is the stored value
// divided by Divisor (100 shows 1.00; 0 and 1 mean none). X6 to X12 steer the
// parameter editors and the executor.
struct SFUNCTIONVALUE {
    int Min;
    int Max;
    int Default;
    int Step;
    int Divisor;
    int X6;
    int X7;
    int X8;
    int X9;
    int X10;
    // Names of the values Min..Max, one per value, or null.
    const wchar_t* const* X11;
    int X12;
};

struct SFUNCTIONINFO {
    int Id;  // set by the caller
    int Kind;
    wchar_t DefaultText[kFuncDefaultTextCap];  // for the text and list kinds
    int Count;
    SFUNCTIONVALUE Values[kFuncValueCap];
    const wchar_t* Name;
    const wchar_t* VariantName;  // the menu-item name; may be null
    const wchar_t* Help;
    int Reserved;  // cleared with the kind
};

// Fills the parts of info named by mode for info->Id; the caller zeroes the
// rest first. The context does not change the result. 0 when info is null.
// Defaults that follow the settings, the video size or the main window are
// read at the moment of the call.
int m_GetFunctionInfo(const void* context, SFUNCTIONINFO* info, int mode);

int m_Function_GetParamKind(const void* context, int id);
// Display name; "0x%02X" of the id for ids without one (a shared buffer,
// valid until the next such call).
const wchar_t* m_Function_GetName(const void* context, int id);
// Help text of the parameter; "なし" for functions without one.
const wchar_t* m_Function_GetHelp(const void* context, int id);
// Menu-item name; "0x%02X" below 149 and above 255 when there is none
// (a second shared buffer), null for the ids between.
const wchar_t* m_Function_GetVariantName(const void* context, int id);

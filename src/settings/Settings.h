// The settings block: every scalar setting of the general INI sections in one
// record, the live instance and the copy that saving and reverting compare
// against, and the [Timer] block beside it. Field names are <Section>_<Key>
// as the INI spells them; keys with several values are arrays.
#pragma once
#include <windows.h>

#include "playback/VideoProps.h"

// Capacities of the text settings (characters, terminator included).
constexpr int kSettingFolderCap = 257;
constexpr int kSettingPathCap = 261;
constexpr int kSettingFontCap = 32;
constexpr int kSettingDeviceCap = 256;
constexpr int kSettingExtCap = 128;
constexpr int kSettingTitleCap = 101;
constexpr int kButtonOrderCap = 128;
constexpr int kMonitorAudioCap = 17;
constexpr int kTimerTaskCap = 521;

// The settings file version this program writes.
constexpr int kSettingsVersion = 90690;

struct SSETTINGS {
    // [Main] start-up switches, read by start-up itself.
    int Main_Test;
    int Main_FadeTest;
    int Main_Lgcy;
    int Main_Fst;
    int Main_Ver;
    int Main_ErrLog;
    wchar_t Main_Title[kSettingTitleCap];
    int Main_Os;
    int Main_Gui;
    // [Main], group 0x2.
    int Main_FllScrTop;
    int Main_Thread;
    int Main_SubDir;
    int Main_RateRng[2];

    // [Common], group 0x10: Spf flags (resume store, history, favorites)
    // and the data folder.
    int Common_Spf[3];
    wchar_t Common_SpfDir[kSettingPathCap];
    int Common_MaxRsm;

    // [File], group 0x10.
    int File_Inf;
    wchar_t File_InfSub[kSettingFolderCap];
    wchar_t File_InfDir[kSettingPathCap];
    int File_Jl;
    wchar_t File_JlSub[kSettingFolderCap];
    wchar_t File_JlDir[kSettingPathCap];
    int File_St[4];
    wchar_t File_StExt[kSettingExtCap];
    wchar_t File_StSub[kSettingFolderCap];
    wchar_t File_StDir[kSettingPathCap];

    // [Common], group 0x2.
    int Common_Lcr;
    int Common_LtFile;
    int Common_RatHld;
    int Common_Drag;
    int Common_Drag2;
    int Common_MouSens;
    int Common_Snap[4];
    int Common_Wall;
    int Common_Loos;
    int Common_Mlt;
    int Common_PlyTop;
    int Common_DlyFcs[2];
    int Common_HoldPos;
    int Common_RptMenu;
    int Common_AtStop[2];
    int Common_MinStop[2];
    int Common_RprZvbm;
    int Common_Tip;
    int Common_TipBits[4];
    int Common_TipDly[4];
    int Common_Beep[2];
    int Common_ExtCap;
    int Common_AtSvPl;
    int Common_SvDirPl;
    int Common_ChapRep;
    int Common_SzPau;
    int Common_UndFrm;
    int Common_FsSnap;
    int Common_ExSize;
    int Common_SysVolTm;
    int Common_HideCsr;
    int Common_HideCsrTm[2];
    int Common_OpSize;
    int Common_DrgSize;
    int Common_AudOut;
    int Common_SysVol;
    int Common_AudLk[3];
    int Common_Video;
    wchar_t Common_Audio[kSettingDeviceCap];
    int Common_AudDsc[3];
    int Common_RvsAR;
    int Common_MonAud[kMonitorAudioCap];  // switch, then device numbers per monitor
    int Common_AtVol;
    int Common_AtRctChk;
    int Common_tsf;
    int Common_DClkHide;
    int Common_RsmItvl;
    int Common_DlyFcsTm;
    int Common_DlyClkTm;
    int Common_DlySgn;
    int Common_SeekWait;
    int Common_SeekCnt;
    int Common_MvLog;
    int Common_HideCsrFcs;
    int Common_HideCtrl[2];
    int Common_RsmCmpInf;
    int Common_RsmRwd;
    int Common_RsmIgnr[3];  // milliseconds
    int Common_RngAtRel;
    int Common_RngComb;
    int Common_WhlWnd;
    int Common_WhlFcs;

    // [Menu], group 0x2.
    int Menu_Styl[4];
    int Menu_ClrSep;
    int Menu_Wt[2];
    int Menu_Clr[3];  // mode, two colours 0xAARRGGBB
    int Menu_Rct;
    int Menu_AddOpt;

    // [Seek], group 0x2.
    int Seek_Step[2];
    int Seek_Itvl[2];
    int Seek_Dly;
    int Seek_Key;
    int Seek_Sum;
    int Seek_Drg;
    int Seek_Pau;

    // [Fullscr], group 0x8.
    int Fullscr_Mon[2];  // monitor and sub-value ("n" or "n-m")
    int Fullscr_Clip;
    int Fullscr_Clip2;
    int Fullscr_Ovr;
    int Fullscr_Hld;
    int Fullscr_St;
    int Fullscr_Rsv;
    int Fullscr_ClsBtn;
    int Fullscr_Fade[3];
    int Fullscr_Mlt[3];
    int Fullscr_Ctrl[2];
    int Fullscr_CtrlAlp[3];
    int Fullscr_TtlHt;

    // [Jumplist], group 0x20.
    int Jumplist_Blk;
    int Jumplist_Blk2;
    int Jumplist_At[2];
    int Jumplist_Itvl;
    int Jumplist_Snap;
    int Jumplist_AtSel;
    int Jumplist_Chap;
    int Jumplist_Key;
    int Jumplist_Subtl;
    int Jumplist_LowPri;
    int Jumplist_OvrWrt;
    int Jumplist_CpyTs;
    int Jumplist_Trm;
    int Jumplist_TrmBlk[2];
    int Jumplist_Menu;
    int Jumplist_Flsh[2];
    int Jumplist_Spc[2];
    int Jumplist_BkClr;  // COLORREF
    int Jumplist_Idx;
    int Jumplist_Add;
    int Jumplist_ExtJpg;
    int Jumplist_Dstc;
    wchar_t Jumplist_DstcApp[kSettingPathCap];
    int Jumplist_CrtImg;
    int Jumplist_ExKey;
    int Jumplist_ExMou;
    int Jumplist_Zoom;
    int Jumplist_StTm;
    int Jumplist_Smpl;
    int Jumplist_Size[2];
    int Jumplist_Qt;
    int Jumplist_MaxBlk;
    int Jumplist_IdxExt;
    int Jumplist_Prev[2];
    int Jumplist_PrevMark;
    int Jumplist_PrevRate;
    int Jumplist_PrevTime;
    int Jumplist_PrevPrsTm[2];
    int Jumplist_PrevDiv[2];
    int Jumplist_PrevArea;
    int Jumplist_PrevStep[3];
    int Jumplist_PrevDis[4];
    int Jumplist_PrevFstDiv;
    int Jumplist_FstDrw;
    int Jumplist_Retry;
    int Jumplist_IdxSize;
    int Jumplist_IdxQt;
    int Jumplist_Arw;
    int Jumplist_Scroll;
    int Jumplist_Scroll2;

    // [Ctrl], group 0x4.
    int Ctrl_BtnOdr[kButtonOrderCap];  // button codes in row order
    int Ctrl_BtnOdrCount;
    int Ctrl_CtmBtn[2];  // custom button count 3..6, hexadecimal mask
    int Ctrl_Btn[2];
    int Ctrl_Ico;
    int Ctrl_Vol;
    int Ctrl_Seek;
    int Ctrl_Stt;
    int Ctrl_Frm;
    int Ctrl_FrmOff[4];
    int Ctrl_Font;
    int Ctrl_SbKnob;
    int Ctrl_SbTip[3];
    int Ctrl_SbTipDtl[5];
    int Ctrl_SbTipTm[3];
    int Ctrl_Lv;
    int Ctrl_Style[2];
    int Ctrl_Clr[4];  // mode (bits 1..2), bit 4 switch, two colours 0xRRGGBB (-1 absent)
    int Ctrl_PauClr;
    int Ctrl_WndBtn;
    int Ctrl_WndCor;
    int Ctrl_Sep[2];
    int Ctrl_CtmIco;
    int Ctrl_Fade;
    int Ctrl_FrmPauClr;
    int Ctrl_SttDisClr;
    int Ctrl_SeekChap;
    int Ctrl_SttPosClr;     // 0xAARRGGBB
    int Ctrl_SttPosClrSet;  // 1 when the key held a value

    // [Lnch], group 0x4.
    int Lnch_Clr[4];     // as Ctrl_Clr
    int Lnch_TxtClr[2];  // mode, colour 0xAARRGGBB
    int Lnch_SelClr[2];
    int Lnch_Lbl[2];
    int Lnch_Ht;
    int Lnch_Ico;
    int Lnch_TxtPos;
    int Lnch_Del;
    int Lnch_ScrWt;
    wchar_t Lnch_Font[kSettingFontCap];
    int Lnch_FontSize[2];
    int Lnch_FontWeit;

    // [Bind] switches, group 0x400 (the list is in SettingsLists.h).
    int Bind_Clr;
    int Bind_Num;
    int Bind_GetKeyName;
    int Bind_DisMod;

    // [Osc], group 0x100.
    int Osc_Mode;
    int Osc_TmOpen;
    int Osc_TmSeek;
    int Osc_OverScan;
    int Osc_OverScanRect[4];
    int Osc_Edge[4];
    int Osc_Title[4];
    int Osc_Time[4];
    int Osc_SizeTi;
    int Osc_SizeTm;
    int Osc_TmPit;
    int Osc_TmPitVal;
    int Osc_Glare;
    wchar_t Osc_FontTt[kSettingFontCap];
    wchar_t Osc_FontTm[kSettingFontCap];
    int Osc_FontColor;
    int Osc_BackColor;

    // [Prop] switches, group 0x800 (the values are in g_VideoPropDefault).
    int Prop_EnbOut;
    int Prop_AtDis;
    int Prop_PauCnt;
};

// [Timer], group 0x1000: the off/on timer's values.
struct STIMERSETTINGS {
    int Timer_Pos[3];
    int Timer_Opt;
    int Timer_LblClr;
    int Timer_Off;
    int Timer_On;
    int Timer_Step;
    int Timer_Wake;
    int Timer_Wnd;
    int Timer_DisPow[2];
    int Timer_Vol[2];
    int Timer_SysVol[2];
    int Timer_Fade;
    int Timer_Audio;
    wchar_t Timer_AudDev[kSettingFolderCap];
    int Timer_Task;
    wchar_t Timer_TaskText[kTimerTaskCap];
    int Timer_File;
    wchar_t Timer_Path[kSettingPathCap];
    int Timer_StPos[3];
    int Timer_Pow[2];
    int Timer_AtStop;
    int Timer_FadeLen;
    int Timer_WakeTm;
};

extern SSETTINGS g_Settings;
// The values as last loaded or written; taken once after the first load.
extern SSETTINGS g_SettingsCopy;
// The default video properties as last loaded or written.
extern SVIDEOPROPSET g_VideoPropDefaultCopy;
extern STIMERSETTINGS g_TimerSettings;
// [Playlist] "Chap": the playlist's chapter mode.
extern int g_PlaylistChap;

// Load groups (bits of the mask of m_LoadSettings).
enum {
    SETTINGS_GROUP_COMMON = 0x2,
    SETTINGS_GROUP_CTRL = 0x4,
    SETTINGS_GROUP_FULLSCR = 0x8,
    SETTINGS_GROUP_FILE = 0x10,
    SETTINGS_GROUP_JUMPLIST = 0x20,
    SETTINGS_GROUP_OSC = 0x100,
    SETTINGS_GROUP_FILTER = 0x200,
    SETTINGS_GROUP_BIND = 0x400,
    SETTINGS_GROUP_PROP = 0x800,
    SETTINGS_GROUP_TIMER = 0x1000,
    SETTINGS_GROUP_ALL = 0xFFFF,
};

// Reads the groups of the mask from the settings file; a missing file,
// section or key leaves the default.
void m_LoadSettings(int mask);

// Writes every key whose value differs from the copies (every key when
// force is 1), then the lists; refreshes the copies and tells the other
// instances when anything changed. The mask is accepted for the callers
// and has no effect. 1 when anything changed.
int m_SaveSettings(int force, int mask = SETTINGS_GROUP_ALL);

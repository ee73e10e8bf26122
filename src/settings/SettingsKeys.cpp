#include "settings/SettingsKeys.h"

#include <cstddef>

#include "app/MainWindow.h"
#include "engine/WineQuirks.h"
#include "settings/Settings.h"

namespace {

#define FIELD(type, f) (int)offsetof(type, f), (int)sizeof(type::f)
// A key of the settings block whose field is <Section>_<Key>.
#define K(grp, sec, key, form, flags, def)                                             \
    {                                                                                  \
        L"" #sec, L"" #key, grp, form, flags, FIELD(SSETTINGS, sec##_##key), 0, 0, def \
    }
// The same with a second field.
#define K2(grp, sec, key, form, flags, second, def)                          \
    {                                                                        \
        L"" #sec, L"" #key, grp, form, flags, FIELD(SSETTINGS, sec##_##key), \
            FIELD(SSETTINGS, second), def                                    \
    }
// A key of the [Timer] block; the saver never writes these.
#define KT(key, form, def)                                        \
    {                                                             \
        L"Timer", L"" #key, 0x1000, form, KEY_TIMER | KEY_NOSAVE, \
            FIELD(STIMERSETTINGS, Timer_##key), 0, 0, def         \
    }
#define STEP(n)                                        \
    {                                                  \
        nullptr, nullptr, 0, n, 0, 0, 0, 0, 0, nullptr \
    }

const int NS = KEY_NOSAVE;
const int G2 = SETTINGS_GROUP_COMMON;

}  // namespace

const SSETTINGKEY g_SettingKeys[] = {
    // [Common], first part.
    K(G2, Common, Lcr, SF_INT, 0, L"0"),
    K(G2, Common, LtFile, SF_INT, 0, L"1"),
    K(G2, Common, RatHld, SF_INT, 0, L"1"),
    K2(G2, Common, Drag, SF_INT, 0, Common_Drag2, L"1"),
    K(G2, Common, MouSens, SF_INT, 0, L"10"),
    K(G2, Common, Snap, SF_LIST, 0, L"1,16,0,-1"),
    K(G2, Common, Wall, SF_INT, 0, L"1"),
    K(G2, Common, Loos, SF_INT, NS, L"1"),
    K(G2, Common, Mlt, SF_INT, 0, L"1"),
    K(G2, Common, PlyTop, SF_INT, 0, L"1"),
    K(G2, Common, DlyFcs, SF_LIST, 0, L"0,1"),
    K(G2, Common, HoldPos, SF_INT, 0, L"1"),
    K(G2, Common, RptMenu, SF_INT, 0, L"10"),
    K(G2, Common, AtStop, SF_PAIR, 0, L"0,180"),
    K(G2, Common, MinStop, SF_PAIR, 0, L"0"),
    K(G2, Common, RprZvbm, SF_INT, NS, L"1"),
    K2(G2, Common, Tip, SF_TIP, 0, Common_TipBits, L"15"),
    K(G2, Common, TipDly, SF_LIST, NS, L"400,400,400,400"),
    K(G2, Common, Beep, SF_LIST, 0, L"1,30"),
    // [Seek].
    K(G2, Seek, Step, SF_PAIR, 0, L"3000,15000"),
    K(G2, Seek, Itvl, SF_PAIR, 0, L"10,200"),
    K(G2, Seek, Dly, SF_INT, 0, L"300"),
    K(G2, Seek, Key, SF_INT, 0, L"2"),
    K(G2, Seek, Sum, SF_INT, 0, L"1"),
    K(G2, Seek, Drg, SF_INT, 0, L"0"),
    K(G2, Seek, Pau, SF_INT, NS, L"1"),
    // [Common], second part.
    K(G2, Common, ExtCap, SF_INT, 0, L"0"),
    K(G2, Common, AtSvPl, SF_SWITCH, 0, L"0"),
    K(G2, Common, SvDirPl, SF_INT, 0, L"0"),
    K(G2, Common, ChapRep, SF_INT, 0, L"-1000"),
    K(G2, Common, SzPau, SF_SWITCH, NS, L"0"),
    K(G2, Common, UndFrm, SF_INT, NS, L"1"),
    K(G2, Common, FsSnap, SF_INT, NS, L"0"),
    K(G2, Common, ExSize, SF_INT, NS, L"0"),
    K(G2, Common, SysVolTm, SF_INT, NS, L"0"),
    K(G2, Common, HideCsr, SF_INT, 0, L"1"),
    K(G2, Common, HideCsrTm, SF_PAIR, NS, L"750,1000"),
    K(G2, Common, OpSize, SF_INT, 0, L"3"),
    K(G2, Common, DrgSize, SF_INT, 0, L"2"),
    K(G2, Common, AudOut, SF_INT, 0, L"0"),
    K(G2, Common, SysVol, SF_INT, 0, L"0"),
    K(G2, Common, AudLk, SF_LIST, NS, L"2,10,900"),
    K(G2, Common, Video, SF_INT, 0, nullptr),
    K(G2, Common, Audio, SF_TEXT, 0, L""),
    K(G2, Common, AudDsc, SF_LIST, 0, L"1,1,60"),
    K(G2, Common, RvsAR, SF_INT, 0, L"0"),
    K(G2, Common, MonAud, SF_MONAUD, 0, L""),
    K(G2, Common, AtVol, SF_SWITCH, 0, L"0"),
    K(G2, Common, AtRctChk, SF_SWITCH, NS, L"0"),
    K(G2, Common, tsf, SF_SWITCH, NS, L"1"),
    K(G2, Common, DClkHide, SF_SWITCH, 0, L"0"),
    K(G2, Common, RsmItvl, SF_INT, NS, L"30"),
    K(G2, Common, DlyFcsTm, SF_INT, NS, L"1000"),
    K(G2, Common, DlyClkTm, SF_INT, NS, L"1000"),
    K(G2, Common, DlySgn, SF_SWITCH, NS, L"1"),
    K(G2, Common, SeekWait, SF_INT, NS, L"250"),
    K(G2, Common, SeekCnt, SF_INT, NS, L"2500"),
    K(G2, Common, MvLog, SF_INT, NS, L"0"),
    K(G2, Common, HideCsrFcs, SF_SWITCH, NS, L"0"),
    K(G2, Common, HideCtrl, SF_PAIR, NS, L"3000,30000"),
    K(G2, Common, RsmCmpInf, SF_INT, NS, L"1"),
    K(G2, Common, RsmRwd, SF_INT, NS, L"1500"),
    K(G2, Common, RsmIgnr, SF_LIST, NS | KEY_SECONDS, L"5,5,15"),
    K(G2, Common, RngAtRel, SF_INT, 0, L"0"),
    K(G2, Common, RngComb, SF_INT, 0, L"0"),
    K(G2, Common, WhlWnd, SF_INT, 0, L"1"),
    K(G2, Common, WhlFcs, SF_INT, 0, L"0"),
    // [Main] options of the block; never written.
    K(G2, Main, FllScrTop, SF_SWITCH, NS, L"1"),
    K(G2, Main, Thread, SF_INT, NS, L"0"),
    K(G2, Main, SubDir, SF_INT, NS, L"0"),
    K(G2, Main, RateRng, SF_PAIR, NS, L"10,500"),
    // [Fullscr].
    K(0x8, Fullscr, Mon, SF_FSMON, 0, L"0"),
    K2(0x8, Fullscr, Clip, SF_INT, 0, Fullscr_Clip2, L"0"),
    K(0x8, Fullscr, Ovr, SF_INT, 0, L"0"),
    K(0x8, Fullscr, Hld, SF_INT, 0, L"0"),
    K(0x8, Fullscr, St, SF_INT, 0, L"2"),
    K(0x8, Fullscr, Rsv, SF_INT, 0, L"1"),
    K(0x8, Fullscr, ClsBtn, SF_INT, 0, L"0"),
    K(0x8, Fullscr, Fade, SF_LIST, 0, L"1,7,5"),
    K(0x8, Fullscr, Mlt, SF_LIST, 0, L"0,1,1"),
    K(0x8, Fullscr, Ctrl, SF_LIST, 0, L"0,0"),
    K(0x8, Fullscr, CtrlAlp, SF_LIST, 0, L"100,50,50"),
    K(0x8, Fullscr, TtlHt, SF_INT, NS, L"-1"),
    // [Ctrl].
    K2(0x4, Ctrl, BtnOdr, SF_BTNODR, 0, Ctrl_BtnOdrCount, L""),
    K(0x4, Ctrl, CtmBtn, SF_CTMBTN, NS, L"3"),
    K(0x4, Ctrl, Btn, SF_PAIR, 0, L"28"),
    K(0x4, Ctrl, Ico, SF_INT, 0, L"100"),
    K(0x4, Ctrl, Vol, SF_INT, 0, L"58"),
    K(0x4, Ctrl, Seek, SF_INT, 0, L"24"),
    K(0x4, Ctrl, Stt, SF_INT, 0, nullptr),
    K(0x4, Ctrl, Frm, SF_INT, 0, L"0"),
    K(0x4, Ctrl, FrmOff, SF_LIST, NS, L"0,0,0,0"),
    K(0x4, Ctrl, Font, SF_INT, 0, L"2"),
    K(0x4, Ctrl, SbKnob, SF_SWITCH, 0, L"0"),
    K(0x4, Ctrl, SbTip, SF_BITS, 0, L"1"),
    K(0x4, Ctrl, SbTipDtl, SF_LIST, 0, L"80,100,30,100,300"),
    K(0x4, Ctrl, SbTipTm, SF_LIST, NS, L"150,25,50"),
    K(0x4, Ctrl, Lv, SF_SWITCH, NS, L"0"),
    K(0x4, Ctrl, Style, SF_LISTZ, 0, L"2,0"),
    K(0x4, Ctrl, Clr, SF_CLR, 0, L"0"),
    K(0x4, Ctrl, PauClr, SF_SWITCH, 0, L"0"),
    K(0x4, Ctrl, WndBtn, SF_SWITCH, 0, L"0"),
    K(0x4, Ctrl, WndCor, SF_INT, 0, nullptr),
    K(0x4, Ctrl, Sep, SF_PAIR, 0, L"0,0"),
    K(0x4, Ctrl, CtmIco, SF_SWITCH, 0, L"0"),
    K(0x4, Ctrl, Fade, SF_SWITCH, 0, L"0"),
    K(0x4, Ctrl, FrmPauClr, SF_SWITCH, NS, L"0"),
    K(0x4, Ctrl, SttDisClr, SF_SWITCH, NS, L"0"),
    K(0x4, Ctrl, SeekChap, SF_SWITCH, NS, L"1"),
    K2(0x4, Ctrl, SttPosClr, SF_STTPOS, NS, Ctrl_SttPosClrSet, L""),
    // [Lnch].
    K(0x4, Lnch, Clr, SF_CLR, 0, L"4,4A4967,695F72"),
    K(0x4, Lnch, TxtClr, SF_KCLR, 0, L"0,C0FFFFFF"),
    K(0x4, Lnch, SelClr, SF_KCLR, 0, L"0,66D09B9B"),
    K(0x4, Lnch, Lbl, SF_LBL, 0, L"0"),
    K(0x4, Lnch, Ht, SF_INT, 0, L"38"),
    K(0x4, Lnch, Ico, SF_INT, 0, L"1"),
    K(0x4, Lnch, TxtPos, SF_INT, 0, L"0"),
    K(0x4, Lnch, Del, SF_INT, 0, L"1"),
    K(0x4, Lnch, ScrWt, SF_INT, 0, L"6"),
    K(0x4, Lnch, Font, SF_TEXT, 0, L""),
    K(0x4, Lnch, FontSize, SF_PAIR, 0, L"20"),
    K(0x4, Lnch, FontWeit, SF_INT, 0, L"700"),
    // [Common] data files and [File].
    K2(0x10, Common, Spf, SF_SPF, 0, Common_SpfDir, L"0"),
    K(0x10, Common, MaxRsm, SF_INT, 0, L"255"),
    K(0x10, File, Inf, SF_INT, 0, L"0"),
    K(0x10, File, InfSub, SF_TEXT, 0, L"zvfiles"),
    K(0x10, File, InfDir, SF_TEXT, 0, L""),
    K(0x10, File, Jl, SF_INT, 0, L"0"),
    K(0x10, File, JlSub, SF_TEXT, 0, L"zvfiles"),
    K(0x10, File, JlDir, SF_TEXT, 0, L""),
    K(0x10, File, St, SF_LIST, 0, L"1,1,0,0"),
    K(0x10, File, StExt, SF_TEXT, 0, L"idx:smi:sub:srt:psb:ssa:ass:usf:ssf"),
    K(0x10, File, StSub, SF_TEXT, 0, L"subs"),
    K(0x10, File, StDir, SF_TEXT, 0, L""),
    STEP(SAVE_STEP_REC),
    STEP(SAVE_STEP_CAP),
    // [Jumplist].
    K2(0x20, Jumplist, Blk, SF_INT, 0, Jumplist_Blk2, L"0"),
    K(0x20, Jumplist, At, SF_LISTZ, 0, L"4,8"),
    K(0x20, Jumplist, Itvl, SF_INT, 0, L"60"),
    K(0x20, Jumplist, Snap, SF_INT, 0, L"1"),
    K(0x20, Jumplist, AtSel, SF_INT, 0, L"0"),
    K(0x20, Jumplist, Chap, SF_INT, 0, L"1"),
    K(0x20, Jumplist, Key, SF_INT, 0, L"1"),
    K(0x20, Jumplist, Subtl, SF_INT, 0, L"1"),
    K(0x20, Jumplist, LowPri, SF_INT, 0, L"1"),
    K(0x20, Jumplist, OvrWrt, SF_INT, 0, L"0"),
    K(0x20, Jumplist, CpyTs, SF_INT, 0, L"0"),
    K(0x20, Jumplist, Trm, SF_INT, 0, L"150"),
    K(0x20, Jumplist, TrmBlk, SF_LISTZ, 0, L"0,85"),
    K(0x20, Jumplist, Menu, SF_INT, 0, L"1"),
    K(0x20, Jumplist, Flsh, SF_PAIR, 0, L"0,3"),
    K(0x20, Jumplist, Spc, SF_LISTZ, 0, nullptr),
    K(0x20, Jumplist, BkClr, SF_RGB, 0, L"0"),
    K(0x20, Jumplist, Idx, SF_INT, 0, L"1"),
    K(0x20, Jumplist, Add, SF_INT, 0, L"2"),
    K(0x20, Jumplist, ExtJpg, SF_INT, 0, L"0"),
    K(0x20, Jumplist, Dstc, SF_INT, 0, L"0"),
    K(0x20, Jumplist, DstcApp, SF_TEXT, 0, L""),
    K(0x20, Jumplist, CrtImg, SF_INT, 0, L"0"),
    K(0x20, Jumplist, ExKey, SF_INT, 0, L"1"),
    K(0x20, Jumplist, ExMou, SF_INT, 0, L"1"),
    K(0x20, Jumplist, Zoom, SF_INT, 0, L"0"),
    K(0x20, Jumplist, StTm, SF_INT, 0, L"0"),
    K(0x20, Jumplist, Smpl, SF_INT, 0, L"0"),
    K(0x20, Jumplist, Size, SF_LISTZ, 0, L"1920,1080"),
    K(0x20, Jumplist, Qt, SF_INT, 0, L"95"),
    K(0x20, Jumplist, MaxBlk, SF_INT, 0, L"11"),
    K(0x20, Jumplist, IdxExt, SF_INT, 0, L"0"),
    K(0x20, Jumplist, Prev, SF_LIST, 0, L"0,0"),
    K(0x20, Jumplist, PrevMark, SF_INT, 0, L"0"),
    K(0x20, Jumplist, PrevRate, SF_INT, 0, L"200"),
    K(0x20, Jumplist, PrevTime, SF_INT, 0, L"30"),
    K(0x20, Jumplist, PrevPrsTm, SF_LIST, 0, L"400,1000"),
    K(0x20, Jumplist, PrevDiv, SF_LIST, 0, L"6,10"),
    K(0x20, Jumplist, PrevArea, SF_INT, 0, L"100"),
    K(0x20, Jumplist, PrevStep, SF_LIST, 0, L"1,1000,250"),
    K(0x20, Jumplist, PrevDis, SF_BITS, 0, L"14"),
    K(0x20, Jumplist, PrevFstDiv, SF_INT, NS, L"0"),
    K(0x20, Jumplist, FstDrw, SF_INT, NS, L"1"),
    K(0x20, Jumplist, Retry, SF_INT, NS, L"50"),
    K(0x20, Jumplist, IdxSize, SF_INT, NS, L"1440"),
    K(0x20, Jumplist, IdxQt, SF_INT, NS, L"90"),
    K(0x20, Jumplist, Arw, SF_INT, NS, L"0"),
    K2(0x20, Jumplist, Scroll, SF_INT, 0, Jumplist_Scroll2, L"0"),
    // [Menu] and its preset lists.
    K(G2, Menu, Styl, SF_LIST, 0, L"3,1,1,0"),
    K(G2, Menu, ClrSep, SF_SWITCH, 0, L"0"),
    K(G2, Menu, Wt, SF_LIST, 0, L"0,800"),
    K(G2, Menu, Clr, SF_MENUCLR, 0, L""),
    K(G2, Menu, Rct, SF_INT, 0, L"25"),
    K(G2, Menu, AddOpt, SF_INT, 0, L"1"),
    STEP(SAVE_STEP_MENU_PRESETS),
    // [Osc].
    K(0x100, Osc, Mode, SF_INT, 0, L"0"),
    K(0x100, Osc, TmOpen, SF_INT, 0, L"400"),
    K(0x100, Osc, TmSeek, SF_INT, 0, L"200"),
    K2(0x100, Osc, OverScan, SF_OVERSCAN, 0, Osc_OverScanRect, L"300,300,300,300"),
    K(0x100, Osc, Edge, SF_LIST, 0, L"300,300,300,300"),
    K(0x100, Osc, Title, SF_LIST, 0, L"10,10,10,10"),
    K(0x100, Osc, Time, SF_LIST, 0, L"10,10,10,10"),
    K(0x100, Osc, SizeTi, SF_INT, 0, L"48"),
    K(0x100, Osc, SizeTm, SF_INT, 0, L"32"),
    K(0x100, Osc, TmPit, SF_INT, 0, L"0"),
    K(0x100, Osc, TmPitVal, SF_INT, 0, L"16"),
    K(0x100, Osc, Glare, SF_INT, NS, L"0"),
    K(0x100, Osc, FontTt, SF_TEXT, 0, L"ＭＳ Ｐゴシック"),
    K(0x100, Osc, FontTm, SF_TEXT, 0, L"ＭＳ ゴシック"),
    K(0x100, Osc, FontColor, SF_HEX, 0, L"DCFFFFFF"),
    K(0x100, Osc, BackColor, SF_HEX, NS, L"7F000000"),
    STEP(SAVE_STEP_FILTER),
    // [Bind] switches, then the list.
    K(0x400, Bind, Clr, SF_SWITCH, 0, L"1"),
    K(0x400, Bind, Num, SF_SWITCH, 0, L"1"),
    K(0x400, Bind, GetKeyName, SF_SWITCH, 0, L"1"),
    K(0x400, Bind, DisMod, SF_SWITCH, 0, L"0"),
    STEP(SAVE_STEP_BIND),
    // [Prop] switches, then the default video properties.
    K(0x800, Prop, EnbOut, SF_SWITCH, 0, L"0"),
    K(0x800, Prop, AtDis, SF_SWITCH, 0, L"0"),
    K(0x800, Prop, PauCnt, SF_SWITCH, 0, L"0"),
    STEP(SAVE_STEP_PROP),
    // [Timer].
    KT(Pos, SF_LISTZ, L"0,-1,-1"),
    KT(Opt, SF_INT, L"0"),
    KT(LblClr, SF_INT, L"1"),
    KT(Off, SF_INT, L"0"),
    KT(On, SF_INT, L"360"),
    KT(Step, SF_INT, L"1"),
    KT(Wake, SF_INT, L"0"),
    KT(Wnd, SF_SWITCH, L"0"),
    KT(DisPow, SF_PAIR, L"0"),
    KT(Vol, SF_PAIR, L"0,30"),
    KT(SysVol, SF_PAIR, L"0,30"),
    KT(Fade, SF_INT, L"1"),
    KT(Audio, SF_INT, L"0"),
    KT(AudDev, SF_TEXT, L""),
    {L"Timer", L"Task", 0x1000, SF_TASK, KEY_TIMER | KEY_NOSAVE, FIELD(STIMERSETTINGS, Timer_Task),
     FIELD(STIMERSETTINGS, Timer_TaskText), L""},
    KT(File, SF_INT, L"0"),
    KT(Path, SF_TEXT, L""),
    KT(StPos, SF_LISTZ, L"0,1,0"),
    KT(Pow, SF_PAIR, L"0,1"),
    KT(AtStop, SF_INT, L"0"),
    KT(FadeLen, SF_INT, L"15"),
    KT(WakeTm, SF_INT, L"90"),
};

const int g_SettingKeyCount = (int)(sizeof(g_SettingKeys) / sizeof(g_SettingKeys[0]));

const wchar_t* m_SettingKey_Default(const SSETTINGKEY& key)
{
    if (key.Default) return key.Default;
    // Under Wine only the old video renderer draws into the player's own
    // video window.
    if (key.Offset == (int)offsetof(SSETTINGS, Common_Video))
        return m_Wine_IsWine() ? L"2" : g_OsVersion >= 6 ? L"7" : L"3";
    if (key.Offset == (int)offsetof(SSETTINGS, Ctrl_Stt)) return g_OsVersion == 7 ? L"14" : L"15";
    if (key.Offset == (int)offsetof(SSETTINGS, Ctrl_WndCor)) return g_OsVersion >= 11 ? L"3" : L"0";
    if (key.Offset == (int)offsetof(SSETTINGS, Jumplist_Spc))
        return g_OsVersion >= 10 ? L"0,0" : L"1,1";
    return L"";
}

BYTE* m_SettingKey_Base(const SSETTINGKEY& key, bool copy)
{
    if (key.Flags & KEY_TIMER) return reinterpret_cast<BYTE*>(&g_TimerSettings);
    return reinterpret_cast<BYTE*>(copy ? &g_SettingsCopy : &g_Settings);
}

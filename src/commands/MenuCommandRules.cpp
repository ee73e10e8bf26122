#include "commands/MenuCommands.h"

#include "commands/SubmenuBuilder.h"
#include "playback/AudioDeviceList.h"

namespace {

struct SRANGEROW {
    UINT First;
    UINT Last;
    int Kind;
};

// Each dynamic range, first id to last; the index counts from the first.
const SRANGEROW kRanges[] = {
    {34768, 34868, MENUTARGET_VOLUME},
    {kMenuDeviceDefaultId, 34893, MENUTARGET_DEVICE},
    {34898, 34909, MENUTARGET_OPTIONPAGE},
    {kMenuSizePresetFirstId, 35067, MENUTARGET_SIZEPRESET},
    {kMenuStreamFirstId, 35267, MENUTARGET_STREAM},
    {kMenuTimerPresetFirstId, 35367, MENUTARGET_TIMERPRESET},
    {kMenuFilterFirstId, 35467, MENUTARGET_FILTER},
    {kMenuRatePresetFirstId, 35567, MENUTARGET_RATEPRESET},
    {kMenuPlaylistCaptionId, kMenuPlaylistCaptionId, MENUTARGET_LISTFILE},
    {kMenuTrackFirstId, 36767, MENUTARGET_TRACK},
    {kMenuChapterFirstId, 36966, MENUTARGET_CHAPTER},
    {kMenuAssignChapterFirstId, 37167, MENUTARGET_ASSIGNCHAPTER},
    {kMenuRangeFirstId, 37366, MENUTARGET_RANGE},
    {kMenuMarkerFirstId, 37566, MENUTARGET_MARKER},
    {kMenuAllRangesFirstId, 38067, MENUTARGET_ALLRANGES},
    {kMenuAllMarkersFirstId, 38367, MENUTARGET_ALLMARKERS},
    {kMenuRecentFirstId, 39167, MENUTARGET_RECENT},
    {kMenuMostPlayedFirstId, 39667, MENUTARGET_MOSTPLAYED},
    {39768, 40767, MENUTARGET_FAVORITE},
    {40768, 42767, MENUTARGET_FAVOSUB},
};

}  // namespace

SMENUTARGET m_MenuCmd_Target(UINT id, UINT menuId)
{
    // 35769 + 999 is 36768: in the playlist menu it is the last track.
    if (id == kMenuChapterFirstId && menuId == kMenuIdPlaylist)
        return {MENUTARGET_TRACK, kMenuMaxTracks - 1};
    for (const SRANGEROW& r : kRanges)
        if (id >= r.First && id <= r.Last) return {r.Kind, static_cast<int>(id - r.First)};
    return {MENUTARGET_NONE, -1};
}

int m_MenuCmd_StepOffset(int offset, int selState, int mode)
{
    const int step = mode == 1 ? 5 : 1;
    int value = offset;
    if (selState == MENUSEL_RAISE)
        value += step;
    else if (selState == MENUSEL_LOWER)
        value -= step;
    value = value / step * step;
    if (value > kAudioOffsetLimit) value = kAudioOffsetLimit;
    if (value < -kAudioOffsetLimit) value = -kAudioOffsetLimit;
    return value;
}

int m_MenuCmd_AllFilesEntry(const int* counts, int trackCount, int number, int* track, int* item)
{
    if (!counts || number < 0 || number >= kMenuMaxAllFiles) return 0;
    int left = number;
    for (int t = 0; t < trackCount; ++t) {
        const int n = counts[t] > 0 ? counts[t] : 0;
        if (left < n) {
            if (track) *track = t;
            if (item) *item = left;
            return 1;
        }
        left -= n;
    }
    return 0;
}

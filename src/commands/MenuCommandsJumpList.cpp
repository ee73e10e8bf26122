// The jump-list menus' items: the view, its edit mode and blocks, its
// previews and the builds by layout preset.
#include "commands/MenuCommands.h"

#include "base/SoundCue.h"
#include "commands/ExecOps.h"
#include "commands/SubmenuBuilder.h"
#include "jumplist/JumpListEdit.h"
#include "jumplist/JumpListState.h"
#include "settings/CallTrace.h"

namespace {

// 4746 and 4748: the default build, or while one runs the offer to cancel.
void m_DefaultBuild(int allFiles)
{
    if (m_JumpList_IsBatchRunning()) {
        m_TraceCall(L"m_JumpList_OfferCancel()");
        return;
    }
    g_ExecOps.JumpList_Create(-1, 0, 0, 0, allFiles);
}

// 4747 and 4749: the automatic build starts only once the menu has closed.
void m_AutomaticBuild(int closes, int allFiles)
{
    if (!closes) {
        g_ExecOps.PlaySoundCue(8);
        return;
    }
    g_ExecOps.JumpList_Create(-2, 0, 0, 0, allFiles);
}

int m_LayoutBuild(UINT id, int mode)
{
    const bool allFiles = id >= kMenuLayoutAllFirstId;
    const int preset = static_cast<int>(id - (allFiles ? kMenuLayoutAllFirstId : kMenuLayoutFirstId));
    if (mode == 1) {
        g_ExecOps.PlaySoundCue(8);
        return 1;
    }
    g_ExecOps.JumpList_Create(preset, 0, 0, 0, allFiles ? 1 : 0);
    return 1;
}

}  // namespace

int m_JumpList_MenuCommand(UINT id, int mode, int closes)
{
    switch (id) {
        case 4698:
            g_ExecOps.JumpList_Command(-1);
            return 1;
        case 4699:
            m_JumpList_ToggleForEntry();
            return 1;
        case 4700:
            g_ExecOps.JumpList_Command(2);
            return 1;
        case 4702:
        case 4703:
            m_JumpList_ActivateBlock(static_cast<int>(id - 4702));
            return 1;
        case 4706:
            m_JumpList_LeaveEdit();
            return 1;
        case 4707:
            m_JumpList_Reload();
            g_ExecOps.PlaySoundCue(5);
            return 1;
        case 4709:
            m_JumpList_RecaptureBlock();
            return 1;
        case 4710:
            m_JumpList_ClearBlockChapter();
            return 1;
        case 4711:
            m_JumpList_RestoreBlock();
            return 1;
        case 4712:
            g_ExecOps.JumpList_Command(3);
            return 1;
        case 4717:
        case 4718:
        case 4719:
            g_ExecOps.JumpList_PreviewToggle(static_cast<int>(id - 4715), 0, 0, 0, 0);
            return 1;
        case 4746:
        case 4748:
            m_DefaultBuild(id == 4748);
            return 1;
        case 4747:
        case 4749:
            m_AutomaticBuild(closes, id == 4749);
            return 1;
    }
    if (id >= kMenuLayoutFirstId && id < kMenuLayoutAllFirstId + 100) return m_LayoutBuild(id, mode);
    return 0;
}

#include <windows.h>

#include "commands/MenuItemModel.h"

namespace {

bool m_IsSeparator(UINT id) { return id == kMenuSeparatorId || id == kMenuThinSeparatorId; }

}  // namespace

void m_Menu_TidySeparators(UINT* ids)
{
    if (!ids) return;
    int last = -1;  // the last slot kept
    for (int i = 0; i < kTidySeparatorSlots; ++i) {
        const UINT id = ids[i];
        if (id == 0) continue;
        if (!m_IsSeparator(id)) {
            last = i;
            continue;
        }
        if (last < 0) {
            ids[i] = 0;
        } else if (!m_IsSeparator(ids[last])) {
            last = i;
        } else if (id == kMenuSeparatorId && ids[last] == kMenuThinSeparatorId) {
            // The full line wins over the thin one it follows.
            ids[last] = 0;
            last = i;
        } else {
            ids[i] = 0;
        }
    }
    if (last >= 0 && m_IsSeparator(ids[last])) ids[last] = 0;
}

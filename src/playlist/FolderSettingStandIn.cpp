// Stand-in until the per-folder setting lookup over [Rec] is built: no
// folder has a setting of its own.
#include <string.h>

#include "filedata/ResumeFolderSetting.h"

int m_FolderSetting_Find(const wchar_t*, SFOLDERSETTING* out)
{
    if (out) memset(out, 0, sizeof(*out));
    return 0;
}

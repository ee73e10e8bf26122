#include "base/Shortcut.h"

#include <objidl.h>
#include <shlobj.h>

#include "base/PathUtil.h"

namespace {

// A shell link object with its file interface; both null on failure.
struct SLinkObject {
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;

    bool Create()
    {
        HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, reinterpret_cast<void**>(&link));
        if (FAILED(hr) || !link) return false;
        hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        return SUCCEEDED(hr) && file;
    }

    ~SLinkObject()
    {
        if (file) file->Release();
        if (link) link->Release();
    }
};

}  // namespace

int m_ResolveShortcut(const wchar_t* linkPath, wchar_t* target)
{
    if (target) target[0] = 0;
    if (!linkPath || !*linkPath) return 0;
    SLinkObject object;
    if (!object.Create()) return 0;
    if (FAILED(object.file->Load(linkPath, STGM_READ))) return 0;
    if (!target) return 1;
    HRESULT hr = object.link->GetPath(target, kPathCap, nullptr, SLGP_UNCPRIORITY);
    // S_FALSE: the shortcut points at something without a file-system path.
    if (hr != S_OK || !target[0]) {
        target[0] = 0;
        return 0;
    }
    return 1;
}

int m_CreateShortcut(const wchar_t* linkPath, const wchar_t* target)
{
    if (!linkPath || !*linkPath || !target) return 0;
    SLinkObject object;
    if (!object.Create()) return 0;
    if (FAILED(object.link->SetPath(target))) return 0;
    if (FAILED(object.link->SetDescription(L""))) return 0;
    return SUCCEEDED(object.file->Save(linkPath, TRUE)) ? 1 : 0;
}

#include "engine/AviFileLibrary.h"

#include "base/ErrorLog.h"

namespace {

SAVIFILEAPI g_AviApi;
int g_AviApiState;  // 0 not tried, 1 loaded, -1 missing

template <typename T>
bool m_Bind(HMODULE module, const char* name, T* entry)
{
    *entry = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *entry != nullptr;
}

}  // namespace

const SAVIFILEAPI* m_AviFileApi()
{
    if (g_AviApiState == 0) {
        HMODULE module = LoadLibraryW(L"avifil32.dll");
        const bool bound = module && m_Bind(module, "AVIFileInit", &g_AviApi.Init) &&
                           m_Bind(module, "AVIFileExit", &g_AviApi.Exit) &&
                           m_Bind(module, "AVIFileOpenW", &g_AviApi.OpenW);
        g_AviApiState = bound ? 1 : -1;
        if (!bound) {
            m_WriteLog(L"VR_%d : Error / LoadLibrary(avifil32.dll) = %u", __LINE__, GetLastError());
            if (module) FreeLibrary(module);
        }
    }
    return g_AviApiState == 1 ? &g_AviApi : nullptr;
}

// The AVIFile library, loaded on the first AVI index lookup rather than at
// start: linked with the program, it and the codec libraries it pulls in
// are loaded on every start, though most runs never read an AVI index.
#pragma once

#include <windows.h>

#include <vfw.h>

struct SAVIFILEAPI {
    void(WINAPI* Init)();
    void(WINAPI* Exit)();
    HRESULT(WINAPI* OpenW)(PAVIFILE* file, LPCWSTR path, UINT mode, LPCLSID handler);
};

// The library's entry points, or nullptr when it cannot be loaded. Once
// loaded it stays: the index objects it hands out live in it.
const SAVIFILEAPI* m_AviFileApi();

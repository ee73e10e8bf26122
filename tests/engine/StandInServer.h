// What the stand-in modules share as in-process COM servers: a class
// factory, a count of live objects and the registration of a filter.
#pragma once
#include <windows.h>
#include <dshow.h>

// Makes a new object with one reference; null when out of memory.
using StandInCreate = IUnknown* (*)();

// The factory of one class; logs "DllGetClassObject <name>" and each
// CreateInstance as "Create <name>".
HRESULT m_StandIn_GetClassObject(REFCLSID asked, REFCLSID own, const wchar_t* name,
                                 StandInCreate create, REFIID iid, void** out);

// Objects of the module still alive (each stand-in object counts itself).
void m_StandIn_ObjectBorn();
void m_StandIn_ObjectDied();
LONG m_StandIn_LiveObjects();

// Registers the module's class under HKCR\CLSID and the filter in a
// category (with the filter mapper); Unregister undoes both.
HRESULT m_StandIn_Register(HMODULE module, REFCLSID clsid, const wchar_t* name,
                           const CLSID& category, DWORD merit, const REGFILTER2* info);
HRESULT m_StandIn_Unregister(REFCLSID clsid, const wchar_t* name, const CLSID& category);

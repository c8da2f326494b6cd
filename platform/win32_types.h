// The few Win32 types and constants the plug-in's portable code names.
// On Windows they come from the system headers; the native build gets
// compatible stand-ins so the same sources compile and run headless.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
// windows.h first: the others build on it.
#include <windows.h>

#include <commctrl.h>
#include <unknwn.h>
#else
#include <cstdint>

struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using REFIID = const GUID&;

#define STDMETHODCALLTYPE

constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002U);

// The COM base every host object and component derives from.
struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

protected:
  ~IUnknown() = default;
};

constexpr UINT WM_USER = 0x0400;
constexpr UINT TBM_SETSEL = WM_USER + 11;
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
#endif

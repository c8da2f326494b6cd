// The Win32 types and constants the plug-in's portable code names.
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
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using SHORT = std::int16_t;
using LONG = std::int32_t;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using INT_PTR = std::intptr_t;
using REGSAM = std::uint32_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
struct HKEY__;
using HKEY = HKEY__*;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
struct POINT {
  LONG x;
  LONG y;
};

// A dialog procedure: answers whether it handled the message.
using DLGPROC = INT_PTR (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
#define CALLBACK

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

// Messages, requests and flags, with the values Windows gives them.
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_USER = 0x0400;
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_GETTIC = WM_USER + 3;
constexpr UINT TBM_SETTIC = WM_USER + 4;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;
constexpr UINT TBM_CLEARTICS = WM_USER + 9;
constexpr UINT TBM_SETSEL = WM_USER + 10;
constexpr UINT TBM_GETNUMTICS = WM_USER + 16;
constexpr UINT TBM_GETSELSTART = WM_USER + 17;
constexpr UINT TBM_GETSELEND = WM_USER + 18;
constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;
constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
constexpr UINT TBM_SETLINESIZE = WM_USER + 23;
constexpr UINT TBM_GETLINESIZE = WM_USER + 24;
constexpr int TB_LINEUP = 0;
constexpr int TB_LINEDOWN = 1;
constexpr int TB_PAGEUP = 2;
constexpr int TB_PAGEDOWN = 3;
constexpr int TB_THUMBPOSITION = 4;
constexpr int TB_THUMBTRACK = 5;
constexpr int TB_TOP = 6;
constexpr int TB_BOTTOM = 7;
constexpr int TB_ENDTRACK = 8;

constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int EN_UPDATE = 0x0400;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
constexpr int BN_CLICKED = 0;
constexpr LRESULT BST_UNCHECKED = 0;
constexpr LRESULT BST_CHECKED = 1;

// Window, dialog and control styles.
constexpr DWORD WS_POPUP = 0x80000000U;
constexpr DWORD WS_CHILD = 0x40000000U;
constexpr DWORD WS_VISIBLE = 0x10000000U;
constexpr DWORD WS_DISABLED = 0x08000000U;
constexpr DWORD WS_CAPTION = 0x00C00000U;
constexpr DWORD WS_BORDER = 0x00800000U;
constexpr DWORD WS_SYSMENU = 0x00080000U;
constexpr DWORD WS_TABSTOP = 0x00010000U;
constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080U;
constexpr DWORD DS_SETFONT = 0x40;
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_CENTER = 0x0800;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD TBS_NOTICKS = 0x10;
constexpr DWORD TBS_ENABLESELRANGE = 0x20;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOACTIVATE = 0x0010;

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYSMCAPTION = 51;
constexpr int VK_CONTROL = 0x11;

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// The registry.
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline HKEY const HKEY_CURRENT_USER =
    reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001U));

// Answered by the headless model; the plug-in itself never sends these.
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;

constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr UINT TBM_SETSELSTART = WM_USER + 11;
constexpr UINT TBM_SETSELEND = WM_USER + 12;

constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;

constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_TYPEMASK = 0xF;

constexpr DWORD REG_SZ = 1;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;

constexpr WORD LOWORD(std::uintptr_t value) {
  return static_cast<WORD>(value & 0xFFFFU);
}
constexpr WORD HIWORD(std::uintptr_t value) {
  return static_cast<WORD>((value >> 16) & 0xFFFFU);
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((high & 0xFFFFU) << 16 | (low & 0xFFFFU));
}
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
  return static_cast<LPARAM>((high & 0xFFFFU) << 16 | (low & 0xFFFFU));
}
#endif

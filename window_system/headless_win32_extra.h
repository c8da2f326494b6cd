// Win32 names the headless model answers to that the plug-in itself never
// sends, with the values Windows gives them. On Windows they come from the
// system headers.
#pragma once

#include "platform/win32_types.h"

#ifndef _WIN32
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
#endif

// Owners of GDI objects and device contexts, each given back by its owner on
// every path. Declared in the order they are made, they go in the order GDI
// wants: an object is selected out before it or its DC goes.
#pragma once

#include <windows.h>

namespace jolvent::workbench {

// A pen, brush, font or bitmap one of the Create functions made; deleted
// with its owner.
template <class Handle>
class GdiObject {
public:
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() {
    if (handle_ != nullptr) DeleteObject(handle_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }

private:
  Handle handle_;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// A memory DC compatible with another; deleted with its owner.
class MemoryDc {
public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC get() const { return dc_; }

private:
  HDC dc_;
};

// A window's DC from GetDC, the screen's for no window; released with its
// owner.
class WindowDc {
public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }

private:
  HWND window_;
  HDC dc_;
};

// The DC of a WM_PAINT, from BeginPaint; its painting ends with its owner.
class PaintDc {
public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const { return dc_; }

private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a DC; what it replaced is selected back when its
// owner goes.
class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, replaced_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

private:
  HDC dc_;
  HGDIOBJ replaced_;
};

}  // namespace jolvent::workbench

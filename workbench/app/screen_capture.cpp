#include "workbench/app/screen_capture.h"

#include <commctrl.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "workbench/app/gdi_objects.h"
#include "workbench/app/owned_windows.h"
#include "workbench/app/plugins_window.h"
#include "workbench/app/png_writer.h"
#include "workbench/app/skeleton_view.h"
#include "workbench/app/win32_text.h"

namespace jolvent::workbench {

namespace {

// How a text shows in a font: the face GDI chose for it, the characters it
// has no glyph for, and its width in pixels to the end of its ink.
struct TextRendering {
  std::string face;
  int missing = 0;
  int width = 0;
};

TextRendering renderingOf(HFONT font, const std::wstring& text) {
  const WindowDc screen(nullptr);
  HDC dc = screen.get();
  const SelectedObject fontSelected(dc,
                                    font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  TextRendering rendering;
  // The family of the font GDI picked, rather than GetTextFace's face asked
  // for; Wine names a replaced face's font by the face it replaces.
  const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
  std::vector<std::uint8_t> metrics(size);
  if (size > 0 &&
      GetOutlineTextMetricsW(dc, size,
                             reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data())) > 0) {
    const auto* outline = reinterpret_cast<const OUTLINETEXTMETRICW*>(metrics.data());
    rendering.face = utf8(reinterpret_cast<const wchar_t*>(
        metrics.data() + reinterpret_cast<std::uintptr_t>(outline->otmpFamilyName)));
  } else {
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    rendering.face = utf8(face);
  }
  const int length = static_cast<int>(text.size());
  std::vector<WORD> glyphs(text.size());
  GetGlyphIndicesW(dc, text.c_str(), length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  for (std::size_t i = 0; i < text.size(); ++i)
    if (glyphs[i] == 0xFFFF && text[i] > L' ') ++rendering.missing;
  // Up to the last glyph's ink: its advance may end in a blank margin.
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
  ABC last{};
  if (length > 0 && GetCharABCWidthsW(dc, text.back(), text.back(), &last) != FALSE &&
      last.abcC > 0)
    extent.cx -= last.abcC;
  rendering.width = extent.cx;
  return rendering;
}

void writeText(std::FILE* file, const std::string& where, HFONT font,
               const std::wstring& text, long room) {
  if (text.empty()) return;
  const TextRendering rendering = renderingOf(font, text);
  std::fprintf(file, "text %s %d %d %ld %s\n", where.c_str(), rendering.missing,
               rendering.width, room, rendering.face.c_str());
}

struct ChildTexts {
  std::FILE* file;
  std::string window;
  int index = 0;
};

// A label bounds its one-line text by its width; other controls are only
// checked for their glyphs.
BOOL CALLBACK writeChildText(HWND child, LPARAM parameter) {
  auto* texts = reinterpret_cast<ChildTexts*>(parameter);
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  const std::string cls = name;
  if (!IsWindowVisible(child) || (cls != "Static" && cls != "Button")) return TRUE;
  RECT client;
  GetClientRect(child, &client);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
  const std::wstring text = windowText(child);
  const bool label = cls == "Static" &&
                     (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT &&
                     text.find(L' ') == std::wstring::npos;
  writeText(texts->file, texts->window + "." + std::to_string(texts->index++), font, text,
            label ? client.right : -1);
  return TRUE;
}

void writeListTexts(std::FILE* file, const std::string& window, HWND list) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const auto columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      writeText(file,
                window + ".list." + std::to_string(row) + "." + std::to_string(column),
                font, listViewCell(list, row, column), -1);
}

// Every text of the windows over the main window, and of its menus.
void writeTexts(std::FILE* file, HWND main) {
  HWND panel = panelOf(main);
  HWND message = messageBoxOverPanel(main);
  for (HWND window : visibleWindows()) {
    if (window == main) continue;
    const char* name = window == panel                   ? "panel"
                       : window == message               ? "message"
                       : window == dialogOverPanel(main) ? "dialog"
                       : isPluginsWindow(window)         ? "plugins"
                                                         : "window";
    ChildTexts texts{file, name};
    EnumChildWindows(window, writeChildText, reinterpret_cast<LPARAM>(&texts));
    if (HWND list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr))
      writeListTexts(file, texts.window, list);
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const Font menuFont(CreateFontIndirectW(&metrics.lfMenuFont));
  HMENU bar = GetMenu(main);
  for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
    HMENU popup = GetSubMenu(bar, menu);
    for (int item = 0; item < GetMenuItemCount(popup); ++item) {
      wchar_t text[128] = {};
      GetMenuStringW(popup, static_cast<UINT>(item), text, 128, MF_BYPOSITION);
      writeText(file, "menu." + std::to_string(menu) + "." + std::to_string(item),
                menuFont.get(), text, -1);
    }
  }
}
// The panel's sliders and the value box beside each.
constexpr int kPanelSliders[] = {1001, 1002, 1003, 1004};
int boxOfSlider(int slider) {
  switch (slider) {
    case 1001:
      return 1013;  // Pitch
    case 1002:
      return 1012;  // Yaw
    case 1003:
      return 1014;  // Roll
    default:
      return 1015;  // Joint
  }
}

void writeLayout(const WorkbenchWindow::State& state, const RECT& area,
                 const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw ScriptError("cannot write " + path);
  if (HWND panel = panelOf(state.main)) {
    for (int id : kPanelSliders) {
      HWND slider = GetDlgItem(panel, id);
      RECT channel{};
      SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
      MapWindowPoints(slider, nullptr, reinterpret_cast<POINT*>(&channel), 2);
      // Only the thumb's width: where it is, is for the picture to show.
      RECT thumb{};
      SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
      wchar_t text[32] = {};
      GetDlgItemTextW(panel, boxOfSlider(id), text, 32);
      std::fprintf(file, "slider %d %ld %ld %ld %ld %ld %g %ld\n", id,
                   (channel.top + channel.bottom) / 2 - area.top,
                   channel.left - area.left, channel.right - area.left,
                   static_cast<long>(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0)),
                   static_cast<long>(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0)),
                   std::wcstod(text, nullptr), thumb.right - thumb.left);
    }
  }
  const std::vector<standin::Shape*>& selected = state.session->scene().selection();
  RECT view;
  GetClientRect(state.viewport, &view);
  for (const DrawnJoint& joint : viewOf(state.session->scene()).joints) {
    if (selected.size() != 1 || joint.shape != selected[0]) continue;
    const ScreenPoint at = project(state.camera, view.right, view.bottom, joint.position);
    POINT screen{std::lround(at.x), std::lround(at.y)};
    ClientToScreen(state.viewport, &screen);
    std::fprintf(file, "joint %s %ld %ld\n", joint.shape->name().c_str(),
                 screen.x - area.left, screen.y - area.top);
  }
  std::fprintf(file, "codepage %u\n", GetACP());
  writeTexts(file, state.main);
  std::fclose(file);
}

// What the screen shows over area, as 8-bit RGB rows from the top.
std::vector<std::uint8_t> screenRgb(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const WindowDc screen(nullptr);
  HDC screenDc = screen.get();
  const MemoryDc memoryDc(screenDc);
  HDC memory = memoryDc.get();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const Bitmap bitmap(
      CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const SelectedObject bitmapSelected(memory, bitmap.get());
  BitBlt(memory, 0, 0, width, height, screenDc, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
    rgb[3 * i] = bgra[4 * i + 2];
    rgb[3 * i + 1] = bgra[4 * i + 1];
    rgb[3 * i + 2] = bgra[4 * i];
  }
  return rgb;
}

}  // namespace

void screenshot(const WorkbenchWindow::State& state, const std::string& path) {
  restackOwnedWindows(state.main);
  RECT area;
  GetWindowRect(state.main, &area);
  for (HWND extra : visibleWindows()) {
    if (extra == state.main) continue;
    RedrawWindow(extra, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT more;
    GetWindowRect(extra, &more);
    UnionRect(&area, &area, &more);
  }
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&area, &area, &screen);
  const std::vector<std::uint8_t> rgb = screenRgb(area);
  if (!writePng(path, area.right - area.left, area.bottom - area.top, rgb))
    throw ScriptError("cannot write " + path);
  writeLayout(state, area, path.substr(0, path.size() - 4) + ".layout");
}

}  // namespace jolvent::workbench

#include "workbench/app/plugins_window.h"

#include <commctrl.h>

#include <array>

#include "workbench/app/win32_text.h"

namespace jolvent::workbench {

namespace {

const wchar_t kClass[] = L"JolventWorkbenchPlugins";
constexpr int kRecordId = 10;
constexpr int kListId = 11;
constexpr int kWidth = 820;
constexpr int kHeight = 300;
constexpr int kMargin = 10;
constexpr int kRecordHeight = 64;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;

struct Column {
  const wchar_t* title;
  int width;
};
constexpr std::array<Column, 6> kColumns = {{{L"Interface", 120},
                                             {L"#", 30},
                                             {L"Name", 150},
                                             {L"Japanese name", 150},
                                             {L"UUID", 270},
                                             {L"Resident", 70}}};

HWND shown = nullptr;

std::wstring recordText(const PluginDescription& description) {
  return wide(description.module + "\r\n" + description.description +
              "\r\nModule number " + std::to_string(description.number) +
              ", texts in code page " + std::to_string(description.textEncoding));
}

void addRow(HWND list, int row, const PluginComponent& component) {
  const std::array<std::wstring, kColumns.size()> cells = {
      wide(component.interfaceName), std::to_wstring(component.index),
      wide(component.englishName),   wide(component.japaneseName),
      wide(component.uuid),          component.resident ? L"yes" : L"no"};
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<wchar_t*>(cells[0].c_str());
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  for (std::size_t cell = 1; cell < cells.size(); ++cell) {
    item.iSubItem = static_cast<int>(cell);
    item.pszText = const_cast<wchar_t*>(cells[cell].c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
  }
}

void fill(HWND window, const PluginDescription& description) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  auto child = [&](const wchar_t* cls, const std::wstring& text, DWORD style, int id,
                   RECT place) {
    HWND control = CreateWindowExW(
        0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
  };
  RECT area;
  GetClientRect(window, &area);
  child(L"STATIC", recordText(description), SS_LEFT | SS_NOPREFIX, kRecordId,
        {kMargin, kMargin, area.right - kMargin, kMargin + kRecordHeight});
  const int listTop = kMargin * 2 + kRecordHeight;
  const int buttonTop = area.bottom - kMargin - kButtonHeight;
  HWND list =
      child(WC_LISTVIEWW, L"",
            WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
            kListId, {kMargin, listTop, area.right - kMargin, buttonTop - kMargin});
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(kColumns[i].title);
    column.cx = kColumns[i].width;
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  for (std::size_t row = 0; row < description.components.size(); ++row)
    addRow(list, static_cast<int>(row), description.components[row]);
  child(L"BUTTON", L"Close", WS_TABSTOP | BS_DEFPUSHBUTTON, IDCANCEL,
        {area.right - kMargin - kButtonWidth, buttonTop, area.right - kMargin,
         buttonTop + kButtonHeight});
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (window == shown) shown = nullptr;
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

HWND showPluginsWindow(HWND owner, const PluginDescription& description) {
  if (shown == nullptr) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kClass;
    RegisterClassExW(&cls);  // fails harmlessly when already registered
    RECT place{0, 0, kWidth, kHeight};
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectEx(&place, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    RECT over;
    GetWindowRect(owner, &over);
    shown = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, L"Plug-ins", kStyle,
                            over.left + 60, over.top + 80, place.right - place.left,
                            place.bottom - place.top, owner, nullptr, instance, nullptr);
    fill(shown, description);
  }
  ShowWindow(shown, SW_SHOW);
  SetForegroundWindow(shown);
  SetFocus(GetDlgItem(shown, kListId));
  return shown;
}

bool isPluginsWindow(HWND window) {
  return window != nullptr && window == shown;
}

std::string pluginsWindowText(HWND window) {
  std::string result;
  for (char c : utf8(windowText(GetDlgItem(window, kRecordId))))
    if (c != '\r') result += c;
  result += "\n";
  HWND list = GetDlgItem(window, kListId);
  const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    for (std::size_t cell = 0; cell < kColumns.size(); ++cell)
      result +=
          (cell > 0 ? " | " : "") + utf8(listViewCell(list, row, static_cast<int>(cell)));
    result += "\n";
  }
  return result;
}

}  // namespace jolvent::workbench

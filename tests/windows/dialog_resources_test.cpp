// The dialog resources compiled into Jolvent10.dll against the tables the
// headless window system uses: first the raw templates as Windows stores
// them, then the windows the dialog manager makes from them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "panel/dialog_templates.h"
#include "tests/common/cp932.h"
#include "tests/common/module_path.h"

namespace jolvent {
namespace {

std::string toCp932(const wchar_t* text, int length = -1) {
  const int size =
      WideCharToMultiByte(932, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(932, 0, text, length, bytes.data(), size, nullptr, nullptr);
  if (length < 0 && !bytes.empty()) bytes.pop_back();  // the terminator
  return bytes;
}

// The names Windows gives the predefined classes that templates name by atom.
std::string atomClassName(WORD atom) {
  switch (atom) {
    case 0x80:
      return "Button";
    case 0x81:
      return "Edit";
    case 0x82:
      return "Static";
    case 0x83:
      return "ListBox";
    case 0x84:
      return "ScrollBar";
    case 0x85:
      return "ComboBox";
  }
  return "#" + std::to_string(atom);
}

struct ParsedControl {
  int id;
  std::string className;  // atoms mapped to their names
  std::string text;       // code page 932
  short x, y, width, height;
  DWORD style;
  DWORD exStyle;
};

struct ParsedDialog {
  bool extended = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, width = 0, height = 0;
  std::string menu;
  std::string className;
  std::string caption;
  WORD pointSize = 0;
  WORD fontWeight = 0;
  BYTE fontItalic = 0, fontCharset = 0;
  std::string fontName;
  std::vector<ParsedControl> controls;
};

// Reads a dialog template, DLGTEMPLATEEX or DLGTEMPLATE, field by field.
class TemplateReader {
public:
  TemplateReader(const BYTE* data, DWORD size)
      : begin_(data), at_(data), end_(data + size) {}

  ParsedDialog read() {
    ParsedDialog dialog;
    const WORD version = peekWord(0), signature = peekWord(1);
    dialog.extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (dialog.extended) {
      skip(4);  // dlgVer, signature
      dword();  // helpID
      dialog.exStyle = dword();
      dialog.style = dword();
    } else {
      dialog.style = dword();
      dialog.exStyle = dword();
    }
    count = word();
    dialog.x = signedWord();
    dialog.y = signedWord();
    dialog.width = signedWord();
    dialog.height = signedWord();
    dialog.menu = nameOrOrdinal();
    dialog.className = nameOrOrdinal();
    dialog.caption = string();
    if (dialog.style & DS_SETFONT) {
      dialog.pointSize = word();
      if (dialog.extended) {
        dialog.fontWeight = word();
        dialog.fontItalic = byte();
        dialog.fontCharset = byte();
      }
      dialog.fontName = string();
    }
    for (WORD i = 0; i < count && !overrun; ++i)
      dialog.controls.push_back(control(dialog));
    return dialog;
  }

  bool overrun = false;

private:
  ParsedControl control(const ParsedDialog& dialog) {
    align();
    ParsedControl item{};
    if (dialog.extended) {
      dword();  // helpID
      item.exStyle = dword();
      item.style = dword();
    } else {
      item.style = dword();
      item.exStyle = dword();
    }
    item.x = signedWord();
    item.y = signedWord();
    item.width = signedWord();
    item.height = signedWord();
    item.id = dialog.extended ? static_cast<int>(dword()) : signedWord();
    if (peekWord(0) == 0xFFFF) {
      skip(2);
      item.className = atomClassName(word());
    } else {
      item.className = string();
    }
    item.text = nameOrOrdinal();
    skip(word());  // creation data
    return item;
  }

  bool has(std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - at_) >= bytes) return true;
    overrun = true;
    at_ = end_;
    return false;
  }
  WORD peekWord(int index) {
    const std::size_t offset = 2 * static_cast<std::size_t>(index);
    if (static_cast<std::size_t>(end_ - at_) < offset + 2) return 0;
    WORD value;
    std::memcpy(&value, at_ + offset, 2);
    return value;
  }
  void skip(std::size_t bytes) {
    if (has(bytes)) at_ += bytes;
  }
  BYTE byte() {
    if (!has(1)) return 0;
    return *at_++;
  }
  WORD word() {
    WORD value = peekWord(0);
    skip(2);
    return value;
  }
  short signedWord() { return static_cast<short>(word()); }
  DWORD dword() {
    const DWORD low = word();
    return low | static_cast<DWORD>(word()) << 16;
  }
  void align() {
    while ((at_ - begin_) % 4 != 0 && at_ < end_) ++at_;
  }
  std::string string() {
    std::wstring text;
    for (WORD c = word(); c != 0 && !overrun; c = word())
      text.push_back(static_cast<wchar_t>(c));
    return toCp932(text.c_str());
  }
  std::string nameOrOrdinal() {
    if (peekWord(0) == 0xFFFF) {
      skip(2);
      return "#" + std::to_string(word());
    }
    return string();
  }

  const BYTE* begin_;
  const BYTE* at_;
  const BYTE* end_;
};

const LPCWSTR kDialogType = MAKEINTRESOURCEW(5);  // RT_DIALOG

std::vector<int> dialogResourceIds(HMODULE module) {
  std::vector<int> ids;
  EnumResourceNamesW(
      module, kDialogType,
      [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) -> BOOL {
        reinterpret_cast<std::vector<int>*>(list)->push_back(
            IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name))
                                 : -1);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&ids));
  return ids;
}

std::vector<WORD> dialogLanguages(HMODULE module, int id) {
  std::vector<WORD> languages;
  EnumResourceLanguagesW(
      module, kDialogType, MAKEINTRESOURCEW(id),
      [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list) -> BOOL {
        reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&languages));
  return languages;
}

// The module mapped as an image without running its entry point: the
// resources are all these tests need from it.
class DialogResources : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    module_ =
        LoadLibraryExA(test::modulePath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  }
  static void TearDownTestSuite() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(module_, nullptr) << test::modulePath(); }

  static ParsedDialog parsed(const DialogTemplate& table) {
    HRSRC found =
        FindResourceExW(module_, kDialogType, MAKEINTRESOURCEW(table.id), table.language);
    EXPECT_NE(found, nullptr) << "no dialog " << table.id << " in language "
                              << table.language;
    if (found == nullptr) return {};
    const auto* data =
        static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    TemplateReader reader(data, SizeofResource(module_, found));
    ParsedDialog dialog = reader.read();
    EXPECT_FALSE(reader.overrun) << "dialog " << table.id << " is cut short";
    return dialog;
  }

  static HWND create(const DialogTemplate& table) {
    return CreateDialogParamW(
        module_, MAKEINTRESOURCEW(table.id), nullptr,
        [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
          return message == WM_INITDIALOG ? TRUE : FALSE;
        },
        0);
  }

  static HMODULE module_;
};

HMODULE DialogResources::module_ = nullptr;

TEST_F(DialogResources, TheModuleHoldsExactlyTheTwoTabledDialogs) {
  const std::vector<int> ids = dialogResourceIds(module_);
  EXPECT_EQ(ids, (std::vector<int>{101, 102}));
  for (int id : ids) {
    const DialogTemplate* table = findDialogTemplate(id);
    ASSERT_NE(table, nullptr) << id;
    EXPECT_EQ(table->id, id);
    EXPECT_EQ(dialogLanguages(module_, id), std::vector<WORD>{table->language}) << id;
  }
  EXPECT_EQ(findDialogTemplate(103), nullptr);
}

TEST_F(DialogResources, BothUseTheJapaneseGothicFontAtNinePoints) {
  const std::string gothic = test::cp932("ＭＳ Ｐゴシック");
  for (const DialogTemplate* table :
       {&kPanelDialogTemplate, &kJointValueDialogTemplate}) {
    SCOPED_TRACE(table->id);
    EXPECT_EQ(table->fontName, gothic);
    EXPECT_EQ(table->pointSize, 9);
    EXPECT_EQ(table->language, MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN));
    const ParsedDialog dialog = parsed(*table);
    EXPECT_EQ(dialog.fontName, gothic);
    EXPECT_EQ(dialog.fontWeight, 0);
    EXPECT_EQ(dialog.fontItalic, 0);
    // Only the extended template carries a character set.
    if (dialog.extended) {
      EXPECT_EQ(dialog.fontCharset, DEFAULT_CHARSET);
    }
  }
}

TEST_F(DialogResources, RawTemplatesMatchTheTablesFieldByField) {
  for (const DialogTemplate* table :
       {&kPanelDialogTemplate, &kJointValueDialogTemplate}) {
    SCOPED_TRACE("dialog " + std::to_string(table->id));
    const ParsedDialog dialog = parsed(*table);
    EXPECT_EQ(dialog.extended, table->extended);
    EXPECT_EQ(dialog.style, table->style);
    EXPECT_EQ(dialog.exStyle, table->exStyle);
    EXPECT_EQ(dialog.x, table->x);
    EXPECT_EQ(dialog.y, table->y);
    EXPECT_EQ(dialog.width, table->width);
    EXPECT_EQ(dialog.height, table->height);
    EXPECT_EQ(dialog.menu, "");
    EXPECT_EQ(dialog.className, "");
    EXPECT_EQ(dialog.caption, table->caption);
    EXPECT_EQ(dialog.pointSize, table->pointSize);
    EXPECT_EQ(dialog.fontName, table->fontName);

    ASSERT_EQ(dialog.controls.size(), static_cast<std::size_t>(table->controlCount));
    for (int i = 0; i < table->controlCount; ++i) {
      const ControlTemplate& want = table->controls[i];
      const ParsedControl& got = dialog.controls[static_cast<std::size_t>(i)];
      SCOPED_TRACE("control " + std::to_string(i) + " (" + want.text + ")");
      EXPECT_EQ(got.id, want.id);
      // windres stores a class named by string in upper case; the names
      // compare without case, as the window manager compares them.
      EXPECT_STRCASEEQ(got.className.c_str(), want.className);
      EXPECT_EQ(got.text, want.text);
      EXPECT_EQ(got.x, want.x);
      EXPECT_EQ(got.y, want.y);
      EXPECT_EQ(got.width, want.width);
      EXPECT_EQ(got.height, want.height);
      EXPECT_EQ(got.style, want.style) << std::hex << got.style << " vs " << want.style;
      EXPECT_EQ(got.exStyle, 0U);
    }
  }
}

// A dialog made for real from the module's resources.
struct RealDialog {
  explicit RealDialog(HWND created) : window(created) {}
  ~RealDialog() {
    if (window != nullptr) DestroyWindow(window);
  }
  RealDialog(const RealDialog&) = delete;
  RealDialog& operator=(const RealDialog&) = delete;

  std::vector<HWND> children() const {
    std::vector<HWND> found;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
      found.push_back(child);
    return found;
  }

  // Where the dialog manager puts a rectangle given in dialog units: origin
  // and size are scaled each on its own, so an edge can lie one pixel beyond
  // the scaled far corner.
  RECT dialogUnits(int x, int y, int width, int height) const {
    RECT scaled{x, y, width, height};
    MapDialogRect(window, &scaled);
    return {scaled.left, scaled.top, scaled.left + scaled.right,
            scaled.top + scaled.bottom};
  }

  HWND window;
};

std::string className(HWND window) {
  wchar_t name[64];
  const int length = GetClassNameW(window, name, 64);
  return toCp932(name, length);
}

std::string windowText(HWND window) {
  wchar_t text[64];
  const int length = GetWindowTextW(window, text, 64);
  return toCp932(text, length);
}

// What a control makes of its template style when it is created: an edit box
// trades WS_BORDER for the sunken WS_EX_CLIENTEDGE.
DWORD createdStyle(const ControlTemplate& control) {
  if (std::strcmp(control.className, "Edit") == 0) return control.style & ~WS_BORDER;
  return control.style;
}

DWORD createdExStyle(const ControlTemplate& control) {
  if (std::strcmp(control.className, "Edit") == 0 && (control.style & WS_BORDER) != 0)
    return WS_EX_CLIENTEDGE;
  return 0;
}

// A classic template stores ids as 16 bits, so its "no id" -1 reads back as
// 0xFFFF; the extended template keeps all 32.
int createdId(const DialogTemplate& dialog, const ControlTemplate& control) {
  return dialog.extended ? control.id : static_cast<WORD>(control.id);
}

std::string describe(const RECT& rect) {
  char text[96];
  std::snprintf(text, sizeof text, "(%ld, %ld)-(%ld, %ld), %ld x %ld", rect.left,
                rect.top, rect.right, rect.bottom, rect.right - rect.left,
                rect.bottom - rect.top);
  return text;
}

TEST_F(DialogResources, CreatedDialogsHaveTheTabledChildrenInOrder) {
  for (const DialogTemplate* table :
       {&kPanelDialogTemplate, &kJointValueDialogTemplate}) {
    SCOPED_TRACE("dialog " + std::to_string(table->id));
    RealDialog dialog(create(*table));
    ASSERT_NE(dialog.window, nullptr) << GetLastError();
    EXPECT_EQ(windowText(dialog.window), table->caption);
    EXPECT_EQ(
        static_cast<DWORD>(GetWindowLongW(dialog.window, GWL_EXSTYLE)) & WS_EX_TOOLWINDOW,
        table->exStyle & WS_EX_TOOLWINDOW);

    const std::vector<HWND> children = dialog.children();
    ASSERT_EQ(children.size(), static_cast<std::size_t>(table->controlCount));
    for (int i = 0; i < table->controlCount; ++i) {
      const ControlTemplate& want = table->controls[i];
      HWND child = children[static_cast<std::size_t>(i)];
      SCOPED_TRACE("control " + std::to_string(i) + " (" + want.text + ")");
      EXPECT_EQ(className(child), want.className);
      EXPECT_EQ(GetDlgCtrlID(child), createdId(*table, want));
      EXPECT_EQ(windowText(child), want.text);
      const DWORD style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
      EXPECT_EQ(style, createdStyle(want)) << std::hex << style;
      const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE));
      EXPECT_EQ(exStyle, createdExStyle(want) | WS_EX_NOPARENTNOTIFY)
          << std::hex << exStyle;

      // The dialog manager places each control at its dialog units scaled by
      // the dialog's own base units.
      RECT placed;
      GetWindowRect(child, &placed);
      MapWindowPoints(nullptr, dialog.window, reinterpret_cast<POINT*>(&placed), 2);
      const RECT expected = dialog.dialogUnits(want.x, want.y, want.width, want.height);
      EXPECT_EQ(describe(placed), describe(expected));
    }
  }
}

TEST_F(DialogResources, PanelSlidersAreRealTrackbarsThatKeepASelection) {
  RealDialog panel(create(kPanelDialogTemplate));
  ASSERT_NE(panel.window, nullptr);
  for (int id : {1001, 1002, 1003, 1004}) {
    HWND slider = GetDlgItem(panel.window, id);
    ASSERT_NE(slider, nullptr) << id;
    EXPECT_EQ(className(slider), TRACKBAR_CLASSA);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(-360, 360));
    SendMessageW(slider, TBM_SETSEL, TRUE, MAKELPARAM(-360, 360));
    EXPECT_EQ(SendMessageW(slider, TBM_GETSELSTART, 0, 0), -360) << id;
    EXPECT_EQ(SendMessageW(slider, TBM_GETSELEND, 0, 0), 360) << id;
  }
}

// The face the font mapper chose for the dialog's font, for the record: the
// base units follow from it, and so from the fonts the machine has.
std::string chosenFace(HWND dialog) {
  HDC dc = GetDC(dialog);
  HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
  wchar_t face[LF_FACESIZE];
  const int length = GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  return toCp932(face, length > 0 ? length - 1 : 0);
}

// The pixel sizes the headless model has to reproduce: the client area is the
// template's size at the dialog's own base units, the frame adds the dialog
// frame on every side and the caption (the small one for a tool window) on
// top, and DS_CENTER centres the panel in the work area.
TEST_F(DialogResources, DialogsArePlacedAndSizedFromTheirTemplates) {
  for (const DialogTemplate* table :
       {&kPanelDialogTemplate, &kJointValueDialogTemplate}) {
    SCOPED_TRACE("dialog " + std::to_string(table->id));
    RealDialog dialog(create(*table));
    ASSERT_NE(dialog.window, nullptr);
    RECT window, client;
    GetWindowRect(dialog.window, &window);
    GetClientRect(dialog.window, &client);
    EXPECT_EQ(describe(client),
              describe(dialog.dialogUnits(0, 0, table->width, table->height)));

    const int caption = GetSystemMetrics(
        (table->exStyle & WS_EX_TOOLWINDOW) != 0 ? SM_CYSMCAPTION : SM_CYCAPTION);
    const LONG width = client.right + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const LONG height = client.bottom + caption + 2 * GetSystemMetrics(SM_CYDLGFRAME);
    EXPECT_EQ(window.right - window.left, width);
    EXPECT_EQ(window.bottom - window.top, height);

    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(dialog.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    if ((table->style & DS_CENTER) != 0) {
      EXPECT_EQ(window.left, area.left + (area.right - area.left - width) / 2);
      EXPECT_EQ(window.top, area.top + (area.bottom - area.top - height) / 2);
    } else {
      EXPECT_EQ(window.left, area.left + table->x);
      EXPECT_EQ(window.top, area.top + table->y);
    }

    const RECT units = dialog.dialogUnits(0, 0, 4, 8);
    std::printf(
        "dialog %d: window %s, client %s, 4 x 8 dialog units = %ld x %ld pixels, face "
        "%s\n",
        table->id, describe(window).c_str(), describe(client).c_str(), units.right,
        units.bottom, chosenFace(dialog.window).c_str());
  }
}

}  // namespace
}  // namespace jolvent

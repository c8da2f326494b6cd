// The controls' own models: what a trackbar, an edit box, a button and a
// static answer, and the notifications each sends its dialog.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "window_system/headless_window_system.h"
#include "window_system/trackbar.h"

namespace jolvent {

namespace {
bool sameClass(const std::string& name, const char* other) {
  const std::size_t length = std::strlen(other);
  if (name.size() != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) !=
        std::tolower(static_cast<unsigned char>(other[i]))) {
      return false;
    }
  }
  return true;
}

// Check boxes and radio buttons keep a check state; push buttons do not.
bool checkable(DWORD style) {
  switch (style & BS_TYPEMASK) {
    case 0x2:  // BS_CHECKBOX
    case 0x3:  // BS_AUTOCHECKBOX
    case 0x4:  // BS_RADIOBUTTON
    case 0x5:  // BS_3STATE
    case 0x6:  // BS_AUTO3STATE
    case 0x9:  // BS_AUTORADIOBUTTON
      return true;
    default:
      return false;
  }
}

// A position held inside the range, as the trackbar holds it.
void clampPosition(HeadlessWindowSystem::Trackbar& trackbar) {
  trackbar.position = std::clamp(trackbar.position, trackbar.minimum,
                                 std::max(trackbar.minimum, trackbar.maximum));
}

// Until a page size is asked for, it follows the range: a fifth of it.
void rangeChanged(HeadlessWindowSystem::Trackbar& trackbar) {
  clampPosition(trackbar);
  if (trackbar.pageSizeSet) return;
  trackbar.pageSize = (trackbar.maximum - trackbar.minimum) / 5;
  if (trackbar.pageSize == 0) trackbar.pageSize = 1;
}
}  // namespace

LRESULT HeadlessWindowSystem::controlMessage(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  const Window* window = find(control);
  if (window == nullptr) return 0;
  ++activity_;
  if (sameClass(window->className, "msctls_trackbar32")) {
    return trackbarMessage(control, message, wParam, lParam);
  }
  if (sameClass(window->className, "Edit")) {
    return editMessage(control, message, wParam, lParam);
  }
  if (sameClass(window->className, "Button")) {
    return buttonMessage(control, message, wParam, lParam);
  }
  return textMessage(control, message, wParam, lParam);
}

LRESULT HeadlessWindowSystem::textMessage(HWND handle, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  Window* window = find(handle);
  if (window == nullptr) return 0;
  switch (message) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      window->text = text == nullptr ? "" : text;
      return 1;
    }
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lParam);
      if (buffer == nullptr || wParam == 0) return 0;
      const std::size_t copied = std::min<std::size_t>(window->text.size(), wParam - 1);
      std::memcpy(buffer, window->text.data(), copied);
      buffer[copied] = '\0';
      return static_cast<LRESULT>(copied);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    default:
      return 0;
  }
}

void HeadlessWindowSystem::notifyParent(HWND control, int code) {
  const Window* window = find(control);
  if (window == nullptr) return;
  callProc(window->parent, WM_COMMAND,
           MAKEWPARAM(static_cast<unsigned>(window->id), static_cast<unsigned>(code)),
           reinterpret_cast<LPARAM>(control));
}

LRESULT HeadlessWindowSystem::editMessage(HWND control, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      // A single-line box notifies whether or not the text changed, and
      // whether or not it has the focus; the limit is for typing only.
      textMessage(control, message, wParam, lParam);
      notifyParent(control, EN_UPDATE);
      notifyParent(control, EN_CHANGE);
      return 1;
    case EM_LIMITTEXT:
      find(control)->textLimit =
          wParam == 0 ? 0x7FFFFFFEU : static_cast<unsigned>(wParam);
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(find(control)->textLimit);
    default:
      return textMessage(control, message, wParam, lParam);
  }
}

LRESULT HeadlessWindowSystem::buttonMessage(HWND control, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  Window& button = *find(control);
  switch (message) {
    case BM_SETCHECK:
      if (checkable(button.style)) button.check = static_cast<LRESULT>(wParam);
      return 0;
    case BM_GETCHECK:
      return checkable(button.style) ? button.check : BST_UNCHECKED;
    case BM_CLICK:
      if (!button.enabled) return 0;
      if ((button.style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        button.check = button.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
      }
      notifyParent(control, BN_CLICKED);
      return 0;
    default:
      return textMessage(control, message, wParam, lParam);
  }
}

void HeadlessWindowSystem::trackbarNotify(HWND control, int code) {
  const Window* window = find(control);
  if (window == nullptr) return;
  callProc(window->parent, WM_HSCROLL, static_cast<WPARAM>(code),
           reinterpret_cast<LPARAM>(control));
}

LRESULT HeadlessWindowSystem::trackbarMessage(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  Window& window = *find(control);
  Trackbar& trackbar = window.trackbar;
  const bool selection = (window.style & TBS_ENABLESELRANGE) != 0;
  const auto number = static_cast<int>(static_cast<LONG>(lParam));
  switch (message) {
    case TBM_GETPOS:
      return trackbar.position;
    case TBM_GETRANGEMIN:
      return trackbar.minimum;
    case TBM_GETRANGEMAX:
      return trackbar.maximum;
    case TBM_SETRANGE:
      trackbar.minimum = trackbarRangeMinimum(lParam);
      trackbar.maximum = trackbarRangeMaximum(lParam);
      rangeChanged(trackbar);
      return 0;
    case TBM_SETRANGEMIN:
      trackbar.minimum = number;
      rangeChanged(trackbar);
      return 0;
    case TBM_SETRANGEMAX:
      trackbar.maximum = number;
      rangeChanged(trackbar);
      return 0;
    case TBM_SETPOS:
      trackbar.position = number;
      clampPosition(trackbar);
      return 0;
    case TBM_SETSEL:
      if (!selection) return 0;
      trackbar.selectionStart = std::max(trackbarRangeMinimum(lParam), trackbar.minimum);
      trackbar.selectionEnd = std::min(trackbarRangeMaximum(lParam), trackbar.maximum);
      return 0;
    case TBM_SETSELSTART:
      if (selection) trackbar.selectionStart = std::max(number, trackbar.minimum);
      return 0;
    case TBM_SETSELEND:
      if (selection) trackbar.selectionEnd = std::min(number, trackbar.maximum);
      return 0;
    case TBM_GETSELSTART:
      return trackbar.selectionStart;
    case TBM_GETSELEND:
      return trackbar.selectionEnd;
    case TBM_SETTIC:
      if (number < trackbar.minimum || number > trackbar.maximum) return 0;
      trackbar.tics.push_back(number);
      return 1;
    case TBM_CLEARTICS:
      trackbar.tics.clear();
      return 0;
    case TBM_GETTIC: {
      // The tics set, the ends not among them, in the order Wine's trackbar
      // keeps them: ascending as unsigned numbers, so negative ones come
      // last. -1 past the last.
      std::vector<int> tics = trackbar.tics;
      std::sort(tics.begin(), tics.end(), [](int a, int b) {
        return static_cast<unsigned>(a) < static_cast<unsigned>(b);
      });
      return wParam < tics.size() ? tics[wParam] : -1;
    }
    case TBM_GETNUMTICS:
      // The two ends count as tics.
      if ((window.style & TBS_NOTICKS) != 0) return 0;
      return static_cast<LRESULT>(trackbar.tics.size() + 2);
    case TBM_SETPAGESIZE: {
      const int previous = trackbar.pageSize;
      trackbar.pageSizeSet = number != -1;
      trackbar.pageSize = trackbar.pageSizeSet ? number : 20;
      return previous;
    }
    case TBM_GETPAGESIZE:
      return trackbar.pageSize;
    case TBM_SETLINESIZE: {
      const int previous = trackbar.lineSize;
      trackbar.lineSize = number;
      return previous;
    }
    case TBM_GETLINESIZE:
      return trackbar.lineSize;
    case WM_KEYDOWN: {
      // Keys step the thumb and report the step; at the end of the range the
      // key does nothing.
      const int before = trackbar.position;
      int code = -1;
      switch (static_cast<int>(wParam)) {
        case VK_LEFT:
        case VK_UP:
          trackbar.position -= trackbar.lineSize;
          code = TB_LINEUP;
          break;
        case VK_RIGHT:
        case VK_DOWN:
          trackbar.position += trackbar.lineSize;
          code = TB_LINEDOWN;
          break;
        case VK_PRIOR:
          trackbar.position -= trackbar.pageSize;
          code = TB_PAGEUP;
          break;
        case VK_NEXT:
          trackbar.position += trackbar.pageSize;
          code = TB_PAGEDOWN;
          break;
        case VK_HOME:
          trackbar.position = trackbar.minimum;
          code = TB_TOP;
          break;
        case VK_END:
          trackbar.position = trackbar.maximum;
          code = TB_BOTTOM;
          break;
        default:
          return 0;
      }
      clampPosition(trackbar);
      if (trackbar.position != before) trackbarNotify(control, code);
      return 0;
    }
    case WM_KEYUP:
      switch (static_cast<int>(wParam)) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
          trackbarNotify(control, TB_ENDTRACK);
          break;
        default:
          break;
      }
      return 0;
    default:
      return textMessage(control, message, wParam, lParam);
  }
}

}  // namespace jolvent

// The drawn frame. Caption buttons are tracked by hand: a press captures the mouse, and the
// button acts on release only when the pointer is still over it, as system buttons do.
#include "ui/Frame_win.h"

#include <array>

#include "base/Dpi_win.h"
#include "base/Gdi_win.h"
#include "ui/CaptionTips_win.h"
#include "ui/WindowText_win.h"
#include "ui/resource.h"

namespace tesserin::ui {
namespace {

struct FrameMetrics {
  int caption;      // height of the caption bar, top border included
  int border;       // left, right and bottom border
  int buttonWidth;  // each caption button; as high as the caption bar
};

FrameMetrics FrameMetricsFor(UINT dpi) {
  return {Scale(30, dpi), Scale(1, dpi) < 1 ? 1 : Scale(1, dpi), Scale(36, dpi)};
}

// Right to left: close, minimise, tray.
constexpr std::array<CaptionButton, 3> kButtons = {CaptionButton::Close, CaptionButton::Minimise,
                                                   CaptionButton::Tray};

RECT WindowBox(HWND form) {
  RECT r;
  GetWindowRect(form, &r);
  return r;
}

// A button's rectangle relative to the window's top-left corner.
RECT ButtonBox(HWND form, UINT dpi, CaptionButton button) {
  const FrameMetrics m = FrameMetricsFor(dpi);
  const RECT w = WindowBox(form);
  int right = (w.right - w.left) - m.border;
  for (CaptionButton b : kButtons) {
    if (b == button) return {right - m.buttonWidth, 0, right, m.caption};
    right -= m.buttonWidth;
  }
  return {};
}

CaptionButton ButtonAt(HWND form, UINT dpi, POINT screen) {
  const RECT w = WindowBox(form);
  const POINT p{screen.x - w.left, screen.y - w.top};
  for (CaptionButton b : kButtons) {
    RECT r = ButtonBox(form, dpi, b);
    if (PtInRect(&r, p)) return b;
  }
  return CaptionButton::None;
}

COLORREF Mix(COLORREF a, COLORREF b, int percentOfB) {
  auto ch = [&](int shift) {
    int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return static_cast<COLORREF>((x * (100 - percentOfB) + y * percentOfB) / 100) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

void FillBox(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void DrawGlyph(HDC dc, CaptionButton button, const RECT& r, COLORREF colour, UINT dpi) {
  UniquePen pen(CreatePen(PS_SOLID, Scale(1, dpi), colour));
  ScopedSelect select(dc, pen.get());
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2, h = Scale(5, dpi);
  auto line = [dc](int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
  };
  switch (button) {
    case CaptionButton::Close:
      line(cx - h, cy - h, cx + h + 1, cy + h + 1);
      line(cx - h, cy + h, cx + h + 1, cy - h - 1);
      break;
    case CaptionButton::Minimise:
      line(cx - h, cy, cx + h + 1, cy);
      break;
    case CaptionButton::Tray:  // an arrow down onto a tray
      line(cx - h, cy + h, cx + h + 1, cy + h);
      line(cx, cy - h, cx, cy + h / 2 + 1);
      line(cx - h / 2 - 1, cy - 1, cx, cy + h / 2);
      line(cx + h / 2 + 1, cy - 1, cx, cy + h / 2);
      break;
    case CaptionButton::None:
      break;
  }
}

void Paint(HWND form, const FrameLook& look, const FrameState& frame) {
  const UINT dpi = look.dpi;
  const FrameMetrics m = FrameMetricsFor(dpi);
  const RECT w = WindowBox(form);
  const RECT all{0, 0, w.right - w.left, w.bottom - w.top};
  ScopedDC dc(form, true);
  ExcludeClipRect(dc, m.border, m.caption, all.right - m.border, all.bottom - m.border);

  const COLORREF bar = GetSysColor(frame.active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  const COLORREF ink = GetSysColor(frame.active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
  FillBox(dc, all, bar);

  const int iconSize = Scale(16, dpi);
  const int iconLeft = m.border + Scale(7, dpi);
  if (HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TESSERIN),
                                                 IMAGE_ICON, iconSize, iconSize, LR_SHARED)))
    DrawIconEx(dc, iconLeft, (m.caption - iconSize) / 2, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);

  RECT title{iconLeft + iconSize + Scale(7, dpi), 0, ButtonBox(form, dpi, kButtons.back()).left, m.caption};
  std::wstring text = WindowText(form);
  ScopedSelect font(dc, look.titleFont);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &title,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);

  for (CaptionButton b : kButtons) {
    RECT r = ButtonBox(form, dpi, b);
    const bool down = frame.pressed == b && frame.hot == b;
    const bool hot = frame.hot == b && (frame.pressed == CaptionButton::None || down);
    COLORREF glyph = ink;
    if (b == CaptionButton::Close && hot) {
      FillBox(dc, r, down ? RGB(241, 112, 122) : RGB(232, 17, 35));
      glyph = RGB(255, 255, 255);
    } else if (hot) {
      FillBox(dc, r, Mix(bar, ink, down ? 30 : 15));
    }
    DrawGlyph(dc, b, r, glyph, dpi);
  }
}

const wchar_t* TipOf(CaptionButton button) {
  switch (button) {
    case CaptionButton::Tray: return L"最小化到托盘";
    case CaptionButton::Minimise: return L"最小化";
    case CaptionButton::Close: return L"关闭";
    case CaptionButton::None: break;
  }
  return L"";
}

void SetHot(HWND form, const FrameLook& look, FrameState& frame, CaptionButton hot) {
  if (frame.hot == hot) return;
  frame.hot = hot;
  if (hot != CaptionButton::None && frame.pressed == CaptionButton::None)
    ShowCaptionTip(form, TipOf(hot), CaptionButtonRect(form, look.dpi, hot));
  else
    HideCaptionTip();
  Paint(form, look, frame);
}

void Act(HWND form, CaptionButton button) {
  switch (button) {
    case CaptionButton::Tray: SendMessageW(form, WM_SYSCOMMAND, kSysCommandTray, 0); break;
    case CaptionButton::Minimise: SendMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case CaptionButton::Close: SendMessageW(form, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case CaptionButton::None: break;
  }
}

POINT ScreenPoint(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT HitTest(HWND form, UINT dpi, POINT screen) {
  const FrameMetrics m = FrameMetricsFor(dpi);
  const RECT w = WindowBox(form);
  const POINT p{screen.x - w.left, screen.y - w.top};
  if (p.x < 0 || p.y < 0 || p.x >= w.right - w.left || p.y >= w.bottom - w.top) return HTNOWHERE;
  if (p.x >= m.border && p.x < w.right - w.left - m.border && p.y >= m.caption &&
      p.y < w.bottom - w.top - m.border)
    return HTCLIENT;
  switch (ButtonAt(form, dpi, screen)) {
    case CaptionButton::Close: return HTCLOSE;
    case CaptionButton::Minimise: return HTMINBUTTON;
    case CaptionButton::Tray: return HTBORDER;  // no system code fits; the frame tracks it itself
    case CaptionButton::None: break;
  }
  return p.y < m.caption ? HTCAPTION : HTBORDER;
}

}  // namespace

SIZE WindowSizeFor(SIZE client, UINT dpi) {
  const FrameMetrics m = FrameMetricsFor(dpi);
  return {client.cx + 2 * m.border, client.cy + m.caption + m.border};
}

RECT CaptionButtonRect(HWND form, UINT dpi, CaptionButton button) {
  RECT r = ButtonBox(form, dpi, button);
  const RECT w = WindowBox(form);
  OffsetRect(&r, w.left, w.top);
  return r;
}

void InstallFrame(HWND form) {
  HMENU menu = GetSystemMenu(form, FALSE);
  if (!menu) return;
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  InsertMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, kSysCommandTray, L"最小化到托盘(&T)");
}

bool HandleFrameMessage(HWND form, const FrameLook& look, FrameState& frame, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_NCCALCSIZE: {
      const FrameMetrics m = FrameMetricsFor(look.dpi);
      RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];  // same place for both forms
      r.left += m.border;
      r.right -= m.border;
      r.top += m.caption;
      r.bottom -= m.border;
      return true;
    }
    case WM_NCPAINT:
      Paint(form, look, frame);
      return true;
    case WM_NCACTIVATE:
      frame.active = wParam != FALSE;
      Paint(form, look, frame);
      result = TRUE;
      return true;
    case WM_SETTEXT:
      result = DefDlgProcW(form, message, wParam, lParam);
      Paint(form, look, frame);
      return true;
    case WM_NCHITTEST:
      result = HitTest(form, look.dpi, ScreenPoint(lParam));
      return true;
    case WM_NCMOUSEMOVE: {
      if (!frame.trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, form, 0};
        frame.trackingLeave = TrackMouseEvent(&track) != FALSE;
      }
      CaptionButton b = ButtonAt(form, look.dpi, ScreenPoint(lParam));
      SetHot(form, look, frame, b);
      return b != CaptionButton::None;
    }
    case WM_NCMOUSELEAVE:
      frame.trackingLeave = false;
      if (frame.pressed == CaptionButton::None) SetHot(form, look, frame, CaptionButton::None);
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      CaptionButton b = ButtonAt(form, look.dpi, ScreenPoint(lParam));
      if (b == CaptionButton::None) return false;  // caption drag and the rest: the system's
      HideCaptionTip();
      frame.pressed = frame.hot = b;
      SetCapture(form);
      Paint(form, look, frame);
      return true;
    }
    case WM_MOUSEMOVE:
      if (frame.pressed == CaptionButton::None) return false;
      {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(form, &p);
        SetHot(form, look, frame, ButtonAt(form, look.dpi, p) == frame.pressed ? frame.pressed : CaptionButton::None);
      }
      return true;
    case WM_LBUTTONUP:
      if (frame.pressed == CaptionButton::None) return false;
      {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(form, &p);
        const CaptionButton b = frame.pressed;
        ReleaseCapture();  // clears the pressed state through WM_CAPTURECHANGED
        frame.hot = CaptionButton::None;
        Paint(form, look, frame);
        if (ButtonAt(form, look.dpi, p) == b) Act(form, b);
      }
      return true;
    case WM_CAPTURECHANGED:
      if (frame.pressed != CaptionButton::None) {
        frame.pressed = CaptionButton::None;
        Paint(form, look, frame);
      }
      return false;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MAXIMIZE:
        case SC_SIZE:
          return true;  // a fixed layout: never maximised or resized
        default:
          return false;
      }
    case WM_DESTROY:
      frame = FrameState{};
      ForgetCaptionTip();
      return false;
    default:
      return false;
  }
}

}  // namespace tesserin::ui

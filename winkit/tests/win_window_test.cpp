// The window, dialog and subclass bases and the control builder on real
// windows: messages reach the derived handlers, `this` lives exactly from
// creation to WM_NCDESTROY, controls land at their twips places.
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "winkit/frame_window.h"
#include "winkit/program.h"
#include "winkit/subclass.h"
#include "winkit/text.h"
#include "winkit/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace winkit {
namespace {

class Recorder : public Window {
public:
  bool Create(HWND parent = nullptr) {
    static const WindowClass kClass{L"WinkitTestRecorder"};
    return CreateWin(kClass, 0, parent ? WS_CHILD : WS_OVERLAPPEDWINDOW, L"recorder", 0, 0, 200, 100, parent,
                     nullptr) != nullptr;
  }
  std::vector<UINT> seen;
  HWND handleAtCreate = nullptr;

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_NCCREATE) handleAtCreate = Handle();
    if (msg == WM_APP || msg == WM_NCCREATE || msg == WM_NCDESTROY || msg == WM_DESTROY) seen.push_back(msg);
    if (msg == WM_APP) return 42;
    return Default(msg, wp, lp);
  }
};

TEST(WinkitWindow, MessagesReachTheObjectFromCreationToFinalDestroy) {
  Recorder a, b;
  ASSERT_TRUE(a.Create());
  ASSERT_TRUE(b.Create()); // the class is registered once, used twice
  EXPECT_EQ(a.handleAtCreate, a.Handle());
  EXPECT_EQ(Window::FromHandle<Recorder>(a.Handle()), &a);
  EXPECT_EQ(Window::FromHandle<Recorder>(b.Handle()), &b);
  EXPECT_EQ(SendMessageW(a.Handle(), WM_APP, 0, 0), 42);

  const HWND gone = a.Handle();
  DestroyWindow(gone);
  EXPECT_EQ(a.Handle(), nullptr);
  EXPECT_EQ(a.seen, (std::vector<UINT>{WM_NCCREATE, WM_APP, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_EQ(Window::FromHandle<Recorder>(gone), nullptr);
  EXPECT_TRUE(b.seen.size() == 1 && IsWindow(b.Handle())); // the other one is untouched
}

// A custom control made only for its window lives exactly as long as it.
class Owned : public Window {
public:
  explicit Owned(bool& deleted) : deleted_(deleted) {}
  ~Owned() override { deleted_ = true; }
  HWND Create(HWND parent) {
    static const WindowClass kClass{L"WinkitTestOwned"};
    return CreateWin(kClass, 0, WS_CHILD, L"", 0, 0, 10, 10, parent, nullptr);
  }

private:
  bool& deleted_;
};

TEST(WinkitWindow, AnObjectOwnedByItsWindowIsDeletedAfterTheLastMessage) {
  Recorder parent;
  ASSERT_TRUE(parent.Create());
  bool deleted = false;
  const HWND child = CreateOwnedByWindow(std::make_unique<Owned>(deleted), parent.Handle());
  ASSERT_NE(child, nullptr);
  EXPECT_NE(Window::FromHandle<Owned>(child), nullptr);
  EXPECT_FALSE(deleted);
  DestroyWindow(child);
  EXPECT_TRUE(deleted);

  // Without a parent a child window cannot be made: the object goes at once.
  deleted = false;
  EXPECT_EQ(CreateOwnedByWindow(std::make_unique<Owned>(deleted), static_cast<HWND>(nullptr)), nullptr);
  EXPECT_TRUE(deleted);
}

TEST(WinkitWindow, FromHandleKnowsOnlyItsOwnWindows) {
  HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(button, GWLP_USERDATA, 0x1234); // user data of a foreign window is not ours
  EXPECT_EQ(Window::FromHandle<Recorder>(button), nullptr);
  EXPECT_EQ(Window::FromHandle<Recorder>(nullptr), nullptr);
  DestroyWindow(button);
}

TEST(WinkitWindow, DestroyingTheObjectDestroysItsWindowWithoutCallingBack) {
  HWND hwnd = nullptr;
  {
    Recorder r;
    ASSERT_TRUE(r.Create());
    hwnd = r.Handle();
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

class SizedDialog : public Dialog {
public:
  INT_PTR Show(HWND owner) { return ShowModal(owner); }
  RECT client{};
  std::vector<UINT> order;

private:
  INT_PTR OnMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg == WM_INITDIALOG) {
      order.push_back(msg);
      SizeClient(1440, 720);
      GetClientRect(Handle(), &client);
      PostMessageW(Handle(), WM_APP, 0, 0);
      return TRUE;
    }
    if (msg == WM_APP) {
      order.push_back(msg);
      End(77);
      return TRUE;
    }
    return FALSE;
  }
};

TEST(WinkitDialog, InitFirstClientInTwipsResultFromEnd) {
  Recorder owner;
  ASSERT_TRUE(owner.Create());
  SizedDialog dialog;
  EXPECT_EQ(dialog.Show(owner.Handle()), 77);
  EXPECT_EQ(dialog.order, (std::vector<UINT>{WM_INITDIALOG, WM_APP}));
  // An inch wide, half an inch high, at the dialog's pixels per inch.
  const Dpi dpi = WindowDpi(owner.Handle());
  EXPECT_EQ(dialog.client.right - dialog.client.left, dpi.x);
  EXPECT_EQ(dialog.client.bottom - dialog.client.top, dpi.y / 2);
}

// A dialog that handles nothing but its start: Esc and the title-bar close
// reach the base's default, which ends a modal dialog with IDCANCEL.
class PlainDialog : public Dialog {
public:
  INT_PTR Show(HWND owner) { return ShowModal(owner); }
  UINT close = 0; // what arrives first: a key press or a system command

private:
  INT_PTR OnMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg != WM_INITDIALOG) return FALSE;
    if (close == WM_KEYDOWN) {
      PostMessageW(Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageW(Handle(), WM_KEYUP, VK_ESCAPE, 0);
    } else {
      PostMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return TRUE;
  }
};

TEST(WinkitDialog, EscAndTheCloseBoxEndAModalDialogWithCancel) {
  Recorder owner;
  ASSERT_TRUE(owner.Create());
  for (const UINT close : {UINT{WM_KEYDOWN}, UINT{WM_SYSCOMMAND}}) {
    SCOPED_TRACE(close);
    PlainDialog dialog;
    dialog.close = close;
    EXPECT_EQ(dialog.Show(owner.Handle()), IDCANCEL);
  }
}

WNDPROC g_previous = nullptr;
std::vector<std::string> g_calls;

LRESULT CALLBACK Previous(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) {
    g_calls.push_back("previous");
    return 5;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return ForwardGuarded(g_previous, hwnd, msg, wp, lp, [&] {
    if (msg == WM_APP) g_calls.push_back("subclass");
  });
}

TEST(WinkitSubclass, OwnWorkFirstThenThePreviousProcedure) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Previous;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "WinkitTestSubclassed";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                           nullptr);
  g_previous = SubclassWindow(w, Subclassed);
  ASSERT_NE(g_previous, nullptr);
  EXPECT_EQ(SendMessageA(w, WM_APP, 0, 0), 5); // the previous procedure's answer
  EXPECT_EQ(g_calls, (std::vector<std::string>{"subclass", "previous"}));
  RestoreWindowProc(w, g_previous);
  g_calls.clear();
  SendMessageA(w, WM_APP, 0, 0);
  EXPECT_EQ(g_calls, std::vector<std::string>{"previous"});
  DestroyWindow(w);
}

std::wstring ClassOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

class Host : public Window {
public:
  bool Create() {
    static const WindowClass kClass{L"WinkitTestHost"};
    return CreateWin(kClass, 0, WS_OVERLAPPEDWINDOW, L"host", 0, 0, 600, 400, nullptr, nullptr) != nullptr;
  }
  std::vector<int> commands;

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_COMMAND) commands.push_back(LOWORD(wp));
    return Default(msg, wp, lp);
  }
};

TEST(WinkitControls, ContainersBeforeContentsAtTheirTwipsPlaces) {
  Host host;
  ASSERT_TRUE(host.Create());
  const Dpi dpi{96, 96};
  const ControlSpec table[] = {
      {10, ControlKind::Frame, 0, {150, 150, 3000, 1500}, 0},
      {11, ControlKind::Button, 10, {150, 300, 1200, 450}, BS_PUSHBUTTON},
      {20, ControlKind::GroupBox, 0, {3300, 150, 1500, 1500}, 0},
      {21, ControlKind::Option, 20, {150, 300, 1200, 300}, BS_AUTORADIOBUTTON},
      {30, ControlKind::Label, 0, {0, 3000, 1500, 300}, SS_CENTER},
      {31, ControlKind::Edit, 0, {0, 3300, 1500, 300}, ES_AUTOHSCROLL},
      {40, ControlKind::Custom, 10, {1500, 300, 1200, 450}, 0},
  };
  int customCalls = 0;
  const auto handles = BuildControls(host.Handle(), table, dpi, [&](const ControlSpec& row, HWND parent, const RECT& px) {
    ++customCalls;
    EXPECT_EQ(row.id, 40);
    return CreateWindowExW(0, L"STATIC", L"custom", WS_CHILD, px.left, px.top, px.right - px.left,
                           px.bottom - px.top, parent, reinterpret_cast<HMENU>(INT_PTR{40}), nullptr, nullptr);
  });
  ASSERT_EQ(handles.size(), std::size(table));
  EXPECT_EQ(customCalls, 1);

  // Inside the frame: a child of it, relative to its client area.
  EXPECT_EQ(GetParent(handles[1]), handles[0]);
  EXPECT_EQ(winkit::RectInParent(handles[1]).left, 10);
  EXPECT_EQ(winkit::RectInParent(handles[1]).top, 20);
  EXPECT_EQ(GetParent(handles[6]), handles[0]);
  // Inside the group box: its sibling, offset by its place.
  EXPECT_EQ(GetParent(handles[3]), host.Handle());
  EXPECT_EQ(winkit::RectInParent(handles[3]).left, 230); // (3300 + 150) twips
  EXPECT_EQ(winkit::RectInParent(handles[3]).top, 30);
  EXPECT_EQ(winkit::RectInParent(handles[3]).right, 310);

  EXPECT_EQ(ClassOf(handles[2]), L"Button");
  EXPECT_EQ(GetWindowLongW(handles[2], GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(GetWindowLongW(handles[3], GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
  EXPECT_EQ(ClassOf(handles[4]), L"Static");
  EXPECT_TRUE(GetWindowLongW(handles[4], GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(ClassOf(handles[5]), L"Edit");
  EXPECT_TRUE(GetWindowLongW(handles[5], GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetDlgCtrlID(handles[5]), 31);

  // A click inside the frame reaches the top-level window.
  SendMessageW(handles[1], BM_CLICK, 0, 0);
  EXPECT_EQ(host.commands, std::vector<int>{11});
  EXPECT_EQ(FrameBorderStyle(handles[0]), 1);
  SetFrameBorderStyle(handles[0], 0);
  EXPECT_EQ(FrameBorderStyle(handles[0]), 0);
  EXPECT_EQ(FrameBorderStyle(handles[1]), 0); // no frame
}

TEST(WinkitControls, AContainerThatIsNoEarlierRowFailsTheBuild) {
  Host host;
  ASSERT_TRUE(host.Create());
  const ControlSpec table[] = {
      {11, ControlKind::Button, 10, {0, 0, 100, 100}, 0},
      {10, ControlKind::Frame, 0, {0, 0, 1000, 1000}, 0},
  };
  EXPECT_TRUE(BuildControls(host.Handle(), table, Dpi{}).empty());
  const ControlSpec custom[] = {{12, ControlKind::Custom, 0, {0, 0, 100, 100}, 0}};
  EXPECT_TRUE(BuildControls(host.Handle(), custom, Dpi{}).empty()); // no function to make it
}

TEST(WinkitControls, HelpersEnableShowCaptionAndCheckAControl) {
  Host host;
  ASSERT_TRUE(host.Create());
  const ControlSpec table[] = {{20, ControlKind::Button, 0, {0, 0, 1000, 300}, BS_AUTOCHECKBOX}};
  const std::vector<HWND> made = BuildControls(host.Handle(), table, Dpi{});
  ASSERT_EQ(made.size(), 1u);
  const HWND box = made[0];

  Enable(box, false);
  EXPECT_FALSE(IsWindowEnabled(box));
  Enable(box, true);
  EXPECT_TRUE(IsWindowEnabled(box));
  Show(box, false);
  EXPECT_FALSE(GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE);
  Show(box, true);
  EXPECT_TRUE(GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE);

  SetUtf8Text(box, "\xE8\xA8\xAD\xE5\xAE\x9A"); // 設定: UTF-8 reaches the screen as UTF-16
  EXPECT_EQ(WindowText(box), L"\u8A2D\u5B9A");
  SetAnsiText(box, "Exit");
  EXPECT_EQ(WindowText(box), L"Exit");
  SetText(box, L"START");
  EXPECT_EQ(WindowText(box), L"START");

  SetChecked(box, true);
  EXPECT_TRUE(IsChecked(box));
  SetChecked(box, false);
  EXPECT_FALSE(IsChecked(box));
}

TEST(WinkitControls, AFrameKeepsTheFontItIsGivenAsAStandardControlDoes) {
  Host host;
  ASSERT_TRUE(host.Create());
  const ControlSpec table[] = {{30, ControlKind::Frame, 0, {0, 0, 1000, 1000}, 0}};
  const std::vector<HWND> made = BuildControls(host.Handle(), table, Dpi{});
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(SendMessageW(made[0], WM_GETFONT, 0, 0), 0);
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SetFont(made[0], font);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(made[0], WM_GETFONT, 0, 0)), font);
}

// A second window of the program that holds controls (the statistics, the
// run archive) gets Tab and Esc from the loop as the main window does; one
// that does not say so is left alone.
TEST(WinkitProgram, TheLoopGivesKeysToEveryWindowThatHoldsControls) {
  for (const bool holdsControls : {true, false}) {
    const HWND other = CreateWindowExW(holdsControls ? WS_EX_CONTROLPARENT : 0, L"STATIC", L"other",
                                       WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr,
                                       nullptr);
    ASSERT_TRUE(other);
    const auto button = [&](int id, int top) {
      return CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 10, top, 80, 30,
                             other, reinterpret_cast<HMENU>(INT_PTR{id}), nullptr, nullptr);
    };
    const HWND first = button(1, 10), second = button(2, 50);
    SetFocus(first);
    PostMessageW(first, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageW(first, WM_KEYUP, VK_TAB, 0xC00F0001);
    PostQuitMessage(0);
    RunMessageLoop(nullptr);
    EXPECT_EQ(GetFocus(), holdsControls ? second : first) << (holdsControls ? "holds controls" : "holds none");
    DestroyWindow(other);
  }
}

TEST(WinkitProgram, TheMessageLoopServesUntilQuitAndReturnsItsCode) {
  Recorder window;
  ASSERT_TRUE(window.Create());
  PostMessageW(window.Handle(), WM_APP, 0, 0);
  PostQuitMessage(5);
  EXPECT_EQ(RunMessageLoop(window.Handle()), 5);
  EXPECT_EQ(window.seen.back(), static_cast<UINT>(WM_APP)); // served before the quit
  // The program's start runs inside the guard; its exit code comes back.
  EXPECT_EQ(RunProgram(L"winkit test", [] { return 3; }), 3);
}

} // namespace
} // namespace winkit

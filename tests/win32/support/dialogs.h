#pragma once

#include <chrono>
#include <functional>
#include <thread>

#include <windows.h>

namespace zbw::test {

// Polls from a thread that pumps no messages of the program (a watcher thread) until the
// condition holds or the time is up; true when it held.
bool PollUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(5));

// The first visible dialog (#32770) that the thread shows, found within the time limit; null
// when none came up.
HWND WaitForDialog(DWORD threadId, std::chrono::milliseconds limit = std::chrono::seconds(5));

// The icon shown by a dialog's visible icon control, or null. Like WindowText and StaticTexts
// (child_process.h), it reads across threads: the dialog's thread answers from its modal loop.
HICON ShownIcon(HWND dialog);

// Presses a dialog button the way a click would, without waiting for the dialog to act on it.
void PressDialogButton(HWND dialog, int buttonId);

// Runs the action on a thread of its own with the first dialog that the given thread shows, so
// that a test can act while that thread sits in the dialog's modal loop. The action does not run
// when no dialog comes up in time. Joins the thread when it goes.
class DialogWatcher {
  public:
    DialogWatcher(DWORD threadId, std::function<void(HWND dialog)> action);
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher();

  private:
    std::thread thread_;
};

} // namespace zbw::test

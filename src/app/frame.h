#pragma once

#include "app/event_record.h"

#include <span>

#include <windows.h>

namespace zbw {

struct WindowDefinition;
class Form;

using EndRoutine = void (*)();

// One-time start-up: OLE, the executable's folder as the current directory, and a check of the
// window definitions the program will load (a malformed one stops the program).
void InitFrame(std::span<const WindowDefinition* const> definitions);

void SetEndRoutine(EndRoutine routine);

// Builds a window with its controls, raises Created, PositionChanged and SizeChanged, then shows
// it. False when the window or one of its controls cannot be created.
bool LoadWindow(const WindowDefinition& definition);

// Dispatches messages until the quit request, which is posted when the last window is gone.
void RunMessageLoop();

// True when a bound handler ran. Nothing runs while events are held.
bool RaiseEvent(EventRecord& record);

// End-of-program clean-up: holds events, forgets the windows, calls the end routine once,
// releases the frame's own resources.
void ExitFrame(int exitCode);

// The frame's records, for the control model and the services that act on the program's windows.
Form* FindLoadedWindow(HWND handle);
std::span<Form* const> LoadedWindows();
void ForgetWindow(Form& form);

// One step of the message loop: offers the message to the keyboard handling of the window it is
// addressed to, found up through its parents, and dispatches it unless that consumed it.
void DispatchLoopMessage(const MSG& message);

// Raises the event hold for good; FatalStop and ExitFrame use it.
void HoldEventsForGood();

} // namespace zbw

#include "app/frame.h"

#include "app/fatal_stop.h"
#include "core/program_texts.h"
#include "ui/form.h"
#include "ui/window_classes.h"
#include "ui/window_definition.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <ole2.h>

namespace zbw {
namespace {

// The frame's state: one instance per process, kept until the process ends.
struct FrameState {
    std::int32_t eventHold = 0;
    bool loopEntered = false;
    EndRoutine endRoutine = nullptr;
    std::vector<std::unique_ptr<Form>> loadedWindows;
    std::vector<Form*> loadedWindowViews;
    std::uint32_t nextWindowIdentifier = 1;
    bool oleInitialised = false;
    std::string executableFolder;
    std::string executableName;
};

FrameState frame;

void RefreshViews() {
    frame.loadedWindowViews.clear();
    for (const auto& form : frame.loadedWindows) {
        frame.loadedWindowViews.push_back(form.get());
    }
}

Form* FindWindowByIdentifier(std::uint32_t identifier) {
    for (const auto& form : frame.loadedWindows) {
        if (form->WindowIdentifier() == identifier) {
            return form.get();
        }
    }
    return nullptr;
}

bool EventIndexExists(ControlKind kind, std::int32_t eventIndex) {
    switch (kind) {
    case ControlKind::Window:
        return eventIndex >= 0 && eventIndex <= events::kTrayEvent;
    case ControlKind::Button:
    case ControlKind::RadioBox:
        return eventIndex == events::kClicked;
    case ControlKind::Timer:
        return eventIndex == events::kTick;
    default:
        return false;
    }
}

bool BindingsValid(const ControlDefinition& control) {
    return std::all_of(
        control.events.begin(), control.events.end(), [&](const EventBinding& binding) {
            return binding.handler != nullptr && EventIndexExists(control.kind, binding.eventIndex);
        });
}

bool DefinitionValid(const WindowDefinition& definition) {
    if (definition.window.kind != ControlKind::Window || !BindingsValid(definition.window)) {
        return false;
    }
    for (auto control = definition.controls.begin(); control != definition.controls.end();
         ++control) {
        const bool nameTaken =
            std::any_of(definition.controls.begin(), control, [&](const ControlDefinition& other) {
                return other.name == control->name;
            });
        if (control->kind == ControlKind::Window || control->name.empty() || nameTaken ||
            !BindingsValid(*control)) {
            return false;
        }
    }
    return true;
}

// Dispatches what waits in the queue, leaving a waiting quit request where it is.
void DispatchWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            break;
        }
        DispatchLoopMessage(message);
    }
}

} // namespace

void InitFrame(std::span<const WindowDefinition* const> definitions) {
    if (!frame.oleInitialised) {
        frame.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
    }
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string_view fullPath(path, length);
    const std::size_t slash = fullPath.rfind('\\');
    if (slash != std::string_view::npos) {
        frame.executableFolder.assign(fullPath.substr(0, slash + 1));
        frame.executableName.assign(fullPath.substr(slash + 1));
        SetCurrentDirectoryA(frame.executableFolder.c_str());
    }
    RegisterWindowClasses(); // a class that is missing makes LoadWindow fail, which is reported
    for (const WindowDefinition* definition : definitions) {
        if (definition == nullptr || !DefinitionValid(*definition)) {
            FatalStop(texts::kLoadWindowTemplateFailed, 0);
        }
    }
}

void SetEndRoutine(EndRoutine routine) {
    frame.endRoutine = routine;
}

bool LoadWindow(const WindowDefinition& definition) {
    DispatchWaitingMessages();
    ++frame.eventHold;
    const std::uint32_t identifier = frame.nextWindowIdentifier++;
    std::unique_ptr<Form> built = Form::Build(definition, identifier);
    if (!built) {
        frame.eventHold = std::max(frame.eventHold - 1, 0);
        return false;
    }
    Form& form = *built;
    frame.loadedWindows.push_back(std::move(built));
    RefreshViews();
    form.ShowControls();
    DispatchWaitingMessages();
    frame.eventHold = std::max(frame.eventHold - 1, 0);

    for (const std::int32_t event :
         {events::kCreated, events::kPositionChanged, events::kSizeChanged}) {
        EventRecord record{identifier, kWindowItself, event};
        RaiseEvent(record);
        if (FindWindowByIdentifier(identifier) == nullptr) {
            return true; // a handler destroyed the window
        }
    }
    form.ShowLoaded();
    return true;
}

void RunMessageLoop() {
    frame.loopEntered = true;
    if (frame.loadedWindows.empty()) {
        return;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchLoopMessage(message);
    }
}

bool RaiseEvent(EventRecord& record) {
    if (frame.eventHold > 0) {
        return false;
    }
    Form* window = FindWindowByIdentifier(record.window);
    if (window == nullptr) {
        FatalStop(texts::kEventWindowNotFound, 0);
    }
    Control* control = window->FindControl(record.control);
    if (control == nullptr) {
        FatalStop(texts::kEventControlNotFound, 0);
    }
    if (!control->RaisesEvents()) {
        FatalStop(texts::kEventControlInvalid, 0);
    }
    for (const EventBinding& binding : control->Definition().events) {
        if (binding.eventIndex == record.eventIndex) {
            binding.handler(*window, record);
            return true;
        }
    }
    return false;
}

void ExitFrame(int /*exitCode*/) {
    HoldEventsForGood();
    auto windows = std::move(frame.loadedWindows);
    frame.loadedWindows.clear();
    RefreshViews();
    windows.clear();
    if (frame.endRoutine != nullptr) {
        const EndRoutine routine = frame.endRoutine;
        frame.endRoutine = nullptr;
        routine();
    }
    UnregisterWindowClasses();
    if (frame.oleInitialised) {
        OleUninitialize();
        frame.oleInitialised = false;
    }
}

Form* FindLoadedWindow(HWND handle) {
    for (const auto& form : frame.loadedWindows) {
        if (form->Handle() == handle) {
            return form.get();
        }
    }
    return nullptr;
}

std::span<Form* const> LoadedWindows() {
    return frame.loadedWindowViews;
}

void ForgetWindow(Form& form) {
    const auto record =
        std::find_if(frame.loadedWindows.begin(), frame.loadedWindows.end(),
                     [&](const std::unique_ptr<Form>& loaded) { return loaded.get() == &form; });
    if (record == frame.loadedWindows.end()) {
        return;
    }
    std::unique_ptr<Form> forgotten = std::move(*record);
    frame.loadedWindows.erase(record);
    RefreshViews();
    forgotten.reset();
    if (frame.loadedWindows.empty() && frame.loopEntered) {
        PostQuitMessage(0);
    }
}

void DispatchLoopMessage(const MSG& message) {
    for (HWND window = message.hwnd; window != nullptr; window = GetParent(window)) {
        if (Form* form = FindLoadedWindow(window)) {
            if (form->PreTranslate(message)) {
                return;
            }
            break;
        }
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void HoldEventsForGood() {
    ++frame.eventHold;
}

} // namespace zbw

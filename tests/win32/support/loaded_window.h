#pragma once

#include "app/event_record.h"
#include "ui/form.h"
#include "ui/window_definition.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace zbw::test {

// Which control raised an event ("" for the window itself) and which event it was.
struct RecordedEvent {
    std::string control;
    std::int32_t eventIndex = 0;
};

// A handler that only records its event, for definitions whose handlers a test replaces.
void RecordEvent(Form& window, EventRecord& event);
std::vector<RecordedEvent>& RecordedEvents();
std::size_t CountRecorded(std::string_view control, std::int32_t eventIndex);

// A copy of a window definition in which every bound event runs RecordEvent instead of its
// handler: the window is built exactly as the program builds it, and nothing else happens.
class RecordingDefinition {
  public:
    explicit RecordingDefinition(const WindowDefinition& original);
    RecordingDefinition(const RecordingDefinition&) = delete;
    RecordingDefinition& operator=(const RecordingDefinition&) = delete;

    const WindowDefinition& Get() const { return definition_; }

  private:
    std::vector<std::vector<EventBinding>> bindings_; // window first, then the controls
    std::vector<ControlDefinition> controls_;
    WindowDefinition definition_;
};

// Loads a window as the frame does (events, then shown) and destroys it at the end of the test
// unless the test closed it.
class LoadedWindow {
  public:
    explicit LoadedWindow(const WindowDefinition& definition);
    LoadedWindow(const LoadedWindow&) = delete;
    LoadedWindow& operator=(const LoadedWindow&) = delete;
    ~LoadedWindow();

    // Null once the window has been destroyed.
    Form* Get() const;
    Form& operator*() const { return *Get(); }
    Form* operator->() const { return Get(); }
    Control& operator[](std::string_view name) const { return (*Get())[name]; }
    HWND Handle() const { return Get()->Handle(); }

  private:
    std::uint32_t identifier_ = 0;
};

} // namespace zbw::test

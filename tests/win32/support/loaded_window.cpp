#include "support/loaded_window.h"

#include "app/frame.h"
#include "support/message_pump.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace zbw::test {

void RecordEvent(Form& window, EventRecord& event) {
    const Control* control = window.FindControl(event.control);
    RecordedEvents().push_back(
        {control != nullptr ? std::string(control->Name()) : std::string(), event.eventIndex});
}

std::vector<RecordedEvent>& RecordedEvents() {
    static std::vector<RecordedEvent> events;
    return events;
}

std::size_t CountRecorded(std::string_view control, std::int32_t eventIndex) {
    return static_cast<std::size_t>(std::count_if(
        RecordedEvents().begin(), RecordedEvents().end(), [&](const RecordedEvent& event) {
            return event.control == control && event.eventIndex == eventIndex;
        }));
}

namespace {

std::vector<EventBinding> Recording(std::span<const EventBinding> original) {
    std::vector<EventBinding> bindings;
    for (const EventBinding& binding : original) {
        bindings.push_back({binding.eventIndex, &RecordEvent});
    }
    return bindings;
}

} // namespace

RecordingDefinition::RecordingDefinition(const WindowDefinition& original)
    : controls_(original.controls.begin(), original.controls.end()), definition_(original) {
    bindings_.push_back(Recording(original.window.events));
    for (const ControlDefinition& control : original.controls) {
        bindings_.push_back(Recording(control.events));
    }
    definition_.window.events = bindings_.front();
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        controls_[index].events = bindings_[index + 1];
    }
    definition_.controls = controls_;
}

LoadedWindow::LoadedWindow(const WindowDefinition& definition) {
    RecordedEvents().clear();
    EXPECT_TRUE(LoadWindow(definition));
    const auto windows = LoadedWindows();
    if (!windows.empty()) {
        identifier_ = windows.back()->WindowIdentifier();
    }
}

LoadedWindow::~LoadedWindow() {
    if (Form* form = Get()) {
        DestroyWindow(form->Handle());
    }
    PumpMessages();
}

Form* LoadedWindow::Get() const {
    for (Form* form : LoadedWindows()) {
        if (form->WindowIdentifier() == identifier_) {
            return form;
        }
    }
    return nullptr;
}

} // namespace zbw::test

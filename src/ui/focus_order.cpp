#include "ui/focus_order.h"

#include <algorithm>

namespace zbw {

List<Control*> FocusOrder(std::span<const std::unique_ptr<Control>> controls) {
    List<Control*> order;
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
        const Control& candidate = **control;
        if (candidate.Definition().inFocusOrder &&
            ReadProperty(candidate, IntegerProperty::Visible) == 1 &&
            ReadProperty(candidate, IntegerProperty::Disabled) == 0) {
            order.push_back(control->get());
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->Definition().focusOrder < b->Definition().focusOrder;
    });
    return order;
}

Control* StepThrough(std::span<Control* const> order, const Control* from, int steps) {
    if (order.empty()) {
        return nullptr;
    }
    const auto count = static_cast<int>(order.size());
    const auto found = std::find(order.begin(), order.end(), from);
    if (found == order.end()) {
        return steps >= 0 ? order.front() : order.back();
    }
    const auto position = static_cast<int>(found - order.begin());
    return order[static_cast<std::size_t>(((position + steps) % count + count) % count)];
}

} // namespace zbw

#pragma once

#include "core/list.h"
#include "ui/control.h"

#include <memory>
#include <span>

namespace zbw {

// The controls that take part in the focus order now: visible, enabled and marked in their
// definition; sorted by focus-order number, equal numbers in reverse definition order.
List<Control*> FocusOrder(std::span<const std::unique_ptr<Control>> controls);

// The control `steps` places after `from` in the order (before it when negative), wrapping around.
// From a control outside the order, forward steps start at the first and backward steps at the
// last. Null when the order is empty.
Control* StepThrough(std::span<Control* const> order, const Control* from, int steps);

} // namespace zbw

#include "ui/properties.h"

#include "ui/control.h"

namespace zbw {
namespace {

bool IsBool(IntegerProperty property) {
    return property == IntegerProperty::Visible || property == IntegerProperty::Disabled ||
           property == IntegerProperty::Checked;
}

} // namespace

std::int32_t ReadProperty(const Control& control, IntegerProperty property) {
    const std::int32_t value = control.ReadInteger(property);
    return IsBool(property) ? (value != 0 ? 1 : 0) : value;
}

TextValue ReadProperty(const Control& control, TextProperty property) {
    return control.ReadText(property);
}

ByteString ReadProperty(const Control& control, ByteStringProperty property) {
    return control.ReadBytes(property);
}

void WriteProperty(Control& control, IntegerProperty property, std::int32_t value) {
    control.WriteInteger(property, IsBool(property) ? (value != 0 ? 1 : 0) : value);
}

void WriteProperty(Control& control, TextProperty property, std::string_view text) {
    control.WriteText(property, text);
}

void SelectEntryByText(Control& control, std::string_view text) {
    control.SelectEntryByText(text);
}

} // namespace zbw

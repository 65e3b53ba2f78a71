#include "radio/radio_text.h"

#include <cmath>
#include <limits>

#include "platform/win32.h"

bool write_element_text(ELEMENT_STRING& element, const char* text) {
    if (element.string == nullptr) return false;
    lstrcpyA(element.string, text);
    return true;
}

SINT32 truncate_to_int(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lowest = static_cast<double>(std::numeric_limits<SINT32>::min());
    constexpr double highest = static_cast<double>(std::numeric_limits<SINT32>::max());
    if (value <= lowest) return std::numeric_limits<SINT32>::min();
    if (value >= highest) return std::numeric_limits<SINT32>::max();
    return static_cast<SINT32>(value);
}

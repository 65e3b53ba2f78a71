#include "radio/radio_text.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "platform/win32.h"

bool write_element_text(ELEMENT_STRING& element, const char* text) {
    if (element.string == nullptr) return false;
    const std::size_t field = element.char_count;
    if (std::strlen(text) <= field) {
        lstrcpyA(element.string, text);
    } else {
        // Cutting would show a wrong value; a full field of '*' says the
        // value does not fit, as the readouts do.
        std::memset(element.string, '*', field);
        element.string[field] = '\0';
    }
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

// The fixed-point texts of the two floating readouts ("%6.1f", "%5.2f"),
// formed without the C library's formatter, which costs several times
// more than the rest of a readout's frame.
#pragma once

#include <cstddef>

// Writes x with `decimals` digits after the point (1 or 2), right-aligned
// in `width` characters, exactly as printf's "%*.*f" writes it: rounded to
// nearest on the exact binary value, ties to even, a minus sign for every
// negative value (-0.04 gives "-0.0"). Returns the text's length, or -1
// where x is not finite or so large (2^31 or more) that its text is wider
// than any readout's field; then nothing is written. `out` holds at least
// `room` bytes; a text that does not fit with its zero returns -1 as well.
int fixed_point_text(char* out, std::size_t room, double x, int width, int decimals);

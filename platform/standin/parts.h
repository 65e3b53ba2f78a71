// The parts of the Win32 stand-in, each with the state it keeps between
// calls. standin::reset() calls every part's reset function.
#pragma once

namespace standin {

// Forgets the library folder; libraries still loaded stay loaded and
// counted.
void reset_libraries();

}  // namespace standin

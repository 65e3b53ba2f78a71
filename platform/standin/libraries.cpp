// Outside libraries loaded by name (LoadLibraryA and its companions) keep
// no state in this build yet, so there is nothing to forget.
#include "platform/standin/parts.h"

namespace standin {

void reset_libraries() {}

}  // namespace standin

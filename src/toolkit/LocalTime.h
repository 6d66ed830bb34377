// The computer's clock as the program reads it.
#pragma once
#include "common/DateTime.h"

namespace tk {

// The local wall-clock time as a date value.
TDateTime LocalNow();

}  // namespace tk

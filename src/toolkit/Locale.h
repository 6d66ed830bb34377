// The user's locale settings as the date formats of the program need them.
#pragma once
#include "common/FormatSettings.h"

namespace tk {

// Read from the user's default locale at the moment of the call: short and
// long date, long time ("tt") and short time ("t") pictures converted to the
// pattern language, the separators, the AM/PM texts and the day and month
// names. A setting the system does not give keeps its US English default.
FormatSettings ReadUserFormatSettings();

}  // namespace tk

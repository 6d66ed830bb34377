#include "toolkit/LocalTime.h"

#include <windows.h>

namespace tk {

TDateTime LocalNow() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return ComposeDateTime(EncodeDate(st.wYear, st.wMonth, st.wDay),
                           EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds));
}

}  // namespace tk

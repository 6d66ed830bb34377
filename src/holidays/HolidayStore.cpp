#include "holidays/HolidayStore.h"

#include "common/DateFormat.h"
#include "common/StoreAccess.h"

std::wstring HolidayKeyPath(TDateTime date, const FormatSettings& settings) {
    return RegistryRoot + L"Holidays\\" + FormatDateTime(L"yyyy\\m/d", date, settings);
}

std::wstring HolidayOf(Store& store, TDateTime date, const FormatSettings& settings) {
    return store.ReadString(HolidayKeyPath(date, settings), L"");
}

#pragma once
// Unix timestamps and Beijing time (UTC+8 all year: China has had no daylight saving since 1991,
// and the fixed offset is what servers there use).
//
// A timestamp (optional "-", digits) becomes a date: up to 11 digits count as seconds and give
// "yyyy-MM-dd HH:mm:ss"; 12 or more count as milliseconds and give "yyyy-MM-dd HH:mm:ss.SSS".
// A date "yyyy-MM-dd[ HH:mm[:ss[.SSS]]]" ("/" for "-" and "T" for the blank also taken) becomes
// two lines: the seconds, CR LF, the milliseconds. Years 1 to 9999.

#include <cstdint>
#include <string_view>

#include "encode/Outcome.h"

namespace jsdebug::encode {

Outcome timestampOrDate(std::string_view text);

// Milliseconds since 1970-01-01 00:00:00 UTC as a Beijing date "yyyy-MM-dd HH:mm:ss.SSS".
std::string beijingDate(std::int64_t milliseconds);

}  // namespace jsdebug::encode

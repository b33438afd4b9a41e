#include "encode/Timestamp.h"

#include <cstdio>
#include <string>

namespace jsdebug::encode {
namespace {

constexpr std::int64_t kOffsetMs = 8 * 3600 * 1000;
constexpr std::int64_t kDayMs = 86400 * 1000;

// Days since 1970-01-01 of a proleptic Gregorian date, and back: eras of 400 years, each of
// 146097 days, with the year taken to begin on 1 March so the leap day comes last.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(std::int64_t days, std::int64_t& y, int& m, int& d) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  d = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = yearOfEra + era * 400 + (m <= 2);
}

int daysInMonth(std::int64_t y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : kDays[m - 1];
}

// The earliest and latest moments that have a four-digit year.
const std::int64_t kFirstMs = daysFromCivil(1, 1, 1) * kDayMs - kOffsetMs;
const std::int64_t kLastMs = daysFromCivil(10000, 1, 1) * kDayMs - kOffsetMs - 1;

Outcome notATime() {
  return Outcome::failure(
      "not a timestamp or a date: expected digits (seconds, or milliseconds from 12 digits on) "
      "or yyyy-MM-dd HH:mm:ss[.SSS]",
      "不是时间戳也不是日期：时间戳为数字（秒，12 位及以上为毫秒），日期为 yyyy-MM-dd HH:mm:ss[.SSS]");
}

Outcome outOfRange() {
  return Outcome::failure("the time is outside the years 1 to 9999",
                          "时间超出了公元 1 年到 9999 年的范围");
}

class Reader {
 public:
  explicit Reader(std::string_view s) : s_(s) {}
  // Reads between min and max digits.
  bool number(int min, int max, int& value) {
    int count = 0;
    value = 0;
    while (count < max && at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') {
      value = value * 10 + (s_[at_++] - '0');
      ++count;
    }
    return count >= min;
  }
  bool take(std::string_view options) {
    if (at_ < s_.size() && options.find(s_[at_]) != std::string_view::npos) {
      ++at_;
      return true;
    }
    return false;
  }
  bool done() const { return at_ >= s_.size(); }

 private:
  std::string_view s_;
  std::size_t at_ = 0;
};

Outcome dateToTimestamp(std::string_view text) {
  Reader r(text);
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  if (!r.number(4, 4, y) || !r.take("-/") || !r.number(1, 2, mo) || !r.take("-/") ||
      !r.number(1, 2, d))
    return notATime();
  if (r.take(" T")) {
    if (!r.number(1, 2, h) || !r.take(":") || !r.number(1, 2, mi)) return notATime();
    if (r.take(":")) {
      if (!r.number(1, 2, s)) return notATime();
      if (r.take(".")) {
        if (!r.number(3, 3, ms)) return notATime();
      }
    }
  }
  if (!r.done()) return notATime();
  if (y < 1 || mo < 1 || mo > 12 || d < 1 || d > daysInMonth(y, mo) || h > 23 || mi > 59 || s > 59)
    return Outcome::failure("no such date or time: " + std::string(text),
                            "没有这个日期或时间：" + std::string(text));
  const std::int64_t total =
      daysFromCivil(y, mo, d) * kDayMs + ((h * 60 + mi) * 60 + s) * 1000LL + ms - kOffsetMs;
  // Seconds rounded down, as a timestamp of that moment is.
  const std::int64_t seconds = total >= 0 ? total / 1000 : -((-total + 999) / 1000);
  return Outcome::success(std::to_string(seconds) + "\r\n" + std::to_string(total));
}

}  // namespace

std::string beijingDate(std::int64_t milliseconds) {
  const std::int64_t local = milliseconds + kOffsetMs;
  std::int64_t days = local / kDayMs;
  std::int64_t rest = local % kDayMs;
  if (rest < 0) {
    rest += kDayMs;
    --days;
  }
  std::int64_t y = 0;
  int m = 0, d = 0;
  civilFromDays(days, y, m, d);
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04lld-%02d-%02d %02d:%02d:%02d.%03d",
                static_cast<long long>(y), m, d, static_cast<int>(rest / 3600000),
                static_cast<int>(rest / 60000 % 60), static_cast<int>(rest / 1000 % 60),
                static_cast<int>(rest % 1000));
  return buffer;
}

Outcome timestampOrDate(std::string_view text) {
  // Blanks around a value copied from a log or a JSON text do not count.
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' || text.front() == '\n'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
    return dateToTimestamp(text);
  if (digits.size() > 16) return outOfRange();
  std::int64_t value = std::stoll(std::string(digits));
  if (negative) value = -value;
  const bool inMilliseconds = digits.size() >= 12;
  const std::int64_t ms = inMilliseconds ? value : value * 1000;
  if (ms < kFirstMs || ms > kLastMs) return outOfRange();
  std::string date = beijingDate(ms);
  if (!inMilliseconds) date.resize(date.size() - 4);
  return Outcome::success(std::move(date));
}

}  // namespace jsdebug::encode

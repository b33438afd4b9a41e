#pragma once
// The text v8.dll hands back after a script error, and the only place that knows its shape: the
// library writes it, the bridge writes it for a buffer it cannot allocate, the V8 run and the
// jsfuck decoder read it. A successful result is the value's text and holds neither marker.

#include <string>
#include <string_view>

#include "text/Text.h"

namespace jsdebug::v8report {

// The line label starts the report; the message label is what marks a text as a failure.
inline constexpr std::string_view kLineLabel = "错误所在行:\r\n";
inline constexpr std::string_view kMessageLabel = "错误信息:\r\n";
inline constexpr std::string_view kFailureMarker = "错误信息";
// Present in every full report, missing only from the shortened forms a buffer too small for a
// full one receives.
inline constexpr std::string_view kLineMarker = "错误所在行";

// "错误所在行:\r\n<line>\r\n错误信息:\r\n<message>\r\n".
inline std::string errorReport(std::string_view line, std::string_view message) {
  std::string report(kLineLabel);
  report.append(line).append("\r\n").append(kMessageLabel).append(message).append("\r\n");
  return report;
}

// The report without its line, for a buffer too short to hold the full form.
inline std::string messageOnly(std::string_view message) {
  std::string report(kMessageLabel);
  return report.append(message).append("\r\n");
}

// What the V8 run takes for a failure: the marker anywhere, a value that happens to spell it
// included.
inline bool isFailure(std::string_view result) { return text::findText(result, kFailureMarker) > 0; }

// The line and the message, each up to its CR LF; empty when its label is missing.
inline std::string reportedLine(std::string_view report) {
  return text::TextBetween(report, kLineLabel, "\r\n");
}
inline std::string reportedMessage(std::string_view report) {
  return text::TextBetween(report, kMessageLabel, "\r\n");
}

}  // namespace jsdebug::v8report

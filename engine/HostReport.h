#pragma once
// The five-line report a script host error becomes, and the only place that knows its labels:
// the engine writes it, loading and running read the line back from it, and loading picks the
// undefined name out of its description.

#include <string>
#include <string_view>

#include "text/Text.h"

namespace jsdebug::engine::hostreport {

inline constexpr std::string_view kNumberLabel = "错误代码：  ";
inline constexpr std::string_view kDescriptionLabel = "\r\n错误说明：  ";
inline constexpr std::string_view kStatementLabel = "\r\n错误语句：  ";
inline constexpr std::string_view kLineLabel = "错误所在行：  ";
inline constexpr std::string_view kColumnLabel = "\r\n错误所在行的位置：  ";
// What marks a text as a report; the column label holds it too.
inline constexpr std::string_view kFailureMarker = "错误所在行";

// No line break at the end; the brackets 【】 around the description are part of the form.
inline std::string errorReport(std::string_view number, std::string_view source,
                               std::string_view description, std::string_view statement,
                               std::string_view line, std::string_view column) {
  std::string report(kNumberLabel);
  report.append(number).append(kDescriptionLabel).append(source).append(" 【").append(description);
  report.append("】").append(kStatementLabel).append(statement).append("\r\n").append(kLineLabel);
  report.append(line).append(kColumnLabel).append(column);
  return report;
}

inline bool isFailure(std::string_view report) {
  return text::findText(report, kFailureMarker) > 0;
}

// The value on the report's fourth line.
inline std::string reportedLine(std::string_view report) {
  return text::TextBetween(report, kLineLabel, "\r\n");
}

// A description such as "'x' 未定义" names what the script reached for.
inline bool mentionsUndefined(std::string_view text) { return text::findText(text, "未定义】") > 0; }
// The first quoted name after a bracket; empty when there is none.
inline std::string undefinedName(std::string_view text) { return text::TextBetween(text, "【'", "'"); }

}  // namespace jsdebug::engine::hostreport

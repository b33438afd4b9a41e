#pragma once
// GBK bytes to and from Qt's strings: every widget, dialog and clipboard edge converts here,
// through the one codec.

#include <QString>

#include <string>
#include <string_view>

#include "text/Codec.h"

namespace jsdebug::editor {

inline QString toQt(std::string_view gbk) { return QString::fromStdU16String(gbk::toUtf16(gbk)); }

inline std::string fromQt(const QString& text) {
  return gbk::fromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            static_cast<std::size_t>(text.size())));
}

}  // namespace jsdebug::editor

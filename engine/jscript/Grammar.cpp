#include "engine/jscript/Grammar.h"

namespace jsdebug::engine::jscript {

CheckedSource checkSource(std::string_view gbkText, SourceKind /*kind*/) {
  CheckedSource checked;
  checked.ok = true;
  checked.code = std::string(gbkText);
  return checked;
}

}  // namespace jsdebug::engine::jscript

#pragma once
// The JScript 5.7 library on a Duktape heap: what JScript lacks removed, its own objects added
// (ScriptEngine, ActiveXObject, Enumerator, VBArray, RegExp.$1...), and the library functions
// whose results differ (parseInt, substr, split, sort, toFixed, Date's texts...) made to answer
// as JScript does. Every script host gets it, so scripts meet here what the Windows host has.

#include "duktape.h"

namespace jsdebug::engine::jscript {

// Shapes a freshly created heap. The Duktape object leaves the global object; C code still
// finds it in the heap stash under "Duktape".
void installProfile(duk_context* ctx);

}  // namespace jsdebug::engine::jscript

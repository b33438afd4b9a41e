# Turns one script file into a C++ source defining it as a constant, at build time, so the
# readable .js in the repository is what the program carries, byte for byte.
# Usage: cmake -DINPUT=x.js -DOUTPUT=x.cpp -DNAME=kSomeScript -P EmbedScript.cmake
# [-DHEADER=dir/Decl.h -DNAMESPACE=a::b] when the constant is declared elsewhere than here.
if(NOT HEADER)
  set(HEADER transform/CarriedScripts.h)
endif()
if(NOT NAMESPACE)
  set(NAMESPACE jsdebug::transform)
endif()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
# A byte array rather than a string literal: no delimiter, escape or execution character set can
# alter the text. The array is named for the constant, so generated files can share a unit in a
# unity build.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} at build time; edit the script, not this file.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace {\n"
  "const char ${NAME}Bytes[${size} + 1] = {\n  ${bytes}'\\0'};\n"
  "}  // namespace\n\n"
  "namespace ${NAMESPACE} {\n"
  "const std::string_view ${NAME}(${NAME}Bytes, ${size});\n"
  "}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")

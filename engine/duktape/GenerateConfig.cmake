# Writes the Duktape build directory: the Debian-shipped duktape.c and duktape.h copied beside a
# duk_config.h that carries our overrides. Copying matters: duktape.h includes "duk_config.h"
# with quotes, which would otherwise find the unmodified header next to the shipped duktape.h.
#
# Inputs: DUK_SOURCE_DIR (the shipped sources), OVERRIDES (our defines), OUT_DIR.

file(READ ${DUK_SOURCE_DIR}/duk_config.h config)
file(READ ${OVERRIDES} overrides)

set(marker "/* __OVERRIDE_DEFINES__ */")
string(FIND "${config}" "${marker}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${DUK_SOURCE_DIR}/duk_config.h has no ${marker} line to take our overrides")
endif()
string(REPLACE "${marker}" "${marker}\n${overrides}" config "${config}")

file(WRITE ${OUT_DIR}/duk_config.h.tmp "${config}")
# Only touch the outputs when they change, so a rerun does not rebuild Duktape.
file(COPY_FILE ${OUT_DIR}/duk_config.h.tmp ${OUT_DIR}/duk_config.h ONLY_IF_DIFFERENT)
file(REMOVE ${OUT_DIR}/duk_config.h.tmp)
file(COPY_FILE ${DUK_SOURCE_DIR}/duktape.c ${OUT_DIR}/duktape.c ONLY_IF_DIFFERENT)
file(COPY_FILE ${DUK_SOURCE_DIR}/duktape.h ${OUT_DIR}/duktape.h ONLY_IF_DIFFERENT)

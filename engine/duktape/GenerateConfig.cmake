# Writes the Duktape build directory: the Debian-shipped duktape.c (with one patched constant)
# and duktape.h copied beside a duk_config.h that carries our overrides. Copying matters: duktape.h includes "duk_config.h"
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

# The executor looks at the clock only every so many instructions. The shipped interval
# (262,144) lets a loop whose instructions are slow natives (a large join, a sort) run minutes
# past the time limit; a shorter one costs one clock read per interval. The patch must apply:
# a Duktape update that moves the line has to be looked at, not silently lose the limit.
file(READ ${DUK_SOURCE_DIR}/duktape.c engine)
set(intctr_shipped "#define DUK_HTHREAD_INTCTR_DEFAULT (256L * 1024L)")
set(intctr_ours "#define DUK_HTHREAD_INTCTR_DEFAULT (1L * 1024L)")
string(FIND "${engine}" "${intctr_shipped}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${DUK_SOURCE_DIR}/duktape.c has no '${intctr_shipped}' line to shorten")
endif()
string(REPLACE "${intctr_shipped}" "${intctr_ours}" engine "${engine}")
file(WRITE ${OUT_DIR}/duktape.c.tmp "${engine}")
file(COPY_FILE ${OUT_DIR}/duktape.c.tmp ${OUT_DIR}/duktape.c ONLY_IF_DIFFERENT)
file(REMOVE ${OUT_DIR}/duktape.c.tmp)
file(COPY_FILE ${DUK_SOURCE_DIR}/duktape.h ${OUT_DIR}/duktape.h ONLY_IF_DIFFERENT)

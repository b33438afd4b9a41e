/* jsdebug overrides, inserted into the generated duk_config.h. */

/* A runaway script must be stoppable: Duktape asks this function on its interrupt counter
 * whether the heap's deadline has passed (the heap udata carries the deadline). */
#define DUK_USE_INTERRUPT_COUNTER
/* The check is expanded inside Duktape's executor interrupt, where `thr` is the running thread.
 * At that moment the executor's pc points at the instruction it was about to run, while the
 * error takes its line from the instruction before it in the bytecode: inside a loop that is
 * often the code before the loop, so a runaway `for (;;) {}` would be reported on the line
 * above it. Stepping the pc on by one when the deadline has passed makes the error name the
 * instruction that was about to run; nothing executes from that pc, as the error unwinds. */
/* While an error is being made the JScript error hook runs (our own, short code): stopping it
 * there would replace the timeout's error, and its line, by one without. */
/* The check also hands over the thread's countdown to the next check: the host's allocator,
 * called while a slow native runs, sets it to zero once the deadline has passed, so the
 * executor checks right after that native instead of up to an interval of slow ones later. */
#define DUK_USE_EXEC_TIMEOUT_CHECK(udata)                                                     \
  (!thr->heap->augmenting_error &&                                                           \
           jsdebug_duk_exec_timeout_check(udata, (void *) thr, &thr->interrupt_counter)       \
       ? ((thr->ptr_curr_pc != NULL ? (void) ++*thr->ptr_curr_pc : (void) 0), 1)              \
       : 0)
/* The regular-expression engine asks the same deadline every so many steps (a step is a few
 * nanoseconds, so an interval is well under a millisecond): 1 when the deadline has passed, 0
 * when it has not, 2 when the heap has no deadline (the engine's own step limit applies). */
#define JSDEBUG_REGEXP_CHECK_INTERVAL 65536
/* As in the executor's check, a regular expression run by the JScript error hook while an error
 * is being made is not stopped. */
#define JSDEBUG_REGEXP_CHECK(thr)                                                             \
  ((thr)->heap->augmenting_error                                                             \
       ? 0                                                                                   \
       : jsdebug_duk_regexp_check((thr)->heap->heap_udata, (void *) (thr), &(thr)->interrupt_counter))
#if defined(__cplusplus)
extern "C" {
#endif
int jsdebug_duk_exec_timeout_check(void *udata, void *thread, duk_int_t *countdown);
int jsdebug_duk_regexp_check(void *udata, void *thread, duk_int_t *countdown);
/* A name the script looked for on the global object and did not find (member: as a property of
 * it, else as a bare name); the text is the engine's CESU-8, not terminated. */
void jsdebug_duk_missing_name(void *udata, const char *name, duk_size_t length, int member);
#if defined(__cplusplus)
}
#endif

/* Ends the table of where each instruction's statement starts that the compiler appends to a
 * function's pc-to-line buffer (the duktape.c patch in GenerateConfig.cmake). */
#define JSDEBUG_STATEMENT_RUNS_MARKER 0x4A534453UL

/* Native recursion (accessors, toString, sort and forEach callbacks, the compiler, the regexp
 * engine) uses the C stack, and a script that recurses past it would crash the program. The
 * shipped limits need more than 8 MB under AddressSanitizer; these fit in 3 MB there (measured
 * with ulimit -s), leaving room on the 8 MB main-thread stack. JavaScript-to-JavaScript calls do
 * not use the C stack and keep the shipped callstack limit. */
#undef DUK_USE_NATIVE_CALL_RECLIMIT
#define DUK_USE_NATIVE_CALL_RECLIMIT 400
#undef DUK_USE_COMPILER_RECLIMIT
#define DUK_USE_COMPILER_RECLIMIT 1000
#undef DUK_USE_REGEXP_COMPILER_RECLIMIT
#define DUK_USE_REGEXP_COMPILER_RECLIMIT 4000
#undef DUK_USE_REGEXP_EXECUTOR_RECLIMIT
#define DUK_USE_REGEXP_EXECUTOR_RECLIMIT 4000

/* A script recursing without end must end in a stack overflow, as it does under JScript, and
 * not run until the time limit because its calls were made in place. JScript's own depth is
 * bounded by the thread's stack, about 1,800 frames for a simple function (measured in IE7,
 * the 5.7 engine); a script that needs more would fail on Windows too. */
#undef DUK_USE_TAILCALL
#undef DUK_USE_CALLSTACK_LIMIT
#define DUK_USE_CALLSTACK_LIMIT 1800

/* Closures copy the text the compiler keeps for each script function (the duktape.c patch in
 * GenerateConfig.cmake), which Function.prototype.toString returns as JScript does. */
#define DUK_USE_NONSTD_FUNC_SOURCE_PROPERTY

/* Integers kept as integers: bit operations, counters and array indices skip the double
 * conversions (a JavaScript MD5 runs a fifth faster). */
#define DUK_USE_FASTINT

/* An array that grows by push (the transformers collect their output so, a piece per token)
 * is copied whole on every growth; growing by half instead of an eighth copies it a quarter as
 * often. */
#undef DUK_USE_HOBJECT_ARRAY_MINGROW_DIVISOR
#define DUK_USE_HOBJECT_ARRAY_MINGROW_DIVISOR 2

/* The debugger (调试运行): breakpoints, stepping, the call stack, locals and evaluation in a frame,
 * spoken over in-process transport callbacks. A heap without a debugger attached runs as before:
 * the executor looks at the debugger only at its periodic check and on entering a function.
 * Throw notifications are not used by our session. */
#define DUK_USE_DEBUGGER_SUPPORT
#undef DUK_USE_DEBUGGER_THROW_NOTIFY

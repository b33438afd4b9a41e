# Writes the Duktape build directory: the Debian-shipped duktape.c (with the patches below)
# and duktape.h copied beside a duk_config.h that carries our overrides. Copying matters: duktape.h includes "duk_config.h"
# with quotes, which would otherwise find the unmodified header next to the shipped duktape.h.
#
# Inputs: DUK_SOURCE_DIR (the shipped sources), OVERRIDES (our defines), OUT_DIR.
cmake_policy(VERSION 3.20)

file(READ ${DUK_SOURCE_DIR}/duk_config.h config)
file(READ ${OVERRIDES} overrides)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/Marker.cmake)
set(marker "/* __OVERRIDE_DEFINES__ */")
jsdebug_replace_marker(config "${marker}" "${marker}\n${overrides}" ${DUK_SOURCE_DIR}/duk_config.h)

file(WRITE ${OUT_DIR}/duk_config.h.tmp "${config}")
# Only touch the outputs when they change, so a rerun does not rebuild Duktape.
file(COPY_FILE ${OUT_DIR}/duk_config.h.tmp ${OUT_DIR}/duk_config.h ONLY_IF_DIFFERENT)
file(REMOVE ${OUT_DIR}/duk_config.h.tmp)

# What the engine itself must do differently, patched into the copied duktape.c. Each patch
# names text that must occur exactly `count` times; a Duktape update that moves it stops the
# build here rather than quietly dropping the behaviour.
function(jsdebug_patch what count anchor replacement)
  set(rest "${engine}")
  set(found 0)
  string(LENGTH "${anchor}" anchor_length)
  string(FIND "${rest}" "${anchor}" at)
  while(NOT at EQUAL -1)
    math(EXPR found "${found} + 1")
    math(EXPR at "${at} + ${anchor_length}")
    string(SUBSTRING "${rest}" ${at} -1 rest)
    string(FIND "${rest}" "${anchor}" at)
  endwhile()
  if(NOT found EQUAL count)
    message(FATAL_ERROR "duktape.c patch '${what}': expected ${count} occurrence(s) of its anchor, found ${found}")
  endif()
  string(REPLACE "${anchor}" "${replacement}" patched "${engine}")
  set(engine "${patched}" PARENT_SCOPE)
endfunction()

file(READ ${DUK_SOURCE_DIR}/duktape.c engine)

# The executor looks at the clock only every so many instructions. The shipped interval
# (262,144) lets a loop whose instructions are slow natives (a large join, a sort) run minutes
# past the time limit; a shorter one costs one clock read per interval.
jsdebug_patch("interrupt interval" 1
  "#define DUK_HTHREAD_INTCTR_DEFAULT (256L * 1024L)"
  "#define DUK_HTHREAD_INTCTR_DEFAULT (1L * 1024L)")

# JScript behaviour that only the engine itself can give.

# A string has no index properties: "abc"[1] is undefined, as in JScript 5.7 (charAt reads a
# character). Primitive get, put and delete, then String objects.
jsdebug_patch("string index" 3
  "arr_idx != DUK__NO_ARRAY_INDEX && arr_idx < DUK_HSTRING_GET_CHARLEN(h))"
  "0 /* jsdebug: no string indexing */ && arr_idx < DUK_HSTRING_GET_CHARLEN(h))")
jsdebug_patch("string object index" 1
  "if (arr_idx < DUK_HSTRING_GET_CHARLEN(h_val)) {\n\t\t\t\tDUK_DDD(DUK_DDDPRINT(\"-> found, array index inside string\"));"
  "if (0 /* jsdebug: no string indexing */ && arr_idx < DUK_HSTRING_GET_CHARLEN(h_val)) {\n\t\t\t\tDUK_DDD(DUK_DDDPRINT(\"-> found, array index inside string\"));")

# for-in skips a property whose name a prototype holds as a non-enumerable one: in JScript
# {toString: 1} enumerates nothing.
jsdebug_patch("for-in shadowing" 1
  "DUK_INTERNAL void duk_hobject_enumerator_create(duk_hthread *thr, duk_small_uint_t enum_flags) {"
  "DUK_LOCAL duk_bool_t jsdebug__shadows_dontenum(duk_heap *heap, duk_hobject *obj, duk_hstring *key) {
	duk_hobject *p = DUK_HOBJECT_GET_PROTOTYPE(heap, obj);
	duk_int_t sanity = DUK_HOBJECT_PROTOTYPE_CHAIN_SANITY;
	duk_int_t e_idx, h_idx;
	while (p != NULL && sanity-- > 0) {
		if (duk_hobject_find_entry(heap, p, key, &e_idx, &h_idx)) {
			return !DUK_HOBJECT_E_SLOT_IS_ENUMERABLE(heap, p, e_idx);
		}
		p = DUK_HOBJECT_GET_PROTOTYPE(heap, p);
	}
	return 0;
}

DUK_INTERNAL void duk_hobject_enumerator_create(duk_hthread *thr, duk_small_uint_t enum_flags) {")
jsdebug_patch("for-in shadowing check" 1
  "			    !DUK_HOBJECT_E_SLOT_IS_ENUMERABLE(thr->heap, curr, i)) {
				continue;
			}"
  "			    !DUK_HOBJECT_E_SLOT_IS_ENUMERABLE(thr->heap, curr, i)) {
				continue;
			}
			if (!(enum_flags & DUK_ENUM_INCLUDE_NONENUMERABLE) && jsdebug__shadows_dontenum(thr->heap, curr, k)) {
				continue;
			}")

# Function.prototype.toString gives a script function's own text: the compiler keeps the text
# from the function keyword to the closing brace on the function, and closures copy it.
jsdebug_patch("function source" 1
  "	duk__parse_func_like_raw(comp_ctx, flags); /* pushes function template */"
  "	{
		duk_size_t jsdebug_start = comp_ctx->prev_token.start_offset;
		duk__parse_func_like_raw(comp_ctx, flags); /* pushes function template */
		if (!(flags & (DUK__FUNC_FLAG_GETSET | DUK__FUNC_FLAG_METDEF)) &&
		    jsdebug_start + 8 <= comp_ctx->prev_token.start_offset &&
		    comp_ctx->prev_token.start_offset < comp_ctx->lex.input_length &&
		    duk_memcmp((const void *) (comp_ctx->lex.input + jsdebug_start), (const void *) \"function\", 8) == 0) {
			duk_push_lstring(thr,
			                 (const char *) (comp_ctx->lex.input + jsdebug_start),
			                 comp_ctx->prev_token.start_offset + 1 - jsdebug_start);
			duk_xdef_prop_stridx_short(thr, -2, DUK_STRIDX_INT_SOURCE, DUK_PROPDESC_FLAGS_NONE);
		}
	}")

# Destroying a heap marks and sweeps it three times so that finalizers run in a well-defined
# order before everything is freed. Our heaps never get a finalizer (Duktape.fin and
# duk_set_finalizer are out of the scripts' and our code's reach), and the forced finalization
# that follows would still run any; the rounds cost a fifth of every reset.
jsdebug_patch("no finalizer rounds on destroy" 1
  "	DUK_D(DUK_DPRINT(\"forced gc #1 in heap destruction\"));
	duk_heap_mark_and_sweep(heap, 0);
	DUK_D(DUK_DPRINT(\"forced gc #2 in heap destruction\"));
	duk_heap_mark_and_sweep(heap, 0);
	DUK_D(DUK_DPRINT(\"forced gc #3 in heap destruction (don't run finalizers)\"));
	heap->pf_skip_finalizers = 1;
	duk_heap_mark_and_sweep(heap, 0); /* Skip finalizers; queue finalizable objects to heap_allocated. */"
  "	heap->pf_skip_finalizers = 1; /* jsdebug: no finalizer rounds */")

# An error made while the executor runs (a property that is no function, read by the call
# instruction, makes its error there and throws it once the arguments are evaluated) must name
# the instruction that made it. The executor keeps its pc in a local that reaches the
# activation only at calls and throws, so without this the error named the last call made
# before it, often on an earlier statement.
jsdebug_patch("error made where the executor is" 1
  [=[	duk_hobject *obj;

	DUK_ASSERT(thr != NULL);
	DUK_ASSERT(thr_callstack != NULL);

	/* [ ... error ] */]=]
  [=[	duk_hobject *obj;

	DUK_ASSERT(thr != NULL);
	DUK_ASSERT(thr_callstack != NULL);

	duk_hthread_sync_currpc(thr_callstack); /* jsdebug: blame the instruction running now */

	/* [ ... error ] */]=])

# Where the statement of each instruction starts. Lines alone cannot tell apart the statements of
# a one-line (minified) script, so the compiler also notes, for every instruction it emits, the
# byte offset in the compiled text of the innermost statement being compiled (plus one; 0 for
# none), and the runs of equal offsets go after the line data of the function's pc-to-line
# buffer: [pc, offset + 1] per run, then the number of runs and a marker. The line data
# reader never looks past its own end, and closures and dumped bytecode carry the buffer as is.
jsdebug_patch("statement offset in the compiler" 1
  [=[	duk_int_t emit_jumpslot_pc;]=]
  [=[	duk_int_t emit_jumpslot_pc;

	/* jsdebug: 1 + where the statement being compiled starts, 0 outside any */
	duk_uint32_t jsdebug_stmt;]=])
jsdebug_patch("statement offset per instruction" 1
  [=[struct duk_compiler_instr {
	duk_instr_t ins;
#if defined(DUK_USE_PC2LINE)
	duk_uint32_t line;
#endif
};]=]
  [=[struct duk_compiler_instr {
	duk_instr_t ins;
#if defined(DUK_USE_PC2LINE)
	duk_uint32_t line;
#endif
	duk_uint32_t jsdebug_stmt;
};]=])
jsdebug_patch("statement offset starts empty" 1
  [=[comp_ctx->h_filename = h_filename;]=]
  [=[comp_ctx->h_filename = h_filename;
	comp_ctx->jsdebug_stmt = 0;]=])
jsdebug_patch("statement offset emitted" 2
  [=[instr->line = (duk_uint32_t) line;]=]
  [=[instr->line = (duk_uint32_t) line;
	instr->jsdebug_stmt = comp_ctx->jsdebug_stmt;]=])
jsdebug_patch("statement offset set" 1
  [=[	DUK__RECURSION_INCREASE(comp_ctx, thr);

	temp_at_entry = DUK__GETTEMP(comp_ctx);]=]
  [=[	DUK__RECURSION_INCREASE(comp_ctx, thr);

	duk_uint32_t jsdebug_outer_stmt = comp_ctx->jsdebug_stmt;
	comp_ctx->jsdebug_stmt = (duk_uint32_t) comp_ctx->curr_token.start_offset + 1U;

	temp_at_entry = DUK__GETTEMP(comp_ctx);]=])
jsdebug_patch("statement offset restored" 1
  [=[	/* XXX: return indication of "terminalness" (e.g. a 'throw' is terminal) */]=]
  [=[	comp_ctx->jsdebug_stmt = jsdebug_outer_stmt;

	/* XXX: return indication of "terminalness" (e.g. a 'throw' is terminal) */]=])
jsdebug_patch("statement offsets stored" 1
  [=[	/* compact */
	new_size = (duk_size_t) curr_offset;
	duk_hbuffer_resize(thr, h_buf, new_size);]=]
  [=[	/* compact */
	new_size = (duk_size_t) curr_offset;
	duk_hbuffer_resize(thr, h_buf, new_size);

	{
		/* jsdebug: the statement runs after the line data */
		duk_uint32_t jsdebug_runs = 0, jsdebug_word;
		duk_uint_fast32_t jsdebug_pc;
		duk_uint8_t *jsdebug_out;
		for (jsdebug_pc = 0; jsdebug_pc < length; jsdebug_pc++) {
			if (jsdebug_pc == 0 || instrs[jsdebug_pc].jsdebug_stmt != instrs[jsdebug_pc - 1].jsdebug_stmt) {
				jsdebug_runs++;
			}
		}
		new_size = (duk_size_t) curr_offset + ((duk_size_t) jsdebug_runs * 2U + 2U) * sizeof(duk_uint32_t);
		duk_hbuffer_resize(thr, h_buf, new_size);
		jsdebug_out = (duk_uint8_t *) DUK_HBUFFER_DYNAMIC_GET_DATA_PTR(thr->heap, h_buf) + curr_offset;
		for (jsdebug_pc = 0; jsdebug_pc < length; jsdebug_pc++) {
			if (jsdebug_pc == 0 || instrs[jsdebug_pc].jsdebug_stmt != instrs[jsdebug_pc - 1].jsdebug_stmt) {
				jsdebug_word = (duk_uint32_t) jsdebug_pc;
				duk_memcpy((void *) jsdebug_out, (const void *) &jsdebug_word, sizeof(jsdebug_word));
				jsdebug_out += sizeof(jsdebug_word);
				duk_memcpy((void *) jsdebug_out, (const void *) &instrs[jsdebug_pc].jsdebug_stmt, sizeof(jsdebug_word));
				jsdebug_out += sizeof(jsdebug_word);
			}
		}
		duk_memcpy((void *) jsdebug_out, (const void *) &jsdebug_runs, sizeof(jsdebug_runs));
		jsdebug_out += sizeof(jsdebug_runs);
		jsdebug_word = JSDEBUG_STATEMENT_RUNS_MARKER;
		duk_memcpy((void *) jsdebug_out, (const void *) &jsdebug_word, sizeof(jsdebug_word));
	}]=])

# The regular-expression engine counts its steps against a limit of its own (10^9 steps, many
# seconds) and never passes the executor's check, so a backtracking pattern ran far past the
# time limit. Its limit becomes the interval between checks of the host's deadline; past the
# deadline the match fails as the executor's check fails a script. Without a deadline the
# shipped limit stays.
jsdebug_patch("regexp steps start with a short limit" 1
  [=[	re_ctx.steps_limit = DUK_RE_EXECUTE_STEPS_LIMIT;]=]
  [=[	re_ctx.steps_limit = JSDEBUG_REGEXP_CHECK_INTERVAL;]=])
jsdebug_patch("regexp steps checked against the deadline" 1
  [=[		if (re_ctx->steps_count >= re_ctx->steps_limit) {
			DUK_ERROR_RANGE(re_ctx->thr, DUK_STR_REGEXP_EXECUTOR_STEP_LIMIT);
			DUK_WO_NORETURN(return NULL;);
		}]=]
  [=[		if (re_ctx->steps_count >= re_ctx->steps_limit) {
			/* jsdebug: ask the host's deadline, then grant another interval */
			switch (JSDEBUG_REGEXP_CHECK(re_ctx->thr)) {
			case 1:
				DUK_ERROR_RANGE(re_ctx->thr, "execution timeout");
				DUK_WO_NORETURN(return NULL;);
			case 0:
				re_ctx->steps_count = 0;
				re_ctx->steps_limit = JSDEBUG_REGEXP_CHECK_INTERVAL;
				break;
			default:
				if (re_ctx->steps_limit >= DUK_RE_EXECUTE_STEPS_LIMIT) {
					DUK_ERROR_RANGE(re_ctx->thr, DUK_STR_REGEXP_EXECUTOR_STEP_LIMIT);
					DUK_WO_NORETURN(return NULL;);
				}
				re_ctx->steps_limit = DUK_RE_EXECUTE_STEPS_LIMIT;
				break;
			}
		}]=])
# With the browser environment on, the host lists the names a script looked for on the global
# object and did not find. Three places see such a miss without costing anything when the name
# is there: typeof of an unresolvable name, a property read of the global object (window.x,
# this.x at the top level) and the in operator on it. Symbols are the engine's own probes
# (Symbol.toPrimitive and the like), never a name the script wrote.
jsdebug_patch("missing name: typeof" 1
  "				/* unresolvable, no stack changes */
				stridx = DUK_STRIDX_LC_UNDEFINED;"
  "				/* unresolvable, no stack changes */
				jsdebug_duk_missing_name(thr->heap->heap_udata, (const char *) DUK_HSTRING_GET_DATA(name),
				                         DUK_HSTRING_GET_BYTELEN(name), 0);
				stridx = DUK_STRIDX_LC_UNDEFINED;")
jsdebug_patch("missing name: global property read" 1
  "	duk_to_undefined(thr, -1); /* [key] -> [undefined] (default value) */"
  "	if (DUK_TVAL_IS_OBJECT(tv_obj) && DUK_TVAL_GET_OBJECT(tv_obj) == thr->builtins[DUK_BIDX_GLOBAL] &&
	    !DUK_HSTRING_HAS_SYMBOL(key)) {
		jsdebug_duk_missing_name(thr->heap->heap_udata, (const char *) DUK_HSTRING_GET_DATA(key),
		                         DUK_HSTRING_GET_BYTELEN(key), 1);
	}
	duk_to_undefined(thr, -1); /* [key] -> [undefined] (default value) */")
jsdebug_patch("missing name: in on the global" 1
  "	rc = duk__get_propdesc(thr, obj, key, &desc, 0 /*flags*/); /* don't push value */"
  "	rc = duk__get_propdesc(thr, obj, key, &desc, 0 /*flags*/); /* don't push value */
	if (!rc && obj == thr->builtins[DUK_BIDX_GLOBAL] && !DUK_HSTRING_HAS_SYMBOL(key)) {
		jsdebug_duk_missing_name(thr->heap->heap_udata, (const char *) DUK_HSTRING_GET_DATA(key),
		                         DUK_HSTRING_GET_BYTELEN(key), 0);
	}")

# The executor skips its periodic check while the debugger evaluates an expression in a paused
# script (a watch, a local's text), so a watch that loops would hang the paused run. The deadline
# is still asked there; the host gives each evaluation a deadline of its own.
jsdebug_patch("deadline checked while the debugger evaluates" 1
  [=[		DUK_DD(DUK_DDPRINT("nested executor interrupt, ignoring"));]=]
  [=[		DUK_DD(DUK_DDPRINT("nested executor interrupt, ignoring"));
		if (thr->heap->dbg_processing && DUK_USE_EXEC_TIMEOUT_CHECK(thr->heap->heap_udata)) {
			/* jsdebug: an evaluation past its deadline fails, the paused script stays */
			thr->interrupt_init = 0;
			thr->interrupt_counter = 0;
			DUK_ERROR_RANGE(thr, "execution timeout");
			DUK_WO_NORETURN(return 0;);
		}]=])

# With debugger support the compiler keeps every function's variable map and formal names, so
# that a paused frame's locals can be listed. That is a cost on every compile and closure (the
# profile's library is compiled on every reset): only code compiled while a debugger is attached
# (the user's script under 调试运行) keeps them all; the rest keeps what the engine needs anyway.
jsdebug_patch("variable maps only under the debugger" 1
  [=[	DUK_DD(DUK_DDPRINT("keeping _Varmap because debugger support is enabled"));
	keep_varmap = 1;]=]
  [=[	/* jsdebug: all of them only for code compiled under the debugger */
	keep_varmap = duk_debug_is_attached(thr->heap) || func->id_access_slow_own || func->id_access_arguments ||
	              func->may_direct_eval || funcs_count > 0;]=])
jsdebug_patch("formal names only under the debugger" 1
  [=[	DUK_DD(DUK_DDPRINT("keeping _Formals because debugger support is enabled"));
	keep_formals = 1;]=]
  [=[	/* jsdebug: all of them only for code compiled under the debugger */
	keep_formals = duk_debug_is_attached(thr->heap) ||
	               duk_get_length(thr, func->argnames_idx) != (duk_size_t) h_res->nargs ||
	               ((func->id_access_arguments || func->may_direct_eval) && duk_get_length(thr, func->argnames_idx) > 0);]=])

file(WRITE ${OUT_DIR}/duktape.c.tmp "${engine}")
file(COPY_FILE ${OUT_DIR}/duktape.c.tmp ${OUT_DIR}/duktape.c ONLY_IF_DIFFERENT)
file(REMOVE ${OUT_DIR}/duktape.c.tmp)
file(COPY_FILE ${DUK_SOURCE_DIR}/duktape.h ${OUT_DIR}/duktape.h ONLY_IF_DIFFERENT)

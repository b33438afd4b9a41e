// The engine library's worker: reads requests on stdin, answers on stdout, one at a time.
//
// Request:  u32 timeoutMs, u32 n, n bytes script, u32 m, m bytes call   (UTF-8, little endian)
// Answer:   u32 n, then n bytes: "V" + value text, or "E" + line + "\n" + "Name: message"
//
// Every request gets a fresh context holding only the ECMAScript built-ins: no require, process,
// console, timers, files or network. The caller's code runs with a time limit; the heap limit is
// the process's own (--max-old-space-size), and the library restarts us when we die.
// Kept to ASCII: the library embeds this text in a C++ string literal.
'use strict';
const vm = require('vm');
const fs = require('fs');

function readExact(n) {
  const buffer = Buffer.allocUnsafe(n);
  let got = 0;
  while (got < n) {
    let r;
    try {
      r = fs.readSync(0, buffer, got, n - got, null);
    } catch (e) {
      if (e.code === 'EAGAIN' || e.code === 'EINTR') continue;
      process.exit(0);
    }
    if (r === 0) process.exit(0);  // the library closed the pipe: it is done with us
    got += r;
  }
  return buffer;
}

function readU32() {
  return readExact(4).readUInt32LE(0);
}

function writeAll(buffer) {
  let done = 0;
  while (done < buffer.length) {
    try {
      done += fs.writeSync(1, buffer, done, buffer.length - done);
    } catch (e) {
      if (e.code === 'EAGAIN' || e.code === 'EINTR') continue;
      process.exit(0);
    }
  }
}

function answer(kind, text) {
  const body = Buffer.from(kind + text, 'utf8');
  const head = Buffer.allocUnsafe(4);
  head.writeUInt32LE(body.length, 0);
  writeAll(Buffer.concat([head, body]));
}

// The 1-based line of the script where the error was raised: the first position of the stack
// that lies in the script or in the call text; 0 when it is the call text or there is none.
// Read as an own data property so that no getter of the caller's runs here.
const position = /^(?:(script|call)\.js:(\d+)$|\s+at (?:.*\()?(script|call)\.js:(\d+):\d+\)?$)/m;
function scriptLine(error) {
  if (error === null || (typeof error !== 'object' && typeof error !== 'function')) return 0;
  const d = Object.getOwnPropertyDescriptor(error, 'stack');
  if (!d || typeof d.value !== 'string') return 0;
  const m = position.exec(d.value);
  if (!m) return 0;
  return (m[1] || m[3]) === 'script' ? Number(m[2] || m[4]) : 0;
}

function describe(error) {
  try {
    return String(error);
  } catch (e) {
    return Object.prototype.toString.call(error);
  }
}

function timedOut(timeout) {
  const error = new Error('Script execution timed out after ' + timeout + 'ms');
  error.code = 'ERR_SCRIPT_EXECUTION_TIMEOUT';
  return error;
}

function serve(script, call, timeout) {
  const context = vm.createContext(Object.create(null), {
    codeGeneration: {strings: true, wasm: false},
    // Promise jobs run inside the time limit instead of after we answered.
    microtaskMode: 'afterEvaluate',
  });
  // V8 puts its own console into every context; it is no ECMAScript built-in.
  vm.runInContext('delete globalThis.console', context);
  // One budget for the whole call: loading the script, the call and converting its value share
  // it, so a script cannot take the limit once in each phase.
  const deadline = Date.now() + timeout;
  const options = () => {
    const left = deadline - Date.now();
    if (left <= 0) throw timedOut(timeout);
    return {timeout: left, breakOnSigint: false, displayErrors: false};
  };
  // Made before the caller's code runs, so that a script redefining String changes nothing here.
  const toText = vm.runInContext('(function (S) { return function (v) { return S(v); }; })(String)', context);
  try {
    new vm.Script(script, {filename: 'script.js'}).runInContext(context, options());
    const value = new vm.Script(call, {filename: 'call.js'}).runInContext(context, options());
    // The conversion may run the value's own toString: keep it inside the time limit too.
    const slot = '__jsdebug_result_' + Math.random().toString(36).slice(2);
    Object.defineProperty(context, slot, {value: [toText, value], configurable: true});
    const text = new vm.Script(slot + '[0](' + slot + '[1])', {filename: 'convert.js'})
                     .runInContext(context, options());
    answer('V', text);
  } catch (error) {
    // A phase stopped with what was left of the budget names that remainder; the user set the
    // whole limit.
    // The engine raises it in the script's own realm, so it is no instance of our Error.
    const code = error !== null && typeof error === 'object'
                     ? Object.getOwnPropertyDescriptor(error, 'code') : undefined;
    const stopped = code !== undefined && code.value === 'ERR_SCRIPT_EXECUTION_TIMEOUT';
    answer('E', scriptLine(error) + '\n' + describe(stopped ? timedOut(timeout) : error));
  }
}

for (;;) {
  const timeout = readU32();
  const script = readExact(readU32()).toString('utf8');
  const call = readExact(readU32()).toString('utf8');
  serve(script, call, timeout);
}

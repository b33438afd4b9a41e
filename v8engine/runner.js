// The engine library's worker: reads requests on stdin, answers on stdout, one at a time.
//
// Request:  u32 timeoutMs, u32 n, n bytes script, u32 m, m bytes call, u32 k, k bytes location
//           (UTF-8, little endian; k = 0: no browser environment)
// Answer:   u32 n, then n bytes: u32 e, e bytes of notes, then "V" + value text, or
//           "E" + line + "\n" + "Name: message". Notes are records of one kind letter, a u32
//           length and the text: "L" a console line, "D" lines left out, "M" a name the script
//           reached for and the environment lacks, "N" such names left out, "T" timer callbacks
//           left out.
//
// Every request gets a fresh context holding the ECMAScript built-ins and our console, nothing
// of node's: no require, process, files or network. With a location the browser environment is
// installed before the script, timers run after the script and after the call, and a Promise
// the call returns is settled. The caller's code runs with a time limit; the heap limit is the
// process's own (--max-old-space-size), and the library restarts us when we die.
// Kept to ASCII: the library embeds this text in a C++ string literal.
'use strict';
const vm = require('vm');
const fs = require('fs');
const crypto = require('crypto');

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

function u32(value) {
  const b = Buffer.allocUnsafe(4);
  b.writeUInt32LE(value, 0);
  return b;
}

function answer(notes, kind, text) {
  const parts = [];
  for (const [k, t] of notes) {
    const bytes = Buffer.from(String(t), 'utf8');
    parts.push(Buffer.from(k, 'latin1'), u32(bytes.length), bytes);
  }
  const noteBytes = Buffer.concat(parts);
  const body = Buffer.concat([u32(noteBytes.length), noteBytes, Buffer.from(kind + text, 'utf8')]);
  writeAll(Buffer.concat([u32(body.length), body]));
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

// The console and the browser environment, one ES3 script shared with the system engine.
const environment = new vm.Script(String.raw`__JSDEBUG_ENVIRONMENT_SCRIPT__`,
                                  {filename: 'environment.js'});

// Names a page would have that a script reads while probing: noting them would only be noise.
const unremarkable = new Set(['then', 'toJSON', 'inspect', 'nodeType', '$$typeof']);
const kMaxMissing = 200;

// What one request leaves beside its value: console lines and the names the script missed.
class Notes {
  constructor() {
    this.lines = [];
    this.missing = new Set();
    this.missingDropped = 0;
    this.noting = false;
    this.quiet = 0;  // > 0 while a trap of ours asks the global object itself
  }
  miss(name) {
    if (!this.noting || this.quiet > 0 || this.missing.has(name)) return;
    if (this.missing.size >= kMaxMissing) this.missingDropped++;
    else this.missing.add(name);
  }
  // An undefined name the script used, from the error it raised.
  missFromError(error) {
    if (!this.noting) return;
    const m = /^ReferenceError: ([\w$]+) is not defined$/.exec(describe(error));
    if (m) this.miss(m[1]);
  }
  records(api) {
    const out = this.lines.map((line) => ['L', line]);
    const dropped = api ? api.droppedLines() : 0;
    if (dropped > 0) out.push(['D', dropped]);
    for (const name of this.missing) out.push(['M', name]);
    if (this.missingDropped > 0) out.push(['N', this.missingDropped]);
    const timers = api ? api.droppedTimers() : 0;
    if (timers > 0) out.push(['T', timers]);
    return out;
  }
}

function makeHost(notes, location) {
  return {
    browser: location !== '',
    location: location,
    print(text) {
      notes.lines.push(String(text));
      return true;
    },
    random(n) {
      return Array.from(crypto.randomBytes(n));
    },
    now() {
      return performance.now();
    },
    accessor(object, name, get, set) {
      Object.defineProperty(object, name, {get: get, set: set, enumerable: true, configurable: true});
    },
    // Reads of names the object lacks are noted with the path that led there.
    watch(object, path) {
      return new Proxy(object, {
        get(target, key, receiver) {
          if (typeof key === 'string' && !(key in target) && !unremarkable.has(key))
            notes.miss(path + '.' + key);
          return Reflect.get(target, key, receiver);
        },
      });
    },
    uncaught(error) {
      notes.missFromError(error);
    },
    missing(text) {
      notes.miss(String(text));
    },
    // What window, self, top, parent and frames are: the global object seen through a stand-in
    // that notes reads of names it lacks. The stand-in is needed because the context answers
    // every read of the global object itself through node's interceptor, which takes any
    // answer of a trap there as the property's value: a trap on the global object would turn
    // the ReferenceError of an undeclared name into undefined. So window === this is false.
    window(global) {
      return new Proxy(global, {
        get(target, key) {
          const value = Reflect.get(target, key);
          // Only an undefined value can be a missing name: the common read asks nothing more.
          if (value === undefined && typeof key === 'string' && !unremarkable.has(key)) {
            let present;
            notes.quiet++;
            try {
              present = key in target;
            } finally {
              notes.quiet--;
            }
            if (!present) notes.miss('window.' + key);
          }
          return value;
        },
        set(target, key, value) {
          return Reflect.set(target, key, value);
        },
      });
    },
  };
}

// Names looked up on the global object and found nowhere (an undeclared name, typeof of one,
// 'name' in window) reach the end of its prototype chain: a stand-in there sees them, and only
// them, without changing what the lookup finds. It has no get trap, though that would see
// this.name too: node's interceptor reads every global name through this chain and takes any
// answer of a get trap as a value found, so an undeclared name would stop throwing.
// Without one, only V8's own lookup of a bare name asks (with has); this.name never does.
function watchGlobalLookups(context, notes) {
  const global = vm.runInContext('this', context);
  Object.setPrototypeOf(global, new Proxy(Object.getPrototypeOf(global), {
    has(target, key) {
      const found = Reflect.has(target, key);
      if (!found && typeof key === 'string') notes.miss(key);
      return found;
    },
  }));
}

function timedOut(timeout) {
  const error = new Error('Script execution timed out after ' + timeout + 'ms');
  error.code = 'ERR_SCRIPT_EXECUTION_TIMEOUT';
  return error;
}

function serve(script, call, timeout, location) {
  const context = vm.createContext(Object.create(null), {
    codeGeneration: {strings: true, wasm: false},
    // Promise jobs run inside the time limit instead of after we answered.
    microtaskMode: 'afterEvaluate',
  });
  // V8 puts its own console into every context, writing to our stdout; ours replaces it.
  vm.runInContext('delete globalThis.console', context);
  // One budget for the whole call: loading the script, the timers, the call and converting its
  // value share it, so a script cannot take the limit once in each phase.
  const deadline = Date.now() + timeout;
  const options = () => {
    const left = deadline - Date.now();
    if (left <= 0) throw timedOut(timeout);
    return {timeout: left, breakOnSigint: false, displayErrors: false};
  };
  // Made before the caller's code runs, so that a script redefining String or Promise changes
  // nothing here.
  const toText = vm.runInContext('(function (S) { return function (v) { return S(v); }; })(String)', context);
  const settle = vm.runInContext(
      '(function (P, then) { return function (v, done) {' +
      ' if (!(v instanceof P)) return false;' +
      ' then.call(v, function (x) { done(true, x); }, function (e) { done(false, e); });' +
      ' return true; }; })(Promise, Promise.prototype.then)', context);
  const notes = new Notes();
  const browser = location !== '';
  if (browser) watchGlobalLookups(context, notes);
  const api = environment.runInContext(context)(makeHost(notes, location));
  const slot = '__jsdebug_' + Math.random().toString(36).slice(2);
  Object.defineProperty(context, slot, {value: {api: api}, configurable: true});
  const nextTimer = new vm.Script(slot + '.api.next()', {filename: 'timers.js'});

  // Due timer callbacks, one evaluation each so that promise jobs run between them. until()
  // ends the wait early (a settled promise).
  function runTimers(until) {
    for (;;) {
      if (until && until()) return;
      if (!nextTimer.runInContext(context, options())) return;
    }
  }

  try {
    notes.noting = browser;
    new vm.Script(script, {filename: 'script.js'}).runInContext(context, options());
    if (browser) runTimers();
    let value = new vm.Script(call, {filename: 'call.js'}).runInContext(context, options());
    if (browser) {
      const state = {settled: false, fulfilled: false, value: undefined};
      const done = (fulfilled, v) => {
        state.settled = true;
        state.fulfilled = fulfilled;
        state.value = v;
      };
      if (settle(value, done)) {
        vm.runInContext('0', context, options());  // runs the reaction jobs of a settled promise
        runTimers(() => state.settled);
        if (!state.settled)
          throw new Error('\u8c03\u7528\u8fd4\u56de\u7684 Promise \u5728\u6240\u6709\u5b9a\u65f6\u5668' +
                          '\u8fd0\u884c\u5b8c\u540e\u4ecd\u672a\u5b8c\u6210');
        if (!state.fulfilled) throw state.value;
        value = state.value;
      }
      runTimers();
    }
    notes.noting = false;
    // The conversion may run the value's own toString: keep it inside the time limit too.
    Object.defineProperty(context, slot, {value: {api: api, convert: [toText, value]}, configurable: true});
    const text = new vm.Script(slot + '.convert[0](' + slot + '.convert[1])', {filename: 'convert.js'})
                     .runInContext(context, options());
    answer(notes.records(api), 'V', text);
  } catch (error) {
    notes.missFromError(error);
    notes.noting = false;
    // A phase stopped with what was left of the budget names that remainder; the user set the
    // whole limit.
    // The engine raises it in the script's own realm, so it is no instance of our Error.
    const code = error !== null && typeof error === 'object'
                     ? Object.getOwnPropertyDescriptor(error, 'code') : undefined;
    const stopped = code !== undefined && code.value === 'ERR_SCRIPT_EXECUTION_TIMEOUT';
    answer(notes.records(api), 'E', scriptLine(error) + '\n' + describe(stopped ? timedOut(timeout) : error));
  }
}

for (;;) {
  const timeout = readU32();
  const script = readExact(readU32()).toString('utf8');
  const call = readExact(readU32()).toString('utf8');
  const location = readExact(readU32()).toString('utf8');
  serve(script, call, timeout, location);
}

// The rewriting worker: node runs this text (-e), reads the modules of rewrite/js on its standard
// input, then answers requests one at a time.
//
// Frames in both directions: u32 n (little endian), then n bytes of records, each one kind
// letter, a u32 length and that many bytes of UTF-8.
// First frame:  "M" path, "S" source, repeated: every file of rewrite/js.
//   Answer:     "K" (ready), or "B" the places Babel was looked for (not found).
// Request:      "P" the operation, "X" the text, "O" "name=value" per option.
// Answer:       "T" the rewritten text, "R" a report line, "E" "line\ncolumn\nmessage" per
//               problem, "F" "name\nvalue" per fact, or "X" why the operation failed.
//
// An operation is the module <op>.js: module.exports = function (text, options, api) returning
// {text, report: [lines], errors: [{line, column, message}], facts: [[name, value]]}; api holds
// babel, require (paths from rewrite/js itself, whatever the module's folder: 'lib/parsing') and
// file(path) (a carried file's text).
// The time limit is the library's: a request that takes too long gets this process killed.
// Kept to ASCII.
'use strict';
// The channel to the program, put here at build time: fs, readExact, writeAll.
// __JSDEBUG_NODE_CHANNEL__

function readFrame() {
  const length = readExact(4).readUInt32LE(0);
  const body = readExact(length);
  const records = [];
  for (let at = 0; at + 5 <= body.length;) {
    const size = body.readUInt32LE(at + 1);
    records.push([String.fromCharCode(body[at]), body.toString('utf8', at + 5, at + 5 + size)]);
    at += 5 + size;
  }
  return records;
}

function u32(value) {
  const b = Buffer.allocUnsafe(4);
  b.writeUInt32LE(value, 0);
  return b;
}

function answer(records) {
  const parts = [];
  for (const [kind, text] of records) {
    const bytes = Buffer.from(String(text), 'utf8');
    parts.push(Buffer.from(kind, 'latin1'), u32(bytes.length), bytes);
  }
  const body = Buffer.concat(parts);
  writeAll(Buffer.concat([u32(body.length), body]));
}

// Debian's build first; JSDEBUG_BABEL names another copy of @babel/standalone.
function babelPlaces() {
  const places = [];
  if (process.env.JSDEBUG_BABEL) places.push(process.env.JSDEBUG_BABEL);
  // Only the named copy: the tests' stand-in for a machine without the package.
  if (process.env.JSDEBUG_BABEL_ONLY) return places;
  places.push('/usr/share/nodejs/@babel/standalone/babel.min.js',
              '/usr/share/nodejs/@babel/standalone/babel.js');
  return places;
}

function loadBabel() {
  for (const place of babelPlaces()) {
    if (!fs.existsSync(place)) continue;
    try {
      return require(place);
    } catch (e) {
      // a broken copy: try the next one
    }
  }
  return null;
}

const sources = new Map();
for (let i = 0, records = readFrame(); i < records.length; ++i) {
  if (records[i][0] === 'M' && i + 1 < records.length && records[i + 1][0] === 'S') {
    sources.set(records[i][1], records[i + 1][1]);
    ++i;
  }
}

// Standard output is the answer channel: nothing Babel or a pass prints may reach it.
for (const name of ['log', 'info', 'warn', 'error', 'debug', 'trace', 'dir', 'table'])
  console[name] = function () {};

const babel = loadBabel();
if (babel === null) {
  answer([['B', babelPlaces().join('\n')]]);
  process.exit(0);
}

// The carried modules, CommonJS-style, by their path under rewrite/js ("./x" and "x" alike).
const loaded = new Map();
function normalise(path) {
  let p = String(path).replace(/^\.\//, '');
  if (!/\.js$/.test(p)) p += '.js';
  return p;
}
function file(path) {
  const p = normalise(path);
  if (!sources.has(p)) throw new Error('no carried file ' + p);
  return sources.get(p);
}
function load(path) {
  if (path === '@babel/standalone') return babel;
  // The deobfuscator runs a script's own decoders in an isolated context of their own.
  if (path === 'vm') return require('vm');
  const p = normalise(path);
  if (loaded.has(p)) return loaded.get(p).exports;
  const module = {exports: {}};
  loaded.set(p, module);
  const wrapper = require('vm').runInThisContext(
      '(function (module, exports, require, babel) {' + file(p) + '\n})', {filename: 'rewrite/' + p});
  wrapper(module, module.exports, load, babel);
  return module.exports;
}
const api = {babel, require: load, file};
answer([['K', '']]);

for (;;) {
  const request = readFrame();
  let op = '';
  let text = '';
  const options = {};
  for (const [kind, value] of request) {
    if (kind === 'P') op = value;
    else if (kind === 'X') text = value;
    else if (kind === 'O') {
      const eq = value.indexOf('=');
      if (eq > 0) options[value.slice(0, eq)] = value.slice(eq + 1);
    }
  }
  const records = [];
  try {
    if (!/^[\w-]+$/.test(op) || !sources.has(op + '.js')) throw new Error('unknown operation "' + op + '"');
    const result = load(op)(text, options, api) || {};
    if (typeof result.text === 'string') records.push(['T', result.text]);
    for (const line of result.report || []) records.push(['R', line]);
    for (const e of result.errors || [])
      records.push(['E', (e.line | 0) + '\n' + (e.column | 0) + '\n' + e.message]);
    for (const [name, value] of result.facts || []) records.push(['F', name + '\n' + value]);
  } catch (e) {
    records.length = 0;
    records.push(['X', e && e.stack ? String(e.stack).split('\n').slice(0, 3).join('\n') : String(e)]);
  }
  answer(records);
}

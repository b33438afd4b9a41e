'use strict';
// The carried scripts against acorn. For each input:
//   beautify      the tokens (their source text) are those of the input: only whitespace moved
//   minify        level 1 and the program's level 3: the output parses to the same tree, with
//                 the same tokens, less comments and whitespace
//   beautify+min  minifying the beautified text gives what minifying the input gives
//   unpack        what our own p,a,c,k,e,d packer packed comes back unchanged
// The scripts run here under node as the program runs them (the same entry points, and the
// beautifier's CR LF layout applied as the program applies it); --cli checks that a sample gives
// the same bytes through the program itself.
const fs = require('fs');
const path = require('path');
const vm = require('vm');
const { execFileSync } = require('child_process');
const acorn = require('acorn');

const args = process.argv.slice(2);
const opt = (name, dflt) => {
  const i = args.indexOf(name);
  return i >= 0 ? args[i + 1] : dflt;
};
const filesRoot = opt('--files');
const limit = Number(opt('--limit', '0')) || Infinity;
const cli = opt('--cli');
const cliSample = Number(opt('--cli-sample', '20'));
const maxBytes = Number(opt('--max-bytes', String(256 * 1024)));
const report = opt('--report', path.join(__dirname, '../../build-fuzz/differential/failures.txt'));

const transformDir = path.join(__dirname, '../../transform');
function load(file) {
  const ctx = vm.createContext({});
  vm.runInContext(fs.readFileSync(path.join(transformDir, file), 'latin1'), ctx, { filename: file });
  return ctx;
}
const beautifier = load('beautifier.js');
const minifier = load('minifier.js');
const unpacker = load('unpacker.js');

// What the program does around each script call.
const beautify = (t) => dropOneIndentLevel(String(beautifier.format(t)));

// The program's layout step after the beautifier, as it stands in transform/ScriptTransforms.cpp:
// every LF followed by four blanks becomes CR LF, except inside strings, templates and regular
// expressions, whose bytes are values. A plain replacement here would report faults the program
// does not have (a string continued with a backslash onto an indented line).
function regexMayStart(before) {
  let end = before.length - 1;
  while (end >= 0 && ' \t\r\n'.includes(before[end])) --end;
  if (end < 0 || '(,=:[!&|?{};+-*%<>~^'.includes(before[end])) return true;
  let start = end + 1;
  while (start > 0 && /[A-Za-z0-9_$]/.test(before[start - 1])) --start;
  return ['return', 'typeof', 'case', 'in', 'do', 'else', 'throw', 'delete', 'void']
    .includes(before.slice(start, end + 1));
}
function substitutionEnd(text, start) {
  let depth = 1;
  for (let i = start; i < text.length;) {
    const c = text[i];
    if (c === '"' || c === "'" || c === '`') { i = literalEnd(text, i); continue; }
    if (c === '{') ++depth;
    if (c === '}' && --depth === 0) return i + 1;
    ++i;
  }
  return text.length;
}
function literalEnd(text, start) {
  const open = text[start];
  let inClass = false;
  for (let i = start + 1; i < text.length; ++i) {
    const c = text[i];
    if (c === '\\') ++i;
    else if (open === '`' && c === '$' && text[i + 1] === '{') i = substitutionEnd(text, i + 2) - 1;
    else if (open === '/' && inClass) inClass = c !== ']';
    else if (open === '/' && c === '[') inClass = true;
    else if (c === open) return i + 1;
    else if (c === '\n' && open !== '`') return i;
  }
  return text.length;
}
function dropOneIndentLevel(text) {
  let out = '';
  for (let i = 0; i < text.length;) {
    const c = text[i];
    if (c === '/' && (text[i + 1] === '/' || text[i + 1] === '*')) {
      const end = text[i + 1] === '/' ? text.indexOf('\n', i) : text.indexOf('*/', i + 2);
      const stop = end < 0 ? text.length : end + (text[i + 1] === '*' ? 2 : 0);
      out += text.slice(i, stop).split('\n    ').join('\r\n');
      i = stop;
    } else if (c === '"' || c === "'" || c === '`' || (c === '/' && regexMayStart(out))) {
      const end = literalEnd(text, i);
      out += text.slice(i, end);
      i = end;
    } else if (text.startsWith('\n    ', i)) {
      out += '\r\n';
      i += 5;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}
const minify = (t, level) => String(minifier.jsmin('', t, level));
const unpack = (t) => String(unpacker.decode(t));

function parse(text) {
  for (const sourceType of ['script', 'module']) {
    try {
      return acorn.parse(text, { ecmaVersion: 'latest', sourceType, allowHashBang: true });
    } catch (e) { /* try the other */ }
  }
  return null;
}
function tokens(text, sourceType) {
  const out = [];
  for (const t of acorn.tokenizer(text, { ecmaVersion: 'latest', sourceType, allowHashBang: true }))
    out.push(text.slice(t.start, t.end));
  return out;
}
function shape(ast) {
  // a BigInt literal's value has no JSON form of its own
  return JSON.stringify(ast, (k, v) => (k === 'start' || k === 'end' || k === 'loc' || k === 'raw' ? undefined
    : typeof v === 'bigint' ? `${v}n` : v));
}
function firstDifference(a, b) {
  const n = Math.min(a.length, b.length);
  for (let i = 0; i < n; i++) if (a[i] !== b[i]) return i;
  return a.length === b.length ? -1 : n;
}

// Our own packer of the p,a,c,k,e,d form: every word becomes its base-36 index into a word list,
// and the unpacking function puts them back.
function pack(source) {
  const words = [];
  const index = new Map();
  const body = source.replace(/\b\w+\b/g, (w) => {
    if (!index.has(w)) { index.set(w, words.length); words.push(w); }
    return index.get(w).toString(36);
  });
  const quoted = JSON.stringify(body).slice(1, -1).replace(/'/g, "\\'");
  return "eval(function(p,a,c,k,e,d){e=function(c){return c.toString(36)};" +
    "if(!''.replace(/^/,String)){while(c--)d[c.toString(a)]=k[c]||c.toString(a);" +
    "k=[function(e){return d[e]}];e=function(){return'\\\\w+'};c=1};" +
    "while(c--)if(k[c])p=p.replace(new RegExp('\\\\b'+e(c)+'\\\\b','g'),k[c]);return p}('" +
    quoted + "'," + 36 + "," + words.length + ",'" + words.join('|') + "'.split('|'),0,{}))";
}

const tally = {};
const failures = [];
function record(property, ok, file, detail) {
  tally[property] = tally[property] || { pass: 0, fail: 0 };
  tally[property][ok ? 'pass' : 'fail']++;
  if (!ok) failures.push(`${property}\t${file}\t${detail}`);
}

function checkText(name, text) {
  const ast = parse(text);
  if (!ast) { tally.skipped = (tally.skipped || 0) + 1; return; }
  const sourceType = ast.sourceType;
  const before = tokens(text, sourceType);
  const treeBefore = shape(ast);

  let b;
  try { b = beautify(text); } catch (e) { record('beautify', false, name, 'threw ' + e); b = null; }
  if (b !== null) {
    let after = null;
    try { after = tokens(b, sourceType); } catch (e) { record('beautify', false, name, 'output does not tokenize: ' + e.message); }
    if (after) {
      const at = firstDifference(before, after);
      record('beautify', at < 0, name, at < 0 ? '' : `token ${at}: ${JSON.stringify(before[at])} became ${JSON.stringify(after[at])}`);
    }
  }
  for (const level of [1, 3]) {
    const prop = `minify level ${level}`;
    let m;
    try { m = minify(text, level); } catch (e) { record(prop, false, name, 'threw ' + e); continue; }
    const mast = parse(m);
    if (!mast) { record(prop, false, name, 'output does not parse'); continue; }
    const at = firstDifference(before, tokens(m, mast.sourceType));
    if (at >= 0) { record(prop, false, name, `token ${at} differs`); continue; }
    record(prop, shape(mast) === treeBefore, name, 'same tokens, another tree (a line break that ended a statement went)');
    // Level 1 keeps line breaks, so only the program's level is compared; by tree, since the
    // beautifier may join lines where no statement ends ("a = b\n(c)" is one call either way).
    if (b !== null && level === 3) {
      let bm = null;
      try { bm = parse(minify(b, level)); } catch (e) { /* recorded below */ }
      record(`beautify then minify level ${level}`, bm !== null && shape(bm) === shape(mast), name,
        'another tree than minify alone');
    }
  }
  if (text.length < 64 * 1024) {
    let u = null;
    try { u = unpack(pack(text)); } catch (e) { record('unpack', false, name, 'threw ' + e); }
    if (u !== null) record('unpack', u === text, name, `differs at ${firstDifference(u, text)}`);
  }
}

// Generated inputs: the forms real code rarely has in one place.
const generated = [
  'a\n++b', 'a = b\n(c)', 'x = 1\n-1', 'return\nx', 'var s = "a\\\n    b";', 'var t = `a\n    b`;',
  'a = /re\\/x[/]/g.test(b) / 2', 'if (a) b(); else c()', 'x = a ? b : c ? d : e', 'for (;;) {}',
  'var o = { get x() { return 1 }, "k": [1, , 2] }', 'label: for (x in y) continue label',
  'a = b\n/re/g.exec(c)', 'i++\n+j', '/* c */ a /* d */ + // e\n b', 'x = y--\n>z',
  'function f() { return /* c */ 1 }', "s = '\\u4e2d\\x41\\'\"'", 'a = 0x1F + .5e-3 + 1e+10',
  'x = 1 +\n/a{1,2}/', '#!/usr/bin/env node\n"use strict"\nf()', 'export default /a{2}/i',
  'for (;;) { break /* c */\nx }', 'q = a++ / 2 / b',
];

function jsFiles(root, out) {
  for (const e of fs.readdirSync(root, { withFileTypes: true })) {
    const p = path.join(root, e.name);
    if (e.isDirectory()) jsFiles(p, out);
    else if (e.isFile() && /\.(c|m)?js$/.test(e.name)) out.push(p);
  }
  return out;
}

generated.forEach((t, i) => checkText(`generated #${i}`, t));
const files = filesRoot ? jsFiles(filesRoot, []).sort() : [];
let checked = 0;
for (const f of files) {
  if (checked >= limit) break;
  const bytes = fs.readFileSync(f);
  if (bytes.length > maxBytes) { tally.tooLarge = (tally.tooLarge || 0) + 1; continue; }
  // latin1 keeps every byte as one character, as the program keeps every byte as a text.
  checkText(path.relative(filesRoot, f), bytes.toString('latin1'));
  checked++;
}

// The program's own host on a sample of ASCII files gives the node run's bytes.
if (cli) {
  const ascii = files.filter((f) => { const b = fs.readFileSync(f); return b.length < 32 * 1024 && b.every((c) => c < 0x80); });
  const step = Math.max(1, Math.floor(ascii.length / cliSample));
  for (let i = 0; i < ascii.length && i / step < cliSample; i += step) {
    const f = ascii[i];
    const text = fs.readFileSync(f, 'latin1');
    for (const [cmd, fn] of [['beautify', beautify], ['minify', (t) => minify(t, 3)]]) {
      let out;
      try { out = execFileSync(cli, [cmd, f], { encoding: 'latin1', maxBuffer: 64 << 20 }); } catch (e) { out = 'exit ' + e.status; }
      record(`program = node (${cmd})`, out === fn(text), path.relative(filesRoot, f), `differs at ${firstDifference(out, fn(text))}`);
    }
  }
}

fs.mkdirSync(path.dirname(report), { recursive: true });
fs.writeFileSync(report, failures.join('\n') + '\n');
console.log(`files checked: ${checked} (+${generated.length} generated), did not parse before: ${tally.skipped || 0}, over ${maxBytes} bytes: ${tally.tooLarge || 0}`);
for (const [k, v] of Object.entries(tally)) if (typeof v === 'object') console.log(`${k.padEnd(32)} pass ${String(v.pass).padStart(6)}  fail ${String(v.fail).padStart(6)}`);
console.log(`failures listed in ${report}`);
process.exit(failures.length ? 1 : 0);

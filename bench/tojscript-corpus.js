// 转为JScript over a corpus of real files: which way each ES2015+ file takes (edits to its own
// text, or Babel's passes and why), and for each one taken by edits, whether the result parses
// as ES5 and loads as a CommonJS module with the same outcome as the original in a sandbox of
// node:vm (modules it requires stand in as empty objects). Prints the tally and the time.
//
//   node bench/tojscript-corpus.js DIR...      (e.g. /usr/lib/node_modules/npm/node_modules)
//
// Needs Debian's node-babel7-standalone, as the program does. Loads rewrite/js the way the
// program's node child does.
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const babel = require('/usr/share/nodejs/@babel/standalone/babel.min.js');
const root = path.join(__dirname, '..', 'rewrite', 'js');
const sources = new Map();
(function read(dir, rel) {
  for (const f of fs.readdirSync(dir)) {
    const p = path.join(dir, f);
    if (fs.statSync(p).isDirectory()) read(p, rel + f + '/');
    else sources.set(rel + f, fs.readFileSync(p, 'utf8'));
  }
})(root, '');
const loaded = new Map();
const normalise = (p) => String(p).replace(/^\.\//, '').replace(/(\.js)?$/, '.js');
function load(name) {
  if (name === '@babel/standalone') return babel;
  if (name === 'vm') return vm;
  const p = normalise(name);
  if (!loaded.has(p)) {
    const module = {exports: {}};
    loaded.set(p, module);
    vm.runInThisContext('(function (module, exports, require, babel) {' + sources.get(p) + '\n})')(
        module, module.exports, load, babel);
  }
  return loaded.get(p).exports;
}
const api = {babel, require: load, file: (p) => sources.get(normalise(p))};
const toJScript = load('to-jscript');
const parsing = load('lib/parsing');
const {stillModern} = load('jscript/transforms');

function files(dir, out) {
  for (const f of fs.readdirSync(dir, {withFileTypes: true})) {
    const p = path.join(dir, f.name);
    if (f.isDirectory()) files(p, out);
    else if (f.name.endsWith('.js') && fs.statSync(p).size > 1024) out.push(p);
  }
  return out;
}

// The module's outcome: its export names, or that it threw.
function outcome(code) {
  try {
    const module = {exports: {}};
    const context = vm.createContext({module, exports: module.exports, require: () => ({}), Buffer,
                                      process: {env: {}, platform: 'linux', version: 'v20'}, console: {log() {}}});
    vm.runInContext(code, context, {timeout: 1000});
    return 'exports ' + Object.keys(module.exports).sort().join();
  } catch (e) {
    return 'threw';
  }
}

const tally = {};
const problems = [];
let editedBytes = 0;
let editedMs = 0;
for (const file of process.argv.slice(2).flatMap((d) => files(d, []))) {
  const text = fs.readFileSync(file, 'utf8');
  const started = process.hrtime.bigint();
  const result = toJScript(text, {}, api);
  const ms = Number(process.hrtime.bigint() - started) / 1e6;
  const way = result.errors ? 'refused' : result.facts.find((f) => f[0] === 'path')[1];
  tally[way] = (tally[way] || 0) + 1;
  if (way !== 'lowered') continue;
  editedBytes += text.length;
  editedMs += ms;
  const parsed = parsing.parse(babel, result.text);
  if (parsed.error || stillModern(parsed.ast)) problems.push(file + ': not ES5');
  else if (outcome(text) !== outcome(result.text)) problems.push(file + ': loads differently');
}
for (const [way, count] of Object.entries(tally).sort((a, b) => b[1] - a[1])) console.log(String(count).padStart(6), way);
console.log(`by edits: ${(editedBytes / 1048576).toFixed(2)} MB in ${editedMs.toFixed(0)} ms`);
for (const p of problems) console.log('PROBLEM', p);
process.exit(problems.length ? 1 : 0);

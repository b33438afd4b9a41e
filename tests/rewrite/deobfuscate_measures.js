// The measures the deobfuscator's goals are stated in, shared by the fixture test and the side by
// side with the peers (bench/deobfuscate-peers): a script's answer, its string literals, whether a
// decoder call or a dispatcher is left.
'use strict';
const vm = require('vm');

const Babel = require(process.env.JSDEBUG_BABEL || '/usr/share/nodejs/@babel/standalone/babel.js');

// The fixture's answer: every fixture defines check().
function run(code) {
    const noop = () => {};
    const context = vm.createContext({ setInterval: noop, setTimeout: noop, console: { log: noop, warn: noop, error: noop } });
    return vm.runInContext(`${code}\n;check()`, context, { timeout: 5000 });
}

function stringsOf(code) {
    const out = [];
    Babel.transform(code, {
        babelrc: false, configFile: false, code: false, sourceType: 'script',
        plugins: [() => ({ visitor: { StringLiteral(p) { out.push(p.node.value); } } })],
    });
    return out;
}

// A call of an obfuscator-named function (a decoder or its wrapper) or a dispatcher over an order string.
function hasResidue(code) {
    return /\b_0x[0-9a-f]+\(|while\s*\(\s*(true|!!\[\])\s*\)\s*\{\s*switch|\.split\('\|'\)/.test(code);
}

// The same for a tool that keeps the obfuscator's names: a definition named _0x… and a call of
// one with a variable argument are the author's functions under their new names, so only a call
// with nothing but literal arguments (a decoder's `_0x3a5d(137, 'Sf%a')`) or a dispatcher counts.
function hasDecoderCall(code) {
    return /\b_0x[0-9a-f]+\((\s*(-?0x[0-9a-f]+|-?\d+(\.\d+)?|'(\\.|[^'\\])*'|"(\\.|[^"\\])*")\s*,?)+\)/i.test(code) ||
        /while\s*\(\s*(true|!!\[\])\s*\)\s*\{\s*switch|\.split\('\|'\)/.test(code);
}

const median = (a) => { const s = a.slice().sort((x, y) => x - y); return s.length ? s[Math.floor(s.length / 2)] : 0; };

module.exports = { run, stringsOf, hasResidue, hasDecoderCall, median };

// The side by side: our deobfuscator, restringer and obfuscator-io-deobfuscator on the obfuscated
// fixtures of tests/data/deobfuscate (each preset, each file), with the measures the goals are
// stated in, then the time each takes on one obfuscated file of about 200 KB.
//   node compare.js          (run.sh installs the peers and sets the environment)
'use strict';
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');
const { run, stringsOf, hasDecoderCall, median } = require('../../tests/rewrite/deobfuscate_measures');

const here = __dirname;
const fixtures = path.join(here, '../../tests/data/deobfuscate');
const tools = (process.env.TOOLS || 'jsdebug,restringer,obfuscator-io-deobfuscator').split(',');
const timeoutMs = Number(process.env.PEER_TIMEOUT_MS || 300000);
const runs = Number(process.env.RUNS || 3);
// Every output is kept, to read what a tool left.
const outputs = path.join(process.env.JSDEBUG_PEERS, 'outputs');
fs.mkdirSync(outputs, { recursive: true });

function deobfuscateWith(tool, file) {
  const r = spawnSync(process.execPath, ['--max-old-space-size=4096', path.join(here, 'worker.mjs'), tool, file],
                      { encoding: 'utf8', maxBuffer: 256 * 1024 * 1024, timeout: timeoutMs, env: process.env });
  if (r.error) return { failed: r.error.code === 'ETIMEDOUT' ? `over ${timeoutMs / 1000} s` : r.error.message };
  try {
    return JSON.parse(r.stdout);
  } catch (e) {
    const why = (r.stderr || '').trim().split('\n').filter((l) => /Error/.test(l))[0] || `exit ${r.status}`;
    return { failed: why.slice(0, 120) };
  }
}

function answerOf(code) {
  try { return run(code); } catch (e) { return `threw ${e.message}`; }
}

const presets = fs.readdirSync(fixtures).filter((d) => d !== 'plain' && fs.statSync(path.join(fixtures, d)).isDirectory()).sort();
const plainFiles = fs.readdirSync(path.join(fixtures, 'plain')).filter((f) => f.endsWith('.js')).sort();

console.log('| tool | preset | same answer | strings back | no decoder/dispatcher | max size | median ms |');
console.log('|---|---|---|---|---|---|---|');
for (const tool of tools) {
  for (const preset of presets) {
    let cases = 0, same = 0, strings = 0, stringsTotal = 0, clean = 0;
    const ratios = [], ms = [], failures = [];
    for (const file of plainFiles) {
      const plain = fs.readFileSync(path.join(fixtures, 'plain', file), 'utf8');
      cases++;
      const want = stringsOf(plain);
      stringsTotal += want.length;
      const got = deobfuscateWith(tool, path.join(fixtures, preset, file));
      if (got.failed) { failures.push(`${file}: ${got.failed}`); continue; }
      ms.push(got.ms);
      if (answerOf(got.code) === answerOf(plain)) same++;
      let found;
      try { found = new Set(stringsOf(got.code)); } catch (e) { found = new Set(); }
      strings += want.filter((s) => found.has(s)).length;
      if (!hasDecoderCall(got.code)) clean++;
      fs.writeFileSync(path.join(outputs, `${tool}-${preset}-${file}`), got.code);
      ratios.push(got.code.length / plain.length);
    }
    const pct = (n, d) => `${(100 * n / d).toFixed(0)} %`;
    console.log(`| ${tool} | ${preset} | ${pct(same, cases)} | ${(100 * strings / stringsTotal).toFixed(1)} % | ` +
                `${pct(clean, cases)} | ${ratios.length ? Math.max(...ratios).toFixed(2) + '×' : '–'} | ` +
                `${ms.length ? median(ms).toFixed(0) : '–'} |`);
    for (const f of failures) console.error(`  ${tool} ${preset}/${f}`);
  }
}

// One large file: the six plain scripts, each in a module function of its own, repeated until
// the obfuscated text passes 200 KB; javascript-obfuscator's default preset with a fixed seed.
const big = path.join(process.env.JSDEBUG_PEERS, 'obfuscated-200k.js');
if (!fs.existsSync(big)) {
  const JavaScriptObfuscator = require(path.join(process.env.JSDEBUG_PEERS, 'node_modules/javascript-obfuscator'));
  let copies = 0, code = '';
  while (code.length < 200 * 1024) {
    copies += 4;
    const parts = [];
    for (let c = 0; c < copies; c++) {
      plainFiles.forEach((file, i) => {
        const src = fs.readFileSync(path.join(fixtures, 'plain', file), 'utf8');
        parts.push(`var m${c}_${i} = (function () {\n${src}\nreturn check;\n})();`);
      });
    }
    const names = [];
    for (let c = 0; c < copies; c++) plainFiles.forEach((f, i) => names.push(`m${c}_${i}()`));
    parts.push(`function check() { return [${names.join(', ')}].join(' | '); }`);
    code = JavaScriptObfuscator.obfuscate(parts.join('\n'), { seed: 4242 }).getObfuscatedCode() + '\n';
  }
  fs.writeFileSync(big, code);
}
const bigSize = fs.statSync(big).size;
console.log('');
console.log(`| tool | ${(bigSize / 1024).toFixed(0)} KB obfuscated file: median of ${runs} runs, ms | same answer |`);
console.log('|---|---|---|');
const expected = answerOf(fs.readFileSync(big, 'utf8'));
for (const tool of tools) {
  const ms = [];
  let same = '–', failed = '';
  for (let i = 0; i < runs; i++) {
    const got = deobfuscateWith(tool, big);
    if (got.failed) { failed = got.failed; break; }
    ms.push(got.ms);
    same = answerOf(got.code) === expected ? 'yes' : 'no';
  }
  console.log(`| ${tool} | ${failed ? 'failed: ' + failed : median(ms).toFixed(0)} | ${same} |`);
}

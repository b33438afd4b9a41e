// Runs the deobfuscator over every obfuscated fixture and checks the goals: the output
// parses and answers as the plain script does; the plain script's strings come back; no
// decoder call or dispatcher is left; the size stays near the plain script's.
// Usage: node deobfuscate_fixtures.js [--table] DEOBFUSCATE_JS FIXTURES_DIR [PRESET,...]
// Every preset must give the same answers; the other goals are held for the presets named (all
// when none are), the rest only reported.
'use strict';
const fs = require('fs');
const path = require('path');

const args = process.argv.slice(2);
const table = args[0] === '--table' ? args.shift() : null;
const { deobfuscate } = require(path.resolve(args[0]));
const root = args[1];
const held = args[2] ? new Set(args[2].split(',')) : null;
const { run, stringsOf, hasResidue, median } = require('./deobfuscate_measures');

const presets = fs.readdirSync(root).filter((d) => d !== 'plain' && fs.statSync(path.join(root, d)).isDirectory()).sort();
const plainFiles = fs.readdirSync(path.join(root, 'plain')).filter((f) => f.endsWith('.js')).sort();
let failures = 0;
const rows = [];
for (const preset of presets) {
    const row = { preset, cases: 0, same: 0, strings: 0, stringsTotal: 0, clean: 0, ratio: [], ms: [] };
    for (const file of plainFiles) {
        const plain = fs.readFileSync(path.join(root, 'plain', file), 'utf8');
        const obf = fs.readFileSync(path.join(root, preset, file), 'utf8');
        row.cases++;
        const started = process.hrtime.bigint();
        let out;
        try {
            // A generous deadline: a loaded machine must not turn a slow run into a failed goal.
            out = deobfuscate(obf, { timeoutMs: 300000 }).code;
        } catch (e) {
            console.log(`FAIL ${preset}/${file}: ${e.message}`);
            failures++;
            continue;
        }
        row.ms.push(Number(process.hrtime.bigint() - started) / 1e6);
        let answer;
        try {
            answer = run(out);
        } catch (e) {
            answer = `threw ${e.message}`;
        }
        const expected = run(plain);
        if (answer === expected) row.same++;
        else { console.log(`FAIL ${preset}/${file}: answer ${JSON.stringify(answer)} expected ${JSON.stringify(expected)}`); failures++; }
        const got = new Set(stringsOf(out));
        const want = stringsOf(plain);
        row.stringsTotal += want.length;
        row.strings += want.filter((s) => got.has(s)).length;
        const residue = hasResidue(out);
        if (!residue) row.clean++;
        else if (table === null) console.log(`note ${preset}/${file}: decoder call or dispatcher left`);
        row.ratio.push(out.length / plain.length);
    }
    rows.push(row);
}
let goalsMissed = 0;
console.log('preset    cases  same   strings  clean  max-size  median-ms');
for (const r of rows) {
    const strings = r.strings / r.stringsTotal;
    const clean = r.clean / r.cases;
    const maxRatio = Math.max(...r.ratio);
    console.log(`${r.preset.padEnd(9)} ${String(r.cases).padStart(5)}  ${(100 * r.same / r.cases).toFixed(0).padStart(3)}%  ${(100 * strings).toFixed(1).padStart(6)}%  ${(100 * clean).toFixed(0).padStart(4)}%  ${maxRatio.toFixed(2).padStart(7)}x  ${median(r.ms).toFixed(1).padStart(8)}`);
    if (r.same !== r.cases) goalsMissed++;
    else if ((!held || held.has(r.preset)) && (strings < 0.95 || clean < 0.9 || maxRatio > 1.5)) goalsMissed++;
}
if (failures || goalsMissed) {
    console.log(`${failures} failing cases, ${goalsMissed} presets below the goals`);
    process.exit(1);
}

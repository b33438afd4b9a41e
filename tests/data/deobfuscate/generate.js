// Regenerates the obfuscated fixtures from plain/ with fixed seeds. The generator is a
// test-data tool only: `npm install javascript-obfuscator@4` in a scratch folder, then
//   NODE_PATH=/scratch/node_modules node generate.js
// The results are committed, so tests and CI never need it.
'use strict';
const fs = require('fs');
const path = require('path');
const JavaScriptObfuscator = require('javascript-obfuscator');

const presets = {
    default: {},
    rc4: {
        stringArrayEncoding: ['rc4'], stringArrayThreshold: 1, stringArrayWrappersCount: 2,
        stringArrayWrappersChainedCalls: true, stringArrayWrappersType: 'function',
        stringArrayWrappersParametersMaxCount: 4, stringArrayCallsTransform: true,
        stringArrayCallsTransformThreshold: 1,
    },
    cff: {
        controlFlowFlattening: true, controlFlowFlatteningThreshold: 1,
        deadCodeInjection: true, deadCodeInjectionThreshold: 0.5,
    },
    numbers: {
        numbersToExpressions: true, splitStrings: true, splitStringsChunkLength: 4,
        transformObjectKeys: true, stringArrayEncoding: ['base64'],
    },
    high: { optionsPreset: 'high-obfuscation', selfDefending: false },
};

const here = __dirname;
const plain = fs.readdirSync(path.join(here, 'plain')).filter((f) => f.endsWith('.js')).sort();
for (const [name, options] of Object.entries(presets)) {
    fs.mkdirSync(path.join(here, name), { recursive: true });
    plain.forEach((file, i) => {
        const source = fs.readFileSync(path.join(here, 'plain', file), 'utf8');
        const result = JavaScriptObfuscator.obfuscate(source, { ...options, seed: 1000 + i });
        fs.writeFileSync(path.join(here, name, file), result.getObfuscatedCode() + '\n');
    });
}

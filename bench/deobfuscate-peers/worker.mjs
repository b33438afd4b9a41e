// One deobfuscator on one file, in a process of its own (a peer that hangs or dies costs only
// this process): prints {"ms": time inside the tool, "code": its output} on standard output.
//   node worker.mjs TOOL FILE     TOOL: jsdebug | restringer | obfuscator-io-deobfuscator
// JSDEBUG_PEERS names the folder whose node_modules holds the peers; DEOBFUSCATOR our pass file.
import fs from 'fs';
import path from 'path';
import { createRequire } from 'module';
import { pathToFileURL } from 'url';

const [tool, file] = process.argv.slice(2);
const source = fs.readFileSync(file, 'utf8');
const peers = path.join(process.env.JSDEBUG_PEERS, 'node_modules');
const require = createRequire(import.meta.url);
// Their own console output would mix with the answer.
const out = process.stdout.write.bind(process.stdout);
for (const name of ['log', 'info', 'warn', 'error', 'debug']) console[name] = () => {};

let run;
if (tool === 'jsdebug') {
  const { deobfuscate } = require(process.env.DEOBFUSCATOR);
  run = (code) => deobfuscate(code, { timeoutMs: 600000 }).code;
} else if (tool === 'restringer') {
  const restringer = await import(pathToFileURL(path.join(peers, 'restringer/index.js')).href);
  // restringer 2.2 evaluates in a node child that must be Node 22.20 or newer, or in the native
  // isolated-vm (built from source or fetched from GitHub): neither is possible on these machines.
  // Its isolated-vm provider, remade on node:vm: the same blocked globals, time limit and copied
  // results; its passes are untouched.
  const { BLOCKED_APIS, DEFAULT_TIMEOUT } = await import(
    pathToFileURL(path.join(peers, 'restringer/src/modules/utils/sandbox/constants.js')).href);
  const vm = await import('vm');
  const sandbox = { provider: {
    name: 'node-vm',
    capabilities: { reusableContext: true, strictIsolation: false },
    createSession(options = {}) {
      const timeout = Number(options.timeout ?? DEFAULT_TIMEOUT);
      const context = vm.createContext({});
      vm.runInContext('var global = this;', context);
      for (const name of Object.keys(BLOCKED_APIS)) context[name] = BLOCKED_APIS[name];
      const exec = (code) => vm.runInContext('delete Math.random; delete Date;\n\n' + code, context, { timeout });
      return {
        providerName: 'node-vm',
        capabilities: { reusableContext: true, strictIsolation: false },
        run(code) {
          const result = exec(code);
          try { return structuredClone(result); } catch { return undefined; }
        },
        exec(code) { exec(code); },
        close() {},
      };
    },
  } };
  run = (code) => { const r = new restringer.REstringer(code, { sandbox }); r.deobfuscate(); return r.script; };
} else if (tool === 'obfuscator-io-deobfuscator') {
  const { deobfuscate } = require(path.join(peers, 'obfuscator-io-deobfuscator/dist/index.js'));
  run = (code) => deobfuscate(code);
} else {
  throw new Error('unknown tool ' + tool);
}
const started = process.hrtime.bigint();
const code = run(source);
const ms = Number(process.hrtime.bigint() - started) / 1e6;
out(JSON.stringify({ ms, code }));

#!/bin/sh
# "压缩" on a real library that leaves out semicolons: fetches crypto-js 4 from the npm registry,
# minifies its full build with jsdebug-cli, and checks with node that the result still parses
# and computes the same digests as the original. Needs the npm registry, so it is no unit test.
#   scripts/check-minify-crypto-js.sh [BUILD_BIN]   (default: build/bin)
set -eu
bin=${1:-build/bin}
cli=$(cd "$bin" && pwd)/jsdebug-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
npm pack --silent crypto-js@4 >/dev/null
tar xzf crypto-js-*.tgz
"$cli" minify package/crypto-js.js > min.js
node --check min.js
node -e '
const vm = require("vm"), fs = require("fs");
function load(file) {
  const ctx = {module: {exports: {}}};
  ctx.exports = ctx.module.exports;
  vm.createContext(ctx);
  vm.runInContext(fs.readFileSync(file, "utf8"), ctx);
  return ctx.module.exports;
}
const a = load("package/crypto-js.js"), b = load("min.js");
for (const name of ["MD5", "SHA1", "SHA256", "SHA512", "RIPEMD160"]) {
  if (a[name]("jsdebug").toString() !== b[name]("jsdebug").toString()) throw new Error(name + " differs");
}
const key = a.enc.Hex.parse("000102030405060708090a0b0c0d0e0f"), iv = key;
if (a.AES.encrypt("jsdebug", key, {iv}).toString() !== b.AES.encrypt("jsdebug", key, {iv}).toString())
  throw new Error("AES differs");
'
echo "crypto-js: $(wc -c < package/crypto-js.js) bytes minified to $(wc -c < min.js), parses, same digests"

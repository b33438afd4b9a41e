// "deobfuscate": the script read back towards its source (rewrite/js/lib/deobfuscator.js), with
// what each pass did as report lines and the syntax error, if any, as a problem.
// Options: timeoutMs, the time the passes may take (the worker is stopped past the request's
// own limit, so this stays below it).
var deobfuscator = require('lib/deobfuscator');

module.exports = function (text, options, api) {
  var timeoutMs = Number(options.timeoutMs) || 8000;
  try {
    var out = deobfuscator.deobfuscate(text, {timeoutMs: timeoutMs});
    // what the printer wrote must read back as a script before it is offered
    api.babel.transform(out.code, {babelrc: false, configFile: false, code: false, sourceType: 'script'});
    var report = out.report.replace(/\n$/, '').split('\n');
    return {text: out.code, report: report, facts: [['strings', String(out.counts.stringsDecoded || 0)]]};
  } catch (e) {
    if (e && e.syntax) return {errors: [{line: e.line, column: e.column, message: e.message}]};
    if (e && e.tooLarge) return {errors: [{line: 0, column: 0, message: e.message}]};
    throw e;
  }
};

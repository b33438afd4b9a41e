// "to-jscript" (转为JScript): rewrites a modern script so that JScript 5.7 runs it. The syntax goes
// down to ES5 and then ES3 with Babel, the polyfills the converted code uses are prepended once,
// and what cannot be converted is refused with its line.
//
// Answers: text (the converted script), report lines for the log, problems (each what and where)
// when it refuses, facts: "form" "<name> <count>" per rewritten syntax form, "polyfill"
// "<name> <bytes>" per polyfill in the order prepended, "limit" per limitation of the polyfills
// used, "size" the converted text's length in characters.
var parsing = require('lib/parsing');
var transforms = require('./jscript/transforms');
var scan = require('./jscript/scan');
var polyfills = require('./jscript/polyfills');
var splice = require('./jscript/splice');
var lowering = require('./jscript/lower');

// What a polyfill cannot do, said in the log when it is added.
var limits = {
  'typed-arrays': '类型化数组用普通数组代替：下标写入超出元素范围时不回绕，同一 ArrayBuffer 上的多个视图不共享内容，instanceof 判断为假',
  'Promise': 'Promise：没有事件循环，回调在当前调用返回前就运行完',
  'Object.setPrototypeOf': 'Object.setPrototypeOf 只复制属性，不真正改变原型',
  'Object.defineProperty': 'Object.defineProperty 只能定义普通值，定义的属性仍可枚举',
  'Object.freeze': 'Object.freeze/seal 不锁定对象',
};

var prototypeNames = /^(Array|String|Function|Date)\.prototype\./;

function banner(name, source) {
  return '/* ---- 转为JScript 补充：' + name + ' ---- */\n' + source.replace(/\s*$/, '\n');
}

// The typed-array stand-in is added when the script reads one of these globals.
var typedArrayNames = ['ArrayBuffer', 'DataView', 'Int8Array', 'Uint8Array', 'Uint8ClampedArray', 'Int16Array',
                       'Uint16Array', 'Int32Array', 'Uint32Array', 'Float32Array', 'Float64Array'];

// Bytes in the program's GBK: one per ASCII character, two for any other.
function gbkSize(text) {
  return text.replace(/[^\x00-\x7f]/g, 'xx').length;
}

module.exports = function (text, options, api) {
  var parsed = parsing.parse(api.babel, text);
  if (parsed.error) return {errors: [parsed.error]};
  var scanned = scan.scan(parsed.ast, text);
  if (scanned.problems.length) return {errors: scanned.problems};

  var converted, counts = {};
  var typedArrays = typedArrayNames.some(function (n) { return scanned.used[n]; });
  // Three ways, the quickest that can do it: an ES5 script only needs the ES3 pass, which its own
  // text takes as a few edits; a modern one (or one with names JScript reserves) goes down to ES5
  // by edits as well, the ES3 pass's made on the way; what the edits do not take goes through
  // Babel's passes, which take seconds a megabyte.
  var es3 = splice.es3Edits(parsed.ast, text, typedArrays, true);
  var path, helperTrees = [];
  if (es3 && !scanned.modern && !es3.reservedNames) {
    path = 'es5';
    converted = {code: splice.applyEdits(text, es3.edits), ast: parsed.ast};
  } else if (es3) {
    var lowered = lowering.lower(parsed.ast, text, {
      babel: api.babel, spliceES3: splice.spliceES3,
      parse: function (code) { return parsing.parse(api.babel, code).ast; },
    }, es3);
    if (lowered.code !== undefined) {
      path = 'lowered';
      converted = {code: lowered.code, ast: parsed.ast};
      helperTrees = lowered.helpers;
    } else {
      path = 'babel: ' + lowered.unsupported;
    }
  } else {
    path = 'babel: ES3 edits that meet';
  }
  if (converted) {
    if (es3.counts.charAt) counts.charAt = es3.counts.charAt;
  } else try {
    converted = transforms.toJScript(api.babel, parsed.ast, text, scanned.modern, typedArrays, counts);
  } catch (e) {
    var loc = e.loc || {line: 0, column: 0};
    var message = String(e.message || e).split('\n')[0].replace(/^[^:]*: /, '');
    return {errors: [{line: loc.line, column: loc.column, message: '无法转换：' + message + (loc.line ? '（第' + loc.line + '行）' : '')}]};
  }

  // What the converted code uses: the script's own tree and the helpers the lowering added.
  var needed = polyfills.needed(helperTrees.length ? {type: 'File', program: {type: 'Program', directives: [],
                                body: [converted.ast].concat(helperTrees)}} : converted.ast, scanned.declared);
  if (counts.charAt) scanned.forms.push(['字符串下标 s[i]', counts.charAt]);
  var facts = [['path', path]], report = [], library = '';
  scanned.forms.forEach(function (f) { facts.push(['form', f[0] + ' ' + f[1]]); });
  needed.forEach(function (name) {
    var source = banner(name, api.file('polyfills/' + name));
    library += source + '\n';
    facts.push(['polyfill', name + ' ' + gbkSize(source)]);
    if (limits[name]) facts.push(['limit', limits[name]]);
  });
  if (needed.some(function (n) { return prototypeNames.test(n); }))
    facts.push(['limit', '加到原型上的方法在 for…in 中可见']);

  // JScript reads no #! line: it stays as a comment.
  var code = converted.code.replace(/^#!/, '//#!');
  var result = library + code + (/\n$/.test(code) ? '' : '\n');
  // Nothing to convert: the script stays as it was written rather than as Babel would lay it out.
  if (!scanned.forms.length && !needed.length && !parsed.ast.program.interpreter) result = text;
  // The script's own line breaks: CR LF in, CR LF out.
  else if (/\r\n/.test(text)) result = result.replace(/\r?\n/g, '\r\n');
  facts.push(['size', String(gbkSize(result))]);

  if (scanned.forms.length)
    report.push('转换的语法：' + scanned.forms.map(function (f) { return f[0] + ' ' + f[1] + ' 处'; }).join('，'));
  else
    report.push('转换的语法：无（已是 ES3 语法）');
  if (needed.length)
    report.push('补充的库：' + needed.map(function (name) {
      var size = facts.filter(function (f) { return f[0] === 'polyfill' && f[1].indexOf(name + ' ') === 0; })[0][1].split(' ')[1];
      return (name === 'typed-arrays' ? '类型化数组替代品' : name) + '（' + size + ' 字节）';
    }).join('，'));
  else
    report.push('补充的库：无');
  facts.forEach(function (f) { if (f[0] === 'limit') report.push('注意：' + f[1]); });
  if (result === text) report.push('代码没有需要转换的地方，未改动');
  return {text: result, report: report, facts: facts};
};

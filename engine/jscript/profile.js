function (global, natives) {
// Shapes a fresh Duktape heap into the JScript 5.7 library the Windows script host offers.
// Compiled once per process; each heap runs it once, right after it is created. Everything it
// adds is DontEnum, as JScript's own built-ins are, so a for-in over them finds nothing.

var NativeObject = Object, NativeDate = Date, NativeRegExp = RegExp, NativeError = Error;
var ObjectProto = Object.prototype, ArrayProto = Array.prototype, StringProto = String.prototype;
var DateProto = Date.prototype, FunctionProto = Function.prototype, RegExpProto = RegExp.prototype;
var NumberProto = Number.prototype;
var hasOwn = ObjectProto.hasOwnProperty;
var nativeExec = RegExpProto.exec, nativeReplace = StringProto.replace;
var nativeMatch = StringProto.match, nativeSearch = StringProto.search;
var nativeSplit = StringProto.split, nativeSubstring = StringProto.substring;
var nativeObjectToString = ObjectProto.toString, nativeFunctionToString = FunctionProto.toString;
var nativeParseInt = global.parseInt;
var nativeDateParse = Date.parse, nativeUnshift = ArrayProto.unshift;
var gc = global.Duktape.gc;

// Writable, configurable and not enumerable; native, so that no descriptor object is made for
// each of the many properties every heap gets.
var hide = natives.hide;

function remove(target, names) {
  for (var i = 0; i < names.length; i++) delete target[names[i]];
}

// Functions the profile adds read as built-ins do: their text is "[native code]".
var builtins = [];
function builtin(target, name, fn) {
  hide(target, name, fn);
  builtins[builtins.length] = fn;
  return fn;
}

// An Error as JScript raises it for a failure it numbers: the signed HRESULT and its text.
function jscriptError(Type, hresult, text) {
  var e = new Type(text);
  hide(e, 'number', hresult);
  hide(e, 'description', text);
  return e;
}

// ---- What JScript 5.7 does not have ----------------------------------------------------------

remove(global, ['JSON', 'CBOR', 'Duktape', 'Proxy', 'Reflect', 'Symbol', 'Buffer', 'ArrayBuffer',
  'DataView', 'Int8Array', 'Uint8Array', 'Uint8ClampedArray', 'Int16Array', 'Uint16Array',
  'Int32Array', 'Uint32Array', 'Float32Array', 'Float64Array', 'TextEncoder', 'TextDecoder',
  'performance', 'globalThis', 'Promise', 'Map', 'Set', 'WeakMap', 'WeakSet', 'print', 'alert']);
remove(Object, ['getPrototypeOf', 'setPrototypeOf', 'getOwnPropertyDescriptor',
  'getOwnPropertyNames', 'assign', 'create', 'defineProperty', 'defineProperties', 'seal',
  'freeze', 'preventExtensions', 'isSealed', 'isFrozen', 'isExtensible', 'keys',
  'getOwnPropertySymbols', 'is', 'entries', 'values']);
remove(ObjectProto, ['__proto__', '__defineGetter__', '__defineSetter__', '__lookupGetter__',
  '__lookupSetter__']);
remove(Array, ['isArray', 'from', 'of']);
remove(ArrayProto, ['indexOf', 'lastIndexOf', 'every', 'some', 'forEach', 'map', 'filter',
  'reduce', 'reduceRight', 'fill', 'find', 'findIndex', 'includes', 'keys', 'values', 'entries',
  'copyWithin']);
remove(String, ['fromCodePoint', 'raw']);
remove(StringProto, ['trim', 'trimLeft', 'trimRight', 'trimStart', 'trimEnd', 'codePointAt',
  'repeat', 'startsWith', 'endsWith', 'includes', 'normalize', 'padStart', 'padEnd']);
remove(Number, ['EPSILON', 'MAX_SAFE_INTEGER', 'MIN_SAFE_INTEGER', 'parseInt', 'parseFloat',
  'isFinite', 'isInteger', 'isNaN', 'isSafeInteger']);
remove(Math, ['cbrt', 'clz32', 'hypot', 'imul', 'log2', 'log10', 'sign', 'trunc', 'fround',
  'expm1', 'log1p', 'sinh', 'cosh', 'tanh', 'asinh', 'acosh', 'atanh']);
remove(Date, ['now']);
remove(DateProto, ['toISOString', 'toJSON']);
remove(FunctionProto, ['bind']);
// RegExp.prototype.flags stays: the engine's own split and search read it.

// ---- What JScript adds ------------------------------------------------------------------------

builtin(global, 'ScriptEngine', function ScriptEngine() { return 'JScript'; });
builtin(global, 'ScriptEngineMajorVersion', function ScriptEngineMajorVersion() { return 5; });
builtin(global, 'ScriptEngineMinorVersion', function ScriptEngineMinorVersion() { return 8; });
builtin(global, 'ScriptEngineBuildVersion', function ScriptEngineBuildVersion() { return 18702; });
builtin(global, 'CollectGarbage', function CollectGarbage() { gc(); });

// There is no COM here: every object the script asks for fails as an unregistered one does.
var AUTOMATION_CANNOT_CREATE = -2146827859;  // 429
var automationText = 'Automation 服务器不能创建对象';
builtin(global, 'ActiveXObject', function ActiveXObject(progID) {
  throw jscriptError(NativeError, AUTOMATION_CANNOT_CREATE, automationText);
});
builtin(global, 'GetObject', function GetObject(pathname, progID) {
  throw jscriptError(NativeError, AUTOMATION_CANNOT_CREATE, automationText);
});

// VBArray: no VB safe array can reach a script here, so whatever it is given is not one.
var VBARRAY_EXPECTED = -2146823275;  // 5013
function notVBArray() { throw jscriptError(TypeError, VBARRAY_EXPECTED, '缺少 VBArray 对象'); }
var VBArray = builtin(global, 'VBArray', function VBArray(safeArray) { notVBArray(); });
builtin(VBArray.prototype, 'dimensions', function dimensions() { notVBArray(); });
builtin(VBArray.prototype, 'getItem', function getItem(index) { notVBArray(); });
builtin(VBArray.prototype, 'lbound', function lbound() { notVBArray(); });
builtin(VBArray.prototype, 'toArray', function toArray() { notVBArray(); });
builtin(VBArray.prototype, 'ubound', function ubound() { notVBArray(); });

// Enumerator: walks an array's elements, or the values of another object's properties.
var ENUMERATOR_EXPECTED = -2146823273;  // 5015
var enumeratorItems = '\xff' + 'items', enumeratorAt = '\xff' + 'at';
function enumeratorState(e) {
  if (e === null || typeof e !== 'object' || !hasOwn.call(e, enumeratorItems))
    throw jscriptError(TypeError, ENUMERATOR_EXPECTED, '缺少 Enumerator 对象');
  return e;
}
// The seven formal parameters give the length JScript reports.
var Enumerator = builtin(global, 'Enumerator', function Enumerator(collection, a, b, c, d, e, f) {
  if (!(this instanceof Enumerator)) return new Enumerator(collection);
  var items = [], i, n;
  if (collection !== undefined && collection !== null) {
    if (typeof collection === 'string') {
      // a string is not a collection
    } else if (typeof collection.length === 'number') {
      for (i = 0, n = collection.length; i < n; i++) items[i] = collection[i];
    } else if (typeof collection === 'object' || typeof collection === 'function') {
      for (i in collection) items[items.length] = collection[i];
    }
  }
  hide(this, enumeratorItems, items);
  hide(this, enumeratorAt, 0);
});
builtin(Enumerator.prototype, 'atEnd', function atEnd() {
  var s = enumeratorState(this);
  return s[enumeratorAt] >= s[enumeratorItems].length;
});
builtin(Enumerator.prototype, 'item', function item() {
  var s = enumeratorState(this);
  return s[enumeratorItems][s[enumeratorAt]];
});
builtin(Enumerator.prototype, 'moveFirst', function moveFirst() {
  enumeratorState(this)[enumeratorAt] = 0;
});
builtin(Enumerator.prototype, 'moveNext', function moveNext() {
  var s = enumeratorState(this);
  if (s[enumeratorAt] < s[enumeratorItems].length) s[enumeratorAt]++;
});

// The HTML methods, with the upper-case tags JScript writes.
function htmlMethod(name, tag, attribute) {
  builtin(StringProto, name, attribute ?
      function (value) { return '<' + tag + ' ' + attribute + '="' + value + '">' + this + '</' + tag + '>'; } :
      function () { return '<' + tag + '>' + this + '</' + tag + '>'; });
}
htmlMethod('anchor', 'A', 'NAME');
htmlMethod('big', 'BIG');
htmlMethod('blink', 'BLINK');
htmlMethod('bold', 'B');
htmlMethod('fixed', 'TT');
htmlMethod('fontcolor', 'FONT', 'COLOR');
htmlMethod('fontsize', 'FONT', 'SIZE');
htmlMethod('italics', 'I');
htmlMethod('link', 'A', 'HREF');
htmlMethod('small', 'SMALL');
htmlMethod('strike', 'STRIKE');
htmlMethod('sub', 'SUB');
htmlMethod('sup', 'SUP');

// RegExp.$1..$9 and friends describe the last successful match of any regular expression. They
// are worked out when read: recording the match is all a match pays.
var lastMatch = null;       // the match array, once known
var lastPattern = null;     // else the expression and text to find it again
var lastInput = '';
var lastGlobal = false;

function recordMatch(m, input) {
  lastMatch = m;
  lastPattern = null;
  lastInput = input;
}
function recordPattern(re, input, global) {
  lastMatch = null;
  lastPattern = re;
  lastInput = input;
  lastGlobal = global;
}
function currentMatch() {
  if (lastMatch === null && lastPattern !== null) {
    var re = new NativeRegExp(lastPattern.source,
        'g' + (lastPattern.ignoreCase ? 'i' : '') + (lastPattern.multiline ? 'm' : ''));
    var m, found = null;
    while ((m = nativeExec.call(re, lastInput)) !== null) {
      found = m;
      if (!lastGlobal) break;
      if (m[0].length === 0) re.lastIndex++;
    }
    lastMatch = found;
    lastPattern = null;
  }
  return lastMatch;
}
// One reader for all of them: the accessors are natives that ask it by number (1 to 9 the
// groups, then the names in the order listed), and assigning to one does nothing.
natives.regExpStatics(NativeRegExp, ['lastMatch', 'lastParen', 'leftContext', 'rightContext',
    'input', 'index', 'lastIndex'], function (which) {
  var m = currentMatch();
  if (which <= 9) return m === null || m[which] === undefined ? '' : m[which];
  switch (which) {
    case 10: return m === null ? '' : m[0];
    case 11: return m === null || m.length < 2 || m[m.length - 1] === undefined ? '' : m[m.length - 1];
    case 12: return m === null ? '' : nativeSubstring.call(lastInput, 0, m.index);
    case 13: return m === null ? '' : nativeSubstring.call(lastInput, m.index + m[0].length);
    case 14: return lastInput;
    case 15: return m === null ? -1 : m.index;
    default: return m === null ? -1 : m.index + m[0].length;
  }
});

hide(RegExpProto, 'exec', function exec(s) {
  var m = nativeExec.call(this, s);
  if (m !== null) recordMatch(m, m.input);
  return m;
});
hide(RegExpProto, 'test', function test(s) {
  var m = nativeExec.call(this, s);
  if (m === null) return false;
  recordMatch(m, m.input);
  return true;
});
hide(StringProto, 'match', function match(re) {
  var m = nativeMatch.call(this, re);
  if (m !== null) {
    if (re instanceof NativeRegExp && re.global) recordPattern(re, String(this), true);
    else recordMatch(m, m.input);
  }
  return m;
});
hide(StringProto, 'search', function search(re) {
  var at = nativeSearch.call(this, re);
  if (at >= 0) recordPattern(re instanceof NativeRegExp ? re : new NativeRegExp(re), String(this), false);
  return at;
});
hide(StringProto, 'replace', function replace(pattern, replacement) {
  var text = String(this);
  var result = nativeReplace.call(text, pattern, replacement);
  if (pattern instanceof NativeRegExp && result !== text) recordPattern(pattern, text, pattern.global);
  return result;
});

// getVarDate hands back an Automation date; scripts see it only through its text, which is
// the Chinese locale's short date and, unless it is midnight, the time.
builtin(DateProto, 'getVarDate', function getVarDate() {
  var d = new NativeDate(this.getTime()), t = d.getTime();
  var text = isNaN(t) ? 'NaN' : d.getFullYear() + '/' + (d.getMonth() + 1) + '/' + d.getDate() +
      (d.getHours() || d.getMinutes() || d.getSeconds() ? ' ' + localTime(d) : '');
  var v = {};
  hide(v, 'toString', function () { return text; });
  hide(v, 'valueOf', function () { return text; });
  return v;
});

// ---- Library semantics where JScript differs --------------------------------------------------

// Without a radix a leading 0 means octal: "010" is 8 and "08" is 0.
builtin(global, 'parseInt', function parseInt(string, radix) {
  var s = String(string);
  if (radix === undefined || radix === 0 || radix === null || radix !== radix) {
    var body = nativeReplace.call(s, /^\s+/, ''), sign = body.charAt(0);
    var digits = sign === '-' || sign === '+' ? nativeSubstring.call(body, 1) : body;
    if (digits.charAt(0) === '0' && digits.charAt(1) !== 'x' && digits.charAt(1) !== 'X') {
      var n = nativeParseInt(digits, 8);
      return sign === '-' ? -n : n;
    }
  }
  return nativeParseInt(s, radix);
});

// A negative start counts as 0, not from the end.
builtin(StringProto, 'substr', function substr(start, length) {
  var s = String(this), size = s.length;
  var from = start === undefined ? 0 : Number(start);
  from = from !== from || from < 0 ? 0 : Math.floor(from);
  if (from > size) from = size;
  var count = length === undefined ? size - from : Number(length);
  count = count !== count || count < 0 ? 0 : Math.floor(count);
  return nativeSubstring.call(s, from, from + count > size ? size : from + count);
});

// Split on a regular expression leaves out the empty pieces and the captured groups.
builtin(StringProto, 'split', function split(separator, limit) {
  if (!(separator instanceof NativeRegExp)) return nativeSplit.call(this, separator, limit);
  var s = String(this), size = s.length;
  if (size === 0) return nativeSplit.call(s, separator, limit);
  var lim = limit === undefined ? 4294967295 : limit >>> 0;
  var re = new NativeRegExp(separator.source,
      'g' + (separator.ignoreCase ? 'i' : '') + (separator.multiline ? 'm' : ''));
  var out = [], p = 0, q = 0, m, end, piece;
  while (q < size && out.length < lim) {
    re.lastIndex = q;
    m = nativeExec.call(re, s);
    if (m === null || m.index >= size) break;
    end = m.index + m[0].length;
    if (end === p) { q = m.index + 1; continue; }
    piece = nativeSubstring.call(s, p, m.index);
    if (piece !== '') out[out.length] = piece;
    p = q = end;
  }
  piece = nativeSubstring.call(s, p);
  if (piece !== '' && out.length < lim) out[out.length] = piece;
  if (m) recordMatch(m, s);
  return out;
});

// unshift does its work and returns nothing.
builtin(ArrayProto, 'unshift', function unshift(item) {
  nativeUnshift.apply(this, arguments);
});

// A stable sort: equal elements keep their order. Undefined values go last, then holes.
function defaultCompare(a, b) {
  var x = String(a), y = String(b);
  return x < y ? -1 : x > y ? 1 : 0;
}
builtin(ArrayProto, 'sort', function sort(compare) {
  var o = NativeObject(this), n = o.length >>> 0, values = [], undefs = 0, i;
  var cmp = compare === undefined || compare === null ? defaultCompare : compare;
  if (typeof cmp !== 'function')
    throw jscriptError(TypeError, -2146823286, '缺少函数');
  for (i = 0; i < n; i++) {
    if (!(i in o)) continue;
    if (o[i] === undefined) undefs++;
    else values[values.length] = o[i];
  }
  var count = values.length, buffer = [], width, lo, mid, hi, a, b, k;
  for (width = 1; width < count; width *= 2) {
    for (lo = 0; lo < count; lo += 2 * width) {
      mid = lo + width < count ? lo + width : count;
      hi = lo + 2 * width < count ? lo + 2 * width : count;
      a = lo; b = mid; k = lo;
      while (a < mid && b < hi) buffer[k++] = cmp(values[b], values[a]) < 0 ? values[b++] : values[a++];
      while (a < mid) buffer[k++] = values[a++];
      while (b < hi) buffer[k++] = values[b++];
    }
    var swap = values; values = buffer; buffer = swap;
  }
  for (i = 0; i < count; i++) o[i] = values[i];
  for (; i < count + undefs; i++) o[i] = undefined;
  for (; i < n; i++) delete o[i];
  return o;
});

// toFixed rounds the number's shortest decimal form half up, then pads it with zeros.
builtin(NumberProto, 'toFixed', function toFixed(fractionDigits) {
  var x = NumberProto.valueOf.call(this);
  var f = fractionDigits === undefined ? 0 : Math.floor(Number(fractionDigits)) || 0;
  if (f < 0 || f > 20)
    throw jscriptError(RangeError, -2146823262, '小数位数超出范围');
  if (x !== x) return 'NaN';
  if (Math.abs(x) >= 1e21 || !isFinite(x)) return String(x);
  var sign = x < 0 ? '-' : '', exp = Math.abs(x).toExponential();
  // exp is "d.ddde±n": the digits and where the point goes.
  var at = exp.indexOf('e'), digits = nativeReplace.call(exp.substring(0, at), '.', '');
  var point = Number(exp.substring(at + 1)) + 1;  // digits before the point
  while (point <= 0) { digits = '0' + digits; point++; }
  var keep = point + f;
  while (digits.length < keep + 1) digits += '0';
  var kept = digits.substring(0, keep), up = digits.charAt(keep) >= '5';
  if (up) {
    var chars = kept.split(''), j = chars.length - 1;
    while (j >= 0 && chars[j] === '9') { chars[j] = '0'; j--; }
    if (j >= 0) chars[j] = String.fromCharCode(chars[j].charCodeAt(0) + 1);
    else { chars.unshift('1'); point++; keep++; }
    kept = chars.join('');
  }
  var intPart = kept.substring(0, kept.length - f) || '0';
  intPart = nativeReplace.call(intPart, /^0+(?=\d)/, '');
  var result = f > 0 ? intPart + '.' + kept.substring(kept.length - f) : intPart;
  return sign + result;
});

// getYear gives years of the twentieth century as two digits, the others in full.
builtin(DateProto, 'getYear', function getYear() {
  var y = this.getFullYear();
  return y >= 1900 && y <= 1999 ? y - 1900 : y;
});

// Date's texts in JScript's forms: "Tue Jan 1 00:00:00 UTC+0800 2019".
var dayNames = ['Sun', 'Mon', 'Tue', 'Wed', 'Thu', 'Fri', 'Sat'];
var monthNames = ['Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec'];
function two(n) { return n < 10 ? '0' + n : '' + n; }
function yearText(y) { return y > 0 ? '' + y : (1 - y) + ' B.C.'; }
function zoneText(d) {
  var offset = -d.getTimezoneOffset();
  if (offset === 0) return 'UTC';
  var a = Math.abs(offset);
  return 'UTC' + (offset < 0 ? '-' : '+') + two(Math.floor(a / 60)) + two(a % 60);
}
function clockText(h, m, s) { return two(h) + ':' + two(m) + ':' + two(s); }
function localTime(d) { return d.getHours() + ':' + two(d.getMinutes()) + ':' + two(d.getSeconds()); }
function valid(d) { return !isNaN(NativeDate.prototype.getTime.call(d)); }
builtin(DateProto, 'toString', function toString() {
  if (!valid(this)) return 'NaN';
  return dayNames[this.getDay()] + ' ' + monthNames[this.getMonth()] + ' ' + this.getDate() + ' ' +
      clockText(this.getHours(), this.getMinutes(), this.getSeconds()) + ' ' + zoneText(this) +
      ' ' + yearText(this.getFullYear());
});
builtin(DateProto, 'toDateString', function toDateString() {
  if (!valid(this)) return 'NaN';
  return dayNames[this.getDay()] + ' ' + monthNames[this.getMonth()] + ' ' + this.getDate() + ' ' +
      yearText(this.getFullYear());
});
builtin(DateProto, 'toTimeString', function toTimeString() {
  if (!valid(this)) return 'NaN';
  return clockText(this.getHours(), this.getMinutes(), this.getSeconds()) + ' ' + zoneText(this);
});
var toUTCString = function toUTCString() {
  if (!valid(this)) return 'NaN';
  return dayNames[this.getUTCDay()] + ', ' + this.getUTCDate() + ' ' + monthNames[this.getUTCMonth()] +
      ' ' + yearText(this.getUTCFullYear()) + ' ' +
      clockText(this.getUTCHours(), this.getUTCMinutes(), this.getUTCSeconds()) + ' UTC';
};
builtin(DateProto, 'toUTCString', toUTCString);
builtin(DateProto, 'toGMTString', toUTCString);
// The locale forms are those of a Chinese Windows: "2019年1月1日 0:00:00".
function localDate(d) { return d.getFullYear() + '年' + (d.getMonth() + 1) + '月' + d.getDate() + '日'; }
builtin(DateProto, 'toLocaleString', function toLocaleString() {
  return valid(this) ? localDate(this) + ' ' + localTime(this) : 'NaN';
});
builtin(DateProto, 'toLocaleDateString', function toLocaleDateString() {
  return valid(this) ? localDate(this) : 'NaN';
});
builtin(DateProto, 'toLocaleTimeString', function toLocaleTimeString() {
  return valid(this) ? localTime(this) : 'NaN';
});

// Date.parse reads dates as JScript does: words and numbers in any order ("Jan 20 2009",
// "20 Jan 2009 10:00 PM", "1/20/2009", "2009/1/20", "Tue, 22 Mar 2016 09:57:55 -0300"), a zone
// "UTC", "GMT", "UTC+0800" or "+0800", "BC"; anything else, ISO 8601 included, is NaN.
var monthWords = ['january', 'february', 'march', 'april', 'may', 'june', 'july', 'august',
    'september', 'october', 'november', 'december'];
var dayWords = ['sunday', 'monday', 'tuesday', 'wednesday', 'thursday', 'friday', 'saturday'];
function wordIndex(list, word) {
  var found = -1;
  for (var i = 0; i < list.length; i++)
    if (list[i].substring(0, word.length) === word) found = i;
  return found;
}
function parseDate(text) {
  var s = String(text).toLowerCase(), n = s.length, i = 0, c, start, word, k;
  var numbers = [], month = -1, slashed = null, clock = null, zone = null, pm = -1, bc = false;
  while (i < n) {
    c = s.charAt(i);
    if (c === ' ' || c === ',' || c === '\t' || c === '\r' || c === '\n') { i++; continue; }
    if (c === '(') {  // a comment, as in "(China Standard Time)"
      while (i < n && s.charAt(i) !== ')') i++;
      i++;
      continue;
    }
    if (c >= 'a' && c <= 'z') {
      start = i;
      while (i < n && ((s.charAt(i) >= 'a' && s.charAt(i) <= 'z') || s.charAt(i) === '.')) i++;
      word = nativeReplace.call(s.substring(start, i), /\./g, '');
      if (word === 'am' || word === 'a') pm = 0;
      else if (word === 'pm' || word === 'p') pm = 1;
      else if (word === 'utc' || word === 'gmt' || word === 'z') { if (zone === null) zone = 0; }
      else if (word === 'bc') bc = true;
      else if (word === 'ad') bc = false;
      else if (word.length >= 2 && (k = wordIndex(monthWords, word)) >= 0) {
        if (month >= 0) return NaN;
        month = k;
      } else if (word.length >= 2 && wordIndex(dayWords, word) >= 0) {
        // the weekday says nothing the date does not
      } else return NaN;
      continue;
    }
    if (c === '+' || c === '-') {
      start = ++i;
      while (i < n && s.charAt(i) >= '0' && s.charAt(i) <= '9') i++;
      var digits = s.substring(start, i);
      if (digits === '') return NaN;
      var value = Number(digits), minutes = digits.length > 2 ?
          Math.floor(value / 100) * 60 + value % 100 : value * 60;
      zone = c === '-' ? -minutes : minutes;
      continue;
    }
    if (c >= '0' && c <= '9') {
      start = i;
      while (i < n && ((s.charAt(i) >= '0' && s.charAt(i) <= '9') || s.charAt(i) === ':' || s.charAt(i) === '/')) i++;
      var group = s.substring(start, i);
      if (group.indexOf(':') >= 0) {
        if (clock !== null) return NaN;
        clock = nativeSplit.call(group, ':');
        for (k = clock.length - 1; k >= 0; k--) if (clock[k] === '') clock.splice(k, 1);
      } else if (group.indexOf('/') >= 0) {
        if (slashed !== null) return NaN;
        slashed = nativeSplit.call(group, '/');
      } else {
        numbers[numbers.length] = Number(group);
      }
      continue;
    }
    return NaN;
  }
  var year = NaN, day = NaN;
  if (slashed !== null) {
    if (slashed.length < 2 || slashed.length > 3 || month >= 0) return NaN;
    if (slashed.length === 3 && (slashed[0].length > 2 || Number(slashed[0]) > 31)) {
      year = Number(slashed[0]); month = Number(slashed[1]) - 1; day = Number(slashed[2]);
    } else {
      month = Number(slashed[0]) - 1; day = Number(slashed[1]);
      if (slashed.length === 3) year = Number(slashed[2]);
    }
  }
  for (k = 0; k < numbers.length; k++) {
    if (numbers[k] > 31 || (day === day && year !== year)) {
      if (year === year) return NaN;
      year = numbers[k];
    } else if (day !== day) day = numbers[k];
    else return NaN;
  }
  if (month < 0 || day !== day || year !== year) return NaN;
  if (bc) year = 1 - year;
  else if (year < 100) year += 1900;
  var hour = 0, minute = 0, second = 0;
  if (clock !== null) {
    hour = Number(clock[0] || 0); minute = Number(clock[1] || 0); second = Number(clock[2] || 0);
  }
  if (pm === 1 && hour < 12) hour += 12;
  else if (pm === 0 && hour === 12) hour = 0;
  var d = new NativeDate(0);
  if (zone === null) {
    d.setFullYear(year, month, day);
    d.setHours(hour, minute, second, 0);
    return d.getTime();
  }
  d.setUTCFullYear(year, month, day);
  d.setUTCHours(hour, minute, second, 0);
  return d.getTime() - zone * 60000;
}
builtin(NativeDate, 'parse', function parse(text) { return parseDate(text); });

// Date itself reads a text argument the same way; called as a function it gives the time now
// as text.
var JScriptDate = builtin(global, 'Date', function Date(year, month, date, hours, minutes, seconds, ms) {
  var n = arguments.length, v;
  if (!(this instanceof JScriptDate)) return DateProto.toString.call(new NativeDate());
  if (n === 0) return new NativeDate();
  if (n === 1) {
    v = year;
    if (v instanceof NativeDate) return new NativeDate(v.getTime());
    if (v !== null && typeof v === 'object') v = v.valueOf();
    return new NativeDate(typeof v === 'string' ? parseDate(v) : v);
  }
  return new NativeDate(year, month, n > 2 ? date : 1, n > 3 ? hours : 0, n > 4 ? minutes : 0,
      n > 5 ? seconds : 0, n > 6 ? ms : 0);
});
JScriptDate.prototype = DateProto;
hide(DateProto, 'constructor', JScriptDate);
hide(JScriptDate, 'parse', NativeDate.parse);
hide(JScriptDate, 'UTC', NativeDate.UTC);

// A function made by the Function constructor reads as "function anonymous(x, y) {\nbody\n}".
var NativeFunction = Function;
var JScriptFunction = builtin(global, 'Function', function Function(body) {
  var n = arguments.length, params = [], i;
  for (i = 0; i + 1 < n; i++) params[i] = String(arguments[i]);
  var f = NativeFunction.apply(null, arguments);
  natives.setSource(f, 'function anonymous(' + params.join(', ') + ') {\n' +
      (n ? String(arguments[n - 1]) : '') + '\n}');
  return f;
});
JScriptFunction.prototype = FunctionProto;
hide(FunctionProto, 'constructor', JScriptFunction);

// Object.prototype.toString names no class JScript does not have.
hide(ObjectProto, 'toString', function toString() {
  'use strict';
  var t = nativeObjectToString.call(this);
  return t === '[object Null]' || t === '[object Undefined]' || t === '[object Arguments]' ||
      t === '[object global]' ? '[object Object]' : t;
});
builtins[builtins.length] = ObjectProto.toString;

// An error object's own text is its class, whatever its name and message.
hide(NativeError.prototype, 'toString', natives.errorToString);
builtins[builtins.length] = NativeError.prototype.toString;

// Function text: a built-in reads "[native code]" in JScript's layout; a script function its
// own source where the host kept it.
hide(FunctionProto, 'toString', function toString() {
  'use strict';
  if (typeof this !== 'function')
    throw jscriptError(TypeError, -2146823286, '缺少函数');
  var isBuiltin = false;
  for (var i = 0; i < builtins.length; i++) if (builtins[i] === this) { isBuiltin = true; break; }
  var text = isBuiltin ? '' : natives.functionSource(this);
  if (typeof text === 'string' && text !== '') return text;
  var own = nativeFunctionToString.call(this);
  if (isBuiltin || own.indexOf('[native code]') >= 0) {
    var name = nativeExec.call(/^function\s*([^\s(]*)/, own);
    return '\nfunction ' + (name ? name[1] : '') + '() {\n    [native code]\n}\n';
  }
  return own;
});
builtins[builtins.length] = FunctionProto.toString;
}

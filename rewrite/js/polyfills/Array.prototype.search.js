// Searching arrays: indexOf, lastIndexOf (ES5), find, findIndex, includes (ES2015+).
(function () {
  var A = Array.prototype;
  function sameValueZero(a, b) { return a === b || (a !== a && b !== b); }
  if (!A.indexOf) A.indexOf = function (item, from) {
    var n = this.length >>> 0, i = from ? Number(from) : 0;
    if (i !== i) i = 0;
    i = i < 0 ? Math.max(n + Math.ceil(i), 0) : Math.floor(i);
    for (; i < n; i++) if (i in this && this[i] === item) return i;
    return -1;
  };
  if (!A.lastIndexOf) A.lastIndexOf = function (item, from) {
    var n = this.length >>> 0, i = arguments.length > 1 ? Number(from) : n - 1;
    if (i !== i) i = 0;
    i = i < 0 ? n + Math.ceil(i) : Math.min(Math.floor(i), n - 1);
    for (; i >= 0; i--) if (i in this && this[i] === item) return i;
    return -1;
  };
  if (!A.find) A.find = function (fn, thisArg) {
    for (var i = 0, n = this.length >>> 0; i < n; i++) if (fn.call(thisArg, this[i], i, this)) return this[i];
    return undefined;
  };
  if (!A.findIndex) A.findIndex = function (fn, thisArg) {
    for (var i = 0, n = this.length >>> 0; i < n; i++) if (fn.call(thisArg, this[i], i, this)) return i;
    return -1;
  };
  if (!A.includes) A.includes = function (item, from) {
    var n = this.length >>> 0, i = from ? Math.floor(Number(from)) || 0 : 0;
    if (i < 0) i = Math.max(n + i, 0);
    for (; i < n; i++) if (sameValueZero(this[i], item)) return true;
    return false;
  };
})();

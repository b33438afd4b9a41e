// The ES5 array iteration methods: forEach, map, filter, some, every, reduce, reduceRight.
// Holes are skipped, as the standard methods skip them.
(function () {
  var A = Array.prototype;
  function check(fn) { if (typeof fn != "function") throw new TypeError(fn + " is not a function"); }
  if (!A.forEach) A.forEach = function (fn, thisArg) {
    check(fn);
    for (var i = 0, n = this.length >>> 0; i < n; i++) if (i in this) fn.call(thisArg, this[i], i, this);
  };
  if (!A.map) A.map = function (fn, thisArg) {
    check(fn);
    var n = this.length >>> 0, out = new Array(n);
    for (var i = 0; i < n; i++) if (i in this) out[i] = fn.call(thisArg, this[i], i, this);
    return out;
  };
  if (!A.filter) A.filter = function (fn, thisArg) {
    check(fn);
    var out = [];
    for (var i = 0, n = this.length >>> 0; i < n; i++) if (i in this && fn.call(thisArg, this[i], i, this)) out[out.length] = this[i];
    return out;
  };
  if (!A.some) A.some = function (fn, thisArg) {
    check(fn);
    for (var i = 0, n = this.length >>> 0; i < n; i++) if (i in this && fn.call(thisArg, this[i], i, this)) return true;
    return false;
  };
  if (!A.every) A.every = function (fn, thisArg) {
    check(fn);
    for (var i = 0, n = this.length >>> 0; i < n; i++) if (i in this && !fn.call(thisArg, this[i], i, this)) return false;
    return true;
  };
  if (!A.reduce) A.reduce = function (fn) {
    check(fn);
    var i = 0, n = this.length >>> 0, acc;
    if (arguments.length > 1) {
      acc = arguments[1];
    } else {
      while (i < n && !(i in this)) i++;
      if (i >= n) throw new TypeError("Reduce of empty array with no initial value");
      acc = this[i++];
    }
    for (; i < n; i++) if (i in this) acc = fn(acc, this[i], i, this);
    return acc;
  };
  if (!A.reduceRight) A.reduceRight = function (fn) {
    check(fn);
    var i = (this.length >>> 0) - 1, acc;
    if (arguments.length > 1) {
      acc = arguments[1];
    } else {
      while (i >= 0 && !(i in this)) i--;
      if (i < 0) throw new TypeError("Reduce of empty array with no initial value");
      acc = this[i--];
    }
    for (; i >= 0; i--) if (i in this) acc = fn(acc, this[i], i, this);
    return acc;
  };
})();

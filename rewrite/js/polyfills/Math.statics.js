// Math.trunc, sign, imul, clz32, log2, log10, cbrt, hypot.
(function () {
  var M = Math;
  if (!M.trunc) M.trunc = function (x) { x = Number(x); return x !== x || x === 0 || !isFinite(x) ? x : x < 0 ? M.ceil(x) : M.floor(x); };
  if (!M.sign) M.sign = function (x) { x = Number(x); return x !== x || x === 0 ? x : x > 0 ? 1 : -1; };
  if (!M.imul) M.imul = function (a, b) {
    var ah = (a >>> 16) & 0xffff, al = a & 0xffff, bh = (b >>> 16) & 0xffff, bl = b & 0xffff;
    return ((al * bl) + (((ah * bl + al * bh) << 16) >>> 0)) | 0;
  };
  if (!M.clz32) M.clz32 = function (x) {
    x = x >>> 0;
    if (x === 0) return 32;
    var n = 0;
    while (!(x & 0x80000000)) { x = x << 1; n++; }
    return n;
  };
  if (!M.log2) M.log2 = function (x) { return M.log(x) / M.LN2; };
  if (!M.log10) M.log10 = function (x) { return M.log(x) / M.LN10; };
  if (!M.cbrt) M.cbrt = function (x) { var y = M.pow(M.abs(x), 1 / 3); return x < 0 ? -y : y; };
  if (!M.hypot) M.hypot = function () {
    var s = 0;
    for (var i = 0; i < arguments.length; i++) s += arguments[i] * arguments[i];
    return M.sqrt(s);
  };
})();

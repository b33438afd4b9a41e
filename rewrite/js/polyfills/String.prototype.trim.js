// String.prototype.trim, trimStart and trimEnd (with their old names trimLeft and trimRight):
// the ES5 white space and line terminators, the no-break and ideographic spaces included.
(function () {
  var S = String.prototype;
  var ws = "[\\s\\u00a0\\u1680\\u2000-\\u200a\\u2028\\u2029\\u202f\\u205f\\u3000\\ufeff]+";
  var left = new RegExp("^" + ws), right = new RegExp(ws + "$");
  if (!S.trim) S.trim = function () { return String(this).replace(left, "").replace(right, ""); };
  if (!S.trimStart) S.trimStart = function () { return String(this).replace(left, ""); };
  if (!S.trimEnd) S.trimEnd = function () { return String(this).replace(right, ""); };
  if (!S.trimLeft) S.trimLeft = S.trimStart;
  if (!S.trimRight) S.trimRight = S.trimEnd;
})();

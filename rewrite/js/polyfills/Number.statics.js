// Number.isInteger, isSafeInteger, isNaN, isFinite, parseInt, parseFloat, and the constants
// EPSILON, MAX_SAFE_INTEGER and MIN_SAFE_INTEGER.
(function () {
  var N = Number;
  if (!N.isFinite) N.isFinite = function (v) { return typeof v == "number" && isFinite(v); };
  if (!N.isNaN) N.isNaN = function (v) { return typeof v == "number" && v !== v; };
  if (!N.isInteger) N.isInteger = function (v) { return N.isFinite(v) && Math.floor(v) === v; };
  if (N.MAX_SAFE_INTEGER === undefined) N.MAX_SAFE_INTEGER = 9007199254740991;
  if (N.MIN_SAFE_INTEGER === undefined) N.MIN_SAFE_INTEGER = -9007199254740991;
  if (N.EPSILON === undefined) N.EPSILON = Math.pow(2, -52);
  if (!N.isSafeInteger) N.isSafeInteger = function (v) { return N.isInteger(v) && Math.abs(v) <= N.MAX_SAFE_INTEGER; };
  if (!N.parseInt) N.parseInt = parseInt;
  if (!N.parseFloat) N.parseFloat = parseFloat;
})();

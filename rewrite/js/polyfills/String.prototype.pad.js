// String.prototype.padStart and padEnd.
(function () {
  var S = String.prototype;
  function filler(s, length, fill) {
    var n = (Math.floor(Number(length)) || 0) - s.length;
    fill = fill === undefined ? " " : String(fill);
    if (n <= 0 || fill === "") return "";
    var out = "";
    while (out.length < n) out += fill;
    return out.substring(0, n);
  }
  if (!S.padStart) S.padStart = function (length, fill) { var s = String(this); return filler(s, length, fill) + s; };
  if (!S.padEnd) S.padEnd = function (length, fill) { var s = String(this); return s + filler(s, length, fill); };
})();

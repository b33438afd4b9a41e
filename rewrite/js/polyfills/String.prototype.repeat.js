// String.prototype.repeat.
if (!String.prototype.repeat) {
  String.prototype.repeat = function (count) {
    var s = String(this), n = Math.floor(Number(count)) || 0, out = "";
    if (n < 0 || n == Infinity) throw new RangeError("Invalid count value: " + count);
    for (; n > 0; n >>= 1, s += s) if (n & 1) out += s;
    return out;
  };
}

// Array.prototype.fill.
if (!Array.prototype.fill) {
  Array.prototype.fill = function (value, start, end) {
    var n = this.length >>> 0;
    var i = start === undefined ? 0 : Math.floor(Number(start)) || 0;
    var e = end === undefined ? n : Math.floor(Number(end)) || 0;
    if (i < 0) i = Math.max(n + i, 0);
    if (e < 0) e = Math.max(n + e, 0);
    for (; i < n && i < e; i++) this[i] = value;
    return this;
  };
}

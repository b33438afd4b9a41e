// Date.prototype.toISOString and toJSON (what JSON.stringify writes for a date).
(function () {
  var D = Date.prototype;
  function two(n) { return n < 10 ? "0" + n : String(n); }
  if (!D.toISOString) D.toISOString = function () {
    if (!isFinite(this.getTime())) throw new RangeError("Invalid time value");
    var y = this.getUTCFullYear(), ms = this.getUTCMilliseconds();
    var year = y >= 0 && y <= 9999 ? ("000" + y).slice(-4) : (y < 0 ? "-" : "+") + ("00000" + Math.abs(y)).slice(-6);
    return year + "-" + two(this.getUTCMonth() + 1) + "-" + two(this.getUTCDate()) + "T" + two(this.getUTCHours()) + ":" +
      two(this.getUTCMinutes()) + ":" + two(this.getUTCSeconds()) + "." + ("00" + ms).slice(-3) + "Z";
  };
  if (!D.toJSON) D.toJSON = function () { return isFinite(this.getTime()) ? this.toISOString() : null; };
})();

// Array.from for arrays, strings and array-likes (there is no iterator protocol in JScript), with
// the optional mapping function.
if (!Array.from) {
  Array.from = function (items, mapFn, thisArg) {
    var out = [], n = items.length >>> 0, i;
    var isString = typeof items == "string";
    for (i = 0; i < n; i++) {
      var v = isString ? items.charAt(i) : items[i];
      out[i] = mapFn ? mapFn.call(thisArg, v, i) : v;
    }
    return out;
  };
}
if (!Array.of) {
  Array.of = function () { return Array.prototype.slice.call(arguments); };
}

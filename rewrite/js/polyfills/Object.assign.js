// Object.assign: copies the own enumerable properties of each source onto the target.
if (!Object.assign) {
  Object.assign = function (target) {
    if (target === null || target === undefined) throw new TypeError("Cannot convert undefined or null to object");
    var to = Object(target);
    for (var i = 1; i < arguments.length; i++) {
      var source = arguments[i];
      if (source === null || source === undefined) continue;
      for (var k in source) if (Object.prototype.hasOwnProperty.call(source, k)) to[k] = source[k];
    }
    return to;
  };
}

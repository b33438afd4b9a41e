// Object.keys: the object's own enumerable property names, in for-in order.
if (!Object.keys) {
  Object.keys = function (o) {
    if (o === null || (typeof o != "object" && typeof o != "function")) throw new TypeError("Object.keys called on non-object");
    var keys = [], k;
    for (k in o) if (Object.prototype.hasOwnProperty.call(o, k)) keys[keys.length] = k;
    return keys;
  };
}

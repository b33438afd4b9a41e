// Object.setPrototypeOf, approximated: JScript cannot change an object's prototype, so the
// prototype's own properties are copied onto the object where it has none of that name (what a
// subclass needs of its parent class's static members).
if (!Object.setPrototypeOf) {
  Object.setPrototypeOf = function (o, proto) {
    if (proto !== null && proto !== undefined) {
      for (var k in proto) {
        if (Object.prototype.hasOwnProperty.call(proto, k) && !Object.prototype.hasOwnProperty.call(o, k)) o[k] = proto[k];
      }
    }
    return o;
  };
}

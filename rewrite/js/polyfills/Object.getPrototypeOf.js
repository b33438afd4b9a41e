// Object.getPrototypeOf, approximated: the prototype of the object's constructor.
if (!Object.getPrototypeOf) {
  Object.getPrototypeOf = function (o) {
    var c = o.constructor;
    if (typeof c == "function") return Object.prototype.hasOwnProperty.call(o, "constructor") && c.prototype === o ? Object.prototype : c.prototype;
    return Object.prototype;
  };
}

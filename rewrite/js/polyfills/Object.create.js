// Object.create: a new object inheriting from the prototype given (null gives a plain object,
// as close as JScript comes); property descriptors become plain assignments of their values.
if (!Object.create) {
  Object.create = function (proto, properties) {
    var o;
    if (proto === null) {
      o = {};
    } else {
      var F = function () {};
      F.prototype = proto;
      o = new F();
    }
    if (properties !== undefined) {
      for (var k in properties) if (Object.prototype.hasOwnProperty.call(properties, k)) o[k] = properties[k].value;
    }
    return o;
  };
}

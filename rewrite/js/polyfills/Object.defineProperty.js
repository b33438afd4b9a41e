// Object.defineProperty for data properties only: the value is assigned (it stays enumerable and
// writable). A getter or setter cannot be made in JScript and is refused.
if (!Object.defineProperty) {
  Object.defineProperty = function (o, name, descriptor) {
    if (descriptor.get || descriptor.set) throw new TypeError("JScript 5.7 cannot define a getter or setter (" + name + ")");
    if ("value" in descriptor) o[name] = descriptor.value;
    return o;
  };
}
if (!Object.defineProperties) {
  Object.defineProperties = function (o, descriptors) {
    for (var k in descriptors) if (Object.prototype.hasOwnProperty.call(descriptors, k)) Object.defineProperty(o, k, descriptors[k]);
    return o;
  };
}

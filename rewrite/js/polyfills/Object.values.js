// Object.values: the values of the object's own enumerable properties.
if (!Object.values) {
  Object.values = function (o) {
    var values = [], k;
    for (k in o) if (Object.prototype.hasOwnProperty.call(o, k)) values[values.length] = o[k];
    return values;
  };
}

// Object.entries: [name, value] pairs of the object's own enumerable properties.
if (!Object.entries) {
  Object.entries = function (o) {
    var entries = [], k;
    for (k in o) if (Object.prototype.hasOwnProperty.call(o, k)) entries[entries.length] = [k, o[k]];
    return entries;
  };
}

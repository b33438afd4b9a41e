// Array.isArray.
if (!Array.isArray) {
  Array.isArray = function (a) { return Object.prototype.toString.call(a) == "[object Array]"; };
}

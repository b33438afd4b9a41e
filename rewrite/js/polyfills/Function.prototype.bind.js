// Function.prototype.bind: the bound this and leading arguments; `new` on the bound function
// constructs the original.
if (!Function.prototype.bind) {
  Function.prototype.bind = function (thisArg) {
    var fn = this, leading = Array.prototype.slice.call(arguments, 1);
    if (typeof fn != "function") throw new TypeError("Bind must be called on a function");
    var Empty = function () {};
    var bound = function () {
      var args = leading.concat(Array.prototype.slice.call(arguments));
      return fn.apply(this instanceof Empty ? this : thisArg, args);
    };
    Empty.prototype = fn.prototype;
    bound.prototype = new Empty();
    return bound;
  };
}

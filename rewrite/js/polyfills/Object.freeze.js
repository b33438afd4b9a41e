// Object.freeze, Object.seal, Object.preventExtensions: JScript cannot lock an object; they hand
// it back unchanged, and the is- tests answer false.
if (!Object.freeze) Object.freeze = function (o) { return o; };
if (!Object.seal) Object.seal = function (o) { return o; };
if (!Object.preventExtensions) Object.preventExtensions = function (o) { return o; };
if (!Object.isFrozen) Object.isFrozen = function (o) { return false; };
if (!Object.isSealed) Object.isSealed = function (o) { return false; };
if (!Object.isExtensible) Object.isExtensible = function (o) { return true; };

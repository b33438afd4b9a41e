// Which carried polyfills a converted script needs, found from the converted code itself (its
// helpers included): the globals it names, the static members it reads, the methods it calls.
// A method name is matched on any object, so `x.map(...)` brings the array methods whether or
// not x is an array: each polyfill only fills what the engine lacks.

// In the order they are prepended: what others use comes first.
var catalogue = [
  {name: 'Object.keys', statics: {Object: ['keys']}},
  {name: 'Object.values', statics: {Object: ['values']}},
  {name: 'Object.entries', statics: {Object: ['entries']}},
  {name: 'Object.create', statics: {Object: ['create']}},
  {name: 'Object.assign', statics: {Object: ['assign']}},
  {name: 'Object.setPrototypeOf', statics: {Object: ['setPrototypeOf']}},
  {name: 'Object.getPrototypeOf', statics: {Object: ['getPrototypeOf']}},
  {name: 'Object.defineProperty', statics: {Object: ['defineProperty', 'defineProperties']}},
  {name: 'Object.freeze', statics: {Object: ['freeze', 'seal', 'preventExtensions', 'isFrozen', 'isSealed', 'isExtensible']}},
  {name: 'Array.isArray', statics: {Array: ['isArray']}},
  {name: 'Array.from', statics: {Array: ['from', 'of']}},
  {name: 'Array.prototype.iteration', methods: ['forEach', 'map', 'filter', 'some', 'every', 'reduce', 'reduceRight']},
  {name: 'Array.prototype.search', methods: ['indexOf', 'lastIndexOf', 'find', 'findIndex', 'includes']},
  {name: 'Array.prototype.fill', methods: ['fill']},
  {name: 'String.prototype.trim', methods: ['trim', 'trimStart', 'trimEnd', 'trimLeft', 'trimRight']},
  {name: 'String.prototype.search', methods: ['startsWith', 'endsWith', 'includes']},
  {name: 'String.prototype.repeat', methods: ['repeat']},
  {name: 'String.prototype.pad', methods: ['padStart', 'padEnd']},
  {name: 'Function.prototype.bind', methods: ['bind']},
  {name: 'Date.now', statics: {Date: ['now']}},
  {name: 'Date.prototype.toISOString', methods: ['toISOString', 'toJSON']},
  {name: 'Number.statics', statics: {Number: ['isInteger', 'isSafeInteger', 'isNaN', 'isFinite', 'parseInt', 'parseFloat', 'EPSILON', 'MAX_SAFE_INTEGER', 'MIN_SAFE_INTEGER']}},
  {name: 'Math.statics', statics: {Math: ['trunc', 'sign', 'imul', 'clz32', 'log2', 'log10', 'cbrt', 'hypot']}},
  {name: 'JSON', globals: ['JSON'], needs: ['Date.prototype.toISOString']},
  {name: 'Promise', globals: ['Promise']},
  {name: 'typed-arrays', globals: ['ArrayBuffer', 'DataView', 'Int8Array', 'Uint8Array', 'Uint8ClampedArray',
                                   'Int16Array', 'Uint16Array', 'Int32Array', 'Uint32Array', 'Float32Array', 'Float64Array']},
];

var byGlobal = {}, byStatic = {}, byMethod = {};
catalogue.forEach(function (entry) {
  (entry.globals || []).forEach(function (g) { byGlobal[g] = entry.name; });
  var statics = entry.statics || {};
  Object.keys(statics).forEach(function (owner) {
    statics[owner].forEach(function (m) { byStatic[owner + '.' + m] = entry.name; });
  });
  (entry.methods || []).forEach(function (m) { (byMethod[m] = byMethod[m] || []).push(entry.name); });
});

var childKeys = require('jscript/scan').childKeys;
var visitorKeys = require('lib/parsing').visitorKeys;

// Walks a Babel AST without Babel's traversal (no scopes needed, and several times quicker).
function walk(node, visit) {
  var stack = [node], table = visitorKeys();
  while (stack.length) {
    var n = stack.pop();
    if (Array.isArray(n)) {
      for (var i = n.length - 1; i >= 0; i--) if (n[i] && typeof n[i] === 'object') stack.push(n[i]);
      continue;
    }
    if (typeof n.type !== 'string') continue;
    visit(n);
    var keys = childKeys(n, table);
    for (var k = 0; k < keys.length; k++) {
      var v = n[keys[k]];
      if (v && typeof v === 'object') stack.push(v);
    }
  }
}

function propertyName(member) {
  if (!member.computed && member.property.type === 'Identifier') return member.property.name;
  if (member.computed && member.property.type === 'StringLiteral') return member.property.value;
  return null;
}

// The names of the polyfills the program uses, in catalogue order, with what they need. A
// global the script declares itself (lodash's `var Promise = getNative(root, 'Promise')`) is its
// own business.
function needed(ast, declared) {
  var used = {};
  walk(ast, function (n) {
    if (n.type === 'Identifier' && Object.prototype.hasOwnProperty.call(byGlobal, n.name) && !declared[n.name])
      used[byGlobal[n.name]] = true;
    if (n.type === 'MemberExpression') {
      var name = propertyName(n);
      if (name === null) return;
      // A local alias of a built-in (lodash's `var Date = context.Date`) still needs the member.
      if (n.object.type === 'Identifier') {
        var key = n.object.name + '.' + name;
        if (Object.prototype.hasOwnProperty.call(byStatic, key)) used[byStatic[key]] = true;
      }
      if (Object.prototype.hasOwnProperty.call(byMethod, name)) {
        byMethod[name].forEach(function (p) { used[p] = true; });
      }
    }
  });
  catalogue.forEach(function (entry) {
    if (used[entry.name]) (entry.needs || []).forEach(function (n) { used[n] = true; });
  });
  return catalogue.filter(function (entry) { return used[entry.name]; }).map(function (entry) { return entry.name; });
}

module.exports = {needed: needed, walk: walk, catalogue: catalogue};

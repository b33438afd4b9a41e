// The ES3 pass for a script that is already ES5, as edits to its own text instead of Babel's
// traversal and generator: a 1 MB library spends seconds in Babel's scopes and printing, and only
// a handful of places change. The script keeps its layout, lines and comments; what changes:
//   - reserved words as property names quoted (a.default -> a["default"], {class: 1} -> {"class": 1});
//   - trailing commas dropped (JScript takes [1,] as two elements and refuses {a: 1,});
//   - a named function expression whose name nothing inside uses loses the name, one that uses
//     it is declared inside a function of its own (JScript would leak the name into the scope
//     around it);
//   - a constant digit table read by index (H[i], H a string) becomes H.charAt(i);
//   - with the typed-array stand-in, x.buffer becomes __typedArrayBuffer(x) (the stand-in works out
//     a typed array's bytes on demand).
// Anything it is not sure of (a reserved word used as a variable's name, two edits meeting)
// makes it answer null, and the caller takes Babel's way.

var walk = require('./jscript/scan').walk;

// Not valid as an ES3 identifier: the keywords, the future reserved words of ES3 and ES5's strict
// mode, and the literals. Quoting a property name is always safe, so the list errs wide.
var notES3 = Object.create(null);
('break case catch class const continue debugger default delete do else enum export extends false finally for ' +
 'function if import in instanceof new null return super switch this throw true try typeof var void while with ' +
 'abstract boolean byte char double final float goto implements int interface let long native package private ' +
 'protected public short static synchronized throws transient volatile yield').split(' ').forEach(function (w) {
  notES3[w] = true;
});

function isScope(node) {
  return node.type === 'Program' || node.type === 'FunctionDeclaration' || node.type === 'FunctionExpression';
}

function nearestScope(parents) {
  for (var i = parents.length - 1; i >= 0; i--) if (isScope(parents[i])) return parents[i];
  return null;
}

// An identifier read or written as a variable (not a property name, a key or a label).
function isVariable(node, parent) {
  if (!parent) return true;
  switch (parent.type) {
    case 'MemberExpression':
      return parent.object === node || parent.computed;
    case 'ObjectProperty':
      return parent.value === node || parent.computed;
    case 'ObjectMethod':
    case 'ClassMethod':
    case 'ClassProperty':
      return parent.computed ? parent.key === node || parent.value === node : parent.key !== node;
    case 'OptionalMemberExpression':
      return parent.object === node || parent.computed;
    case 'LabeledStatement':
    case 'BreakStatement':
    case 'ContinueStatement':
      return false;
    default:
      return true;
  }
}

// Whether the member is assigned, counted up or down, deleted or called: not a plain read.
function writesOrCalls(node, parent) {
  return (parent.type === 'AssignmentExpression' && parent.left === node) || parent.type === 'UpdateExpression' ||
         (parent.type === 'CallExpression' && parent.callee === node) ||
         (parent.type === 'UnaryExpression' && parent.operator === 'delete');
}

// The edits the ES3 pass makes, each {start, end, text} on the script's own text, sorted, with
// the nodes that hold one (so that a rewriter copying the text knows where to look), or null when
// Babel's pass must do it. A variable with a name JScript reserves (char, byte) needs scopes to
// rename: with `leaveNames` it is left for the caller and `reservedNames` says so, else null.
function es3Edits(ast, text, typedArrays, leaveNames) {
  var edits = [], touched = new Set();
  var reservedNames = false;
  var current = null, currentParents = null;
  function edit(start, end, replacement) {
    edits.push({start: start, end: end, text: replacement, order: edits.length});
    if (!current || touched.has(current)) return;
    touched.add(current);
    for (var i = currentParents.length - 1; i >= 0 && !touched.has(currentParents[i]); i--) touched.add(currentParents[i]);
  }

  // First walk: which names are constant strings where they are declared, and which are bound
  // more than once or written, anywhere in the script (a conservative stand-in for scopes).
  // Maps without a prototype: a script's names include hasOwnProperty and constructor.
  var declarations = Object.create(null), written = Object.create(null), stringScope = Object.create(null);
  function declare(name, scope, isString) {
    declarations[name] = (declarations[name] || 0) + 1;
    if (isString) stringScope[name] = scope;
  }
  walk(ast, function (node, parents) {
    var parent = parents[parents.length - 1];
    switch (node.type) {
      case 'VariableDeclarator':
        if (node.id.type === 'Identifier')
          declare(node.id.name, nearestScope(parents), !!node.init && node.init.type === 'StringLiteral');
        break;
      case 'FunctionDeclaration':
      case 'FunctionExpression':
        if (node.id) declare(node.id.name, null, false);
        node.params.forEach(function (p) { if (p.type === 'Identifier') declare(p.name, null, false); });
        break;
      case 'CatchClause':
        if (node.param && node.param.type === 'Identifier') declare(node.param.name, null, false);
        break;
      case 'AssignmentExpression':
        if (node.left.type === 'Identifier') written[node.left.name] = true;
        break;
      case 'UpdateExpression':
        if (node.argument.type === 'Identifier') written[node.argument.name] = true;
        break;
      case 'ForInStatement':
        if (node.left.type === 'Identifier') written[node.left.name] = true;
        break;
      case 'Identifier':
        if (notES3[node.name] && isVariable(node, parent)) reservedNames = true;
        break;
    }
  });
  if (reservedNames && !leaveNames) return null;

  function isStringConstant(node, parents) {
    if (node.type === 'StringLiteral') return true;
    if (node.type !== 'Identifier') return false;
    var name = node.name;
    if (declarations[name] !== 1 || written[name] || !(name in stringScope)) return false;
    // The declaration must be where this read can see it.
    return parents.indexOf(stringScope[name]) >= 0;
  }

  // Whether `name` is read as a variable inside `body`.
  function usesName(body, name) {
    var used = false;
    walk(body, function (node, parents) {
      if (used) return false;
      if (node.type === 'Identifier' && node.name === name && isVariable(node, parents[parents.length - 1])) used = true;
    });
    return used;
  }

  function trailingComma(node) {
    if (node.extra && typeof node.extra.trailingComma === 'number') {
      var at = node.extra.trailingComma;
      if (text.charAt(at) === ',') edit(at, at + 1, '');
    }
  }

  // A trailing comma the parser does not record: after the last argument of `new` or the last
  // parameter, before the closing parenthesis.
  function commaAfter(last) {
    var m = /^\s*,/.exec(text.slice(last.end, last.end + 64));
    if (m) edit(last.end + m[0].length - 1, last.end + m[0].length, '');
  }

  var counts = {charAt: 0};
  walk(ast, function (node, parents) {
    current = node;
    currentParents = parents;
    var parent = parents[parents.length - 1];
    switch (node.type) {
      case 'MemberExpression':
        if (typedArrays && !node.computed && node.property.name === 'buffer' && !writesOrCalls(node, parent)) {
          edit(node.object.start, node.object.start, '__typedArrayBuffer(');
          edit(node.object.end, node.end, ')');
        } else if (!node.computed && node.property.type === 'Identifier' && notES3[node.property.name]) {
          // From the dot on: a line break before it stays, and with it every line's number.
          var dot = text.lastIndexOf('.', node.property.start);
          edit(dot >= node.object.end ? dot : node.object.end, node.property.end, '["' + node.property.name + '"]');
        } else if (node.computed && node.property.type !== 'StringLiteral' && isStringConstant(node.object, parents)) {
          if (writesOrCalls(node, parent)) break;
          edit(node.object.end, node.property.start, '.charAt(');
          edit(node.property.end, node.end, ')');
          counts.charAt++;
        }
        break;
      case 'ObjectProperty':
      case 'ObjectMethod':
        if (!node.computed && node.key.type === 'Identifier' && notES3[node.key.name])
          edit(node.key.start, node.key.end, '"' + node.key.name + '"');
        break;
      case 'ObjectExpression':
      case 'ArrayExpression':
      case 'CallExpression':
        trailingComma(node);
        break;
      case 'NewExpression':
        if (node.arguments.length) commaAfter(node.arguments[node.arguments.length - 1]);
        break;
      case 'FunctionDeclaration':
      case 'ArrowFunctionExpression':
      case 'ObjectMethod':
      case 'ClassMethod':
        if (node.params.length) commaAfter(node.params[node.params.length - 1]);
        break;
      case 'FunctionExpression':
        if (node.params.length) commaAfter(node.params[node.params.length - 1]);
        if (!node.id) break;
        if (!usesName(node.body, node.id.name)) {
          edit(node.id.start, node.id.end, '');
        } else {
          // One line, so every line of the script keeps its number.
          edit(node.start, node.start, '(function () { ');
          edit(node.end, node.end, ' return ' + node.id.name + '; })()');
        }
        break;
    }
  });

  edits.sort(function (a, b) { return a.start - b.start || a.end - b.end || a.order - b.order; });
  for (var i = 1; i < edits.length; i++) if (edits[i].start < edits[i - 1].end) return null;
  return {edits: edits, touched: touched, counts: counts, reservedNames: reservedNames};
}

function applyEdits(text, edits) {
  var out = [], at = 0;
  edits.forEach(function (e) {
    out.push(text.slice(at, e.start), e.text);
    at = e.end;
  });
  out.push(text.slice(at));
  return out.join('');
}

// Returns {code, counts: {charAt}} or null when Babel's pass must do it.
function spliceES3(ast, text, typedArrays) {
  var found = es3Edits(ast, text, typedArrays);
  return found && {code: applyEdits(text, found.edits), counts: found.counts};
}

module.exports = {spliceES3: spliceES3, es3Edits: es3Edits, applyEdits: applyEdits, notES3: notES3};

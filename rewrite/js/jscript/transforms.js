// Function names are left as written: naming every method (transform-function-name) would give
// JScript, which leaks a named function expression's name into the enclosing scope, names that
// can overwrite the script's own variables.
//
// The Babel passes that take a modern script down to what JScript 5.7 parses: ES2015+ to ES5 in
// Babel's loose forms (assignments where the strict forms call Object.defineProperty), then the
// ES3 pass (reserved words as property names quoted, reserved words as names renamed, named
// function expressions made safe for JScript's scoping). The generator writes no trailing commas.

var walk = require('jscript/scan').walk;
var codePointEscape = require('jscript/scan').codePointEscape;

// In the order Babel's preset-env applies them.
var modern = [
  ['proposal-class-static-block'],
  ['proposal-class-properties'],
  ['proposal-private-methods'],
  ['proposal-private-property-in-object'],
  ['proposal-numeric-separator'],
  ['proposal-logical-assignment-operators'],
  ['proposal-nullish-coalescing-operator', {loose: true}],
  ['proposal-optional-chaining', {loose: true}],
  ['proposal-optional-catch-binding'],
  ['proposal-object-rest-spread', {loose: true, useBuiltIns: false}],
  ['transform-exponentiation-operator'],
  ['transform-template-literals', {loose: true}],
  ['transform-literals'],
  ['transform-arrow-functions'],
  ['transform-block-scoped-functions'],
  ['transform-classes', {loose: true}],
  ['transform-object-super'],
  ['transform-shorthand-properties'],
  ['transform-duplicate-keys'],
  ['transform-computed-properties', {loose: true}],
  ['transform-for-of', {loose: true}],
  ['transform-unicode-escapes'],
  ['transform-unicode-regex'],
  ['transform-dotall-regex'],
  ['transform-spread', {loose: true}],
  ['transform-parameters', {loose: true}],
  ['transform-destructuring', {loose: true}],
  ['transform-block-scoping'],
  ['transform-new-target'],
];

// Which ES2015+ passes a node calls for (each plugin's name without its options). A script gets
// only the passes its syntax needs: every pass adds its visitors to the one traversal, and on a
// large script the idle ones cost a third of the time. toJScript checks the result and runs the
// full set when anything modern is left.
var byType = {
  ClassDeclaration: ['transform-classes', 'transform-object-super'],
  ClassExpression: ['transform-classes', 'transform-object-super'],
  ClassProperty: ['proposal-class-properties', 'transform-classes'],
  ClassPrivateProperty: ['proposal-class-properties', 'proposal-private-methods', 'transform-classes'],
  ClassPrivateMethod: ['proposal-private-methods', 'proposal-class-properties', 'transform-classes'],
  PrivateName: ['proposal-private-property-in-object', 'proposal-class-properties', 'proposal-private-methods'],
  StaticBlock: ['proposal-class-static-block', 'proposal-class-properties', 'transform-classes'],
  ArrowFunctionExpression: ['transform-arrow-functions'],
  TemplateLiteral: ['transform-template-literals'],
  TaggedTemplateExpression: ['transform-template-literals'],
  ObjectPattern: ['transform-destructuring', 'transform-parameters', 'proposal-object-rest-spread'],
  ArrayPattern: ['transform-destructuring', 'transform-parameters'],
  AssignmentPattern: ['transform-parameters', 'transform-destructuring'],
  RestElement: ['transform-parameters', 'transform-destructuring', 'proposal-object-rest-spread'],
  SpreadElement: ['transform-spread', 'proposal-object-rest-spread'],
  ForOfStatement: ['transform-for-of'],
  OptionalMemberExpression: ['proposal-optional-chaining'],
  OptionalCallExpression: ['proposal-optional-chaining'],
  ClassMethod: ['transform-classes'],
  Super: ['transform-object-super', 'transform-classes'],
  MetaProperty: ['transform-new-target'],
  CatchClause: ['proposal-optional-catch-binding'],
  NumericLiteral: ['transform-literals', 'proposal-numeric-separator'],
  StringLiteral: ['transform-unicode-escapes', 'transform-literals'],
  RegExpLiteral: ['transform-unicode-regex', 'transform-dotall-regex'],
  ObjectMethod: ['transform-shorthand-properties'],
};

function needsOf(node, needs) {
  var add = function (name) { needs[name] = true; };
  switch (node.type) {
    case 'VariableDeclaration':
      if (node.kind !== 'var') ['transform-block-scoping', 'transform-block-scoped-functions'].forEach(add);
      return;
    case 'ObjectProperty':
      if (node.shorthand) add('transform-shorthand-properties');
      if (node.computed) ['transform-computed-properties', 'transform-duplicate-keys'].forEach(add);
      return;
    case 'ObjectMethod':
      if (node.kind !== 'method') return;
      break;
    case 'LogicalExpression':
      if (node.operator === '??') add('proposal-nullish-coalescing-operator');
      return;
    case 'AssignmentExpression':
      if (node.operator === '**=') add('transform-exponentiation-operator');
      if (/^(\|\||&&|\?\?)=$/.test(node.operator)) ['proposal-logical-assignment-operators', 'proposal-nullish-coalescing-operator'].forEach(add);
      return;
    case 'BinaryExpression':
      if (node.operator === '**') add('transform-exponentiation-operator');
      return;
    case 'CatchClause':
      if (node.param) return;
      break;
    case 'NumericLiteral':
    case 'StringLiteral':
    case 'RegExpLiteral':
    case 'MetaProperty':
      if (node.type === 'NumericLiteral' && !(node.extra && /^0[bBoO]|_/.test(node.extra.raw))) return;
      if (node.type === 'StringLiteral' && !(node.extra && codePointEscape.test(node.extra.raw))) return;
      if (node.type === 'RegExpLiteral' && !/[us]/.test(node.flags)) return;
      break;
    case 'Identifier':
      // An escaped identifier (\u{...}) is rare; the unicode pass reads names too.
      return;
  }
  (byType[node.type] || []).forEach(add);
}

// The ES2015+ plugins a tree needs, in their order; null when the tree needs none.
function modernPluginsFor(ast) {
  var needs = Object.create(null), any = false;
  walk(ast, function (node) { needsOf(node, needs); });
  var list = modern.filter(function (p) { if (needs[p[0]]) any = true; return needs[p[0]]; });
  return any ? list : null;
}

// Whether anything beyond ES5 is left in a converted tree.
function stillModern(ast) {
  var left = false;
  walk(ast, function (node) {
    if (left) return false;
    var needs = Object.create(null);
    needsOf(node, needs);
    for (var k in needs) { left = true; return false; }
    if (node.type === 'VariableDeclaration' && node.kind !== 'var') left = true;
  });
  return left;
}

// A function expression's name that nothing inside it uses is dropped: JScript would also
// declare it in the enclosing scope, and Babel names every class method.
function dropUnusedNames() {
  return {
    name: 'jsdebug-drop-unused-function-names',
    visitor: {
      FunctionExpression: function (path) {
        var id = path.node.id;
        if (!id) return;
        // Read the body rather than the scope's bindings, which the class pass leaves stale.
        var used = false;
        path.get('body').traverse({
          Identifier: function (inner) {
            if (inner.node.name === id.name && inner.isReferencedIdentifier()) {
              used = true;
              inner.stop();
            }
          },
        });
        if (!used) path.node.id = null;
      },
    },
  };
}

// JScript 5.7 cannot index a string (s[i] is undefined there). Where the indexed name is a
// constant string (a digit table such as '0123456789abcdef'), the read becomes s.charAt(i).
function stringIndexToCharAt(api, options) {
  var t = api.types;
  function isStringConstant(path) {
    if (path.isStringLiteral()) return true;
    if (!path.isIdentifier()) return false;
    var binding = path.scope.getBinding(path.node.name);
    if (!binding || !binding.constant || !binding.path.isVariableDeclarator()) return false;
    var init = binding.path.get('init');
    return init.node != null && init.isStringLiteral();
  }
  return {
    name: 'jsdebug-string-index',
    visitor: {
      MemberExpression: function (path) {
        var node = path.node;
        if (!node.computed || t.isStringLiteral(node.property)) return;
        var parent = path.parent;
        if ((parent.type === 'AssignmentExpression' && parent.left === node) || parent.type === 'UpdateExpression' ||
            (parent.type === 'CallExpression' && parent.callee === node) ||
            (parent.type === 'UnaryExpression' && parent.operator === 'delete'))
          return;
        if (!isStringConstant(path.get('object'))) return;
        path.replaceWith(t.callExpression(t.memberExpression(node.object, t.identifier('charAt')), [node.property]));
        if (options.counts) options.counts.charAt = (options.counts.charAt || 0) + 1;
      },
    },
  };
}

var es3 = [
  stringIndexToCharAt,  // its options are set per conversion, below
  dropUnusedNames,
  ['transform-member-expression-literals'],
  ['transform-property-literals'],
  ['transform-reserved-words'],
  ['transform-jscript'],
];

var assumptions = {
  setPublicClassFields: true,
  setComputedProperties: true,
  setSpreadProperties: true,
  privateFieldsAsProperties: true,
  noDocumentAll: true,
  mutableTemplateObject: true,
};

// Strings Babel writes afresh (a template's pieces, a literal whose escapes it rewrote) get every
// character beyond ASCII as an escape: the program's texts are GBK, which has no emoji and not
// every other character, while a string Babel did not touch keeps its own spelling.
function options(plugins, ast, code) {
  return {babelrc: false, configFile: false, sourceType: 'unambiguous', compact: false,
          comments: true, ast: ast, code: code, cloneInputAst: false, plugins: plugins,
          assumptions: assumptions, generatorOpts: {jsescOption: {minimal: false}}};
}

// Reading x.buffer goes through the typed-array stand-in, which can only work out a typed
// array's bytes on demand. Not for assignments, deletes or calls of buffer itself.
function typedArrayBuffer(api) {
  var t = api.types;
  return {
    name: 'jsdebug-typed-array-buffer',
    visitor: {
      MemberExpression: function (path) {
        var node = path.node;
        if (node.computed || node.property.name !== 'buffer') return;
        var parent = path.parent;
        if ((parent.type === 'AssignmentExpression' && parent.left === node) || parent.type === 'UpdateExpression' ||
            (parent.type === 'UnaryExpression' && parent.operator === 'delete') ||
            (parent.type === 'CallExpression' && parent.callee === node))
          return;
        path.replaceWith(t.callExpression(t.identifier('__typedArrayBuffer'), [node.object]));
      },
    },
  };
}

// The parsed script down to JScript's ES3 in one Babel pass (one traversal, one generation): the
// ES2015+ plugins when the script has anything beyond ES5, and the ES3 ones, Babel re-visiting
// what each produces. Gives the text and the converted tree; throws what Babel throws. `counts`
// receives how many string index reads became charAt (counts.charAt).
function toJScript(babel, ast, text, modernToo, typedArrays, counts) {
  var local = es3.map(function (p) { return p === stringIndexToCharAt ? [p, {counts: counts}] : p; });
  var chosen = modernToo ? modernPluginsFor(ast) : null;
  function run(modernPlugins, tree) {
    counts.charAt = 0;
    var plugins = modernPlugins.concat(typedArrays ? [typedArrayBuffer] : [], local);
    return babel.transformFromAst(tree, text, options(plugins, true, true));
  }
  // The tree is consumed by the passes; the full run, if it comes to that, starts from a fresh parse.
  var result = run(modernToo ? chosen || modern : [], ast);
  if (modernToo && chosen && chosen.length < modern.length && stillModern(result.ast))
    result = run(modern, require('lib/parsing').parse(babel, text).ast);
  return {code: result.code, ast: result.ast};
}

module.exports = {toJScript: toJScript, stillModern: stillModern};

// Function names are left as written: naming every method (transform-function-name) would give
// JScript, which leaks a named function expression's name into the enclosing scope, names that
// can overwrite the script's own variables.
//
// The Babel passes that take a modern script down to what JScript 5.7 parses: ES2015+ to ES5 in
// Babel's loose forms (assignments where the strict forms call Object.defineProperty), then the
// ES3 pass (reserved words as property names quoted, reserved words as names renamed, named
// function expressions made safe for JScript's scoping). The generator writes no trailing commas.

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
function stringIndexToCharAt(api) {
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
      },
    },
  };
}

var es3 = [
  stringIndexToCharAt,
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

function options(plugins, ast, code) {
  return {babelrc: false, configFile: false, sourceType: 'unambiguous', compact: false,
          comments: true, ast: ast, code: code, cloneInputAst: false, plugins: plugins,
          assumptions: assumptions, generatorOpts: {jsescOption: {minimal: true}}};
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
// what each produces. Gives the text and the converted tree; throws what Babel throws.
function toJScript(babel, ast, text, modernToo, typedArrays) {
  var plugins = (modernToo ? modern : []).concat(typedArrays ? [typedArrayBuffer] : [], es3);
  var result = babel.transformFromAst(ast, text, options(plugins, true, true));
  return {code: result.code, ast: result.ast};
}

module.exports = {toJScript: toJScript};

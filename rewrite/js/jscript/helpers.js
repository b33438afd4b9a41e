// Babel's own helpers, taken from its output for a sample that needs each, once per process, and
// given the ES3 pass: {name: {text, ast, needs: [the helpers it calls]}}.
var helperSample = 'class A extends B {}; var {a, ...b} = c; var d = {...e}; for (const x of y); t`${z}`;';
var helperCache = null;
function babelHelpers(tools) {
  var babel = tools.babel, parse = tools.parse;
  if (helperCache) return helperCache;
  var code = babel.transform(helperSample, {
    babelrc: false, configFile: false, sourceType: 'script',
    assumptions: {setSpreadProperties: true, mutableTemplateObject: true},
    plugins: [['transform-classes', {loose: true}], ['proposal-object-rest-spread', {loose: true, useBuiltIns: false}],
              ['transform-for-of', {loose: true}], ['transform-destructuring', {loose: true}], 'transform-block-scoping',
              ['transform-template-literals', {loose: true}]],
  }).code;
  var helpers = Object.create(null);
  parse(code).program.body.forEach(function (node) {
    if (node.type === 'FunctionDeclaration') helpers[node.id.name] = code.slice(node.start, node.end);
  });
  // What each helper calls of the others, so that one brings its own.
  Object.keys(helpers).forEach(function (name) {
    var calls = Object.keys(helpers).filter(function (other) {
      return other !== name && new RegExp('\\b' + other + '\\(').test(helpers[name]);
    });
    var es3 = tools.spliceES3(parse(helpers[name]), helpers[name], false).code;
    helpers[name] = {text: es3, ast: parse(es3), needs: calls};
  });
  helperCache = helpers;
  return helpers;
}

module.exports = {babelHelpers: babelHelpers};

// Parsing shared by the operations: one parser configuration, and a syntax error as a problem
// {line, column, message} rather than an exception.

// What a page's script may hold; the parser takes it as a script first, as a module when the
// text has import or export.
var parserOptions = {
  sourceType: 'unambiguous',
  allowReturnOutsideFunction: true,
  allowAwaitOutsideFunction: true,
  errorRecovery: false,
  plugins: ['jsx', 'classProperties', 'classPrivateProperties', 'classPrivateMethods',
            'optionalChaining', 'nullishCoalescingOperator', 'logicalAssignment', 'numericSeparator',
            'optionalCatchBinding', 'objectRestSpread', 'topLevelAwait', 'classStaticBlock'],
};

// Babel's own parser, reached through a plugin's parserOverride (standalone Babel offers it no
// other way): parsing alone, without the File and the program-wide scope crawl that a transform
// builds first and that cost a large script seconds.
var rawParsers = typeof WeakMap === 'function' ? new WeakMap() : null;
var keysTable = null;
function rawParser(babel) {
  var found = rawParsers && rawParsers.get(babel);
  if (found) return found;
  babel.transform('', {babelrc: false, configFile: false, code: false, plugins: [function (api) {
    keysTable = api.types && api.types.VISITOR_KEYS || keysTable;
    return {parserOverride: function (code, opts, parse) { found = parse; return parse(code, opts); }};
  }]});
  if (found && rawParsers) rawParsers.set(babel, found);
  return found;
}

// Babel's table of each node type's child fields, known once a parse has run (null before):
// walking by it is several times quicker than enumerating every field of every node.
function visitorKeys() {
  return keysTable;
}

function parse(babel, text) {
  try {
    var parser = rawParser(babel);
    if (parser) return {ast: parser(text, parserOptions)};
    // No plugins: Babel only parses.
    var result = babel.transform(text, {ast: true, code: false, babelrc: false, configFile: false,
                                        cloneInputAst: false, parserOpts: parserOptions});
    return {ast: result.ast};
  } catch (e) {
    var loc = e.loc || {line: 0, column: 0};
    // Babel's message: "unknown: Unexpected token (1:9)" and then the code frame.
    var message = String(e.message || e).split('\n')[0].replace(/^unknown: /, '').replace(/\s*\(\d+:\d+\)\s*$/, '');
    return {error: {line: loc.line, column: loc.column,
                    message: '语法错误：' + message + (loc.line ? '（第' + loc.line + '行）' : '')}};
  }
}

module.exports = {parse: parse, parserOptions: parserOptions, visitorKeys: visitorKeys};

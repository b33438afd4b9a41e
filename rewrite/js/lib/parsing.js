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

function parse(babel, text) {
  try {
    // No plugins: Babel only parses (standalone Babel offers its parser no other way).
    var result = babel.transform(text, {ast: true, code: false, babelrc: false, configFile: false,
                                        cloneInputAst: false, parserOpts: parserOptions});
    return {ast: result.ast};
  } catch (e) {
    var loc = e.loc || {line: 0, column: 0};
    var message = String(e.message || e).replace(/\s*\(\d+:\d+\)\s*$/, '');
    return {error: {line: loc.line, column: loc.column, message: '语法错误：' + message}};
  }
}

module.exports = {parse: parse, parserOptions: parserOptions};

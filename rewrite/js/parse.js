// "parse": reads the text as a modern script and hands it back unchanged, with its syntax
// errors as problems and the number of top-level statements as a fact. The smallest operation:
// it checks the door, and other passes use its options for their own parsing.
var shared = require('./lib/parsing');

module.exports = function (text, options, api) {
  var parsed = shared.parse(api.babel, text);
  if (parsed.error) return {text: text, errors: [parsed.error]};
  return {text: text, facts: [['statements', String(parsed.ast.program.body.length)]]};
};

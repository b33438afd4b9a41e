// Reads the original script before it is converted: what JScript 5.7 cannot be given at all
// (each a problem with its line), what the conversion will rewrite (counted by form, for the
// log), and whether it holds anything beyond ES5 at all (when not, Babel's ES2015+ passes, the
// bulk of the time, are skipped). One walk of the tree without Babel's traversal: a large
// library is read in a fraction of the time scopes would take. A name the script declares
// anywhere (a local called Symbol or Map) is taken for its own, not for the missing global.

var parsing = require('lib/parsing');

var reserved = ('break case catch class const continue debugger default delete do else enum export extends ' +
                'false finally for function if import in instanceof new null return super switch this throw ' +
                'true try typeof var void while with').split(' ');
// Without a prototype: a script's names include constructor and toString.
var isReserved = Object.create(null);
reserved.forEach(function (w) { isReserved[w] = true; });

// Globals JScript 5.7 lacks and no polyfill here provides.
var missing = {
  Proxy: 'Proxy（代理对象）无法在 JScript 5.7 中实现',
  Reflect: 'Reflect 无法在 JScript 5.7 中实现',
  Symbol: 'Symbol 无法在 JScript 5.7 中实现',
  Map: 'Map 在 JScript 5.7 中没有，未提供替代',
  Set: 'Set 在 JScript 5.7 中没有，未提供替代',
  WeakMap: 'WeakMap 在 JScript 5.7 中没有，未提供替代',
  WeakSet: 'WeakSet 在 JScript 5.7 中没有，未提供替代',
  WeakRef: 'WeakRef 在 JScript 5.7 中没有，未提供替代',
  BigInt: 'BigInt 在 JScript 5.7 中没有',
};

// The node types of an ES5 script; anything else (or an ES2015+ flag on one of these) calls for
// the ES2015+ passes.
var es5Types = {};
('File Program ExpressionStatement BlockStatement EmptyStatement DebuggerStatement WithStatement ReturnStatement ' +
 'LabeledStatement BreakStatement ContinueStatement IfStatement SwitchStatement SwitchCase ThrowStatement ' +
 'TryStatement CatchClause WhileStatement DoWhileStatement ForStatement ForInStatement FunctionDeclaration ' +
 'VariableDeclaration VariableDeclarator ThisExpression ArrayExpression ObjectExpression ObjectProperty ' +
 'ObjectMethod FunctionExpression UnaryExpression UpdateExpression BinaryExpression AssignmentExpression ' +
 'LogicalExpression MemberExpression ConditionalExpression CallExpression NewExpression SequenceExpression ' +
 'ParenthesizedExpression Identifier StringLiteral NumericLiteral BooleanLiteral NullLiteral RegExpLiteral ' +
 'Directive DirectiveLiteral InterpreterDirective CommentBlock CommentLine').split(' ').forEach(function (t) {
  es5Types[t] = true;
});

// A \u{...} escape in a literal's source: an odd run of backslashes before the u (\\u{ is a
// backslash and the letters).
var codePointEscape = /(^|[^\\])(\\\\)*\\u\{/;

var builtinParents = /^(Array|Error|TypeError|RangeError|SyntaxError|RegExp|Date|Function|Map|Set|Promise)$/;
var skipKeys = {loc: true, extra: true, leadingComments: true, trailingComments: true, innerComments: true,
                start: true, end: true, comments: true, tokens: true};

function isStatement(node) {
  return /Statement$|Declaration$/.test(node.type);
}

function formCounter() {
  var counts = {}, order = [];
  return {
    add: function (name) {
      if (!counts[name]) { counts[name] = 0; order.push(name); }
      counts[name]++;
    },
    list: function () { return order.map(function (name) { return [name, counts[name]]; }); },
  };
}

// Every name the script declares: variables, functions, classes, parameters, catch bindings.
function declaredNames(ast) {
  var names = Object.create(null);
  function bind(pattern) {
    if (!pattern) return;
    if (pattern.type === 'Identifier') names[pattern.name] = true;
    else if (pattern.type === 'AssignmentPattern') bind(pattern.left);
    else if (pattern.type === 'RestElement') bind(pattern.argument);
    else if (pattern.type === 'ArrayPattern') pattern.elements.forEach(bind);
    else if (pattern.type === 'ObjectPattern') pattern.properties.forEach(function (p) { bind(p.value || p.argument); });
  }
  walk(ast, function (node) {
    if (node.type === 'VariableDeclarator') bind(node.id);
    else if (node.type === 'CatchClause') bind(node.param);
    else if (/Function|Class/.test(node.type)) {
      if (node.id) bind(node.id);
      (node.params || []).forEach(bind);
    }
  });
  return names;
}

// A node's child fields: Babel's own table where it is known, else every field but positions
// and comments.
function childKeys(node, table) {
  var keys = table && table[node.type];
  if (keys) return keys;
  keys = [];
  for (var key in node) if (!skipKeys[key]) keys.push(key);
  return keys;
}

// Calls visit(node, parents) for every node, parents[parents.length - 1] being its parent.
function walk(root, visit) {
  var parents = [];
  var table = parsing.visitorKeys();
  (function descend(node) {
    if (visit(node, parents) === false) return;
    parents.push(node);
    var keys = childKeys(node, table);
    for (var k = 0; k < keys.length; k++) {
      var v = node[keys[k]];
      if (!v || typeof v !== 'object') continue;
      if (Array.isArray(v)) {
        for (var i = 0; i < v.length; i++) if (v[i] && typeof v[i].type === 'string') descend(v[i]);
      } else if (typeof v.type === 'string') {
        descend(v);
      }
    }
    parents.pop();
  })(root);
}

// Returns {problems: [{line, column, message}], forms: [[name, count]], modern: bool,
// declared: {name: true} (every name the script declares), used: {name: true} (globals it
// reads: names it uses as values and does not declare)}.
function scan(ast, text) {
  var forms = formCounter(), problems = [], modern = false, used = {};
  var declared = declaredNames(ast);
  function problem(node, message) {
    var loc = node.loc ? node.loc.start : {line: 0, column: 0};
    problems.push({line: loc.line, column: loc.column, message: message + '（第' + loc.line + '行）'});
  }
  function form(name) {
    forms.add(name);
    modern = true;
  }
  // `typeof X` in the statement around it: the script tests for X before using it.
  function guarded(parents, node, name) {
    var around = node;
    for (var i = parents.length - 1; i >= 0; i--) {
      if (isStatement(parents[i])) { around = parents[i]; break; }
    }
    return text.slice(around.start, around.end).indexOf('typeof ' + name) >= 0;
  }
  function accessor(node) {
    if (node.kind !== 'get' && node.kind !== 'set') return;
    var key = node.key;
    var name = key && (key.name || key.value) || '';
    problem(node, 'getter/setter（' + node.kind + ' ' + name + '）：JScript 5.7 没有访问器属性');
  }
  // An identifier used as a value (not a property name, a key or a declaration).
  function isReference(node, parent) {
    if (!parent) return true;
    switch (parent.type) {
      case 'MemberExpression':
      case 'OptionalMemberExpression':
        return parent.object === node || parent.computed;
      case 'ObjectProperty':
      case 'ClassProperty':
      case 'ObjectMethod':
      case 'ClassMethod':
        return parent.key !== node || parent.computed ? parent.value === node || parent.computed : false;
      case 'VariableDeclarator':
        return parent.init === node;
      case 'FunctionDeclaration':
      case 'FunctionExpression':
      case 'ClassDeclaration':
      case 'ClassExpression':
        return parent.superClass === node;
      case 'LabeledStatement':
      case 'BreakStatement':
      case 'ContinueStatement':
      case 'CatchClause':
        return false;
      default:
        return true;
    }
  }

  walk(ast, function (node, parents) {
    var parent = parents[parents.length - 1];
    var type = node.type;
    if (!es5Types[type]) modern = true;
    var last = type === 'NewExpression' ? node.arguments[node.arguments.length - 1] :
               node.params ? node.params[node.params.length - 1] : null;
    if (last && /^\s*,/.test(text.slice(last.end, last.end + 64))) forms.add('末尾逗号');
    if (/Function|Method/.test(type)) {
      if (node.generator) problem(node, '生成器函数 function*：需要 regenerator 运行库，无法转换');
      if (node.async) problem(node, 'async 函数：需要 regenerator 运行库，无法转换');
    }
    switch (type) {
      case 'ObjectMethod':
        accessor(node);
        if (node.kind === 'method') form('对象方法简写');
        break;
      case 'ClassMethod':
      case 'ClassPrivateMethod':
        accessor(node);
        break;
      case 'ArrowFunctionExpression':
        form('箭头函数');
        break;
      case 'ClassDeclaration':
      case 'ClassExpression':
        form('class');
        if (node.superClass && node.superClass.type === 'Identifier' && builtinParents.test(node.superClass.name) &&
            !declared[node.superClass.name])
          problem(node, 'class 继承内置的 ' + node.superClass.name + '：ES5 中无法正确继承');
        break;
      case 'FunctionExpression':
        // JScript would also declare the name in the enclosing scope; the ES3 pass keeps it inside.
        if (node.id) forms.add('命名函数表达式');
        break;
      case 'TemplateLiteral':
        if (!parent || parent.type !== 'TaggedTemplateExpression') form('模板字符串');
        break;
      case 'TaggedTemplateExpression':
        form('带标签的模板');
        break;
      case 'VariableDeclaration':
        if (node.kind !== 'var') form('let/const');
        break;
      case 'ObjectPattern':
      case 'ArrayPattern':
        form('解构');
        break;
      case 'AssignmentPattern':
        form('参数默认值');
        break;
      case 'RestElement':
        form('剩余参数');
        break;
      case 'SpreadElement':
        form('展开运算符');
        break;
      case 'ForOfStatement':
        form('for…of');
        break;
      case 'OptionalMemberExpression':
      case 'OptionalCallExpression':
        form('可选链 ?.');
        break;
      case 'LogicalExpression':
        if (node.operator === '??') form('空值合并 ??');
        break;
      case 'AssignmentExpression':
        if (node.operator === '**=') form('指数运算 **');
        if (node.operator === '||=' || node.operator === '&&=' || node.operator === '??=') form('逻辑赋值 ' + node.operator);
        break;
      case 'BinaryExpression':
        if (node.operator === '**') form('指数运算 **');
        break;
      case 'ClassProperty':
      case 'ClassPrivateProperty':
        form('类字段');
        break;
      case 'ObjectProperty':
        if (node.shorthand) form('属性简写');
        if (node.computed) form('计算属性名');
        if (!node.computed && node.key.type === 'Identifier' && isReserved[node.key.name]) forms.add('保留字属性名');
        break;
      case 'ObjectExpression':
      case 'ArrayExpression':
      case 'CallExpression':
        if (node.extra && node.extra.trailingComma) forms.add('末尾逗号');
        break;
      case 'NumericLiteral':
        if (node.extra && /^0[bBoO]|_/.test(node.extra.raw)) form('二进制/八进制/分隔符数字');
        break;
      case 'StringLiteral':
        if (node.extra && codePointEscape.test(node.extra.raw)) form('\\u{…} 转义');
        break;
      case 'CatchClause':
        if (!node.param) form('省略 catch 参数');
        break;
      case 'BigIntLiteral':
        problem(node, 'BigInt 字面量：JScript 5.7 没有 BigInt');
        break;
      case 'RegExpLiteral': {
        var flags = node.flags, pattern = node.pattern;
        ['y', 'd', 'v'].forEach(function (f) {
          if (flags.indexOf(f) >= 0) problem(node, '正则表达式标志 ' + f + '：JScript 5.7 不支持');
        });
        if (/\\[pP]\{/.test(pattern) && flags.indexOf('u') >= 0) problem(node, '正则表达式的 Unicode 属性转义 \\p{…}：无法转换');
        if (/\(\?<[=!]/.test(pattern)) problem(node, '正则表达式的后行断言 (?<= / (?<!：JScript 5.7 不支持');
        if (/\(\?<[A-Za-z_$]/.test(pattern)) problem(node, '正则表达式的命名捕获组 (?<名称>)：JScript 5.7 不支持');
        if (flags.indexOf('u') >= 0) form('正则表达式标志 u');
        if (flags.indexOf('s') >= 0) form('正则表达式标志 s');
        break;
      }
      case 'ImportDeclaration':
      case 'ExportNamedDeclaration':
      case 'ExportDefaultDeclaration':
      case 'ExportAllDeclaration':
        problem(node, '模块语法 import/export：请先打包成普通脚本');
        return false;
      case 'Import':
        problem(node, '动态 import()：无法转换');
        break;
      case 'MetaProperty':
        if (node.meta.name === 'import') problem(node, 'import.meta：无法转换');
        else form('new.target');
        break;
      case 'MemberExpression': {
        if (!node.computed && node.property.type === 'Identifier' && isReserved[node.property.name]) forms.add('保留字属性名');
        var object = node.object, property = node.property;
        if (object.type === 'Identifier' && object.name === 'Symbol' && !declared.Symbol) {
          var isKey = parent && /^(ObjectMethod|ClassMethod|ObjectProperty|ClassProperty)$/.test(parent.type) &&
                      parent.key === node && parent.computed;
          if (isKey || !guarded(parents, node, 'Symbol'))
            problem(node, '以 Symbol 为键的协议（Symbol.' + (property.name || '') + '）：JScript 5.7 没有 Symbol');
          return false;
        }
        if (object.type === 'Identifier' && object.name === 'Object' && !node.computed && property.name === 'defineProperty' &&
            parent && parent.type === 'CallExpression' && parent.callee === node) {
          var descriptor = parent.arguments[2];
          if (descriptor && descriptor.type === 'ObjectExpression' && descriptor.properties.some(function (p) {
            return p.key && !p.computed && /^(get|set)$/.test(p.key.name || p.key.value);
          }))
            problem(node, 'Object.defineProperty 的 get/set 访问器：JScript 5.7 没有访问器属性');
        }
        if (!node.computed && property.type === 'Identifier' && /^__(define|lookup)[GS]etter__$/.test(property.name))
          problem(node, property.name + '：JScript 5.7 没有访问器属性');
        break;
      }
      case 'Identifier': {
        var name = node.name;
        if (declared[name] || !isReference(node, parent)) break;
        used[name] = true;
        if (!Object.prototype.hasOwnProperty.call(missing, name)) break;
        if (parent && parent.type === 'UnaryExpression' && parent.operator === 'typeof') break;
        if (guarded(parents, node, name)) break;
        problem(node, missing[name]);
        break;
      }
      default:
        break;
    }
    return undefined;
  });
  return {problems: problems, forms: forms.list(), modern: modern, declared: declared, used: used};
}

module.exports = {scan: scan, walk: walk, childKeys: childKeys, isReserved: isReserved, codePointEscape: codePointEscape};

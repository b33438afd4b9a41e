// Reads the original script before it is converted: what JScript 5.7 cannot be given at all
// (each a problem with its line), and what the conversion will rewrite (counted by form, for the
// log). A Babel plugin whose `pre` walks the untouched tree with scopes, so a local variable
// called Symbol or Map is told from the missing global.

var reserved = ('break case catch class const continue debugger default delete do else enum export extends ' +
                'false finally for function if import in instanceof new null return super switch this throw ' +
                'true try typeof var void while with').split(' ');
var isReserved = {};
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

// A plugin factory: `result` receives problems [{line, column, message}] and forms [[name, n]].
function scanner(text, result) {
  var forms = formCounter(), problems = [];
  function problem(node, message) {
    var loc = node.loc ? node.loc.start : {line: 0, column: 0};
    problems.push({line: loc.line, column: loc.column, message: message + '（第' + loc.line + '行）'});
  }
  // `typeof X` in the statement around it: the script tests for X before using it.
  function guarded(path, name) {
    var statement = path.getStatementParent();
    var node = statement ? statement.node : path.node;
    return text.slice(node.start, node.end).indexOf('typeof ' + name) >= 0;
  }
  function accessor(path) {
    var kind = path.node.kind;
    if (kind !== 'get' && kind !== 'set') return;
    var key = path.node.key;
    var name = key && (key.name || key.value) || '';
    problem(path.node, 'getter/setter（' + kind + ' ' + name + '）：JScript 5.7 没有访问器属性');
  }
  function regex(path) {
    var node = path.node, flags = node.flags, pattern = node.pattern;
    ['y', 'd', 'v'].forEach(function (f) {
      if (flags.indexOf(f) >= 0) problem(node, '正则表达式标志 ' + f + '：JScript 5.7 不支持');
    });
    if (/\\[pP]\{/.test(pattern) && flags.indexOf('u') >= 0) problem(node, '正则表达式的 Unicode 属性转义 \\p{…}：无法转换');
    if (/\(\?<[=!]/.test(pattern)) problem(node, '正则表达式的后行断言 (?<= / (?<!：JScript 5.7 不支持');
    if (/\(\?<[A-Za-z_$]/.test(pattern)) problem(node, '正则表达式的命名捕获组 (?<名称>)：JScript 5.7 不支持');
    if (flags.indexOf('u') >= 0) forms.add('正则表达式标志 u');
    if (flags.indexOf('s') >= 0) forms.add('正则表达式标志 s');
  }
  var visitor = {
    ObjectMethod: function (path) {
      accessor(path);
      if (path.node.kind === 'method') forms.add('对象方法简写');
    },
    ClassMethod: accessor,
    ClassPrivateMethod: accessor,
    Function: function (path) {
      if (path.node.generator) problem(path.node, '生成器函数 function*：需要 regenerator 运行库，无法转换');
      if (path.node.async) problem(path.node, 'async 函数：需要 regenerator 运行库，无法转换');
    },
    ArrowFunctionExpression: function () { forms.add('箭头函数'); },
    Class: function (path) {
      forms.add('class');
      var sup = path.node.superClass;
      if (sup && sup.type === 'Identifier' && /^(Array|Error|TypeError|RangeError|RegExp|Date|Function|Map|Set|Promise)$/.test(sup.name) &&
          !path.scope.hasBinding(sup.name, true))
        problem(path.node, 'class 继承内置的 ' + sup.name + '：ES5 中无法正确继承');
    },
    TemplateLiteral: function () { forms.add('模板字符串'); },
    TaggedTemplateExpression: function () { forms.add('带标签的模板'); },
    VariableDeclaration: function (path) { if (path.node.kind !== 'var') forms.add('let/const'); },
    'ObjectPattern|ArrayPattern': function () { forms.add('解构'); },
    AssignmentPattern: function () { forms.add('参数默认值'); },
    RestElement: function () { forms.add('剩余参数'); },
    SpreadElement: function () { forms.add('展开运算符'); },
    ForOfStatement: function () { forms.add('for…of'); },
    OptionalMemberExpression: function () { forms.add('可选链 ?.'); },
    OptionalCallExpression: function () { forms.add('可选链 ?.'); },
    LogicalExpression: function (path) { if (path.node.operator === '??') forms.add('空值合并 ??'); },
    AssignmentExpression: function (path) {
      var op = path.node.operator;
      if (op === '**=') forms.add('指数运算 **');
      if (op === '||=' || op === '&&=' || op === '??=') forms.add('逻辑赋值 ' + op);
    },
    BinaryExpression: function (path) { if (path.node.operator === '**') forms.add('指数运算 **'); },
    'ClassProperty|ClassPrivateProperty': function () { forms.add('类字段'); },
    ObjectProperty: function (path) {
      var node = path.node;
      if (node.shorthand) forms.add('属性简写');
      if (node.computed) forms.add('计算属性名');
      if (!node.computed && node.key.type === 'Identifier' && isReserved[node.key.name]) forms.add('保留字属性名');
    },
    MemberExpression: function (path) {
      var node = path.node;
      if (!node.computed && node.property.type === 'Identifier' && isReserved[node.property.name]) forms.add('保留字属性名');
      if (node.object.type === 'Identifier' && node.object.name === 'Symbol' && !path.scope.hasBinding('Symbol', true)) {
        var parent = path.parent;
        var isKey = (parent.type === 'ObjectMethod' || parent.type === 'ClassMethod' || parent.type === 'ObjectProperty' ||
                     parent.type === 'ClassProperty') && parent.key === node && parent.computed;
        if (isKey || !guarded(path, 'Symbol')) {
          var name = node.property.name || '';
          problem(node, '以 Symbol 为键的协议（Symbol.' + name + '）：JScript 5.7 没有 Symbol');
        }
        path.skip();
      }
      if (node.object.type === 'Identifier' && node.object.name === 'Object' && !node.computed &&
          /^(defineProperty|defineProperties)$/.test(node.property.name) && path.parent.type === 'CallExpression') {
        var args = path.parent.arguments;
        var descriptor = node.property.name === 'defineProperty' ? args[2] : null;
        if (descriptor && descriptor.type === 'ObjectExpression' && descriptor.properties.some(function (p) {
          return p.key && !p.computed && (p.key.name === 'get' || p.key.name === 'set' || p.key.value === 'get' || p.key.value === 'set');
        }))
          problem(node, 'Object.defineProperty 的 get/set 访问器：JScript 5.7 没有访问器属性');
      }
      if (!node.computed && node.property.type === 'Identifier' &&
          /^__(define|lookup)[GS]etter__$/.test(node.property.name))
        problem(node, node.property.name + '：JScript 5.7 没有访问器属性');
    },
    Identifier: function (path) {
      var name = path.node.name;
      if (!Object.prototype.hasOwnProperty.call(missing, name)) return;
      if (!path.isReferencedIdentifier() || path.scope.hasBinding(name, true)) return;
      if (path.parent.type === 'UnaryExpression' && path.parent.operator === 'typeof') return;
      if (guarded(path, name)) return;
      problem(path.node, missing[name]);
    },
    BigIntLiteral: function (path) { problem(path.node, 'BigInt 字面量：JScript 5.7 没有 BigInt'); },
    RegExpLiteral: regex,
    'ImportDeclaration|ExportNamedDeclaration|ExportDefaultDeclaration|ExportAllDeclaration': function (path) {
      problem(path.node, '模块语法 import/export：请先打包成普通脚本');
      path.skip();
    },
    Import: function (path) { problem(path.node, '动态 import()：无法转换'); },
    MetaProperty: function (path) {
      if (path.node.meta.name === 'import') problem(path.node, 'import.meta：无法转换');
    },
    'ObjectExpression|ArrayExpression': function (path) {
      if (path.node.extra && path.node.extra.trailingComma) forms.add('末尾逗号');
    },
  };
  return function () {
    return {
      name: 'jsdebug-scan',
      pre: function (file) {
        file.path.traverse(visitor);
        result.problems = problems;
        result.forms = forms.list();
      },
    };
  };
}

module.exports = {scanner: scanner, isReserved: isReserved};

// ES2015+ down to ES5 as edits to the script's own text, the way the ES3 pass treats an ES5
// script: Babel's traversal, scopes and generator cost a megabyte of class-heavy code some ten
// seconds, while most of a modern script is ES5 already and each modern form has one loose ES5
// spelling. The forms it takes, in Babel's loose spellings (so both ways give the same answers):
//   let/const and class declarations as var (where hoisting changes no name's meaning), arrow
//   functions (this as a variable of the function around), template literals, shorthand and
//   computed properties, methods, default and rest parameters, destructuring in declarations,
//   parameters and for...of heads, spread in calls, arrays and objects, for...of (Babel's helper),
//   classes with extends, super, static members and instance fields, **, binary/octal/separated
//   numbers, \u{...} escapes, catch without a binding.
// Anything else (a let captured by a closure inside a loop, a name that hoisting would capture,
// optional chaining, tagged templates, destructuring assignment, new.target, ...) makes it answer
// null and the caller takes Babel's way for the whole script. The result is ES5; the ES3 pass runs
// on it afterwards.

// Babel's own helpers, taken from its output for a sample that needs each, once per process, and
// given the ES3 pass: {name: {text, ast, needs: [the helpers it calls]}}.
var helperSample = 'class A extends B {}; var {a, ...b} = c; var d = {...e}; for (const x of y);';
var helperCache = null;
function babelHelpers(tools) {
  var babel = tools.babel, parse = tools.parse;
  if (helperCache) return helperCache;
  var code = babel.transform(helperSample, {
    babelrc: false, configFile: false, sourceType: 'script', assumptions: {setSpreadProperties: true},
    plugins: [['transform-classes', {loose: true}], ['proposal-object-rest-spread', {loose: true, useBuiltIns: false}],
              ['transform-for-of', {loose: true}], ['transform-destructuring', {loose: true}], 'transform-block-scoping'],
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

function Unsupported(why) { this.why = why; }
function giveUp(why) { throw new Unsupported(why); }

// A scope: a function's (vars, parameters, functions) or a block's (let, const, class).
function Scope(node, parent, isFunction, isLoop) {
  this.node = node;
  this.parent = parent;
  this.isFunction = isFunction;
  this.fn = isFunction ? this : parent.fn;
  // Inside a loop of its own function: a binding here is a fresh one each turn.
  this.inLoop = isLoop || (!isFunction && !!parent && parent.inLoop);
  this.names = Object.create(null);
  // For function scopes: the names read inside it (or deeper) that resolve outside it.
  this.passing = isFunction ? Object.create(null) : null;
  // For function scopes: every binding that lives in the function once hoisted, by name.
  this.hoisted = isFunction ? Object.create(null) : null;
}

// A function as the output sees it: where its prologue goes, its `this` and its temporaries.
function Fn(node, scope, arrow, outer) {
  this.node = node;
  this.scope = scope;
  this.arrow = arrow;
  this.thisOwner = arrow ? outer.thisOwner : this;
  this.needsThis = false;
  this.thisName = null;
  this.temps = [];
}

var ES5_OR_HANDLED = {};
('Program ExpressionStatement BlockStatement EmptyStatement DebuggerStatement WithStatement ReturnStatement ' +
 'LabeledStatement BreakStatement ContinueStatement IfStatement SwitchStatement SwitchCase ThrowStatement ' +
 'TryStatement CatchClause WhileStatement DoWhileStatement ForStatement ForInStatement ForOfStatement ' +
 'FunctionDeclaration FunctionExpression ArrowFunctionExpression VariableDeclaration VariableDeclarator ' +
 'ThisExpression ArrayExpression ObjectExpression ObjectProperty ObjectMethod UnaryExpression UpdateExpression ' +
 'BinaryExpression AssignmentExpression LogicalExpression MemberExpression ConditionalExpression CallExpression ' +
 'NewExpression SequenceExpression OptionalMemberExpression OptionalCallExpression Identifier StringLiteral NumericLiteral BooleanLiteral NullLiteral ' +
 'RegExpLiteral TemplateLiteral TemplateElement SpreadElement ClassDeclaration ClassExpression ClassBody ' +
 'ClassMethod ClassProperty Super ObjectPattern ArrayPattern AssignmentPattern RestElement Directive ' +
 'DirectiveLiteral InterpreterDirective').split(' ').forEach(function (t) { ES5_OR_HANDLED[t] = true; });

var childKeys = require('jscript/scan').childKeys;
var codePointEscape = require('jscript/scan').codePointEscape;
var notES3 = require('jscript/splice').notES3;
var visitorKeys = require('lib/parsing').visitorKeys;

// A node's children in the order of the text.
function childNodes(node) {
  var kids = [], keys = childKeys(node, visitorKeys());
  for (var k = 0; k < keys.length; k++) {
    var v = node[keys[k]];
    if (!v || typeof v !== 'object') continue;
    if (Array.isArray(v)) {
      for (var i = 0; i < v.length; i++) if (v[i] && typeof v[i].type === 'string') kids.push(v[i]);
    } else if (typeof v.type === 'string') {
      kids.push(v);
    }
  }
  kids.sort(function (a, b) { return a.start - b.start; });
  return kids;
}

function isFunctionNode(node) {
  return node.type === 'FunctionDeclaration' || node.type === 'FunctionExpression' ||
         node.type === 'ArrowFunctionExpression' || node.type === 'ObjectMethod' || node.type === 'ClassMethod';
}

function isLoop(node) {
  return /^(For|ForIn|ForOf|While|DoWhile)Statement$/.test(node.type);
}

// A string literal for `value`: every character beyond ASCII as an escape, as Babel writes the
// strings it makes (the program's texts are GBK).
function quote(value) {
  return JSON.stringify(value).replace(/[^\x20-\x7e]/g, function (c) {
    return '\\u' + ('000' + c.charCodeAt(0).toString(16).toUpperCase()).slice(-4);
  });
}

// `.name`, or `["name"]` for a name ES3 does not take after a dot.
function dot(name) {
  return notES3[name] ? '[' + quote(name) + ']' : '.' + name;
}

// The member access for a non-computed key as written: .name, ["string"], [1].
function memberFor(key) {
  if (key.type === 'Identifier') return dot(key.name);
  if (key.type === 'StringLiteral') return '[' + quote(key.value) + ']';
  if (key.type === 'NumericLiteral') return '[' + String(key.value) + ']';
  return giveUp('key ' + key.type);
}

function keyString(key) {
  if (key.type === 'Identifier') return key.name;
  if (key.type === 'StringLiteral') return key.value;
  if (key.type === 'NumericLiteral') return String(key.value);
  return giveUp('key ' + key.type);
}

// `es3`: the ES3 pass's edits on the same text ({edits, touched}), made as the text is copied.
// `tools`: {babel, parse(code) -> tree, spliceES3}.
function lowerES5(ast, text, tools, es3) {
  var program = ast.type === 'File' ? ast.program : ast;
  var taken = Object.create(null);
  var dirty = new Set();
  var parentOf = new Map();
  var stack = [];
  var fnOf = new Map();         // function node -> Fn
  var thisTarget = new Map();   // ThisExpression in an arrow -> the Fn whose this it is
  var superInfo = new Map();    // Super -> {cls, isStatic, fn}
  var classInfo = new Map();    // class node -> {superName, name, fieldFn}
  var voidInit = new Set();     // let declarators without a value that need `= void 0`
  var refs = [];
  var bindings = [];
  var helpersUsed = Object.create(null);

  // The nodes being read, from the root down; what changes marks itself and every node above it
  // (which the rules may look up: the class's variable, the function a temporary goes in).
  function markDirty() {
    for (var i = stack.length - 1; i >= 0 && !dirty.has(stack[i]); i--) {
      dirty.add(stack[i]);
      parentOf.set(stack[i], stack[i - 1] || null);
    }
  }

  function declare(scope, name, kind, node) {
    var b = {name: name, kind: kind, scope: scope, node: node, closure: false};
    if (!scope.names[name] || kind !== 'var') scope.names[name] = b;
    taken[name] = true;
    bindings.push(b);
    // A class's own name inside its body stays the name of the function that stands for it.
    if (kind === 'classname') return b;
    var list = scope.fn.hoisted[name] || (scope.fn.hoisted[name] = []);
    list.push(b);
    return b;
  }

  // The identifiers a pattern binds, and the expressions inside it (defaults, computed keys).
  function bindPattern(pattern, scope, kind, fn) {
    stack.push(pattern);
    switch (pattern.type) {
      case 'Identifier':
        declare(scope, pattern.name, kind, pattern);
        break;
      case 'AssignmentPattern':
        markDirty();
        bindPattern(pattern.left, scope, kind, fn);
        visit(pattern.right, scope, fn);
        break;
      case 'ArrayPattern':
        markDirty();
        pattern.elements.forEach(function (e) { if (e) bindPattern(e, scope, kind, fn); });
        break;
      case 'ObjectPattern':
        markDirty();
        pattern.properties.forEach(function (p) {
          if (p.type === 'RestElement') return bindPattern(p, scope, kind, fn);
          if (p.computed) giveUp('computed key in a pattern');
          bindPattern(p.value, scope, kind, fn);
        });
        break;
      case 'RestElement':
        markDirty();
        bindPattern(pattern.argument, scope, kind, fn);
        break;
      default:
        giveUp('pattern ' + pattern.type);
    }
    stack.pop();
  }

  function reference(name, scope, fn, node) {
    taken[name] = true;
    refs.push({name: name, scope: scope});
    if (name === 'arguments' && fn.arrow) giveUp('arguments in an arrow function');
  }

  function visitFunction(node, outerScope, outerFn, method) {
    var arrow = node.type === 'ArrowFunctionExpression';
    if (node.generator || node.async) giveUp('generator or async');
    var scope = new Scope(node, outerScope, true, false);
    var fn = new Fn(node, scope, arrow, outerFn);
    if (method) { fn.cls = method.cls; fn.isStatic = method.isStatic; }
    fnOf.set(node, fn);
    if (arrow) markDirty();
    if (node.type === 'FunctionExpression' && node.id) declare(scope, node.id.name, 'fname', node.id);
    node.params.forEach(function (p) { bindPattern(p, scope, 'param', fn); });
    if (node.body.type === 'BlockStatement') {
      stack.push(node.body);
      node.body.body.forEach(function (s) { visit(s, scope, fn); });
      stack.pop();
    } else {
      visit(node.body, scope, fn);
    }
  }

  function visitClass(node, scope, fn) {
    markDirty();
    if (node.superClass) visit(node.superClass, scope, fn);
    var inner = new Scope(node, scope, false, false);
    if (node.id) declare(inner, node.id.name, 'classname', node.id);
    var info = {fieldFn: new Fn(node, inner, false, fn), staticFieldFn: null, hasSuper: !!node.superClass};
    info.fieldFn.thisOwner = info.fieldFn;
    classInfo.set(node, info);
    stack.push(node.body);
    node.body.body.forEach(function (member) {
      stack.push(member);
      if (member.computed) giveUp('computed class member');
      if (member.decorators && member.decorators.length) giveUp('decorators');
      if (member.type === 'ClassMethod') {
        if (member.kind !== 'method' && member.kind !== 'constructor') giveUp('accessor');
        visitFunction(member, inner, fn, {cls: node, isStatic: !!member.static});
      } else if (member.type === 'ClassProperty') {
        if (member.static) {
          // Set inside the class's function, where `this` is not the class.
          var staticFn = new Fn(member, inner, false, fn);
          staticFn.forbidThis = true;
          if (member.value) visit(member.value, inner, staticFn);
        } else if (member.value) {
          visit(member.value, inner, info.fieldFn);
        }
      } else {
        giveUp('class member ' + member.type);
      }
      stack.pop();
    });
    stack.pop();
  }

  function parentOfChain(nodes) {
    return nodes[nodes.length - 2];
  }

  function visitAll(nodes, scope, fn) {
    for (var i = 0; i < nodes.length; i++) if (nodes[i]) visit(nodes[i], scope, fn);
  }

  function visit(node, scope, fn) {
    var type = node.type;
    if (!ES5_OR_HANDLED[type]) giveUp(type);
    stack.push(node);
    switch (type) {
      case 'Identifier':
        reference(node.name, scope, fn, node);
        break;
      case 'FunctionDeclaration':
        declare(scope.fn, node.id.name, 'function', node.id);
        visitFunction(node, scope, fn);
        break;
      case 'FunctionExpression':
      case 'ArrowFunctionExpression':
        visitFunction(node, scope, fn);
        break;
      case 'ClassDeclaration':
        declare(scope, node.id.name, 'class', node.id);
        visitClass(node, scope, fn);
        break;
      case 'ClassExpression':
        visitClass(node, scope, fn);
        break;
      case 'VariableDeclaration':
        if (node.kind !== 'var') markDirty();
        node.declarations.forEach(function (d) {
          stack.push(d);
          if (node.kind !== 'var') markDirty();
          bindPattern(d.id, node.kind === 'var' ? scope.fn : scope, node.kind, fn);
          if (d.init) visit(d.init, scope, fn);
          stack.pop();
        });
        break;
      case 'BlockStatement': {
        var block = new Scope(node, scope, false, false);
        visitAll(node.body, block, fn);
        break;
      }
      case 'ForStatement':
      case 'ForInStatement':
      case 'ForOfStatement':
      case 'WhileStatement':
      case 'DoWhileStatement': {
        if (type === 'ForOfStatement') {
          if (node.await) giveUp('for await');
          markDirty();
        }
        var head = new Scope(node, scope, false, true);
        var left = node.init || node.left;
        if (left) {
          if (left.type === 'VariableDeclaration') {
            if (type === 'ForInStatement' && left.declarations[0].id.type !== 'Identifier') giveUp('pattern in for...in');
            visit(left, head, fn);
          } else if (left.type === 'ObjectPattern' || left.type === 'ArrayPattern') {
            giveUp('destructuring assignment');
          } else {
            visit(left, head, fn);
          }
        }
        if (node.test) visit(node.test, head, fn);
        if (node.update) visit(node.update, head, fn);
        if (node.right) visit(node.right, scope, fn);
        visit(node.body, head, fn);
        break;
      }
      case 'SwitchStatement': {
        visit(node.discriminant, scope, fn);
        var cases = new Scope(node, scope, false, false);
        node.cases.forEach(function (c) {
          stack.push(c);
          if (c.test) visit(c.test, cases, fn);
          visitAll(c.consequent, cases, fn);
          stack.pop();
        });
        break;
      }
      case 'CatchClause': {
        var catchScope = new Scope(node, scope, false, false);
        if (!node.param) markDirty();
        else if (node.param.type !== 'Identifier') giveUp('pattern in catch');
        // JScript leaks the caught name into the function: it counts as the function's own.
        else declare(catchScope, node.param.name, 'catch', node.param);
        stack.push(node.body);
        visitAll(node.body.body, catchScope, fn);
        stack.pop();
        break;
      }
      case 'LabeledStatement':
        visit(node.body, scope, fn);
        break;
      case 'BreakStatement':
      case 'ContinueStatement':
        break;
      case 'ThisExpression':
        if (fn.thisOwner.forbidThis || fn.forbidThis) giveUp('this in a static field');
        if (fn.arrow || fn.thisOwner !== fn) {
          markDirty();
          fn.thisOwner.needsThis = true;
          thisTarget.set(node, fn.thisOwner);
        }
        break;
      case 'Super': {
        var owner = fn.thisOwner;
        var method = owner.node;
        if (!owner.cls || !classInfo.get(owner.cls).hasSuper) giveUp('super outside a derived class method');
        markDirty();
        if (fn !== owner) owner.needsThis = true;
        superInfo.set(node, {cls: owner.cls, isStatic: owner.isStatic, owner: owner, inArrow: fn !== owner,
                             inConstructor: method.kind === 'constructor'});
        break;
      }
      case 'OptionalMemberExpression':
      case 'OptionalCallExpression':
        markDirty();
        if (type === 'OptionalCallExpression' && hasSpread(node.arguments)) giveUp('spread in an optional call');
        if (parentOfChain(stack) && parentOfChain(stack).type === 'UnaryExpression' && parentOfChain(stack).operator === 'delete')
          giveUp('delete of an optional chain');
        // falls through
      case 'MemberExpression':
        if (node.object) {
          visit(node.object, scope, fn);
          if (node.computed) visit(node.property, scope, fn);
        } else {
          visit(node.callee, scope, fn);
          visitAll(node.arguments, scope, fn);
        }
        break;
      case 'ObjectProperty':
        if (node.computed) { markDirty(); visit(node.key, scope, fn); }
        if (node.shorthand) markDirty();
        visit(node.value, scope, fn);
        break;
      case 'ObjectMethod':
        if (node.kind !== 'method') giveUp('accessor');
        markDirty();
        if (node.computed) visit(node.key, scope, fn);
        visitFunction(node, scope, fn);
        break;
      case 'ObjectExpression':
      case 'ArrayExpression':
      case 'CallExpression':
      case 'NewExpression': {
        var items = node.properties || node.elements || node.arguments;
        if (items.some(function (i) { return i && i.type === 'SpreadElement'; })) {
          if (type === 'NewExpression') giveUp('spread in new');
          markDirty();
        }
        if (type === 'CallExpression' || type === 'NewExpression') visit(node.callee, scope, fn);
        visitAll(items, scope, fn);
        break;
      }
      case 'SpreadElement':
        visit(node.argument, scope, fn);
        break;
      case 'AssignmentExpression':
        if (node.left.type === 'ObjectPattern' || node.left.type === 'ArrayPattern') giveUp('destructuring assignment');
        if (/^(\|\||&&|\?\?)=$/.test(node.operator)) {
          // The target is read and written again: only where reading it twice is harmless.
          var target = node.left;
          if (!(target.type === 'Identifier' || target.type === 'MemberExpression' && !target.computed &&
                (target.object.type === 'Identifier' || target.object.type === 'ThisExpression')))
            giveUp('logical assignment to ' + target.type);
          markDirty();
        }
        if (node.operator === '**=') {
          if (node.left.type !== 'Identifier') giveUp('**= on a member');
          markDirty();
        }
        visit(node.left, scope, fn);
        visit(node.right, scope, fn);
        break;
      case 'BinaryExpression':
        if (node.operator === '**') markDirty();
        visit(node.left, scope, fn);
        visit(node.right, scope, fn);
        break;
      case 'LogicalExpression':
        if (node.operator === '??') markDirty();
        visit(node.left, scope, fn);
        visit(node.right, scope, fn);
        break;
      case 'TemplateLiteral':
        markDirty();
        visitAll(node.expressions, scope, fn);
        break;
      case 'NumericLiteral':
        if (node.extra && /^0[bBoO]|_/.test(node.extra.raw)) markDirty();
        break;
      case 'StringLiteral':
        if (node.extra && codePointEscape.test(node.extra.raw)) markDirty();
        break;
      case 'RegExpLiteral':
        if (/[uysdv]/.test(node.flags)) giveUp('regular expression flags');
        break;
      default:
        visitAll(childNodes(node), scope, fn);
    }
    stack.pop();
  }

  // Reads the tree: scopes, bindings, references, what changes.
  var programScope = new Scope(program, null, true, false);
  var programFn = new Fn(program, programScope, false, null);
  programFn.thisOwner = programFn;
  fnOf.set(program, programFn);
  stack.push(ast);
  stack.push(program);
  visitAll(program.body, programScope, programFn);

  // Each reference resolved: which binding it reads, and which functions it passes through.
  refs.forEach(function (r) {
    var s = r.scope, found = null;
    for (; s; s = s.parent) {
      if (s.names[r.name]) { found = s.names[r.name]; break; }
    }
    var stopAt = found ? found.scope.fn : null;
    for (var f = r.scope.fn; f && f !== stopAt; f = f.parent ? f.parent.fn : null) f.passing[r.name] = true;
    if (found && found.scope.fn !== r.scope.fn) found.closure = true;
  });

  // let, const and class become var: each must mean the same thing hoisted to its function.
  bindings.forEach(function (b) {
    if (b.kind !== 'let' && b.kind !== 'const' && b.kind !== 'class') return;
    var fnScope = b.scope.fn, nested = b.scope !== fnScope;
    if (b.scope.inLoop && b.closure) giveUp('a closure in a loop reads ' + b.name);
    var same = fnScope.hoisted[b.name];
    if (same.length > 1) {
      var clash = same.some(function (o) {
        if (o === b) return false;
        if (o.kind !== 'let' && o.kind !== 'const' && o.kind !== 'class') return true;
        if (o.closure || b.closure) return true;
        for (var s = o.scope; s; s = s.parent) if (s === b.scope) return true;
        for (var t = b.scope; t; t = t.parent) if (t === o.scope) return true;
        return false;
      });
      if (clash) giveUp('two bindings of ' + b.name + ' in one function');
    }
    if (nested && fnScope.passing[b.name]) giveUp('hoisting ' + b.name + ' would capture a name from outside');
    if (nested && b.kind === 'let' && b.node.type === 'Identifier') voidInit.add(b.node);
  });

  // Writing: each node's own text with its changed parts rewritten.
  // Each base counts on from its last number: a large script asks for _this thousands of times.
  var lastNumber = Object.create(null);
  function uid(base) {
    var name = base, n = lastNumber[base] || 2;
    if (lastNumber[base]) name = base + n++;
    while (taken[name]) name = base + n++;
    lastNumber[base] = n;
    taken[name] = true;
    return name;
  }
  var helpers = babelHelpers(tools);
  Object.keys(helpers).forEach(function (h) {
    if (taken[h]) giveUp('the script has a name of Babel\'s helpers: ' + h);
  });
  function helper(name) {
    helpersUsed[name] = true;
    return name;
  }
  function temp(fn, base) {
    var name = uid(base);
    fn.temps.push(name);
    return name;
  }
  function thisNameOf(fn) {
    if (!fn.thisName) fn.thisName = uid('_this');
    return fn.thisName;
  }

  function emit(node) {
    if (!dirty.has(node)) return text.slice(node.start, node.end);
    var rule = rules[node.type];
    return rule ? rule(node) : copy(node);
  }
  // The text from start to end with the children given written by their rules and the ES3
  // edits inside made, each once (an insertion at a child's edge goes with the first to reach it).
  var edits = es3 ? es3.edits : [];
  function firstEdit(start) {
    var lo = 0, hi = edits.length;
    while (lo < hi) {
      var mid = (lo + hi) >> 1;
      if (edits[mid].start < start) lo = mid + 1; else hi = mid;
    }
    return lo;
  }
  function span(start, end, kids) {
    var out = '', at = start, k = 0, e = firstEdit(start);
    for (;;) {
      while (e < edits.length && edits[e].start <= end && (edits[e].done || edits[e].start < at || edits[e].end > end)) e++;
      while (k < kids.length && (kids[k].start < at || kids[k].end > end)) k++;
      var nextEdit = e < edits.length && edits[e].start <= end ? edits[e].start : Infinity;
      var nextKid = k < kids.length ? kids[k].start : Infinity;
      if (nextEdit === Infinity && nextKid === Infinity) break;
      // An edit that starts where a child does and ends inside it is the child's own.
      var inside = nextEdit === nextKid && edits[e].end > nextKid && edits[e].end < kids[k].end;
      if (nextEdit <= nextKid && !inside) {
        out += text.slice(at, nextEdit) + edits[e].text;
        edits[e].done = true;
        at = edits[e].end;
        e++;
      } else {
        out += text.slice(at, nextKid) + emit(kids[k]);
        at = kids[k].end;
        k++;
      }
    }
    return out + text.slice(at, end);
  }
  function copy(node) {
    return span(node.start, node.end, childNodes(node));
  }

  // Where a concatenation or a conditional stands in for a primary expression, parentheses keep
  // the meaning unless the place around takes any expression.
  function wrapped(node, code, parent) {
    if (node.extra && node.extra.parenthesized) return code;
    switch (parent && parent.type) {
      case 'VariableDeclarator': case 'ReturnStatement': case 'ThrowStatement': case 'ExpressionStatement':
      case 'ArrayExpression': case 'SequenceExpression': case 'SpreadElement': case 'TemplateLiteral':
      case 'ObjectProperty': case 'SwitchCase': case 'IfStatement': case 'WhileStatement': case 'DoWhileStatement':
        return code;
      case 'AssignmentExpression':
        if (parent.right === node) return code;
        break;
      case 'CallExpression': case 'NewExpression':
        if (parent.callee !== node) return code;
        break;
      case 'ConditionalExpression':
        if (parent.test !== node) return code;
        break;
      case 'BinaryExpression':
        if (parent.operator === '+' && parent.left === node) return code;
        if (/^(==|!=|===|!==|<|>|<=|>=|in|instanceof)$/.test(parent.operator)) return code;
        break;
      case 'LogicalExpression':
        return code;
    }
    return '(' + code + ')';
  }
  // The same for a conditional, which binds looser than any operator.
  function wrappedLow(node, code, parent) {
    switch (parent && parent.type) {
      case 'VariableDeclarator': case 'ReturnStatement': case 'ThrowStatement': case 'ExpressionStatement':
      case 'ArrayExpression': case 'SequenceExpression': case 'SpreadElement': case 'ObjectProperty':
      case 'SwitchCase': case 'IfStatement': case 'WhileStatement': case 'DoWhileStatement':
        return code;
      case 'AssignmentExpression':
        if (parent.right === node) return code;
        break;
      case 'CallExpression': case 'NewExpression':
        if (parent.callee !== node) return code;
        break;
      case 'ConditionalExpression':
        if (parent.test !== node) return code;
        break;
    }
    return '(' + code + ')';
  }
  function isChainLink(node) {
    return node.type === 'OptionalMemberExpression' || node.type === 'OptionalCallExpression';
  }
  // An optional chain, ending at `end`, as checks and the access they guard:
  // a?.b.c(d)?.e -> a == null || (_ref = a.b.c(d)) == null ? void 0 : _ref.e.
  function chainText(end) {
    var links = [], base = end;
    while (isChainLink(base)) { links.unshift(base); base = base.object || base.callee; }
    // o.m?.(): the member is a link of its own, so that the call gets o as this.
    if (links[0].type === 'OptionalCallExpression' && base.type === 'MemberExpression' && base.object.type !== 'Super') {
      links.unshift({type: 'MemberExpression', computed: base.computed, property: base.property, optional: false});
      base = base.object;
    }
    var fn = fnAround(end);
    var checks = [], cur = emit(base), plain = base.type === 'Identifier' || base.type === 'ThisExpression';
    var object = null;
    function hold() {
      var held = temp(fn, '_ref');
      var assign = '(' + held + ' = ' + cur + ')';
      cur = held;
      plain = true;
      return assign;
    }
    links.forEach(function (link, i) {
      var isCall = link.type === 'OptionalCallExpression', callThis = null;
      if (link.optional) {
        if (isCall && object !== null) {
          // a.b?.(): the function read once, then called with its object.
          checks.push(hold() + ' == null');
          callThis = object;
          cur += '.call';
        } else {
          checks.push((plain ? cur : hold()) + ' == null');
        }
      }
      if (isCall) {
        var args = link.arguments.map(emit);
        if (callThis !== null) args.unshift(callThis);
        cur += '(' + args.join(', ') + ')';
        object = null;
      } else {
        var next = links[i + 1];
        // The object of a method called optionally is read once too.
        if (next && next.type === 'OptionalCallExpression' && next.optional && !plain) {
          var assign = hold();
          object = cur;
          cur = assign;
        } else {
          object = cur;
        }
        cur += link.computed ? '[' + emit(link.property) + ']' : dot(link.property.name);
      }
      plain = false;
    });
    return checks.join(' || ') + ' ? void 0 : ' + cur;
  }
  function parentFor(node) { return parentOf.get(node); }

  // The function's body with its prologue: after the directives, on the line of the brace, so
  // that the lines below keep their numbers.
  function body(fn, block, prologue) {
    var kids = childNodes(block);
    var inner;
    if (fn.fieldsAfter) {
      // A derived constructor's instance fields go in after its super() call.
      var after = fn.fieldsAfter.end;
      inner = span(block.start + 1, after, kids);
      // The call may end without its semicolon.
      inner += (/;\s*$/.test(inner) ? ' ' : '; ') + fn.fieldLead + span(after, block.end - 1, kids);
    } else {
      inner = span(block.start + 1, block.end - 1, kids);
      // A base class's go first.
      if (fn.fieldLead) prologue = (prologue || []).concat([fn.fieldLead]);
    }
    var lead = prologueText(fn, prologue);
    if (!lead) return '{' + inner + '}';
    var dirs = block.directives || [];
    var cut = dirs.length ? dirs[dirs.length - 1].end - block.start - 1 : 0;
    return '{' + inner.slice(0, cut) + ' ' + lead + inner.slice(cut) + '}';
  }
  function prologueText(fn, prologue) {
    var parts = [];
    if (fn.needsThis && fn.thisOwner === fn) parts.push('var ' + thisNameOf(fn) + ' = this;');
    if (fn.temps.length) parts.push('var ' + fn.temps.join(', ') + ';');
    return parts.concat(prologue || []).join(' ');
  }

  // The parameters without patterns, defaults or rest, and the statements that do their work.
  function params(fn, node) {
    var names = [], prologue = [];
    node.params.forEach(function (p, index) {
      if (p.type === 'Identifier') return names.push(p.name);
      if (p.type === 'RestElement') {
        var len = uid('_len'), key = uid('_key');
        var target = p.argument.type === 'Identifier' ? p.argument.name : uid('_rest');
        var size = index ? len + ' > ' + index + ' ? ' + len + ' - ' + index + ' : 0' : len;
        prologue.push('for (var ' + len + ' = arguments.length, ' + target + ' = new Array(' + size + '), ' + key + ' = ' +
                      index + '; ' + key + ' < ' + len + '; ' + key + '++) ' + target + '[' + key +
                      (index ? ' - ' + index : '') + '] = arguments[' + key + '];');
        if (p.argument.type !== 'Identifier') prologue.push(declaration(p.argument, target));
        return;
      }
      var pattern = p, name;
      if (p.type === 'AssignmentPattern') {
        pattern = p.left;
        name = pattern.type === 'Identifier' ? pattern.name : uid('_ref');
        prologue.push('if (' + name + ' === void 0) ' + name + ' = ' + emit(p.right) + ';');
      } else {
        name = uid('_ref');
      }
      names.push(name);
      if (pattern.type !== 'Identifier') prologue.push(declaration(pattern, name));
    });
    return {list: names.join(', '), prologue: prologue};
  }

  // `var a = src.a, ...;` for a pattern read from the variable `source`.
  function declaration(pattern, source) {
    var pairs = [];
    destructure(pattern, source, pairs);
    return 'var ' + pairs.join(', ') + ';';
  }
  function destructure(pattern, source, pairs) {
    switch (pattern.type) {
      case 'Identifier':
        pairs.push(pattern.name + ' = ' + source);
        return;
      case 'AssignmentPattern': {
        var value = uid('_value');
        pairs.push(value + ' = ' + source);
        var defaulted = value + ' === void 0 ? ' + emit(pattern.right) + ' : ' + value;
        if (pattern.left.type === 'Identifier') pairs.push(pattern.left.name + ' = ' + defaulted);
        else {
          var held = uid('_ref');
          pairs.push(held + ' = ' + defaulted);
          destructure(pattern.left, held, pairs);
        }
        return;
      }
      case 'ObjectPattern': {
        var keys = [];
        pattern.properties.forEach(function (p) {
          if (p.type === 'RestElement') {
            if (p.argument.type !== 'Identifier') giveUp('pattern after ...');
            pairs.push(p.argument.name + ' = ' + helper('_objectWithoutPropertiesLoose') + '(' + source + ', [' +
                       keys.map(quote).join(', ') + '])');
            return;
          }
          keys.push(keyString(p.key));
          sub(p.value, source + memberFor(p.key), pairs);
        });
        return;
      }
      case 'ArrayPattern':
        pattern.elements.forEach(function (e, i) {
          if (!e) return;
          if (e.type === 'RestElement') {
            if (e.argument.type !== 'Identifier') giveUp('pattern after ...');
            pairs.push(e.argument.name + ' = ' + source + '.slice(' + i + ')');
            return;
          }
          sub(e, source + '[' + i + ']', pairs);
        });
        return;
      default:
        giveUp('pattern ' + pattern.type);
    }
  }
  // A nested pattern reads its source once, through a variable of its own.
  function sub(pattern, source, pairs) {
    if (pattern.type === 'Identifier' || pattern.type === 'AssignmentPattern') return destructure(pattern, source, pairs);
    var held = uid('_ref');
    pairs.push(held + ' = ' + source);
    destructure(pattern, held, pairs);
  }

  function functionText(node, head) {
    var fn = fnOf.get(node), p = params(fn, node), block;
    if (node.body.type === 'BlockStatement') block = body(fn, node.body, p.prologue);
    else {
      var value = emit(node.body);
      var lead = prologueText(fn, p.prologue);
      block = '{ ' + (lead ? lead + ' ' : '') + 'return ' + value + '; }';
    }
    return head + '(' + p.list + ') ' + block;
  }

  // The arguments as one array expression, for apply: [a].concat(b, [c]).
  function spreadArray(items) {
    var groups = [], plain = [];
    function flush() { if (plain.length) groups.push('[' + plain.join(', ') + ']'); plain = []; }
    items.forEach(function (item) {
      if (item === null) return plain.push('');
      if (item.type === 'SpreadElement') { flush(); groups.push(emit(item.argument)); }
      else plain.push(emit(item));
    });
    flush();
    if (items.length === 1 && items[0].type === 'SpreadElement') return groups[0];
    if (items[0] && items[0].type === 'SpreadElement') return '[].concat(' + groups.join(', ') + ')';
    return groups[0] + (groups.length > 1 ? '.concat(' + groups.slice(1).join(', ') + ')' : '');
  }
  function hasSpread(items) {
    return items.some(function (i) { return i && i.type === 'SpreadElement'; });
  }

  function fnAround(node) {
    for (var n = parentFor(node); n; n = parentFor(n)) if (fnOf.has(n)) return fnOf.get(n);
    return programFn;
  }

  function superTarget(node) {
    var info = superInfo.get(node), cls = classInfo.get(info.cls);
    return cls.superName + (info.isStatic ? '' : '.prototype');
  }
  function superThis(node) {
    var info = superInfo.get(node);
    return info.inArrow ? thisNameOf(info.owner) : 'this';
  }

  function classText(node) {
    var info = classInfo.get(node), parent = parentFor(node);
    var name = node.id ? node.id.name :
               parent && parent.type === 'VariableDeclarator' && parent.id.type === 'Identifier' ? parent.id.name :
               uid('_class');
    info.superName = node.superClass ? uid(node.superClass.type === 'Identifier' ? '_' + node.superClass.name : '_Super') : null;
    var members = node.body.body;
    var ctor = null, fields = [], statics = [];
    members.forEach(function (m) {
      if (m.type === 'ClassMethod' && m.kind === 'constructor') ctor = m;
      else if (m.type === 'ClassProperty') (m.static ? statics : fields).push(m);
    });
    var fieldText = fields.map(function (f) {
      return 'this' + memberFor(f.key) + ' = ' + (f.value ? emit(f.value) : 'void 0') + ';';
    });
    var fieldFn = info.fieldFn;
    var fieldLead = prologueText(fieldFn, fieldText);
    var proto = null;
    var out = 'function (' + (info.superName || '') + ') {';
    if (info.superName) out += ' ' + helper('_inheritsLoose') + '(' + name + ', ' + info.superName + ');';
    if (members.some(function (m) { return m.type === 'ClassMethod' && m.kind === 'method' && !m.static; })) {
      proto = uid('_proto');
      out += ' var ' + proto + ' = ' + name + '.prototype;';
    }
    if (!ctor) {
      var lead = fieldLead ? ' ' + fieldLead : '';
      out += ' function ' + name + '() {' +
             (info.superName ? (lead ? ' ' + info.superName + '.apply(this, arguments);' + lead
                                     : ' return ' + info.superName + '.apply(this, arguments) || this;')
                             : lead) + ' }';
    }
    var at = node.body.start + 1;
    members.forEach(function (m) {
      out += text.slice(at, m.start);
      at = m.end;
      if (m.type === 'ClassProperty') return;
      if (m.kind === 'constructor') {
        var fn = fnOf.get(m);
        if (fieldLead) {
          if (!info.superName) fn.fieldLead = fieldLead;
          else {
            var top = m.body.body.filter(function (s) {
              return s.type === 'ExpressionStatement' && s.expression.type === 'CallExpression' &&
                     s.expression.callee.type === 'Super';
            });
            if (top.length !== 1) giveUp('fields with super() not at the top of the constructor');
            fn.fieldsAfter = top[0];
            fn.fieldLead = fieldLead;
          }
        }
        out += functionText(m, 'function ' + name);
        return;
      }
      var target = m.static ? name : proto;
      out += target + memberFor(m.key) + ' = ' + functionText(m, 'function ') + ';';
    });
    out += text.slice(at, node.body.end - 1);
    statics.forEach(function (f) {
      out += ' ' + name + memberFor(f.key) + ' = ' + (f.value ? emit(f.value) : 'void 0') + ';';
    });
    var parentClass = node.superClass ? emit(node.superClass) : '';
    if (node.superClass && !/^(Identifier|MemberExpression|CallExpression)$/.test(node.superClass.type))
      parentClass = '(' + parentClass + ')';
    out += ' return ' + name + '; }(' + parentClass + ')';
    if (node.type === 'ClassDeclaration') return 'var ' + name + ' = ' + out + ';';
    return '(' + out + ')';
  }

  var rules = {
    VariableDeclaration: function (node) {
      var out = span(node.start, node.end, node.declarations);
      return node.kind === 'var' ? out : 'var' + out.slice(node.kind.length);
    },
    VariableDeclarator: function (node) {
      var id = node.id;
      if (id.type === 'Identifier') {
        if (node.init) return span(node.start, node.end, [node.init]);
        // Not in a for...in head, which takes no value.
        var head = parentFor(parentFor(node));
        var fresh = voidInit.has(id) && !(head && head.type === 'ForInStatement' && head.left === parentFor(node));
        return text.slice(node.start, node.end) + (fresh ? ' = void 0' : '');
      }
      var pairs = [], source = uid('_ref');
      pairs.push(source + ' = ' + emit(node.init));
      destructure(id, source, pairs);
      return pairs.join(', ');
    },
    FunctionDeclaration: function (node) { return functionOrCopy(node); },
    FunctionExpression: function (node) { return functionOrCopy(node); },
    ArrowFunctionExpression: function (node) {
      var code = functionText(node, 'function ');
      var parent = parentFor(node);
      return parent && parent.type === 'ExpressionStatement' ? '(' + code + ')' : code;
    },
    ClassDeclaration: classText,
    ClassExpression: classText,
    ObjectExpression: function (node) {
      var props = node.properties;
      var spread = props.some(function (p) { return p.type === 'SpreadElement'; });
      var firstComputed = -1;
      for (var i = 0; i < props.length; i++) if (props[i].computed) { firstComputed = i; break; }
      if (spread) {
        if (firstComputed >= 0) giveUp('computed key with object spread');
        var groups = [], plain = [];
        var flush = function () { if (plain.length) groups.push('{' + plain.join(', ') + '}'); plain = []; };
        props.forEach(function (p) {
          if (p.type === 'SpreadElement') { flush(); groups.push(emit(p.argument)); }
          else plain.push(emit(p));
        });
        flush();
        if (props[0].type === 'SpreadElement') groups.unshift('{}');
        return helper('_extends') + '(' + groups.join(', ') + ')';
      }
      if (firstComputed < 0) return copy(node);
      var fn = fnAround(node), obj = temp(fn, '_obj');
      var head = props.slice(0, firstComputed).map(emit);
      var parts = [obj + ' = {' + head.join(', ') + '}'];
      props.slice(firstComputed).forEach(function (p) {
        var key = p.computed ? '[' + emit(p.key) + ']' : memberFor(p.key);
        var value = p.type === 'ObjectMethod' ? functionText(p, 'function ') : emit(p.value);
        parts.push(obj + key + ' = ' + value);
      });
      parts.push(obj);
      return '(' + parts.join(', ') + ')';
    },
    ObjectProperty: function (node) {
      if (node.computed) giveUp('computed key outside its object');
      if (node.shorthand) return node.key.name + ': ' + emit(node.value);
      return copy(node);
    },
    ObjectMethod: function (node) {
      var key = node.key.type === 'Identifier' && notES3[node.key.name] ? quote(node.key.name) : text.slice(node.key.start, node.key.end);
      return key + ': ' + functionText(node, 'function ');
    },
    ArrayExpression: function (node) {
      if (!hasSpread(node.elements)) return copy(node);
      if (node.elements.length === 1) return '[].concat(' + emit(node.elements[0].argument) + ')';
      return spreadArray(node.elements);
    },
    CallExpression: function (node) {
      var callee = node.callee;
      if (callee.type === 'Super') {
        var sup = superInfo.get(callee), cls = classInfo.get(sup.cls);
        if (!sup.inConstructor) giveUp('super() outside the constructor');
        var thisText = sup.inArrow ? thisNameOf(sup.owner) : 'this';
        return hasSpread(node.arguments)
            ? cls.superName + '.apply(' + thisText + ', ' + spreadArray(node.arguments) + ')'
            : cls.superName + '.call(' + [thisText].concat(node.arguments.map(emit)).join(', ') + ')';
      }
      if (callee.type === 'MemberExpression' && callee.object.type === 'Super') {
        var method = superTarget(callee.object) + (callee.computed ? '[' + emit(callee.property) + ']' : dot(callee.property.name));
        return hasSpread(node.arguments)
            ? method + '.apply(' + superThis(callee.object) + ', ' + spreadArray(node.arguments) + ')'
            : method + '.call(' + [superThis(callee.object)].concat(node.arguments.map(emit)).join(', ') + ')';
      }
      if (!hasSpread(node.arguments)) return copy(node);
      var args = spreadArray(node.arguments);
      if (callee.type === 'MemberExpression') {
        var object = callee.object, key = callee.computed ? '[' + emit(callee.property) + ']' : dot(callee.property.name);
        if (object.type === 'Identifier' || object.type === 'ThisExpression') {
          var self = emit(object);
          return self + key + '.apply(' + self + ', ' + args + ')';
        }
        var held = temp(fnAround(node), '_ref');
        return '(' + held + ' = ' + emit(object) + ')' + key + '.apply(' + held + ', ' + args + ')';
      }
      var target = emit(callee);
      if (!/^(Identifier|CallExpression)$/.test(callee.type)) target = '(' + target + ')';
      return target + '.apply(void 0, ' + args + ')';
    },
    MemberExpression: function (node) {
      if (node.object.type !== 'Super') return copy(node);
      return superTarget(node.object) + (node.computed ? '[' + emit(node.property) + ']' : dot(node.property.name));
    },
    ThisExpression: function (node) {
      return thisNameOf(thisTarget.get(node));
    },
    TemplateLiteral: function (node) {
      var parts = [];
      node.quasis.forEach(function (q, i) {
        if (q.value.cooked === null || q.value.cooked === undefined) giveUp('template escape');
        if (q.value.cooked || i === 0) parts.push(quote(q.value.cooked));
        if (i < node.expressions.length) {
          var e = node.expressions[i];
          var code = emit(e);
          if (!/^(Identifier|MemberExpression|CallExpression|StringLiteral|NumericLiteral|ThisExpression|BooleanLiteral|NullLiteral)$/.test(e.type))
            code = '(' + code + ')';
          parts.push(code);
        }
      });
      if (parts.length === 1) return parts[0];
      return wrapped(node, parts.join(' + '), parentFor(node));
    },
    OptionalMemberExpression: function (node) {
      var parent = parentFor(node);
      if (parent && isChainLink(parent) && (parent.object === node || parent.callee === node)) return copy(node);
      return wrappedLow(node, chainText(node), parent);
    },
    OptionalCallExpression: function (node) {
      return rules.OptionalMemberExpression(node);
    },
    LogicalExpression: function (node) {
      if (node.operator !== '??') return copy(node);
      var left = emit(node.left), check = left, value = left;
      if (node.left.type !== 'Identifier') {
        value = temp(fnAround(node), '_ref');
        check = '(' + value + ' = ' + left + ')';
      }
      return wrappedLow(node, check + ' != null ? ' + value + ' : ' + emit(node.right), parentFor(node));
    },
    BinaryExpression: function (node) {
      if (node.operator !== '**') return copy(node);
      return 'Math.pow(' + emit(node.left) + ', ' + emit(node.right) + ')';
    },
    AssignmentExpression: function (node) {
      var logical = /^(\|\||&&|\?\?)=$/.exec(node.operator);
      if (logical) {
        var target = emit(node.left), set = '(' + target + ' = ' + emit(node.right) + ')';
        var code = node.operator === '??=' ? target + ' != null ? ' + target + ' : ' + set
                                           : target + ' ' + node.operator.slice(0, 2) + ' ' + set;
        return wrappedLow(node, code, parentFor(node));
      }
      if (node.operator !== '**=') return copy(node);
      return node.left.name + ' = Math.pow(' + node.left.name + ', ' + emit(node.right) + ')';
    },
    NumericLiteral: function (node) {
      var code = String(node.value);
      var parent = parentFor(node);
      return parent && parent.type === 'MemberExpression' && parent.object === node ? '(' + code + ')' : code;
    },
    StringLiteral: function (node) { return quote(node.value); },
    CatchClause: function (node) {
      if (node.param) return copy(node);
      return 'catch (' + uid('_unused') + ') ' + emit(node.body);
    },
    ForOfStatement: function (node) {
      var iterator = uid('_iterator'), step = uid('_step');
      var head = 'for (var ' + iterator + ' = ' + helper('_createForOfIteratorHelperLoose') + '(' + emit(node.right) + '), ' +
                 step + '; !(' + step + ' = ' + iterator + '()).done;) ';
      var left = node.left, value = step + '.value', first;
      if (left.type === 'VariableDeclaration') {
        var id = left.declarations[0].id;
        first = id.type === 'Identifier' ? 'var ' + id.name + ' = ' + value + ';' : declaration(id, value);
      } else {
        first = emit(left) + ' = ' + value + ';';
      }
      var b = node.body;
      if (b.type === 'BlockStatement') return head + '{ ' + first + span(b.start + 1, b.end, childNodes(b));
      return head + '{ ' + first + ' ' + emit(b) + ' }';
    },
  };

  // A function keeps its head as written unless its parameters change.
  function functionOrCopy(node) {
    if (node.params.every(function (p) { return p.type === 'Identifier'; }))
      return span(node.start, node.body.start, childNodes(node)) + body(fnOf.get(node), node.body, null);
    var open = text.indexOf('(', node.id ? node.id.end : node.start);
    return functionText(node, span(node.start, open, node.id ? [node.id] : []));
  }

  if (es3) es3.touched.forEach(function (node) { dirty.add(node); });
  var code = span(program.start, program.end, childNodes(program));
  // Helpers go after the directives and a #! line.
  var dirs = program.directives || [];
  var cut = Math.max(dirs.length ? dirs[dirs.length - 1].end - program.start : 0,
                     program.interpreter ? program.interpreter.end - program.start : 0);
  var lead = prologueText(programFn, null);
  var helperText = '';
  var added = Object.create(null);
  (function add(names) {
    names.forEach(function (n) {
      if (added[n]) return;
      added[n] = true;
      add(helpers[n].needs);
      helperText += helpers[n].text + '\n';
    });
  })(Object.keys(helpersUsed).sort());
  var before = code.slice(0, cut), after = code.slice(cut);
  if (before) before += '\n';
  return {code: before + helperText + (lead ? lead + '\n' : '') + after,
          helpers: Object.keys(added).map(function (n) { return helpers[n].ast; })};
}

// {code, helpers: [each helper's tree]}, or {unsupported: why} when Babel's way must do it.
function lower(ast, text, tools, es3) {
  try {
    return lowerES5(ast, text, tools, es3);
  } catch (e) {
    if (e instanceof Unsupported) return {unsupported: e.why};
    throw e;
  }
}

module.exports = {lower: lower, babelHelpers: babelHelpers};

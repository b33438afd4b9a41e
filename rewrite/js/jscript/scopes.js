// Reads a modern script before it goes down to ES5 by edits: its scopes, which names each
// reference reads, what each arrow's `this` is, and which nodes change (each with every node above
// it). A binding of let, const or class that would mean something else hoisted to its function
// (a closure in a loop, a second binding of the name, a name from outside it would capture), and
// any form the edits do not take, throw Unsupported: the caller then takes Babel's way.

var childKeys = require('jscript/scan').childKeys;
var codePointEscape = require('jscript/scan').codePointEscape;
var visitorKeys = require('lib/parsing').visitorKeys;
var walk = require('jscript/scan').walk;
var notES3 = require('jscript/splice').notES3;

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
 'RegExpLiteral TemplateLiteral TaggedTemplateExpression TemplateElement SpreadElement ClassDeclaration ClassExpression ClassBody ' +
 'ClassMethod ClassProperty Super ObjectPattern ArrayPattern AssignmentPattern RestElement Directive ' +
 'DirectiveLiteral InterpreterDirective').split(' ').forEach(function (t) { ES5_OR_HANDLED[t] = true; });

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

function hasSpread(items) {
  return items.some(function (i) { return i && i.type === 'SpreadElement'; });
}

// {program, programFn, taken (every name), dirty, parentOf (for what changes), fnOf (function
// node -> Fn), thisTarget (this in an arrow -> the Fn whose it is), superInfo, classInfo,
// voidInit (let declarators without a value that need `= void 0`)}.
function read(ast) {
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
  var dynamic = false;  // with or eval: names looked up at run time
  var bindings = [];

  // The nodes being read, from the root down; what changes marks itself and every node above it
  // (which the rules may look up: the class's variable, the function a temporary goes in).
  function markDirty() {
    for (var i = stack.length - 1; i >= 0 && !dirty.has(stack[i]); i--) {
      dirty.add(stack[i]);
      parentOf.set(stack[i], stack[i - 1] || null);
    }
  }

  function declare(scope, name, kind, node) {
    var b = {name: name, kind: kind, scope: scope, node: node, closure: false, refs: []};
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
    refs.push({name: name, scope: scope, node: node});
    if (name === 'eval') dynamic = true;
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

  function visitClass(node, scope, fn, outer) {
    markDirty();
    if (node.superClass) visit(node.superClass, scope, fn);
    var inner = new Scope(node, scope, false, false);
    if (node.id) {
      var own = declare(inner, node.id.name, 'classname', node.id);
      if (outer) outer.inner = own;
    }
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
      case 'WithStatement':
        dynamic = true;
        visitAll(childNodes(node), scope, fn);
        break;
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
        visitClass(node, scope, fn, declare(scope, node.id.name, 'class', node.id));
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
      case 'TaggedTemplateExpression':
        markDirty();
        visit(node.tag, scope, fn);
        visitAll(node.quasi.expressions, scope, fn);
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
    if (found) found.refs.push(r.node);
    // A global JScript cannot name (a host's `char`): nothing here can rename it.
    else if (notES3[r.name]) giveUp('a global named ' + r.name);
  });

  // A binding that would clash or capture once hoisted gets a name of its own, and every
  // reference to it follows. Not where names are looked up at run time (with, eval).
  var renamed = [];
  function rename(b) {
    if (dynamic) giveUp('renaming ' + b.name + ' next to with or eval');
    b.renamed = true;
    renamed.push(b);
    // A class's name inside its body is the same function: both go by the new name.
    if (b.inner) { b.inner.renamed = true; b.inner.sameAs = b; renamed.push(b.inner); }
  }
  // What is renamed, and every node above it, changes.
  function markRenamed() {
    var targets = new Set();
    renamed.forEach(function (b) {
      targets.add(b.node);
      b.refs.forEach(function (n) { targets.add(n); });
    });
    walk(program, function (node, parents) {
      if (!targets.has(node)) return;
      dirty.add(node);
      parentOf.set(node, parents[parents.length - 1]);
      for (var i = parents.length - 1; i >= 0 && !dirty.has(parents[i]); i--) {
        dirty.add(parents[i]);
        parentOf.set(parents[i], parents[i - 1] || null);
      }
    });
  }

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
      if (clash) return rename(b);
    }
    if (nested && fnScope.passing[b.name]) return rename(b);
    if (nested && b.kind === 'let' && b.node.type === 'Identifier') voidInit.add(b.node);
  });
  // A name JScript 5.7 reserves (byte, char, int, ...) is renamed wherever it is bound.
  bindings.forEach(function (b) {
    if (notES3[b.name] && !b.renamed) rename(b);
  });
  if (renamed.length) markRenamed();

  return {program: program, programFn: programFn, taken: taken, dirty: dirty, parentOf: parentOf, fnOf: fnOf,
          thisTarget: thisTarget, superInfo: superInfo, classInfo: classInfo, voidInit: voidInit, renamed: renamed};
}

module.exports = {read: read, childNodes: childNodes, hasSpread: hasSpread, giveUp: giveUp, Unsupported: Unsupported};

// ES2015+ down to ES5 as edits to the script's own text, the way the ES3 pass treats an ES5
// script: Babel's traversal, scopes and generator cost a megabyte of class-heavy code some ten
// seconds, while most of a modern script is ES5 already and each modern form has one loose ES5
// spelling. The forms it takes, in Babel's loose spellings (so both ways give the same answers):
//   let/const and class declarations as var (where hoisting changes no name's meaning), arrow
//   functions (this as a variable of the function around), template literals, shorthand and
//   computed properties, methods, default and rest parameters, destructuring in declarations,
//   parameters and for...of heads, spread in calls, arrays and objects, for...of (Babel's helper),
//   classes with extends, super, static members and instance fields, optional chaining, ??,
//   logical assignment, tagged templates, **, binary/octal/separated numbers, \u{...} escapes,
//   catch without a binding.
// A loop whose closures read a let of its turn gets its body as a function called each turn.
// Bindings that would clash once hoisted, and names JScript reserves, are renamed. The ES3
// pass's edits (reserved words quoted, trailing commas, ...) are made as the text is copied, so
// the result is what JScript takes. Anything else (such a loop body that breaks, returns or uses
// its function's this, destructuring assignment, new.target, private members, ...) makes it
// answer {unsupported}, and the caller takes Babel's way for the whole script. Each case is in tests/rewrite/ToJScriptTest.cpp, run in the system engine against
// V8's answer on the original.

var scopes = require('jscript/scopes');
var babelHelpers = require('jscript/helpers').babelHelpers;
var notES3 = require('jscript/splice').notES3;
var childNodes = scopes.childNodes, hasSpread = scopes.hasSpread, giveUp = scopes.giveUp;

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
  var r = scopes.read(ast);
  var program = r.program, programFn = r.programFn, taken = r.taken, dirty = r.dirty, parentOf = r.parentOf;
  var fnOf = r.fnOf, thisTarget = r.thisTarget, superInfo = r.superInfo, classInfo = r.classInfo, voidInit = r.voidInit;
  var helpersUsed = Object.create(null);

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
  var scriptNames = Object.assign(Object.create(null), taken);
  function helper(name) {
    // Babel's helpers call each other by name: none may be the script's own.
    (function check(h) {
      if (scriptNames[h]) giveUp('the script has a name of Babel\'s helpers: ' + h);
      helpers[h].needs.forEach(check);
    })(name);
    helpersUsed[name] = true;
    return name;
  }
  function temp(fn, base) {
    var name = uid(base);
    fn.temps.push(name);
    return name;
  }
  // Renamed bindings: each declaration and reference by its new name (a class's inner name with
  // the class's).
  var newNames = new Map();
  r.renamed.forEach(function (b) {
    if (!b.sameAs) b.newName = uid('_' + b.name);
  });
  r.renamed.forEach(function (b) {
    var name = (b.sameAs || b).newName;
    newNames.set(b.node, name);
    b.refs.forEach(function (n) { newNames.set(n, name); });
  });
  // Loops whose body becomes a function called each turn, and the continues that become returns.
  var turnOf = new Map(), continues = new Set();
  r.turned.forEach(function (loop) {
    turnOf.set(loop.node, loop);
    loop.continues.forEach(function (n) { continues.add(n); });
  });
  // The loop's body as that function: its parameters are the head's bindings, given each turn.
  function turnText(loop, params, prologue) {
    var b = loop.node.body;
    var inner = b.type === 'BlockStatement' ? span(b.start + 1, b.end - 1, childNodes(b)) : ' ' + emit(b) + ' ';
    return 'function (' + params.join(', ') + ') {' + (prologue ? ' ' + prologue : '') + inner + '}';
  }
  function headNames(declaration) {
    if (!declaration || declaration.type !== 'VariableDeclaration' || declaration.kind === 'var') return [];
    return declaration.declarations.map(function (d) {
      if (d.id.type !== 'Identifier') giveUp('a pattern in the head of a loop made a function');
      return emit(d.id);
    });
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
  // A node's own text leaves out the parentheses around it: written where an argument or a value
  // goes, a comma expression needs them back; written before a member access, anything that is
  // not a primary expression does.
  function arg(node) {
    var code = emit(node);
    return node.type === 'SequenceExpression' ? '(' + code + ')' : code;
  }
  var primaryTypes = /^(Identifier|ThisExpression|MemberExpression|CallExpression|StringLiteral|NumericLiteral|BooleanLiteral|NullLiteral|RegExpLiteral|ArrayExpression)$/;
  function primary(node) {
    var code = emit(node);
    return primaryTypes.test(node.type) ? code : '(' + code + ')';
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

  // Whether the place around a node takes any expression there, a conditional or a comma-free
  // assignment included: parentheses around what stands for the node would change nothing.
  function takesAny(node, parent) {
    switch (parent && parent.type) {
      case 'VariableDeclarator': case 'ReturnStatement': case 'ThrowStatement': case 'ExpressionStatement':
      case 'ArrayExpression': case 'SequenceExpression': case 'SpreadElement': case 'ObjectProperty':
      case 'SwitchCase': case 'IfStatement': case 'WhileStatement': case 'DoWhileStatement':
        return true;
      case 'AssignmentExpression':
        return parent.right === node;
      case 'CallExpression': case 'NewExpression':
        return parent.callee !== node;
      case 'ConditionalExpression':
        return parent.test !== node;
    }
    return false;
  }
  // A conditional standing in for a node: it binds looser than any operator.
  function wrappedLow(node, code, parent) {
    return takesAny(node, parent) ? code : '(' + code + ')';
  }
  // A concatenation standing in for a node: also fine as the left side of another +, beside a
  // comparison or a logical operator, which bind looser.
  function wrapped(node, code, parent) {
    if (node.extra && node.extra.parenthesized || takesAny(node, parent)) return code;
    switch (parent && parent.type) {
      case 'TemplateLiteral': case 'LogicalExpression':
        return code;
      case 'BinaryExpression':
        if (parent.operator === '+' && parent.left === node) return code;
        if (/^(==|!=|===|!==|<|>|<=|>=|in|instanceof)$/.test(parent.operator)) return code;
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
    var checks = [], cur = primary(base), plain = base.type === 'Identifier' || base.type === 'ThisExpression';
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
        var args = link.arguments.map(arg);
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
      if (p.type === 'Identifier') return names.push(emit(p));
      if (p.type === 'RestElement') {
        var len = uid('_len'), key = uid('_key');
        var target = p.argument.type === 'Identifier' ? emit(p.argument) : uid('_rest');
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
        name = pattern.type === 'Identifier' ? emit(pattern) : uid('_ref');
        prologue.push('if (' + name + ' === void 0) ' + name + ' = ' + arg(p.right) + ';');
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
        pairs.push(emit(pattern) + ' = ' + source);
        return;
      case 'AssignmentPattern': {
        var value = uid('_value');
        pairs.push(value + ' = ' + source);
        var defaulted = value + ' === void 0 ? ' + arg(pattern.right) + ' : ' + value;
        if (pattern.left.type === 'Identifier') pairs.push(emit(pattern.left) + ' = ' + defaulted);
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
            pairs.push(emit(p.argument) + ' = ' + helper('_objectWithoutPropertiesLoose') + '(' + source + ', [' +
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
            pairs.push(emit(e.argument) + ' = ' + source + '.slice(' + i + ')');
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
      // The line breaks between the arrow and its value stay, before the return.
      var arrowAt = text.lastIndexOf('=>', node.body.start);
      var breaks = text.slice(arrowAt + 2, node.body.start).replace(/[^\n]/g, '');
      block = '{ ' + (lead ? lead + ' ' : '') + breaks + 'return ' + value + '; }';
    }
    return head + '(' + p.list + ') ' + block;
  }

  // The arguments as one array expression, for apply: [a].concat(b, [c]).
  function spreadArray(items) {
    var groups = [], plain = [];
    function flush() { if (plain.length) groups.push('[' + plain.join(', ') + ']'); plain = []; }
    items.forEach(function (item) {
      if (item === null) return plain.push('');
      if (item.type === 'SpreadElement') { flush(); groups.push(arg(item.argument)); }
      else plain.push(arg(item));
    });
    flush();
    if (items.length === 1 && items[0].type === 'SpreadElement') return groups[0];
    if (items[0] && items[0].type === 'SpreadElement') return '[].concat(' + groups.join(', ') + ')';
    return groups[0] + (groups.length > 1 ? '.concat(' + groups.slice(1).join(', ') + ')' : '');
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
    var name = node.id ? emit(node.id) :
               parent && parent.type === 'VariableDeclarator' && parent.id.type === 'Identifier' ? emit(parent.id) :
               uid('_class');
    info.superName = node.superClass ? uid(node.superClass.type === 'Identifier' ? '_' + node.superClass.name : '_Super') : null;
    var members = node.body.body;
    var ctor = null, fields = [], statics = [];
    members.forEach(function (m) {
      if (m.type === 'ClassMethod' && m.kind === 'constructor') ctor = m;
      else if (m.type === 'ClassProperty') (m.static ? statics : fields).push(m);
    });
    var fieldText = fields.map(function (f) {
      return 'this' + memberFor(f.key) + ' = ' + (f.value ? arg(f.value) : 'void 0') + ';';
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
      out += ' ' + name + memberFor(f.key) + ' = ' + (f.value ? arg(f.value) : 'void 0') + ';';
    });
    var parentClass = node.superClass ? emit(node.superClass) : '';
    if (node.superClass && !/^(Identifier|MemberExpression|CallExpression)$/.test(node.superClass.type))
      parentClass = '(' + parentClass + ')';
    out += ' return ' + name + '; }(' + parentClass + ')';
    if (node.type === 'ClassDeclaration') return 'var ' + name + ' = ' + out + ';';
    return '(' + out + ')';
  }

  // A template's own line breaks, written after what stands for it, so that the lines below
  // keep their numbers.
  function lineBreaks(quasis) {
    return quasis.map(function (q) { return q.value.raw; }).join('').replace(/\r\n?/g, '\n').replace(/[^\n]/g, '');
  }

  var rules = {
    // A statement that now starts with a parenthesis or a bracket would continue the line before
    // when that line has no semicolon: `a = b\n(_ref = o.p).m.apply(...)` calls b.
    ExpressionStatement: function (node) {
      var out = copy(node);
      return /^[(\[]/.test(out) && !/^[(\[]/.test(text.charAt(node.start)) ? ';' + out : out;
    },
    Identifier: function (node) {
      return newNames.get(node) || text.slice(node.start, node.end);
    },
    VariableDeclaration: function (node) {
      var out = span(node.start, node.end, node.declarations);
      return node.kind === 'var' ? out : 'var' + out.slice(node.kind.length);
    },
    VariableDeclarator: function (node) {
      var id = node.id;
      if (id.type === 'Identifier') {
        if (node.init) return span(node.start, node.end, [id, node.init]);
        // Not in a for...in head, which takes no value.
        var head = parentFor(parentFor(node));
        var fresh = voidInit.has(id) && !(head && head.type === 'ForInStatement' && head.left === parentFor(node));
        return span(node.start, node.end, [id]) + (fresh ? ' = void 0' : '');
      }
      var pairs = [], source = uid('_ref');
      pairs.push(source + ' = ' + arg(node.init));
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
          if (p.type === 'SpreadElement') { flush(); groups.push(arg(p.argument)); }
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
        var value = p.type === 'ObjectMethod' ? functionText(p, 'function ') : arg(p.value);
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
      if (node.elements.length === 1) return '[].concat(' + arg(node.elements[0].argument) + ')';
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
            : cls.superName + '.call(' + [thisText].concat(node.arguments.map(arg)).join(', ') + ')';
      }
      if (callee.type === 'MemberExpression' && callee.object.type === 'Super') {
        var method = superTarget(callee.object) + (callee.computed ? '[' + emit(callee.property) + ']' : dot(callee.property.name));
        return hasSpread(node.arguments)
            ? method + '.apply(' + superThis(callee.object) + ', ' + spreadArray(node.arguments) + ')'
            : method + '.call(' + [superThis(callee.object)].concat(node.arguments.map(arg)).join(', ') + ')';
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
    // tag`a${b}`: the strings array made once per place, as the language makes it.
    TaggedTemplateExpression: function (node) {
      var quasis = node.quasi.quasis;
      var cooked = quasis.map(function (q) { return q.value.cooked == null ? 'void 0' : quote(q.value.cooked); });
      var raw = quasis.map(function (q) { return quote(q.value.raw); });
      var held = temp(programFn, '_templateObject');
      var strings = held + ' || (' + held + ' = ' + helper('_taggedTemplateLiteralLoose') + '([' + cooked.join(', ') +
                    '], [' + raw.join(', ') + ']))';
      return primary(node.tag) + '(' + [strings].concat(node.quasi.expressions.map(arg)).join(', ') + ')' + lineBreaks(quasis);
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
      parts[parts.length - 1] += lineBreaks(node.quasis);
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
      return wrappedLow(node, check + ' != null ? ' + value + ' : ' + arg(node.right), parentFor(node));
    },
    BinaryExpression: function (node) {
      if (node.operator !== '**') return copy(node);
      return 'Math.pow(' + arg(node.left) + ', ' + arg(node.right) + ')';
    },
    AssignmentExpression: function (node) {
      var logical = /^(\|\||&&|\?\?)=$/.exec(node.operator);
      if (logical) {
        var target = emit(node.left), set = '(' + target + ' = ' + arg(node.right) + ')';
        var code = node.operator === '??=' ? target + ' != null ? ' + target + ' : ' + set
                                           : target + ' ' + node.operator.slice(0, 2) + ' ' + set;
        return wrappedLow(node, code, parentFor(node));
      }
      if (node.operator !== '**=') return copy(node);
      var target = emit(node.left);
      return target + ' = Math.pow(' + target + ', ' + arg(node.right) + ')';
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
    ContinueStatement: function (node) {
      return continues.has(node) ? 'return;' : copy(node);
    },
    ForStatement: function (node) {
      var loop = turnOf.get(node);
      if (!loop) return copy(node);
      var name = uid('_loop'), heads = headNames(node.init), fn = turnText(loop, heads, ''), init;
      if (!node.init) init = 'var ' + name + ' = ' + fn;
      else if (node.init.type === 'VariableDeclaration') init = 'var ' + name + ' = ' + fn + ', ' + emit(node.init).replace(/^var\s*/, '');
      else {
        name = temp(fnAround(node), name);
        init = name + ' = ' + fn + ', ' + arg(node.init);
      }
      return 'for (' + init + '; ' + (node.test ? emit(node.test) : '') + '; ' + (node.update ? emit(node.update) : '') + ') { ' +
             name + '(' + heads.join(', ') + '); }';
    },
    ForInStatement: function (node) {
      var loop = turnOf.get(node);
      if (!loop) return copy(node);
      var name = temp(fnAround(node), '_loop'), heads = headNames(node.left);
      return 'for (' + emit(node.left) + ' in (' + name + ' = ' + turnText(loop, heads, '') + ', ' + arg(node.right) + ')) { ' +
             name + '(' + heads.join(', ') + '); }';
    },
    ForOfStatement: function (node) {
      var iterator = uid('_iterator'), step = uid('_step');
      var left = node.left, value = step + '.value', first;
      var loop = turnOf.get(node), turn = '';
      if (loop) {
        // Each turn's binding is the function's parameter, destructured inside it.
        var name = uid('_loop'), param = '', prologue = '';
        if (left.type === 'VariableDeclaration' && left.kind !== 'var') {
          var bound = left.declarations[0].id;
          param = bound.type === 'Identifier' ? emit(bound) : uid('_ref');
          if (bound.type !== 'Identifier') prologue = declaration(bound, param);
          first = '';
        } else {
          first = (left.type === 'VariableDeclaration' ? 'var ' + emit(left.declarations[0].id) : emit(left)) + ' = ' + value + '; ';
        }
        turn = name + ' = ' + turnText(loop, param ? [param] : [], prologue) + ', ';
        return 'for (var ' + turn + iterator + ' = ' + helper('_createForOfIteratorHelperLoose') + '(' + arg(node.right) + '), ' +
               step + '; !(' + step + ' = ' + iterator + '()).done;) { ' + first + name + '(' + (param ? value : '') + '); }';
      }
      var head = 'for (var ' + iterator + ' = ' + helper('_createForOfIteratorHelperLoose') + '(' + arg(node.right) + '), ' +
                 step + '; !(' + step + ' = ' + iterator + '()).done;) ';
      if (left.type === 'VariableDeclaration') {
        var id = left.declarations[0].id;
        first = id.type === 'Identifier' ? 'var ' + emit(id) + ' = ' + value + ';' : declaration(id, value);
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
  return {code: before + helperText + (lead ? lead + ' ' : '') + after,
          helpers: Object.keys(added).map(function (n) { return helpers[n].ast; })};
}

// {code, helpers: [each helper's tree]}, or {unsupported: why} when Babel's way must do it.
function lower(ast, text, tools, es3) {
  try {
    return lowerES5(ast, text, tools, es3);
  } catch (e) {
    if (e instanceof scopes.Unsupported) return {unsupported: e.why};
    // A fault here must not cost the user the conversion: Babel's way still gives it, and the
    // path fact names the fault for the tests.
    return {unsupported: 'fault: ' + (e && e.message)};
  }
}

module.exports = {lower: lower};

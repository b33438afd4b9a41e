// Reads an obfuscated script back towards what its author wrote: small passes on Babel's
// tree, each knowing nothing of the others, repeated until none of them changes anything.
// Decoders found in the script run only inside an isolated vm context with a time limit.
'use strict';

const vm = require('vm');

// Carried by the rewriting worker, `require('@babel/standalone')` is the worker's Babel; run
// by plain node (tests, benchmarks), Debian's copy.
function loadBabel() {
    const candidates = ['@babel/standalone', process.env.JSDEBUG_BABEL,
        '/usr/share/nodejs/@babel/standalone/babel.js'].filter(Boolean);
    for (const name of candidates) {
        try {
            return require(name);
        } catch (e) {
            // try the next place
        }
    }
    throw new Error('找不到 Babel (@babel/standalone)，请安装 node-babel7-standalone');
}

const Babel = loadBabel();

// Past this size the passes cannot finish within the worker's time limit: refused, not cut short.
const MAX_SOURCE_CHARS = 3 * 1024 * 1024;
let t = null;   // Babel's types, handed to the plugin

const MAX_ROUNDS = 60;

// ---------------------------------------------------------------- literal helpers

function isLiteral(node) {
    if (!node) return false;
    if (node.type === 'StringLiteral' || node.type === 'NumericLiteral' ||
        node.type === 'BooleanLiteral' || node.type === 'NullLiteral') return true;
    if (node.type === 'UnaryExpression' && node.operator === '-' &&
        node.argument.type === 'NumericLiteral') return true;
    if (node.type === 'UnaryExpression' && node.operator === 'void' &&
        node.argument.type === 'NumericLiteral') return true;
    return false;
}

function literalValue(node) {
    switch (node.type) {
    case 'StringLiteral': case 'NumericLiteral': case 'BooleanLiteral': return node.value;
    case 'NullLiteral': return null;
    case 'UnaryExpression': return node.operator === '-' ? -node.argument.value : undefined;
    default: throw new Error('not a literal');
    }
}

// A node for a value, or null when the value has no plain literal form.
function valueNode(v) {
    switch (typeof v) {
    case 'string': return t.stringLiteral(v);
    case 'boolean': return t.booleanLiteral(v);
    case 'undefined': return t.unaryExpression('void', t.numericLiteral(0));
    case 'number':
        if (!isFinite(v)) return null;
        if (v < 0 || Object.is(v, -0)) return Object.is(v, -0) ? null : t.unaryExpression('-', t.numericLiteral(-v));
        return t.numericLiteral(v);
    case 'object': return v === null ? t.nullLiteral() : null;
    default: return null;
    }
}

function constantKey(member) {
    if (!member.computed && member.property.type === 'Identifier') return member.property.name;
    if (member.computed && member.property.type === 'StringLiteral') return member.property.value;
    return null;
}

function propertyKey(prop) {
    if (prop.type !== 'ObjectProperty' || prop.computed) return null;
    if (prop.key.type === 'Identifier') return prop.key.name;
    if (prop.key.type === 'StringLiteral') return prop.key.value;
    return null;
}

// Expressions that can be evaluated twice, dropped or moved without changing anything.
function isPure(node) {
    if (isLiteral(node) || node.type === 'Identifier' || node.type === 'ThisExpression') return true;
    if (node.type === 'BinaryExpression' && node.operator !== 'in' && node.operator !== 'instanceof') {
        return isPure(node.left) && isPure(node.right);
    }
    if (node.type === 'UnaryExpression' && node.operator !== 'delete') return isPure(node.argument);
    return false;
}

// ---------------------------------------------------------------- inlining a one-line function

// The returned expression of `function (a, b) { return EXPR; }`, when EXPR is a proxy: no
// `this`, no `arguments`, no nested functions, no assignments.
function proxyExpression(fn) {
    const body = fn.body.body;
    if (body.length !== 1 || body[0].type !== 'ReturnStatement' || !body[0].argument) return null;
    if (!fn.params.every((p) => p.type === 'Identifier')) return null;
    if (fn.generator || fn.async) return null;
    let ok = true;
    walk(body[0].argument, (n) => {
        if (n.type === 'ThisExpression' || n.type === 'FunctionExpression' ||
            n.type === 'ArrowFunctionExpression' || n.type === 'AssignmentExpression' ||
            n.type === 'UpdateExpression' || n.type === 'YieldExpression' ||
            n.type === 'AwaitExpression' || (n.type === 'Identifier' && n.name === 'arguments')) ok = false;
    });
    return ok ? body[0].argument : null;
}

// Calls a visitor on every node of a bare subtree (not a Babel path walk: used on clones).
function walk(node, visit) {
    if (!node || typeof node.type !== 'string') return;
    visit(node);
    for (const key of t.VISITOR_KEYS[node.type] || []) {
        const child = node[key];
        if (Array.isArray(child)) child.forEach((c) => walk(c, visit));
        else walk(child, visit);
    }
}

// Identifier nodes of EXPR that are variable references (not property names), in source order.
function referencedIdentifiers(expr) {
    const out = [];
    (function rec(node, parent, key) {
        if (!node || typeof node.type !== 'string') return;
        if (node.type === 'Identifier') {
            if (parent && parent.type === 'MemberExpression' && key === 'property' && !parent.computed) return;
            if (parent && parent.type === 'ObjectProperty' && key === 'key' && !parent.computed) return;
            out.push(node);
            return;
        }
        for (const k of t.VISITOR_KEYS[node.type] || []) {
            const child = node[k];
            if (Array.isArray(child)) child.forEach((c) => rec(c, node, k));
            else rec(child, node, k);
        }
    })(expr, null, null);
    return out;
}

function substitute(expr, map) {
    const copy = t.cloneNode(expr, true);
    const replace = (node, parent, key, index) => {
        if (!node || typeof node.type !== 'string') return;
        if (node.type === 'Identifier') {
            if (parent.type === 'MemberExpression' && key === 'property' && !parent.computed) return;
            if (parent.type === 'ObjectProperty' && key === 'key' && !parent.computed) return;
            if (map.has(node.name)) {
                const value = t.cloneNode(map.get(node.name), true);
                if (index === undefined) parent[key] = value; else parent[key][index] = value;
            }
            return;
        }
        for (const k of t.VISITOR_KEYS[node.type] || []) {
            const child = node[k];
            if (Array.isArray(child)) child.forEach((c, i) => replace(c, node, k, i));
            else replace(child, node, k);
        }
    };
    const holder = { type: 'ExpressionStatement', expression: copy };
    replace(copy, holder, 'expression');
    return holder.expression;
}

// The expression a call of the proxy function FN (a node whose scope is FNSCOPE, the scope
// its free names resolve in) becomes, or null when inlining could change what runs.
function inlineCall(fn, fnScope, callPath) {
    const expr = proxyExpression(fn);
    if (!expr) return null;
    const args = callPath.node.arguments;
    if (args.some((a) => a.type === 'SpreadElement')) return null;
    const params = fn.params.map((p) => p.name);
    const refs = referencedIdentifiers(expr);
    // free names must mean the same at the call site as beside the function
    for (const id of refs) {
        if (params.includes(id.name)) continue;
        if (callPath.scope.getBinding(id.name) !== fnScope.getBinding(id.name)) return null;
    }
    const map = new Map();
    params.forEach((p, i) => map.set(p, args[i] || t.unaryExpression('void', t.numericLiteral(0))));
    const extra = args.slice(params.length);
    if (!extra.every(isPure)) return null;
    if (!args.every(isPure)) {
        // each impure argument used once, in the order the arguments were evaluated, and
        // nothing conditional in between
        let conditional = false;
        walk(expr, (n) => {
            if (n.type === 'ConditionalExpression' || n.type === 'LogicalExpression') conditional = true;
        });
        if (conditional) return null;
        const order = refs.filter((id) => params.includes(id.name)).map((id) => params.indexOf(id.name));
        for (let i = 0; i < params.length; i++) {
            const uses = order.filter((o) => o === i).length;
            const arg = args[i];
            if (arg && !isPure(arg) && uses !== 1) return null;
        }
        const impureOrder = order.filter((i) => args[i] && !isPure(args[i]));
        for (let i = 1; i < impureOrder.length; i++) if (impureOrder[i] < impureOrder[i - 1]) return null;
        // an impure argument must not be overtaken by a call in the proxy itself
        if (impureOrder.length > 1 && refs.some((id) => !params.includes(id.name))) {
            let calls = 0;
            walk(expr, (n) => { if (n.type === 'CallExpression' || n.type === 'NewExpression') calls++; });
            if (calls > 0 && expr.type !== 'CallExpression') return null;
        }
    }
    return substitute(expr, map);
}

// Whether a path still hangs in the tree: bindings collected before an earlier replacement
// in the same pass can point at nodes that were copied away. The next round sees the copies.
function attached(path) {
    for (let p = path; p && p.parentPath; p = p.parentPath) {
        if (!p.container || p.container[p.key] !== p.node) return false;
        const holder = p.parentPath.node;
        if ((p.listKey ? holder[p.listKey] : holder) !== p.container) return false;
    }
    return true;
}

// ---------------------------------------------------------------- passes

// Constant folding: 'a' + 'b', !![], numbers written as arithmetic, typeof of a literal.
const foldPass = {
    name: 'fold',
    caption: '常量折叠',
    run(program) {
        let count = 0;
        program.traverse({
            'UnaryExpression|BinaryExpression|LogicalExpression': { exit(path) {
                const node = path.node;
                let folded;
                try {
                    folded = foldNode(node);
                } catch (e) {
                    return;
                }
                if (folded === NOT_FOLDED) return;
                if (node.type === 'UnaryExpression' && isLiteral(node) && node.operator === '-') return;
                if (node.type === 'UnaryExpression' && node.operator === 'void' && node.argument.type === 'NumericLiteral') return;
                const out = valueNode(folded);
                if (!out) return;
                path.replaceWith(out);
                count++;
            } },
            ConditionalExpression: {
                exit(path) {
                    if (!isLiteral(path.node.test)) return;
                    path.replaceWith(literalValue(path.node.test) ? path.node.consequent : path.node.alternate);
                    count++;
                },
            },
        });
        return count;
    },
};

const NOT_FOLDED = Symbol('not folded');

function foldNode(node) {
    if (node.type === 'UnaryExpression') {
        const a = node.argument;
        if (node.operator === '!' && (a.type === 'ArrayExpression' || a.type === 'ObjectExpression') &&
            a.type === 'ArrayExpression' && a.elements.length === 0) return false;
        if (node.operator === '!' && a.type === 'ObjectExpression' && a.properties.length === 0) return false;
        if (!isLiteral(a)) return NOT_FOLDED;
        const v = literalValue(a);
        switch (node.operator) {
        case '!': return !v;
        case '-': return -v;
        case '+': return +v;
        case '~': return ~v;
        case 'typeof': return typeof v;
        default: return NOT_FOLDED;
        }
    }
    if (node.type === 'BinaryExpression') {
        if (!isLiteral(node.left) || !isLiteral(node.right)) return NOT_FOLDED;
        const a = literalValue(node.left);
        const b = literalValue(node.right);
        switch (node.operator) {
        case '+': return a + b;
        case '-': return a - b;
        case '*': return a * b;
        case '/': return a / b;
        case '%': return a % b;
        case '<<': return a << b;
        case '>>': return a >> b;
        case '>>>': return a >>> b;
        case '&': return a & b;
        case '|': return a | b;
        case '^': return a ^ b;
        case '==': return a == b;   // eslint-disable-line eqeqeq
        case '!=': return a != b;   // eslint-disable-line eqeqeq
        case '===': return a === b;
        case '!==': return a !== b;
        case '<': return a < b;
        case '>': return a > b;
        case '<=': return a <= b;
        case '>=': return a >= b;
        default: return NOT_FOLDED;
        }
    }
    if (node.type === 'LogicalExpression' && isLiteral(node.left)) {
        const a = literalValue(node.left);
        const pick = node.operator === '&&' ? (a ? node.right : node.left)
            : node.operator === '||' ? (a ? node.left : node.right) : null;
        if (pick && isLiteral(pick)) return literalValue(pick);
        return NOT_FOLDED;
    }
    return NOT_FOLDED;
}

// The string array: its provider function (or array variable), the decoders that read it,
// the rotating IIFE. Found once on the first tree, run in a sandbox, then every call with
// constant arguments is replaced by what the decoder returned there.
function findStringArray(program, source) {
    const body = program.get('body');
    const providers = new Set();
    for (const stmt of body) {
        const n = stmt.node;
        if (n.type === 'FunctionDeclaration') {
            let hasArray = false;
            let reassigns = false;
            walk(n.body, (m) => {
                if (m.type === 'ArrayExpression' && m.elements.length > 0 &&
                    m.elements.every((e) => e && e.type === 'StringLiteral')) hasArray = true;
                if (m.type === 'AssignmentExpression' && m.left.type === 'Identifier' && m.left.name === n.id.name) reassigns = true;
            });
            if (hasArray && reassigns) providers.add(n.id.name);
        } else if (n.type === 'VariableDeclaration' && n.declarations.length === 1) {
            const d = n.declarations[0];
            if (d.id.type === 'Identifier' && d.init && d.init.type === 'ArrayExpression' &&
                d.init.elements.length >= 3 && d.init.elements.every((e) => e && e.type === 'StringLiteral')) {
                providers.add(d.id.name);
            }
        }
    }
    if (providers.size === 0) return null;
    const mentions = (node, names) => {
        let found = false;
        walk(node, (m) => { if (m.type === 'Identifier' && names.has(m.name)) found = true; });
        return found;
    };
    const decoders = new Set();
    const parts = [];
    for (const stmt of body) {
        const n = stmt.node;
        const isProvider = (n.type === 'FunctionDeclaration' && providers.has(n.id.name)) ||
            (n.type === 'VariableDeclaration' && providers.has(n.declarations[0].id.name));
        if (isProvider) {
            parts.push(stmt);
        } else if (n.type === 'FunctionDeclaration' && mentions(n.body, providers)) {
            decoders.add(n.id.name);
            parts.push(stmt);
        }
    }
    if (decoders.size === 0) return null;
    const known = new Set([...providers, ...decoders]);
    for (const stmt of body) {
        const n = stmt.node;
        if (n.type !== 'ExpressionStatement') continue;
        let call = n.expression;
        if (call.type === 'UnaryExpression') call = call.argument;
        if (call.type !== 'CallExpression') continue;
        if (call.arguments.some((a) => a.type === 'Identifier' && providers.has(a.name)) && mentions(n, known)) {
            parts.push(stmt);
        }
    }
    parts.sort((a, b) => a.node.start - b.node.start);
    const setup = parts.map((p) => source.slice(p.node.start, p.node.end)).join('\n');
    return { providers, decoders, nodes: new Set(parts.map((p) => p.node)), setup };
}

class Sandbox {
    constructor(setup, timeoutMs) {
        this.timeoutMs = timeoutMs;
        this.context = vm.createContext(Object.create(null), { codeGeneration: { strings: true, wasm: false } });
        this.broken = new Map();   // decoder -> message
        this.failure = null;
        this.scripts = new Map();
        try {
            vm.runInContext(setup, this.context, { timeout: timeoutMs, filename: 'decoders.js' });
        } catch (e) {
            this.failure = String(e && e.message || e);
        }
    }

    call(name, args) {
        if (this.failure || this.broken.has(name)) return { ok: false };
        this.context.__args = args;
        if (!this.scripts.has(name)) this.scripts.set(name, new vm.Script(`${name}.apply(null, __args)`));
        try {
            const value = this.scripts.get(name).runInContext(this.context, { timeout: this.timeoutMs });
            return { ok: true, value };
        } catch (e) {
            // a decoder that loops once will loop again: stop asking it
            const message = String(e && e.message || e);
            if (/timed out/.test(message)) this.broken.set(name, message);
            return { ok: false, message };
        }
    }
}

const stringArrayPass = {
    name: 'strings',
    caption: '字符串数组',
    run(program, state) {
        const sa = state.stringArray;
        if (!sa || sa.removed) return 0;
        let count = 0;
        const failures = state.decoderFailures;
        program.traverse({
            CallExpression(path) {
                const callee = path.node.callee;
                if (callee.type !== 'Identifier' || !sa.decoders.has(callee.name)) return;
                const binding = path.scope.getBinding(callee.name);
                if (!binding || binding.scope !== program.scope) return;
                if (!path.node.arguments.every(isLiteral)) return;
                // the rotation must keep reading the array as it was, should the machinery stay
                if (path.findParent((p) => sa.nodes.has(p.node))) return;
                if (!state.sandbox) state.sandbox = new Sandbox(sa.setup, state.decoderTimeoutMs);
                const result = state.sandbox.call(callee.name, path.node.arguments.map(literalValue));
                if (!result.ok) {
                    failures.set(callee.name, result.message || state.sandbox.failure ||
                        state.sandbox.broken.get(callee.name));
                    return;
                }
                const out = valueNode(result.value);
                if (!out) return;
                path.replaceWith(out);
                state.counts.stringsDecoded = (state.counts.stringsDecoded || 0) + 1;
                count++;
            },
        });
        // the machinery goes once nothing outside it calls a decoder any more
        if (count) recrawl(program);
        const outside = [...sa.decoders, ...sa.providers].some((name) => {
            const binding = program.scope.getBinding(name);
            return binding && binding.referencePaths.some((ref) =>
                !ref.findParent((p) => sa.nodes.has(p.node)));
        });
        if (!outside) {
            for (const stmt of program.get('body')) {
                if (sa.nodes.has(stmt.node)) {
                    stmt.remove();
                    count++;
                }
            }
            sa.removed = true;
            state.counts.decodersRemoved = sa.decoders.size;
        }
        return count;
    },
};

// `var f = _0xdecoder;` and such: the alias replaced by what it names.
const aliasPass = {
    name: 'aliases',
    caption: '别名',
    run(program) {
        let count = 0;
        program.traverse({
            VariableDeclarator(path) {
                const { id, init } = path.node;
                if (id.type !== 'Identifier' || !init || init.type !== 'Identifier' || id.name === init.name) return;
                const binding = path.scope.getBinding(id.name);
                const target = path.scope.getBinding(init.name);
                if (!binding || !binding.constant || !target || !target.constant) return;
                if (target.kind !== 'hoisted' && target.kind !== 'var' && target.kind !== 'let' && target.kind !== 'const') return;
                // an alias read before its declaration would have been undefined
                if (binding.referencePaths.some((ref) => ref.node.start !== undefined &&
                    path.node.start !== undefined && ref.node.start < path.node.start)) return;
                if (!binding.referencePaths.every((ref) => ref.scope.getBinding(init.name) === target && attached(ref))) return;
                for (const ref of binding.referencePaths) {
                    ref.replaceWith(t.identifier(init.name));
                    count++;
                }
                path.remove();
                count++;
            },
        });
        return count;
    },
};

// Objects whose members are only read with constant keys: literal members replaced by their
// value, one-line function members inlined at their calls.
const constObjectPass = {
    name: 'objects',
    caption: '代理对象',
    run(program, state) {
        let count = 0;
        program.traverse({
            VariableDeclarator(path) {
                const { id, init } = path.node;
                if (id.type !== 'Identifier' || !init || init.type !== 'ObjectExpression') return;
                const binding = path.scope.getBinding(id.name);
                if (!binding || !binding.constant) return;
                const members = new Map();
                for (const prop of init.properties) {
                    const key = propertyKey(prop);
                    if (key === null || members.has(key)) return;
                    members.set(key, prop.value);
                }
                const reads = [];
                for (const ref of binding.referencePaths) {
                    const parent = ref.parentPath;
                    if (!parent.isMemberExpression() || parent.node.object !== ref.node) return;
                    const key = constantKey(parent.node);
                    if (key === null || !members.has(key)) return;
                    if (parent.parentPath.isAssignmentExpression() && parent.parentPath.node.left === parent.node) return;
                    if (parent.parentPath.isUpdateExpression()) return;
                    if (parent.parentPath.isUnaryExpression({ operator: 'delete' })) return;
                    reads.push({ member: parent, value: members.get(key) });
                }
                let changed = 0;
                // innermost first: an outer call copies its arguments when it is inlined
                const depth = (p) => { let d = 0; for (let q = p; q; q = q.parentPath) d++; return d; };
                reads.sort((a, b) => depth(b.member) - depth(a.member));
                for (const { member, value } of reads) {
                    if (!attached(member)) continue;
                    if (isLiteral(value)) {
                        member.replaceWith(t.cloneNode(value, true));
                        changed++;
                    } else if (value.type === 'FunctionExpression' && member.parentPath.isCallExpression() &&
                        member.parentPath.node.callee === member.node) {
                        const out = inlineCall(value, path.scope, member.parentPath);
                        if (out) {
                            member.parentPath.replaceWith(out);
                            changed++;
                        }
                    }
                }
                count += changed;
                if (changed && reads.length === changed) {
                    path.remove();
                    state.counts.objectsInlined = (state.counts.objectsInlined || 0) + 1;
                    count++;
                }
            },
        });
        return count;
    },
};

// `function _0x1(a, b) { return a + b; }` and wrapper chains over a decoder, inlined at calls.
const proxyFunctionPass = {
    name: 'proxies',
    caption: '代理函数',
    run(program, state) {
        let count = 0;
        program.traverse({
            FunctionDeclaration(path) {
                const fn = path.node;
                if (!proxyExpression(fn)) return;
                const binding = path.parentPath.scope.getBinding(fn.id.name);
                if (!binding || !binding.constant) return;
                // a function that calls itself is no proxy
                if (binding.referencePaths.some((ref) => ref.findParent((p) => p.node === fn))) return;
                for (const ref of binding.referencePaths) {
                    const call = ref.parentPath;
                    if (!call.isCallExpression() || call.node.callee !== ref.node || !attached(call)) continue;
                    const out = inlineCall(fn, path.parentPath.scope, call);
                    if (!out) continue;
                    call.replaceWith(out);
                    state.counts.proxiesInlined = (state.counts.proxiesInlined || 0) + 1;
                    count++;
                }
            },
        });
        return count;
    },
};

// `var o = '2|0|1'.split('|'), i = 0; while (true) { switch (o[i++]) { case '0': ...; continue; } break; }`
// becomes the case bodies in the order the string gives.
const controlFlowPass = {
    name: 'dispatchers',
    caption: '控制流平坦化',
    run(program, state) {
        let count = 0;
        const visit = (path) => {
            const loop = path.node;
            if (loop.type === 'WhileStatement' && !(isLiteral(loop.test) && literalValue(loop.test))) return;
            if (loop.type === 'ForStatement' && (loop.init || loop.update || (loop.test && !(isLiteral(loop.test) && literalValue(loop.test))))) return;
            const block = loop.body.type === 'BlockStatement' ? loop.body.body : [loop.body];
            if (block.length < 1 || block.length > 2 || block[0].type !== 'SwitchStatement') return;
            if (block.length === 2 && block[1].type !== 'BreakStatement') return;
            if (block[1] && block[1].label) return;
            const sw = block[0];
            const d = sw.discriminant;
            if (d.type !== 'MemberExpression' || !d.computed || d.object.type !== 'Identifier' ||
                d.property.type !== 'UpdateExpression' || d.property.operator !== '++' || d.property.prefix ||
                d.property.argument.type !== 'Identifier') return;
            const orderName = d.object.name;
            const counterName = d.property.argument.name;
            const orderBinding = path.scope.getBinding(orderName);
            const counterBinding = path.scope.getBinding(counterName);
            if (!orderBinding || !counterBinding) return;
            // a var inside a loop counts as reassigned by its own declaration
            if (!orderBinding.constantViolations.every((p) => p.node === orderBinding.path.node)) return;
            if (!counterBinding.constantViolations.every((p) => p.node === counterBinding.path.node ||
                p.node === d.property)) return;
            if (orderBinding.references !== 1 || counterBinding.references !== 1) return;
            const order = orderValue(orderBinding.path.node.init);
            if (!order) return;
            const counterInit = counterBinding.path.isVariableDeclarator() ? counterBinding.path.node.init : null;
            if (!counterInit || !isLiteral(counterInit) || literalValue(counterInit) !== 0) return;
            const cases = new Map();
            for (const c of sw.cases) {
                if (!c.test || c.test.type !== 'StringLiteral') return;
                cases.set(c.test.value, c.consequent);
            }
            const statements = [];
            let ended = false;
            for (const key of order) {
                const body = cases.get(key);
                if (!body) return;
                const copy = body.slice();
                if (copy.length && copy[copy.length - 1].type === 'ContinueStatement' && !copy[copy.length - 1].label) copy.pop();
                if (copy.some(jumpsOut)) return;
                statements.push(...copy);
                if (copy.length && (copy[copy.length - 1].type === 'ReturnStatement' || copy[copy.length - 1].type === 'ThrowStatement')) {
                    ended = true;
                    break;
                }
            }
            if (!ended && block.length !== 2) return;
            orderBinding.path.remove();
            counterBinding.path.remove();
            path.replaceWithMultiple(statements);
            state.counts.dispatchersUndone = (state.counts.dispatchersUndone || 0) + 1;
            count++;
        };
        program.traverse({ WhileStatement: visit, ForStatement: visit });
        return count;
    },
};

function orderValue(init) {
    if (!init) return null;
    if (init.type === 'CallExpression' && init.callee.type === 'MemberExpression' &&
        init.callee.object.type === 'StringLiteral' && constantKey(init.callee) === 'split' &&
        init.arguments.length === 1 && init.arguments[0].type === 'StringLiteral') {
        return init.callee.object.value.split(init.arguments[0].value);
    }
    return null;
}

// Whether a case body holds a break or continue that leaves the dispatcher itself.
function jumpsOut(stmt) {
    let found = false;
    (function rec(node, loops, switches) {
        if (!node || typeof node.type !== 'string' || found) return;
        if (node.type === 'FunctionDeclaration' || node.type === 'FunctionExpression' ||
            node.type === 'ArrowFunctionExpression') return;
        if (node.type === 'ContinueStatement' && (node.label || loops === 0)) found = true;
        if (node.type === 'BreakStatement' && (node.label || (loops === 0 && switches === 0))) found = true;
        const isLoop = /^(While|DoWhile|For|ForIn|ForOf)Statement$/.test(node.type);
        const isSwitch = node.type === 'SwitchStatement';
        for (const k of t.VISITOR_KEYS[node.type] || []) {
            const child = node[k];
            const nl = loops + (isLoop ? 1 : 0);
            const ns = switches + (isSwitch ? 1 : 0);
            if (Array.isArray(child)) child.forEach((c) => rec(c, nl, ns));
            else rec(child, nl, ns);
        }
    })(stmt, 0, 0);
    return found;
}

// Branches on constants, functions and variables nobody uses.
const deadCodePass = {
    name: 'dead',
    caption: '死代码',
    run(program, state) {
        let count = 0;
        const removedFunction = () => { state.counts.functionsRemoved = (state.counts.functionsRemoved || 0) + 1; };
        program.traverse({
            IfStatement: {
                exit(path) {
                    if (!isLiteral(path.node.test)) return;
                    const branch = literalValue(path.node.test) ? path.node.consequent : path.node.alternate;
                    state.counts.branchesRemoved = (state.counts.branchesRemoved || 0) + 1;
                    count++;
                    if (!branch) path.remove();
                    else if (branch.type === 'BlockStatement' && canSpread(branch, path)) path.replaceWithMultiple(branch.body);
                    else path.replaceWith(branch);
                },
            },
            FunctionDeclaration(path) {
                const name = path.node.id.name;
                const scope = path.parentPath.scope;
                if (scope === program.scope && !isObfuscatedName(name)) return;
                const binding = scope.getBinding(name);
                if (!binding || binding.referenced) return;
                path.remove();
                removedFunction();
                count++;
            },
            VariableDeclarator(path) {
                const { id, init } = path.node;
                if (id.type !== 'Identifier') return;
                if (path.scope.getFunctionParent() === null && !isObfuscatedName(id.name)) return;
                const binding = path.scope.getBinding(id.name);
                if (!binding || binding.referenced || !binding.constant) return;
                if (init && !isDroppable(init) && !callsGlobalFetcher(path.scope, init)) return;
                if (init && init.type === 'FunctionExpression') removedFunction();
                path.remove();
                count++;
            },
            ExpressionStatement(path) {
                // what the passes above leave of injected calls: (function () {})();
                const e = path.node.expression;
                const idle = (x) => isDroppable(x) || (x.type === 'CallExpression' && x.arguments.every(isPure) &&
                    x.callee.type === 'FunctionExpression' &&
                    (x.callee.body.body.length === 0 || onlyFetchesTheGlobalObject(x.callee)));
                if (idle(e)) {
                    path.remove();
                    count++;
                } else if (e.type === 'SequenceExpression' && e.expressions.some(idle)) {
                    const kept = e.expressions.filter((x, i) => i === e.expressions.length - 1 || !idle(x));
                    if (kept.length === 1 && idle(kept[0])) path.remove();
                    else if (kept.length === 1) path.node.expression = kept[0];
                    else e.expressions = kept;
                    count++;
                }
            },
            EmptyStatement(path) {
                if (path.parentPath.isBlockStatement() || path.parentPath.isProgram()) {
                    path.remove();
                    count++;
                }
            },
        });
        return count;
    },
};

// `(function () { var g; try { g = Function('return (function() {}.constructor("return this")( ));')(); }
// catch (e) { g = window; } })()`: what is left of an injected helper once the code that used the
// global object it finds is gone. It writes only its own variables and calls only Function on a
// text that returns `this`, so calling it changes nothing.
function onlyFetchesTheGlobalObject(fn) {
    if (fn.params.length || fn.generator || fn.async) return false;
    const locals = new Set();
    walk(fn.body, (n) => {
        if (n.type === 'VariableDeclarator' && n.id.type === 'Identifier') locals.add(n.id.name);
        if (n.type === 'CatchClause' && n.param && n.param.type === 'Identifier') locals.add(n.param.name);
    });
    let fetches = false;
    let quiet = true;
    const isGetter = (call) => call.type === 'CallExpression' && call.callee.type === 'Identifier' &&
        call.callee.name === 'Function' && call.arguments.length === 1 &&
        call.arguments[0].type === 'StringLiteral' && /return this/.test(call.arguments[0].value);
    walk(fn.body, (n) => {
        switch (n.type) {
        case 'BlockStatement': case 'VariableDeclaration': case 'VariableDeclarator': case 'TryStatement':
        case 'CatchClause': case 'ExpressionStatement': case 'StringLiteral': case 'ReturnStatement':
            return;
        case 'Identifier':
            if (!locals.has(n.name) && n.name !== 'window' && n.name !== 'Function') quiet = false;
            return;
        case 'AssignmentExpression':
            if (n.operator !== '=' || n.left.type !== 'Identifier' || !locals.has(n.left.name)) quiet = false;
            return;
        case 'CallExpression':
            if (isGetter(n)) { fetches = true; return; }
            if (isGetter(n.callee) || (n.callee.type === 'Identifier' && locals.has(n.callee.name) &&
                n.arguments.length === 0)) return;
            quiet = false;
            return;
        default:
            quiet = false;
        }
    });
    return fetches && quiet;
}

// `g()` where g is a constant function that onlyFetchesTheGlobalObject.
function callsGlobalFetcher(scope, init) {
    if (init.type !== 'CallExpression' || init.arguments.length || init.callee.type !== 'Identifier') return false;
    const binding = scope.getBinding(init.callee.name);
    if (!binding || !binding.constant) return false;
    const node = binding.path.node;
    const fn = node.type === 'VariableDeclarator' ? node.init : node;
    return !!fn && (fn.type === 'FunctionExpression' || fn.type === 'FunctionDeclaration') &&
        onlyFetchesTheGlobalObject(fn);
}

function canSpread(block, ifPath) {
    if (!(ifPath.parentPath.isBlockStatement() || ifPath.parentPath.isProgram() || ifPath.parentPath.isSwitchCase())) return false;
    return !block.body.some((s) => s.type === 'VariableDeclaration' && s.kind !== 'var') &&
        !block.body.some((s) => s.type === 'ClassDeclaration');
}

function isDroppable(node) {
    if (isLiteral(node) || node.type === 'Identifier' || node.type === 'FunctionExpression') return true;
    if (node.type === 'ArrayExpression') return node.elements.every((e) => e && isDroppable(e));
    if (node.type === 'ObjectExpression') {
        return node.properties.every((p) => p.type === 'ObjectProperty' && !p.computed && isDroppable(p.value));
    }
    return false;
}

function isObfuscatedName(name) {
    return /^_0x[0-9a-f]+$/i.test(name);
}

// Self-defending, debug protection, console disabling: injected code that reaches the user's
// program through a "call once" factory or a function that builds `debugger`.
const protectionPass = {
    name: 'protection',
    caption: '自我保护',
    run(program, state) {
        let count = 0;
        const doomed = new Set();
        const removeStatementOf = (ref) => {
            const stmt = ref.findParent((p) => p.isExpressionStatement() || p.isVariableDeclaration());
            if (stmt) doomed.add(stmt);
        };
        program.traverse({
            FunctionDeclaration(path) {
                // the obfuscator names what it injects; a function of the author's that merely
                // carries an injected dead branch stays
                if (!isObfuscatedName(path.node.id.name) || !buildsDebugger(path.node)) return;
                const binding = path.parentPath.scope.getBinding(path.node.id.name);
                if (!binding) return;
                for (const ref of binding.referencePaths) {
                    const stmt = ref.findParent((p) => p.isExpressionStatement());
                    if (stmt) doomed.add(stmt);
                }
                doomed.add(path);
            },
            VariableDeclarator(path) {
                if (path.node.id.type !== 'Identifier' || !isObfuscatedName(path.node.id.name) ||
                    !isCallOnceFactory(path.node.init)) return;
                const binding = path.scope.getBinding(path.node.id.name);
                if (!binding || !binding.constant) return;
                const isCall = (ref) => ref.parentPath.isCallExpression() && ref.parentPath.node.callee === ref.node;
                const calls = binding.referencePaths.filter(isCall);
                // The console disabler names the factory inside the function it hands it
                // (`factory.constructor.prototype.bind(factory)`): removed with that call.
                const insideGuarded = (ref) => calls.some((c) => ref.findParent((p) => p.parentPath === c.parentPath &&
                    p.listKey === 'arguments'));
                if (!binding.referencePaths.every((ref) => isCall(ref) || insideGuarded(ref))) return;
                for (const ref of calls) {
                    const call = ref.parentPath;
                    if (call.parentPath.isVariableDeclarator() && call.parentPath.node.id.type === 'Identifier') {
                        // var guard = factory(this, fn); guard();
                        const guard = call.parentPath.scope.getBinding(call.parentPath.node.id.name);
                        if (guard) guard.referencePaths.forEach(removeStatementOf);
                        doomed.add(call.parentPath);
                    } else {
                        removeStatementOf(ref);
                    }
                }
                doomed.add(path);
            },
        });
        for (const p of doomed) {
            if (p.removed || !p.node || p.findParent((a) => a.removed)) continue;
            try {
                p.remove();
                count++;
            } catch (e) {
                // already gone with an ancestor
            }
        }
        if (count) state.counts.protectionRemoved = (state.counts.protectionRemoved || 0) + count;
        return count;
    },
};

function buildsDebugger(fn) {
    let debuggerText = false;
    let constructs = false;
    walk(fn.body, (n) => {
        if (n.type === 'DebuggerStatement') debuggerText = true;
        if (n.type === 'StringLiteral' && /^(debu|gger|debugger)$/.test(n.value)) debuggerText = true;
        if (n.type === 'StringLiteral' && n.value === 'constructor') constructs = true;
        if (n.type === 'Identifier' && n.name === 'constructor') constructs = true;
    });
    return debuggerText && constructs;
}

function isCallOnceFactory(init) {
    if (!init || init.type !== 'CallExpression' || init.arguments.length !== 0) return false;
    const fn = init.callee;
    if (fn.type !== 'FunctionExpression') return false;
    let applies = false;
    let nulls = false;
    let returnsFunction = false;
    walk(fn.body, (n) => {
        if (n.type === 'CallExpression' && n.callee.type === 'MemberExpression' && constantKey(n.callee) === 'apply' &&
            n.arguments.some((a) => a.type === 'Identifier' && a.name === 'arguments')) applies = true;
        if (n.type === 'AssignmentExpression' && n.right.type === 'NullLiteral') nulls = true;
    });
    for (const s of fn.body.body) {
        if (s.type === 'ReturnStatement' && s.argument && s.argument.type === 'FunctionExpression') returnsFunction = true;
    }
    return applies && nulls && returnsFunction;
}

// `var o = {}; o['a'] = 1; o['b'] = x;` back into one object literal.
const objectKeysPass = {
    name: 'objectKeys',
    caption: '对象键',
    run(program) {
        let count = 0;
        program.traverse({
            VariableDeclaration(path) {
                const last = path.node.declarations[path.node.declarations.length - 1];
                if (last.id.type !== 'Identifier' || !last.init || last.init.type !== 'ObjectExpression') return;
                const name = last.id.name;
                const siblings = path.getAllNextSiblings();
                const takes = (e) => {
                    if (!e || e.type !== 'AssignmentExpression' || e.operator !== '=' ||
                        e.left.type !== 'MemberExpression' || e.left.object.type !== 'Identifier' ||
                        e.left.object.name !== name) return false;
                    const key = constantKey(e.left);
                    if (key === null) return false;
                    if (referencedIdentifiers(e.right).some((id) => id.name === name)) return false;
                    if (e.right.type === 'FunctionExpression' && usesName(e.right, name)) return false;
                    if (last.init.properties.some((p) => propertyKey(p) === key)) return false;
                    last.init.properties.push(t.objectProperty(t.stringLiteral(key), e.right));
                    count++;
                    return true;
                };
                for (const sib of siblings) {
                    const e = sib.node.type === 'ExpressionStatement' ? sib.node.expression : null;
                    // The high preset joins the assignments with commas: `o.a = 1, o.b = f;`.
                    if (e && e.type === 'SequenceExpression') {
                        let taken = 0;
                        while (taken < e.expressions.length && takes(e.expressions[taken])) taken++;
                        if (taken === e.expressions.length) { sib.remove(); continue; }
                        if (taken > 0) e.expressions.splice(0, taken);
                        if (e.expressions.length === 1) sib.node.expression = e.expressions[0];
                        break;
                    }
                    if (!takes(e)) break;
                    sib.remove();
                }
            },
        });
        return count;
    },
};

function usesName(node, name) {
    let found = false;
    walk(node, (n) => { if (n.type === 'Identifier' && n.name === name) found = true; });
    return found;
}

// ---------------------------------------------------------------- finishing passes

const ES3_RESERVED = new Set(('break case catch continue default delete do else finally for function if in ' +
    'instanceof new return switch this throw try typeof var void while with abstract boolean byte char ' +
    'class const debugger double enum export extends final float goto implements import int interface long ' +
    'native package private protected public short static super synchronized throws transient volatile ' +
    'null true false').split(' '));

function isPlainName(s) {
    return /^[A-Za-z_$][A-Za-z0-9_$]*$/.test(s) && !ES3_RESERVED.has(s);
}

// a['b'] -> a.b and {'b': 1} -> {b: 1}, where JScript accepts it.
const memberPass = {
    name: 'members',
    caption: '成员访问',
    run(program) {
        let count = 0;
        program.traverse({
            MemberExpression(path) {
                const p = path.node.property;
                if (path.node.computed && p.type === 'StringLiteral' && isPlainName(p.value)) {
                    path.node.property = t.identifier(p.value);
                    path.node.computed = false;
                    count++;
                }
            },
            ObjectProperty(path) {
                const k = path.node.key;
                if (!path.node.computed && k.type === 'StringLiteral' && isPlainName(k.value)) {
                    path.node.key = t.identifier(k.value);
                    count++;
                }
            },
        });
        return count;
    },
};

// _0x names by the role they play: arg1 for a parameter, str1 for a string, fn1 for a function.
const renamePass = {
    name: 'rename',
    caption: '重命名',
    run(program) {
        let count = 0;
        const subtreeNames = new Map();
        const namesIn = (scope) => {
            if (!subtreeNames.has(scope)) {
                const names = new Set();
                scope.path.traverse({ Identifier(p) { names.add(p.node.name); } });
                if (scope.path.node.type !== 'Program') {
                    walk(scope.path.node, (n) => { if (n.type === 'Identifier') names.add(n.name); });
                }
                subtreeNames.set(scope, names);
            }
            return subtreeNames.get(scope);
        };
        const rename = (scope, binding, base, counters) => {
            let n = counters.get(base) || 1;
            for (;;) {
                const candidate = base + n++;
                if (scope.hasBinding(candidate) || namesIn(scope).has(candidate) || ES3_RESERVED.has(candidate)) continue;
                counters.set(base, n);
                const old = binding.identifier.name;
                scope.rename(old, candidate);
                for (let s = scope; s; s = s.parent) if (subtreeNames.has(s)) subtreeNames.get(s).add(candidate);
                count++;
                return;
            }
        };
        const visitScope = (path) => {
            const scope = path.scope;
            const counters = new Map();
            for (const name of Object.keys(scope.bindings)) {
                if (!isObfuscatedName(name)) continue;
                const binding = scope.bindings[name];
                rename(scope, binding, roleOf(binding), counters);
            }
        };
        visitScope(program);
        program.traverse({ Scopable: visitScope });
        return count;
    },
};

function roleOf(binding) {
    if (binding.kind === 'param') return 'arg';
    if (binding.path.isCatchClause()) return 'err';
    if (binding.kind === 'hoisted') return 'fn';
    const init = binding.path.isVariableDeclarator() ? binding.path.node.init : null;
    if (!init) return 'v';
    switch (init.type) {
    case 'StringLiteral': return 'str';
    case 'NumericLiteral': return 'num';
    case 'BooleanLiteral': return 'flag';
    case 'ArrayExpression': return 'arr';
    case 'ObjectExpression': return 'obj';
    case 'FunctionExpression': return 'fn';
    case 'RegExpLiteral': return 're';
    case 'BinaryExpression': return init.operator === '+' && init.left.type === 'StringLiteral' ? 'str' : 'v';
    default: return 'v';
    }
}

// ---------------------------------------------------------------- driver

// Babel refreshes only the scope it is asked to crawl; nested scopes would keep bindings and
// references of nodes the passes have replaced. Empty them all, then crawl from the top.
function recrawl(program) {
    program.traverse({
        Scopable(p) {
            const s = p.scope;
            if (s === program.scope) return;
            s.bindings = Object.create(null);
            s.references = Object.create(null);
            s.globals = Object.create(null);
            s.uids = Object.create(null);
        },
    });
    program.scope.crawl();
}

const REPEATED = [stringArrayPass, foldPass, aliasPass, constObjectPass, proxyFunctionPass,
    controlFlowPass, protectionPass, deadCodePass, objectKeysPass];
const FINAL = [memberPass, renamePass];

function deobfuscate(source, options) {
    const opts = Object.assign({ timeoutMs: 10000, decoderTimeoutMs: 1000 }, options || {});
    if (source.length > MAX_SOURCE_CHARS) {
        const err = new Error(`脚本太大（${Math.round(source.length / 1024)} KB），反混淆只接受 ${MAX_SOURCE_CHARS / 1024 / 1024} MB 以内的脚本`);
        err.tooLarge = true;
        throw err;
    }
    const started = Date.now();
    const deadline = started + opts.timeoutMs;
    const state = {
        counts: {}, decoderFailures: new Map(), decoderTimeoutMs: opts.decoderTimeoutMs,
        stringArray: null, sandbox: null,
    };
    const passCounts = {};
    let rounds = 0;
    let timedOut = false;
    const plugin = (api) => {
        t = api.types;
        return {
            visitor: {
                Program(program) {
                    state.stringArray = findStringArray(program, source);
                    const runPass = (pass) => {
                        const t0 = Date.now();
                        const n = pass.run(program, state);
                        const t1 = Date.now();
                        if (n) recrawl(program);
                        if (process.env.JSDEBUG_DEOBF_PROFILE) process.stderr.write(`${pass.name} ${n} run ${t1 - t0} crawl ${Date.now() - t1}\n`);
                        passCounts[pass.name] = (passCounts[pass.name] || 0) + n;
                        return n;
                    };
                    for (;;) {
                        rounds++;
                        let changed = 0;
                        for (const pass of REPEATED) {
                            changed += runPass(pass);
                            if (Date.now() > deadline) break;
                        }
                        if (!changed || rounds >= MAX_ROUNDS) break;
                        if (Date.now() > deadline) {
                            timedOut = true;
                            break;
                        }
                    }
                    for (const pass of FINAL) runPass(pass);
                    // the printer writes numbers in decimal and strings in one quote style
                    program.traverse({
                        'StringLiteral|NumericLiteral'(path) { delete path.node.extra; },
                    });
                },
            },
        };
    };
    let result;
    try {
        result = Babel.transform(source, {
            babelrc: false, configFile: false, sourceType: 'script', compact: false, comments: true,
            parserOpts: { allowReturnOutsideFunction: true, errorRecovery: false },
            generatorOpts: { jsescOption: { minimal: true, quotes: 'single' } },
            plugins: [plugin],
        });
    } catch (e) {
        if (e && e.loc) {
            const reason = String(e.message).split('\n')[0].replace(/^unknown: /, '').replace(/\s*\(\d+:\d+\)\s*$/, '');
            const err = new Error(`语法错误：第 ${e.loc.line} 行第 ${e.loc.column + 1} 列：${reason}`);
            err.syntax = true;
            err.line = e.loc.line;
            err.column = e.loc.column;
            throw err;
        }
        throw e;
    }
    return {
        code: result.code + '\n',
        report: makeReport(state, passCounts, rounds, Date.now() - started, timedOut),
        counts: state.counts,
        failures: state.decoderFailures,
    };
}

function makeReport(state, passCounts, rounds, ms, timedOut) {
    const c = state.counts;
    const lines = [];
    const sa = state.stringArray;
    if (sa) {
        lines.push(`字符串数组: 解出 ${c.stringsDecoded || 0} 个字符串` +
            (sa.removed ? `，移除解码函数 ${sa.decoders.size} 个` : '，解码函数保留'));
    } else {
        lines.push('字符串数组: 未发现');
    }
    for (const [name, message] of state.decoderFailures) {
        lines.push(`解码函数 ${name} 出错或超时，其调用保留: ${message}`);
    }
    if (state.sandbox && state.sandbox.failure) lines.push(`解码函数无法准备，其调用保留: ${state.sandbox.failure}`);
    lines.push(`代理函数: 内联 ${c.proxiesInlined || 0} 处; 代理对象: 消去 ${c.objectsInlined || 0} 个`);
    lines.push(`控制流平坦化: 还原 ${c.dispatchersUndone || 0} 处`);
    lines.push(`死代码: 删除分支 ${c.branchesRemoved || 0} 个，删除函数 ${c.functionsRemoved || 0} 个`);
    lines.push(`自我保护与反调试: 删除 ${c.protectionRemoved || 0} 处`);
    lines.push(`常量折叠 ${passCounts.fold || 0} 处; 成员访问 ${passCounts.members || 0} 处; 重命名 ${passCounts.rename || 0} 个`);
    if (timedOut) lines.push('已到时间上限，后续轮次未执行');
    lines.push(`共 ${rounds} 轮，用时 ${ms} 毫秒`);
    return lines.join('\n') + '\n';
}

module.exports = { deobfuscate };

if (typeof require.main !== 'undefined' && require.main === module) {
    const fs = require('fs');
    const file = process.argv[2];
    if (!file) {
        process.stderr.write('用法: node deobfuscate.js FILE\n');
        process.exit(2);
    }
    try {
        const source = fs.readFileSync(file === '-' ? 0 : file, 'utf8');
        const out = deobfuscate(source);
        process.stdout.write(out.code);
        process.stderr.write(out.report);
    } catch (e) {
        process.stderr.write(`${e.message}\n`);
        process.exit(1);
    }
}

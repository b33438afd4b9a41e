/*
 * Re-lays out JavaScript: one statement per line, blocks indented, operators spaced.
 *
 * Runs on ES5 hosts. The program may carry this text joined into one line, so nothing here may
 * depend on a line break: every statement ends with its own semicolon and only block comments
 * are used.
 */
function js_beautify(js_source_text, indent_size, indent_character, indent_level) {
    var TK_WORD = 1, TK_START_EXPR = 2, TK_END_EXPR = 3, TK_START_BLOCK = 4, TK_END_BLOCK = 5,
        TK_SEMICOLON = 6, TK_STRING = 7, TK_OPERATOR = 8, TK_LINE_COMMENT = 9,
        TK_BLOCK_COMMENT = 10, TK_UNKNOWN = 11, TK_EOF = 12;
    var BLOCK = 1, EXPR = 2;

    var source = (js_source_text === undefined || js_source_text === null) ? '' : String(js_source_text);
    var len = source.length;
    var pos = 0;

    var unit = (indent_character === undefined || indent_character === null || indent_character === '') ? ' ' : String(indent_character);
    var size = (typeof indent_size === 'number' && indent_size >= 0) ? Math.floor(indent_size) : 4;
    var indent_string = '';
    var i;
    for (i = 0; i < size; i += 1) {
        indent_string += unit;
    }
    var base_level = (typeof indent_level === 'number' && indent_level > 0) ? Math.floor(indent_level) : 0;

    /* Longest match first: the table is keyed by operator text. */
    var operators = {};
    var operator_list = '+ - * / % & ++ -- = += -= *= /= %= == === != !== > < >= <= >> << >>> >>>= >>= <<= && &= | || ! !! , : ? ^ ^= |='.split(' ');
    /* Newer operators: split into their halves they would no longer be the same operator. */
    operator_list = operator_list.concat('=> ** **= ?? ??= &&= ||='.split(' '));
    for (i = 0; i < operator_list.length; i += 1) {
        operators[operator_list[i]] = true;
    }
    /* Words after which "(" gets a space, as after a statement keyword. */
    var spaced_before_paren = {
        'continue': true, 'try': true, 'throw': true, 'return': true, 'var': true, 'if': true,
        'switch': true, 'case': true, 'default': true, 'for': true, 'while': true, 'break': true
    };
    /* Words that cannot be followed by a division, so a "/" after them opens a regular expression,
       and after which a prefix operator keeps its distance. */
    /* Words that begin or continue a statement and so never end one. */
    var statement_words = {
        'var': true, 'let': true, 'const': true, 'function': true, 'if': true, 'while': true,
        'for': true, 'switch': true, 'with': true, 'catch': true, 'try': true, 'finally': true,
        'class': true, 'extends': true, 'import': true, 'export': true, 'default': true
    };
    var condition_words = { 'if': true, 'while': true, 'for': true, 'with': true };
    var expression_keywords = {
        'return': true, 'typeof': true, 'case': true, 'throw': true, 'delete': true, 'void': true,
        'in': true, 'else': true, 'do': true, 'instanceof': true, 'new': true
    };

    /* The current token. */
    var tok_text = '', tok_type = TK_EOF, tok_newlines = 0;

    function is_word_char(c) {
        return (c >= 97 && c <= 122) || (c >= 65 && c <= 90) || (c >= 48 && c <= 57) ||
            c === 95 || c === 36 || c > 127;
    }

    function is_digit_text(text) {
        var c = text.charCodeAt(0);
        return c >= 48 && c <= 57;
    }

    /* A regular expression literal from pos (at its "/"), including its flags; -1 when it does not
       end on its line, in which case the "/" was a division after all. */
    function regexp_end(start) {
        var p = start + 1, in_class = false, c;
        while (p < len) {
            c = source.charAt(p);
            if (c === '\\') {
                p += 2;
            } else if (c === '\n' || c === '\r') {
                return -1;
            } else if (in_class) {
                if (c === ']') {
                    in_class = false;
                }
                p += 1;
            } else if (c === '[') {
                in_class = true;
                p += 1;
            } else if (c === '/') {
                p += 1;
                while (p < len && is_word_char(source.charCodeAt(p))) {
                    p += 1;
                }
                return p;
            } else {
                p += 1;
            }
        }
        return -1;
    }

    /* Just past the string that starts with the quote at `start`; the end of the text when it is
       not closed. A template literal may span lines and holds ${...} expressions with strings
       and templates of their own, all of which belong to the one token: laid out like code,
       their spaces and comment-like text would be changed. */
    function quoted_end(start) {
        var quote = source.charAt(start), p = start + 1, c, depth, before, q;
        while (p < len) {
            c = source.charAt(p);
            if (c === '\\') {
                p += 2;
            } else if (c === quote) {
                return p + 1;
            } else if (quote === '`' && c === '$' && source.charAt(p + 1) === '{') {
                p += 2;
                depth = 1;
                before = '{';
                while (p < len && depth > 0) {
                    c = source.charAt(p);
                    q = -1;
                    if (c === '/' && '(,=:[!&|?{};'.indexOf(before) >= 0) {
                        q = regexp_end(p);
                    }
                    if (q > 0) {
                        p = q;
                    } else if (c === '"' || c === "'" || c === '`') {
                        p = quoted_end(p);
                    } else {
                        depth += c === '{' ? 1 : (c === '}' ? -1 : 0);
                        p += 1;
                    }
                    if (c > ' ') {
                        before = c;
                    }
                }
            } else {
                p += 1;
            }
        }
        return len;
    }

    function regexp_allowed(last_type, last_text) {
        return last_type === TK_EOF || last_type === TK_OPERATOR || last_type === TK_START_EXPR ||
            last_type === TK_START_BLOCK || last_type === TK_END_BLOCK || last_type === TK_SEMICOLON ||
            (last_type === TK_WORD && expression_keywords.hasOwnProperty(last_text)) ||
            (last_type === TK_WORD && last_text === 'default' && !word_is_property) ||
            (last_type === TK_END_EXPR && closed_condition) ||
            (last_type === TK_UNKNOWN && last_text === '~');
    }

    function next_token(last_type, last_text) {
        var c, start, p, q;
        tok_newlines = 0;
        while (pos < len) {
            c = source.charCodeAt(pos);
            if (c === 10) {
                tok_newlines += 1;
            } else if (c !== 32 && c !== 9 && c !== 13) {
                break;
            }
            pos += 1;
        }
        if (pos >= len) {
            tok_text = '';
            tok_type = TK_EOF;
            return;
        }
        start = pos;
        c = source.charAt(pos);

        /* a class's private name "#x" is one word */
        if (is_word_char(source.charCodeAt(pos)) ||
                (c === '#' && pos + 1 < len && is_word_char(source.charCodeAt(pos + 1)))) {
            pos += 1;
            while (pos < len && is_word_char(source.charCodeAt(pos))) {
                pos += 1;
            }
            tok_text = source.substring(start, pos);
            /* 1e-5 and 1E+5 are one number, not a subtraction. */
            c = source.charAt(pos);
            if ((c === '-' || c === '+') && pos + 1 < len && /^[0-9]+[eE]$/.test(tok_text)) {
                pos += 1;
                while (pos < len && is_word_char(source.charCodeAt(pos))) {
                    pos += 1;
                }
                tok_text = source.substring(start, pos);
            }
            tok_type = TK_WORD;
            return;
        }

        if (c === '(' || c === '[') {
            pos += 1;
            tok_text = c;
            tok_type = TK_START_EXPR;
            return;
        }
        if (c === ')' || c === ']') {
            pos += 1;
            tok_text = c;
            tok_type = TK_END_EXPR;
            return;
        }
        if (c === '{') {
            pos += 1;
            tok_text = c;
            tok_type = TK_START_BLOCK;
            return;
        }
        if (c === '}') {
            pos += 1;
            tok_text = c;
            tok_type = TK_END_BLOCK;
            return;
        }
        if (c === ';') {
            pos += 1;
            tok_text = c;
            tok_type = TK_SEMICOLON;
            return;
        }

        /* a script run as a program may start with a "#!" line, which is no JavaScript */
        if ((c === '/' && pos + 1 < len && source.charAt(pos + 1) === '/') ||
                (start === 0 && c === '#' && source.charAt(1) === '!')) {
            p = pos + 2;
            while (p < len && source.charAt(p) !== '\n' && source.charAt(p) !== '\r') {
                p += 1;
            }
            pos = p;
            tok_text = source.substring(start, pos);
            tok_type = TK_LINE_COMMENT;
            return;
        }
        if (c === '/' && pos + 1 < len && source.charAt(pos + 1) === '*') {
            q = source.indexOf('*/', pos + 2);
            pos = q < 0 ? len : q + 2;
            tok_text = source.substring(start, pos);
            tok_type = TK_BLOCK_COMMENT;
            return;
        }

        if (c === '"' || c === "'" || c === '`') {
            pos = quoted_end(pos);
            tok_text = source.substring(start, pos);
            tok_type = TK_STRING;
            return;
        }

        if (c === '/' && regexp_allowed(last_type, last_text)) {
            p = regexp_end(pos);
            if (p > 0) {
                pos = p > len ? len : p;
                tok_text = source.substring(start, pos);
                tok_type = TK_STRING;
                return;
            }
        }

        /* Optional chaining hugs its operands like "." does; "a?.5:1" is a conditional. */
        if (c === '?' && source.charAt(pos + 1) === '.' && !/[0-9]/.test(source.charAt(pos + 2))) {
            pos += 2;
            tok_text = '?.';
            tok_type = TK_UNKNOWN;
            return;
        }

        /* every prefix of an operator is an operator, so growing the match finds the longest */
        if (operators.hasOwnProperty(c)) {
            q = c;
            p = pos + 1;
            while (p < len && operators.hasOwnProperty(q + source.charAt(p))) {
                q += source.charAt(p);
                p += 1;
            }
            pos = p;
            tok_text = q;
            tok_type = TK_OPERATOR;
            return;
        }

        pos += 1;
        tok_text = c;
        tok_type = TK_UNKNOWN;
    }

    /* The output is a list of pieces. Trailing spaces and indentation are counted in `tail`, so
       they can be taken back when a line ends or a closing token hugs what precedes it;
       `line_begun` says the last other piece was a line break. */
    var out = [];
    var tail = 0;
    var line_begun = false;
    var indents = [''];
    var level = base_level;

    function trim_tail() {
        while (tail > 0) {
            out.pop();
            tail -= 1;
        }
    }

    function print_newline(force) {
        trim_tail();
        if (out.length === 0) {
            return;
        }
        if (!line_begun || force) {
            out.push('\n');
            line_begun = true;
        }
        if (indent_string !== '' && level > 0) {
            /* one piece per line, however deep: deeply nested code stays linear in pieces */
            while (indents.length <= level) {
                indents.push(indents[indents.length - 1] + indent_string);
            }
            out.push(indents[level]);
            tail += 1;
        }
    }

    function print_space() {
        if (out.length === 0 || tail > 0 || line_begun) {
            return;
        }
        out.push(' ');
        tail += 1;
    }

    function print_token(text) {
        out.push(text);
        tail = 0;
        line_begun = false;
    }

    var modes = [{ kind: BLOCK, level: base_level, is_do: false }];
    function mode() {
        return modes[modes.length - 1].kind;
    }

    var last_type = TK_EOF, last_text = '';
    var last_postfix = false;   /* the last token was a postfix ++ or -- */
    var now_postfix = false;
    var closed_do = false;      /* the last "}" closed the body of a do statement */
    var var_line = false, var_tainted = false, var_depth = 0;
    var in_case = false;
    var word_is_property = false; /* the last word followed a ".": x.return is no statement */
    var closed_condition = false; /* the last ")" closed the condition of if, while, for or with */
    var do_while = false;         /* the last word was the while of a do statement */

    /* words whose operand must start on their own line */
    var restricted_words = { 'return': true, 'break': true, 'continue': true, 'throw': true };

    /* Whether the previous token ends an operand, making a following + or - binary. */
    function after_operand() {
        if (last_type === TK_WORD) {
            return !expression_keywords.hasOwnProperty(last_text);
        }
        return last_type === TK_END_EXPR || last_type === TK_STRING || last_type === TK_END_BLOCK ||
            (last_type === TK_OPERATOR && last_postfix);
    }

    /* Whether the line break before the current token ends a statement: then it must stay, or
       the joined lines would mean something else or nothing at all. Scripts written without
       semicolons rely on it between an operand and the next statement's first word. */
    function ends_statement_here() {
        if (tok_type === TK_OPERATOR && (tok_text === '++' || tok_text === '--')) {
            return after_operand();
        }
        if (last_type === TK_WORD && !word_is_property &&
                (last_text === 'return' || last_text === 'break' || last_text === 'continue')) {
            return tok_type !== TK_SEMICOLON && tok_type !== TK_END_BLOCK &&
                tok_type !== TK_LINE_COMMENT && tok_type !== TK_BLOCK_COMMENT;
        }
        /* a template right after an operand is a tagged template, one expression */
        if (tok_type !== TK_WORD && !(tok_type === TK_STRING && tok_text.charAt(0) !== '`')) {
            return false;
        }
        if (tok_text === 'in' || tok_text === 'instanceof' || tok_text === 'of') {
            return false;
        }
        if (last_postfix) {
            return true;
        }
        if (last_type === TK_WORD) {
            return word_is_property || !(expression_keywords.hasOwnProperty(last_text) ||
                statement_words.hasOwnProperty(last_text));
        }
        return (last_type === TK_END_EXPR && !closed_condition) || last_type === TK_STRING;
    }

    /* The separator before a word, a string or another token that begins an operand. */
    function separate_operand() {
        if (last_type === TK_START_BLOCK) {
            print_newline(false);
        } else if (last_type === TK_SEMICOLON || last_type === TK_END_BLOCK) {
            if (mode() === BLOCK) {
                print_newline(false);
            } else {
                print_space();
            }
        } else if (last_type === TK_WORD || last_type === TK_END_EXPR || last_type === TK_STRING ||
                (last_type === TK_OPERATOR && last_postfix)) {
            print_space();
        }
    }

    function pop_block() {
        var m;
        if (modes.length <= 1) {
            return;
        }
        while (modes.length > 1) {
            m = modes.pop();
            if (m.kind === BLOCK) {
                level = m.level;
                closed_do = m.is_do;
                return;
            }
        }
    }

    function handle_word(t) {
        var after_dot = last_type === TK_UNKNOWN && (last_text === '.' || last_text === '?.');
        word_is_property = after_dot;
        do_while = false;
        if (!after_dot && mode() === BLOCK && (t === 'case' || t === 'default')) {
            /* case labels stand one level out, at the level of their switch */
            level -= 1;
            print_newline(false);
            level += 1;
            print_token(t);
            in_case = true;
            return;
        }
        if (!after_dot && (t === 'else' || t === 'catch' || t === 'finally' ||
                (t === 'while' && closed_do)) && last_type === TK_END_BLOCK) {
            do_while = t === 'while';
            trim_tail();
            print_space();
            print_token(t);
            return;
        }
        if (!after_dot && (t === 'else' || t === 'catch' || t === 'finally')) {
            print_newline(false);
            print_token(t);
            return;
        }
        separate_operand();
        print_token(t);
        if (t === 'var' && !after_dot) {
            var_line = true;
            var_tainted = false;
            var_depth = modes.length;
        }
    }

    function handle_start_expr(t) {
        if (last_type === TK_WORD) {
            if (spaced_before_paren.hasOwnProperty(last_text) && !word_is_property) {
                print_space();
            }
        } else if (last_type === TK_START_BLOCK) {
            print_newline(false);
        } else if (last_type === TK_SEMICOLON) {
            if (mode() === BLOCK) {
                print_newline(false);
            } else {
                print_space();
            }
        } else if (last_type === TK_STRING && t === '(') {
            print_space();
        }
        print_token(t);
        modes.push({
            kind: EXPR, level: level, is_do: false,
            condition: t === '(' && last_type === TK_WORD && !word_is_property && !do_while &&
                condition_words.hasOwnProperty(last_text)
        });
    }

    function handle_end_expr(t) {
        trim_tail();
        print_token(t);
        closed_condition = false;
        if (modes.length > 1 && mode() === EXPR) {
            closed_condition = modes.pop().condition === true;
        }
    }

    function handle_start_block(t) {
        if (last_type === TK_WORD || last_type === TK_END_EXPR || last_type === TK_STRING ||
                last_type === TK_UNKNOWN) {
            print_space();
        } else if (last_type === TK_START_BLOCK) {
            print_newline(false);
        } else if (last_type === TK_SEMICOLON || last_type === TK_END_BLOCK) {
            if (mode() === BLOCK) {
                print_newline(false);
            } else {
                print_space();
            }
        }
        modes.push({ kind: BLOCK, level: level, is_do: last_type === TK_WORD && last_text === 'do' });
        level += 1;
        print_token(t);
    }

    function handle_end_block(t) {
        var empty = last_type === TK_START_BLOCK;
        pop_block();
        if (var_line && modes.length < var_depth) {
            var_line = false;
        }
        if (empty) {
            trim_tail();
        } else {
            print_newline(false);
        }
        print_token(t);
    }

    function handle_semicolon(t) {
        trim_tail();
        print_token(t);
        if (var_line && modes.length <= var_depth) {
            var_line = false;
        }
        if (mode() === EXPR) {
            print_space();
        }
    }

    function handle_string(t) {
        separate_operand();
        print_token(t);
    }

    /* Whether a prefix sign written right after the last operator would fuse with it: "+ +a"
       is no "++a", and "- --a" no "---a". */
    function fuses(t) {
        return last_type === TK_OPERATOR && last_text.charAt(last_text.length - 1) === t.charAt(0);
    }

    function handle_operator(t) {
        var follows_operator = last_type === TK_OPERATOR && !last_postfix;
        var statement_start = last_type === TK_START_BLOCK ||
            (last_type === TK_SEMICOLON && mode() === BLOCK);

        if (t === ',') {
            trim_tail();
            print_token(t);
            if (mode() === EXPR) {
                print_space();
            } else if (var_line && modes.length === var_depth) {
                if (var_tainted) {
                    print_newline(false);
                    var_tainted = false;
                } else {
                    print_space();
                }
            } else {
                print_newline(false);
            }
            return;
        }

        if (t === ':') {
            if (in_case && mode() === BLOCK) {
                trim_tail();
                print_token(t);
                print_newline(false);
                in_case = false;
                return;
            }
            if (last_type === TK_WORD && is_digit_text(last_text)) {
                print_space();
            }
            print_token(t);
            print_space();
            return;
        }

        if (t === '++' || t === '--') {
            if (after_operand() && tok_newlines === 0) {
                trim_tail();
                print_token(t);
                now_postfix = true;
                return;
            }
            if (last_type === TK_SEMICOLON || last_type === TK_WORD || fuses(t)) {
                print_space();
            } else if (last_type === TK_START_BLOCK) {
                print_newline(false);
            }
            print_token(t);
            return;
        }

        if (t === '!' || t === '!!' || ((t === '-' || t === '+') && !after_operand())) {
            if (statement_start) {
                print_newline(false);
            } else if ((last_type !== TK_START_EXPR && !follows_operator) || fuses(t)) {
                print_space();
            }
            print_token(t);
            return;
        }

        if (t === '=' && var_line && modes.length === var_depth) {
            var_tainted = true;
        }
        if (follows_operator) {
            print_token(t);
            return;
        }
        if (statement_start) {
            print_newline(false);
        } else if (last_type !== TK_START_EXPR) {
            print_space();
        }
        print_token(t);
        print_space();
    }

    function handle_line_comment(t) {
        if (tok_newlines > 0 || last_type === TK_BLOCK_COMMENT) {
            print_newline(false);
        } else {
            print_space();
        }
        print_token(t);
    }

    function handle_block_comment(t) {
        print_newline(false);
        print_token(t);
    }

    function handle_unknown(t) {
        if (last_type === TK_START_BLOCK || (last_type === TK_SEMICOLON && mode() === BLOCK)) {
            print_newline(false);
        }
        print_token(t);
    }

    for (;;) {
        next_token(last_type, last_text);
        if (tok_type === TK_EOF) {
            break;
        }
        if (tok_newlines >= 2 && !(tok_type === TK_END_BLOCK && last_type === TK_START_BLOCK)) {
            print_newline(false);
            print_newline(true);
        }
        /* a comment owns the rest of its line */
        if (last_type === TK_LINE_COMMENT || last_type === TK_BLOCK_COMMENT) {
            print_newline(false);
        }
        /* Where a line break ends the statement (after return, break or continue, and before
           ++ or --), joining the lines would change what the script does. */
        if (tok_newlines > 0 && ends_statement_here()) {
            print_newline(false);
        }
        /* Between return (break, continue, throw) and its operand a comment keeps its place on
           the line: a line break there would end the statement before the operand. The word
           stays the last token, so the operand is laid out as if the comment were not there. */
        if (tok_type === TK_BLOCK_COMMENT && tok_newlines === 0 && last_type === TK_WORD &&
                !word_is_property && restricted_words.hasOwnProperty(last_text) &&
                !/[\n\r\u2028\u2029]/.test(tok_text)) {
            print_space();
            print_token(tok_text);
            continue;
        }
        now_postfix = false;
        switch (tok_type) {
        case TK_WORD:
            handle_word(tok_text);
            break;
        case TK_START_EXPR:
            handle_start_expr(tok_text);
            break;
        case TK_END_EXPR:
            handle_end_expr(tok_text);
            break;
        case TK_START_BLOCK:
            handle_start_block(tok_text);
            break;
        case TK_END_BLOCK:
            handle_end_block(tok_text);
            break;
        case TK_SEMICOLON:
            handle_semicolon(tok_text);
            break;
        case TK_STRING:
            handle_string(tok_text);
            break;
        case TK_OPERATOR:
            handle_operator(tok_text);
            break;
        case TK_LINE_COMMENT:
            handle_line_comment(tok_text);
            break;
        case TK_BLOCK_COMMENT:
            handle_block_comment(tok_text);
            break;
        default:
            handle_unknown(tok_text);
            break;
        }
        if (tok_type !== TK_END_BLOCK) {
            closed_do = false;
        }
        last_postfix = now_postfix;
        last_type = tok_type;
        last_text = tok_text;
    }

    trim_tail();
    while (out.length > 0 && out[out.length - 1] === '\n') {
        out.pop();
    }
    if (out.length > 0 && base_level > 0 && indent_string !== '') {
        var prefix = '';
        for (i = 0; i < base_level; i += 1) {
            prefix += indent_string;
        }
        out.unshift(prefix);
    }
    return out.join('');
}

/* What the workbench calls: four spaces per level, from level 0. */
function format(str) {
    return js_beautify(str, 4, '', undefined);
}

function test() {
    return format('var a=1;var b=2;');
}

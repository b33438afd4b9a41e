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
    /* Words that begin or continue a statement and so never end one. */
    var statement_words = {
        'var': true, 'let': true, 'const': true, 'function': true, 'if': true, 'while': true,
        'for': true, 'switch': true, 'with': true, 'catch': true, 'try': true, 'finally': true,
        'class': true, 'extends': true, 'import': true, 'export': true, 'default': true
    };
    var condition_words = { 'if': true, 'while': true, 'for': true, 'with': true };
    /* Words that cannot be followed by a division, so a "/" after them opens a regular expression,
       and after which a prefix operator keeps its distance. */
    var expression_keywords = {
        'return': true, 'typeof': true, 'case': true, 'throw': true, 'delete': true, 'void': true,
        'in': true, 'else': true, 'do': true, 'instanceof': true, 'new': true
    };

    /* Words that are keywords only in places (yield in a generator, await in an async function,
       of in a for head) and otherwise name variables: after them a "/" opens a regular
       expression only when one ends on the line, as it does for every other operand. */
    var contextual_keywords = { 'yield': true, 'await': true, 'of': true };

    /* The current token. */
    var tok_text = '', tok_type = TK_EOF, tok_newlines = 0;

    function is_digit_text(text) {
        var c = text.charCodeAt(0);
        return c >= 48 && c <= 57;
    }

    /* "5" but not "5e3" or "0x5": a "." written after it with a space between would read as
       its decimal point if the space went */
    function is_integer_text(text) {
        return /^[0-9]+$/.test(text);
    }

    /* The scanners take the text as parameters: a name shared through the enclosing function is
       looked up by name on every use, a parameter is a register. */

    /* A regular expression literal from `start` (at its "/"), including its flags; -1 when it does
       not end on its line, in which case the "/" was a division after all. */
    function regexp_end(source, len, start) {
        var p = start + 1, in_class = false, c;
        while (p < len) {
            c = source.charCodeAt(p);
            if (c === 92) {
                p += 2;
            } else if (c === 10 || c === 13) {
                return -1;
            } else if (in_class) {
                if (c === 93) {
                    in_class = false;
                }
                p += 1;
            } else if (c === 91) {
                in_class = true;
                p += 1;
            } else if (c === 47) {
                p += 1;
                while (p < len) {
                    c = source.charCodeAt(p);
                    if (!((c >= 97 && c <= 122) || (c >= 65 && c <= 90) || (c >= 48 && c <= 57) ||
                            c === 95 || c === 36 || c > 127)) {
                        break;
                    }
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
    function quoted_end(source, len, start) {
        var quote = source.charCodeAt(start), p = start + 1, c, depth, before, q;
        while (p < len) {
            c = source.charCodeAt(p);
            if (c === 92) {
                p += 2;
            } else if (c === quote) {
                return p + 1;
            } else if (quote === 96 && c === 36 && source.charCodeAt(p + 1) === 123) {
                p += 2;
                depth = 1;
                before = 123;
                while (p < len && depth > 0) {
                    c = source.charCodeAt(p);
                    q = -1;
                    /* after ( , = : [ ! & | ? { } ; a "/" opens a regular expression */
                    if (c === 47 && (before === 40 || before === 44 || before === 61 || before === 58 ||
                            before === 91 || before === 33 || before === 38 || before === 124 ||
                            before === 63 || before === 123 || before === 125 || before === 59)) {
                        q = regexp_end(source, len, p);
                    }
                    if (q > 0) {
                        p = q;
                    } else if (c === 34 || c === 39 || c === 96) {
                        p = quoted_end(source, len, p);
                    } else {
                        depth += c === 123 ? 1 : (c === 125 ? -1 : 0);
                        p += 1;
                    }
                    if (c > 32) {
                        before = c;
                    }
                }
            } else {
                p += 1;
            }
        }
        return len;
    }

    /* The output is a list of pieces. Trailing spaces and indentation are counted in `tail`, so
       they can be taken back when a line ends or a closing token hugs what precedes it;
       `line_begun` says the last other piece was a line break. */
    var out = [];
    var tail = 0;
    var line_begun = false;
    var indents = [''];
    var level = base_level;

    /* The layout steps are written out where they happen, in the loop below, on the loop's own
       variables: a name shared with a nested function is looked up by name on every use. The
       steps, as they read there:
         a line break:  the trailing blanks go, then unless nothing is out yet new_line() adds the
                        break (unless the last piece was one and it is not forced) and the
                        indentation, and the line counts as begun;
         a space:       unless nothing is out yet, a blank ends it already or a line was begun;
         a token:       the text, after which no blank ends the output and no line is begun.
       Pieces are added as out[out.length] = ..., which unlike push() calls no method. */
    function new_line(out, begun, force, lvl, indents, indent_string) {
        if (!begun || force) {
            out[out.length] = '\n';
        }
        if (indent_string !== '' && lvl > 0) {
            /* one piece per line, however deep: deeply nested code stays linear in pieces */
            while (indents.length <= lvl) {
                indents.push(indents[indents.length - 1] + indent_string);
            }
            out[out.length] = indents[lvl];
            return 1;
        }
        return 0;
    }





    var modes = [{ kind: BLOCK, level: base_level, is_do: false, is_object: false }];

    var last_type = TK_EOF, last_text = '';
    var last_postfix = false;   /* the last token was a postfix ++ or -- */
    var now_postfix = false;
    var closed_do = false;      /* the last "}" closed the body of a do statement */
    var closed_object = false;  /* the last "}" closed an object literal, so a "/" divides */
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
            return expression_keywords[last_text] !== true;
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
            return word_is_property || !(expression_keywords[last_text] === true ||
                statement_words[last_text] === true);
        }
        return (last_type === TK_END_EXPR && !closed_condition) || last_type === TK_STRING;
    }

    /* The separator before a word, a string or another token that begins an operand. */









    /* Whether a prefix sign written right after the last operator would fuse with it: "+ +a"
       is no "++a", and "- --a" no "---a". */
    function fuses(t) {
        return last_type === TK_OPERATOR && last_text.charAt(last_text.length - 1) === t.charAt(0);
    }





    /* "1e" before a "-" or "+": the digits and exponent mark of a number such as 1e-5 */
    function is_exponent_prefix(text) {
        var last = text.length - 1, c = text.charCodeAt(last), k;
        if (last < 1 || (c !== 101 && c !== 69)) {
            return false;
        }
        for (k = 0; k < last; k += 1) {
            c = text.charCodeAt(k);
            if (c < 48 || c > 57) {
                return false;
            }
        }
        return true;
    }

    var c, start, p, q, m;
    for (;;) {
        /* The next token. Scanned here in the loop rather than in a function of its own, so that
           the position and the text are this function's registers, not names looked up through
           a closure on every character. */
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
            break;
        }
        start = pos;
        c = source.charCodeAt(pos);
        do {
            /* a word, a number, or a class's private name "#x" */
            /* a name may be spelled with \u escapes, "\u0061b" being "ab" */
            if ((c >= 97 && c <= 122) || (c >= 65 && c <= 90) || (c >= 48 && c <= 57) || c === 95 ||
                    c === 36 || c > 127 || (c === 92 && source.charCodeAt(pos + 1) === 117) ||
                    (c === 35 && pos + 1 < len && ((q = source.charCodeAt(pos + 1)) >= 97 && q <= 122 ||
                        (q >= 65 && q <= 90) || (q >= 48 && q <= 57) || q === 95 || q === 36 || q > 127))) {
                pos += 1;
                while (pos < len) {
                    q = source.charCodeAt(pos);
                    if (q === 92 && source.charCodeAt(pos + 1) === 117) {
                        pos += 1;
                    } else if (q === 123 && source.charCodeAt(pos - 1) === 117 &&
                            source.charCodeAt(pos - 2) === 92) {
                        /* \u{...} */
                        p = source.indexOf('}', pos);
                        pos = p < 0 ? len : p;
                    } else if (!((q >= 97 && q <= 122) || (q >= 65 && q <= 90) || (q >= 48 && q <= 57) ||
                            q === 95 || q === 36 || q > 127)) {
                        break;
                    }
                    pos += 1;
                }
                tok_text = source.substring(start, pos);
                /* 1e-5 and 1E+5 are one number, not a subtraction. */
                q = source.charCodeAt(pos);
                if ((q === 45 || q === 43) && pos + 1 < len && is_exponent_prefix(tok_text)) {
                    pos += 1;
                    while (pos < len) {
                        q = source.charCodeAt(pos);
                        if (!((q >= 97 && q <= 122) || (q >= 65 && q <= 90) || (q >= 48 && q <= 57) ||
                                q === 95 || q === 36 || q > 127)) {
                            break;
                        }
                        pos += 1;
                    }
                    tok_text = source.substring(start, pos);
                }
                tok_type = TK_WORD;
                break;
            }

            if (c === 40 || c === 91) {
                pos += 1;
                tok_text = c === 40 ? '(' : '[';
                tok_type = TK_START_EXPR;
                break;
            }
            if (c === 41 || c === 93) {
                pos += 1;
                tok_text = c === 41 ? ')' : ']';
                tok_type = TK_END_EXPR;
                break;
            }
            if (c === 123) {
                pos += 1;
                tok_text = '{';
                tok_type = TK_START_BLOCK;
                break;
            }
            if (c === 125) {
                pos += 1;
                tok_text = '}';
                tok_type = TK_END_BLOCK;
                break;
            }
            if (c === 59) {
                pos += 1;
                tok_text = ';';
                tok_type = TK_SEMICOLON;
                break;
            }

            /* a script run as a program may start with a "#!" line, which is no JavaScript */
            if ((c === 47 && pos + 1 < len && source.charCodeAt(pos + 1) === 47) ||
                    (start === 0 && c === 35 && source.charCodeAt(1) === 33)) {
                p = pos + 2;
                while (p < len) {
                    q = source.charCodeAt(p);
                    if (q === 10 || q === 13) {
                        break;
                    }
                    p += 1;
                }
                pos = p;
                tok_text = source.substring(start, pos);
                tok_type = TK_LINE_COMMENT;
                break;
            }
            if (c === 47 && pos + 1 < len && source.charCodeAt(pos + 1) === 42) {
                q = source.indexOf('*/', pos + 2);
                pos = q < 0 ? len : q + 2;
                tok_text = source.substring(start, pos);
                tok_type = TK_BLOCK_COMMENT;
                break;
            }

            if (c === 34 || c === 39 || c === 96) {
                pos = quoted_end(source, len, pos);
                tok_text = source.substring(start, pos);
                tok_type = TK_STRING;
                break;
            }

            /* where a "/" cannot be a division it opens a regular expression */
            if (c === 47 && (last_type === TK_EOF || last_type === TK_OPERATOR ||
                    last_type === TK_START_EXPR || last_type === TK_START_BLOCK ||
                    (last_type === TK_END_BLOCK && !closed_object) || last_type === TK_SEMICOLON ||
                    (last_type === TK_WORD && expression_keywords[last_text] === true) ||
                    (last_type === TK_WORD && last_text === 'default' && !word_is_property) ||
                    (last_type === TK_END_EXPR && closed_condition) ||
                    (last_type === TK_WORD && contextual_keywords[last_text] === true && !word_is_property) ||
                    (last_type === TK_UNKNOWN && last_text === '~'))) {
                p = regexp_end(source, len, pos);
                if (p > 0) {
                    pos = p > len ? len : p;
                    tok_text = source.substring(start, pos);
                    tok_type = TK_STRING;
                    break;
                }
            }

            /* Optional chaining hugs its operands like "." does; "a?.5:1" is a conditional. */
            if (c === 63 && source.charCodeAt(pos + 1) === 46 &&
                    !((q = source.charCodeAt(pos + 2)) >= 48 && q <= 57)) {
                pos += 2;
                tok_text = '?.';
                tok_type = TK_UNKNOWN;
                break;
            }

            /* every prefix of an operator is an operator, so growing the match finds the longest */
            q = source.charAt(pos);
            if (operators[q] === true) {
                p = pos + 1;
                while (p < len && operators[q + source.charAt(p)] === true) {
                    q += source.charAt(p);
                    p += 1;
                }
                pos = p;
                tok_text = q;
                tok_type = TK_OPERATOR;
                break;
            }

            pos += 1;
            tok_text = q;
            tok_type = TK_UNKNOWN;
        } while (false);

        if (tok_newlines >= 2 && !(tok_type === TK_END_BLOCK && last_type === TK_START_BLOCK)) {
            if (tail > 0) { out.length -= tail; tail = 0; }
if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            if (tail > 0) { out.length -= tail; tail = 0; }
if (out.length !== 0) { tail = new_line(out, line_begun, true, level, indents, indent_string); line_begun = true; }
        }
        /* a comment owns the rest of its line */
        if (last_type === TK_LINE_COMMENT || last_type === TK_BLOCK_COMMENT) {
            if (tail > 0) { out.length -= tail; tail = 0; }
if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
        }
        /* Where a line break ends the statement (after return, break or continue, and before
           ++ or --), joining the lines would change what the script does. */
        if (tok_newlines > 0 && ends_statement_here()) {
            if (tail > 0) { out.length -= tail; tail = 0; }
if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
        }
        /* Between return (break, continue, throw) and its operand a comment keeps its place on
           the line: a line break there would end the statement before the operand. The word
           stays the last token, so the operand is laid out as if the comment were not there. */
        if (tok_type === TK_BLOCK_COMMENT && tok_newlines === 0 && last_type === TK_WORD &&
                !word_is_property && restricted_words[last_text] === true &&
                !/[\n\r\u2028\u2029]/.test(tok_text)) {
            if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            continue;
        }
        now_postfix = false;
        switch (tok_type) {
        case TK_WORD:
            var after_dot = last_type === TK_UNKNOWN && (last_text === '.' || last_text === '?.');
            word_is_property = after_dot;
            do_while = false;
            if (!after_dot && modes[modes.length - 1].kind === BLOCK && (tok_text === 'case' || tok_text === 'default')) {
                /* case labels stand one level out, at the level of their switch */
                level -= 1;
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                level += 1;
                out[out.length] = tok_text; tail = 0; line_begun = false;
                in_case = true;
                break;
            }
            if (!after_dot && (tok_text === 'else' || tok_text === 'catch' || tok_text === 'finally' ||
                    (tok_text === 'while' && closed_do)) && last_type === TK_END_BLOCK) {
                do_while = tok_text === 'while';
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                out[out.length] = tok_text; tail = 0; line_begun = false;
                break;
            }
            if (!after_dot && (tok_text === 'else' || tok_text === 'catch' || tok_text === 'finally')) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                out[out.length] = tok_text; tail = 0; line_begun = false;
                break;
            }
            if (last_type === TK_START_BLOCK) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            } else if (last_type === TK_SEMICOLON || last_type === TK_END_BLOCK) {
                if (modes[modes.length - 1].kind === BLOCK) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                } else {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                }
            } else if (last_type === TK_WORD || last_type === TK_END_EXPR || last_type === TK_STRING ||
                    (last_type === TK_OPERATOR && last_postfix)) {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            if (tok_text === 'var' && !after_dot) {
                var_line = true;
                var_tainted = false;
                var_depth = modes.length;
            }
            break;
        case TK_START_EXPR:
            if (last_type === TK_WORD) {
                if (spaced_before_paren[last_text] === true && !word_is_property) {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                }
            } else if (last_type === TK_START_BLOCK) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            } else if (last_type === TK_SEMICOLON) {
                if (modes[modes.length - 1].kind === BLOCK) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                } else {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                }
            } else if (last_type === TK_STRING && tok_text === '(') {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            modes.push({
                kind: EXPR, level: level, is_do: false,
                condition: tok_text === '(' && last_type === TK_WORD && !word_is_property && !do_while &&
                    condition_words[last_text] === true
            });
            break;
        case TK_END_EXPR:
            if (tail > 0) { out.length -= tail; tail = 0; }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            closed_condition = false;
            if (modes.length > 1 && modes[modes.length - 1].kind === EXPR) {
                closed_condition = modes.pop().condition === true;
            }
            break;
        case TK_START_BLOCK:
            if (last_type === TK_WORD || last_type === TK_END_EXPR || last_type === TK_STRING ||
                    last_type === TK_UNKNOWN) {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            } else if (last_type === TK_START_BLOCK) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            } else if (last_type === TK_SEMICOLON || last_type === TK_END_BLOCK) {
                if (modes[modes.length - 1].kind === BLOCK) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                } else {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                }
            }
            /* An object literal where an operand is expected; everywhere else, and wherever in
               doubt, a block: a "/" after a block's "}" is read as a literal only when one closes
               on the line, which keeps the text as it stands either way. */
            m = modes[modes.length - 1];
            modes.push({ kind: BLOCK, level: level, is_do: last_type === TK_WORD && last_text === 'do',
                is_object: last_type === TK_START_EXPR ||
                    (last_type === TK_OPERATOR && last_text !== '=>' && (last_text !== ':' || m.is_object === true)) ||
                    (last_type === TK_WORD && !word_is_property && expression_keywords[last_text] === true &&
                        last_text !== 'else' && last_text !== 'do') });
            level += 1;
            out[out.length] = tok_text; tail = 0; line_begun = false;
            break;
        case TK_END_BLOCK:
            var empty = last_type === TK_START_BLOCK;
            while (modes.length > 1) {
                m = modes.pop();
                if (m.kind === BLOCK) {
                    level = m.level;
                    closed_do = m.is_do;
                    closed_object = m.is_object;
                    break;
                }
            }
            if (var_line && modes.length < var_depth) {
                var_line = false;
            }
            if (empty) {
                if (tail > 0) { out.length -= tail; tail = 0; }
            } else {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            break;
        case TK_SEMICOLON:
            if (tail > 0) { out.length -= tail; tail = 0; }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            if (var_line && modes.length <= var_depth) {
                var_line = false;
            }
            if (modes[modes.length - 1].kind === EXPR) {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            }
            break;
        case TK_STRING:
            if (last_type === TK_START_BLOCK) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            } else if (last_type === TK_SEMICOLON || last_type === TK_END_BLOCK) {
                if (modes[modes.length - 1].kind === BLOCK) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                } else {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                }
            } else if (last_type === TK_WORD || last_type === TK_END_EXPR || last_type === TK_STRING ||
                    (last_type === TK_OPERATOR && last_postfix)) {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            break;
        case TK_OPERATOR:
            var follows_operator = last_type === TK_OPERATOR && !last_postfix;
            var statement_start = last_type === TK_START_BLOCK ||
                (last_type === TK_SEMICOLON && modes[modes.length - 1].kind === BLOCK);

            if (tok_text === ',') {
                if (tail > 0) { out.length -= tail; tail = 0; }
                out[out.length] = tok_text; tail = 0; line_begun = false;
                if (modes[modes.length - 1].kind === EXPR) {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                } else if (var_line && modes.length === var_depth) {
                    if (var_tainted) {
                        if (tail > 0) { out.length -= tail; tail = 0; }
                        if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                        var_tainted = false;
                    } else {
                        if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                    }
                } else {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                }
                break;
            }

            if (tok_text === ':') {
                if (in_case && modes[modes.length - 1].kind === BLOCK) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    out[out.length] = tok_text; tail = 0; line_begun = false;
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                    in_case = false;
                    break;
                }
                if (last_type === TK_WORD && is_digit_text(last_text)) {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                }
                out[out.length] = tok_text; tail = 0; line_begun = false;
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                break;
            }

            if (tok_text === '++' || tok_text === '--') {
                if ((last_type === TK_WORD ? expression_keywords[last_text] !== true : (last_type === TK_END_EXPR || last_type === TK_STRING || last_type === TK_END_BLOCK || (last_type === TK_OPERATOR && last_postfix))) && tok_newlines === 0) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    out[out.length] = tok_text; tail = 0; line_begun = false;
                    now_postfix = true;
                    break;
                }
                if (last_type === TK_SEMICOLON || last_type === TK_WORD || fuses(tok_text)) {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                } else if (last_type === TK_START_BLOCK) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                }
                out[out.length] = tok_text; tail = 0; line_begun = false;
                break;
            }

            if (tok_text === '!' || tok_text === '!!' || ((tok_text === '-' || tok_text === '+') && !(last_type === TK_WORD ? expression_keywords[last_text] !== true : (last_type === TK_END_EXPR || last_type === TK_STRING || last_type === TK_END_BLOCK || (last_type === TK_OPERATOR && last_postfix))))) {
                if (statement_start) {
                    if (tail > 0) { out.length -= tail; tail = 0; }
                    if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
                } else if ((last_type !== TK_START_EXPR && !follows_operator) || fuses(tok_text)) {
                    if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
                }
                out[out.length] = tok_text; tail = 0; line_begun = false;
                break;
            }

            if (tok_text === '=' && var_line && modes.length === var_depth) {
                var_tainted = true;
            }
            if (follows_operator) {
                out[out.length] = tok_text; tail = 0; line_begun = false;
                break;
            }
            if (statement_start) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            } else if (last_type !== TK_START_EXPR) {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            break;
        case TK_LINE_COMMENT:
            if (tok_newlines > 0 || last_type === TK_BLOCK_COMMENT) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            } else {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            break;
        case TK_BLOCK_COMMENT:
            if (tail > 0) { out.length -= tail; tail = 0; }
            if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            break;
        default:
            if (last_type === TK_START_BLOCK || (last_type === TK_SEMICOLON && modes[modes.length - 1].kind === BLOCK)) {
                if (tail > 0) { out.length -= tail; tail = 0; }
                if (out.length !== 0) { tail = new_line(out, line_begun, false, level, indents, indent_string); line_begun = true; }
            } else if (tok_text === '.' && last_type === TK_WORD && is_integer_text(last_text) &&
                    source.charCodeAt(start - 1) <= 32) {
                if (out.length !== 0 && tail === 0 && !line_begun) { out[out.length] = ' '; tail = 1; }
            }
            out[out.length] = tok_text; tail = 0; line_begun = false;
            break;
        }
        if (tok_type !== TK_END_BLOCK) {
            closed_do = false;
        }
        last_postfix = now_postfix;
        last_type = tok_type;
        last_text = tok_text;
    }

    if (tail > 0) { out.length -= tail; tail = 0; }
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

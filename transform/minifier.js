/*
 * Removes comments and the whitespace JavaScript does not need, in the manner of JSMin.
 * Level 1 keeps every line break, level 2 only those that may end a statement, level 3 only
 * those between identifier characters (or before one of { [ ( + -).
 *
 * Runs on ES5 hosts. The program may carry this text joined into one line, so nothing here may
 * depend on a line break: every statement ends with its own semicolon and only block comments
 * are used.
 */
String.prototype.has = function (c) {
    return this.indexOf(c) > -1;
};

var ret = '';

function jsmin(comment, input, level) {
    if (input === undefined) {
        input = comment;
        comment = '';
        level = 2;
    }
    if (level === undefined || !(level >= 1 && level <= 3)) {
        level = 2;
    }
    level = Math.floor(level);
    comment = (comment === undefined || comment === null) ? '' : String(comment);
    input = (input === undefined || input === null) ? '' : String(input);

    var len = input.length;
    var pos = 0;
    var out = [];
    /* The last character written; a line break before the first one, as if one preceded the
       input. */
    var last = '\n';
    /* The last piece other than a kept line break or space: what decides whether a "/" opens a
       regular expression. Empty at the start, where one may. */
    var significant = '';
    /* Whether that piece was a regular expression literal, which ends an expression as a quote
       does although its last character is a "/". */
    var ends_literal = false;
    /* where that piece starts in the input, and the piece before it */
    var significant_at = 0;
    var significant_before = '';
    /* For each "{" still open, whether it opened an object literal rather than a block; and
       whether the last "}" closed one, after which a "/" divides: "x = {} / 2". */
    var braces = [];
    var closed_object = false;
    var pending_space = false;
    var pending_newline = true;

    function is_alnum(c) {
        var n = c.charCodeAt(0);
        return (n >= 97 && n <= 122) || (n >= 65 && n <= 90) || (n >= 48 && n <= 57) ||
            n === 95 || n === 36 || n === 92 || n > 126;
    }

    function opens_line(c) {
        return is_alnum(c) || '{[(+-'.has(c);
    }

    function keeps_newline(next) {
        if (out.length === 0) {
            return opens_line(next);
        }
        if (level === 1) {
            return true;
        }
        /* a line break after return, break, continue, throw or yield ends the statement there:
           "return\n/re/.test(s)" returns nothing, "return/re/.test(s)" a boolean */
        if (restricted_words.hasOwnProperty(significant) && significant_before !== '.' &&
                !';})'.has(next)) {
            return true;
        }
        if (!opens_line(next)) {
            return false;
        }
        if (is_alnum(last)) {
            return true;
        }
        var ends_expression = '}])+-"\'`'.has(last) || (last === '/' && ends_literal);
        if (level === 2) {
            return ends_expression;
        }
        return ends_expression && joins_statements(next);
    }

    /* At level 3 a line break after the end of an expression still stays when the next line
       starts a statement of its own: "x = []" then "for (...)" must not become "x=[]for(", nor
       "f()" then "g()" become "f()g()". Words that only continue a statement ("else", "catch",
       ...) and operators other than ++ and -- join safely. */
    function joins_statements(next) {
        var p = pos, word;
        if (next === '+' || next === '-') {
            return input.charAt(pos + 1) === next;
        }
        if (!is_alnum(next)) {
            return false;
        }
        while (p < len && is_alnum(input.charAt(p))) {
            p += 1;
        }
        word = input.substring(pos, p);
        return !continuing_words.hasOwnProperty(word) || last !== '}';
    }

    /* Two identifier characters must stay apart, and so must "+ +", "- -" and "/ /", which would
       otherwise fuse into "++", "--" or a comment. */
    function needs_space(next) {
        if (out.length === 0) {
            return false;
        }
        if (is_alnum(last) && is_alnum(next)) {
            return true;
        }
        /* "5 .toString()": without the space the "." would be the number's decimal point */
        if (next === '.' && is_integer(significant)) {
            return true;
        }
        return last === next && '+-/'.has(next);
    }

    function is_integer(text) {
        return /^[0-9]+$/.test(text);
    }

    /* Whether a "/" at this point starts a regular expression rather than a division. */
    function regexp_may_start() {
        var ch = significant.charAt(significant.length - 1), p = significant_at;
        if (ch === '}' && closed_object) {
            return false;
        }
        if (significant === '' || '(,=:[!&|?{};>*%<^~'.has(ch) || (ch === '/' && !ends_literal)) {
            return true;
        }
        /* After a binary + or - an operand follows; after ++ or -- the "/" divides. The length
           of the run of signs tells which: "a+++/re/" is "a++ + /re/". */
        if (ch === '+' || ch === '-') {
            while (p > 0 && input.charAt(p - 1) === ch) {
                p -= 1;
            }
            return (significant_at - p) % 2 === 0;
        }
        /* identifiers are written whole, so the last piece is the last word; after a "." it is
           a property, which a "/" divides */
        return keywords.hasOwnProperty(significant) && significant_before !== '.';
    }

    /* Whether a "{" here opens an object literal: where an operand may start, except at the
       start of a statement and after "=>", where it opens a block. */
    function opens_object() {
        var ch = significant.charAt(significant.length - 1);
        if (significant === '' || '{};'.has(ch) || (ch === '>' && significant_before === '=')) {
            return false;
        }
        return regexp_may_start() && !block_words.hasOwnProperty(significant);
    }

    /* Just past the string that starts with the quote at `start`. A template literal may span
       lines and holds ${...} expressions with strings and templates of their own; it is copied
       whole, since its spaces and comment-like text are part of its value. */
    /* The scanners take the text as parameters: a name shared through the enclosing function is
       looked up by name on every use, a parameter is a register. For the same reason the loop
       below writes each piece out itself: the piece, its last character, and unless it is a
       kept line break or space, what decides how a following "/" reads. */
    function quoted_end(input, len, start) {
        var quote = input.charAt(start), p = start + 1, q, depth, before;
        for (;;) {
            if (p >= len) {
                throw 'Error: unterminated string literal: ';
            }
            q = input.charAt(p);
            if (q === quote) {
                return p + 1;
            }
            if (q === '\\') {
                p += 1;
                if (p < len && input.charAt(p) === '\r' && input.charAt(p + 1) === '\n') {
                    p += 1;
                }
            } else if (quote === '`') {
                if (q === '$' && input.charAt(p + 1) === '{') {
                    p += 2;
                    depth = 1;
                    before = '{';
                    while (depth > 0) {
                        if (p >= len) {
                            throw 'Error: unterminated string literal: ';
                        }
                        q = input.charAt(p);
                        if (q === '/' && '(,=:[!&|?{};>'.has(before)) {
                            p = regexp_end(input, len, p);
                        } else if (q === '"' || q === "'" || q === '`') {
                            p = quoted_end(input, len, p);
                        } else {
                            depth += q === '{' ? 1 : (q === '}' ? -1 : 0);
                            p += 1;
                        }
                        if (q > ' ') {
                            before = q;
                        }
                    }
                    continue;
                }
            } else if (q === '\n' || q === '\r') {
                /* CR is read as LF, so the offending character is a line break either way */
                throw 'Error: unterminated string literal: \n';
            }
            p += 1;
        }
    }

    /* Just past the regular expression literal whose "/" is at `start`; a "/" inside a character
       class does not end it. */
    function regexp_end(input, len, start) {
        var p = start + 1, q, in_class = false;
        for (;;) {
            if (p >= len) {
                throw 'Error: unterminated Regular Expression literal';
            }
            q = input.charAt(p);
            if (q === '\n' || q === '\r') {
                throw 'Error: unterminated Regular Expression literal';
            }
            if (q === '\\') {
                p += 1;
            } else if (in_class) {
                in_class = q !== ']';
            } else if (q === '[') {
                in_class = true;
            } else if (q === '/') {
                return p + 1;
            }
            p += 1;
        }
    }

    function regexp_on_line(input, len, start) {
        try {
            return regexp_end(input, len, start);
        } catch (e) {
            return -1;
        }
    }

    /* words that go on with the statement before them after a block's "}" */
    var continuing_words = {
        'else': true, 'catch': true, 'finally': true, 'while': true, 'instanceof': true, 'in': true
    };

    var restricted_words = { 'return': true, 'break': true, 'continue': true, 'throw': true, 'yield': true };

    /* words after which a "{" opens a block */
    var block_words = { 'else': true, 'do': true };

    /* Words that are keywords only in places (yield in a generator, await in an async function,
       of in a for head) and otherwise name variables: after them a "/" opens a regular
       expression only when one ends on the line. */
    var contextual_keywords = { 'yield': true, 'await': true, 'of': true };

    /* words after which a "/" cannot be a division */
    var keywords = {
        'return': true, 'typeof': true, 'case': true, 'throw': true, 'delete': true, 'void': true,
        'in': true, 'else': true, 'do': true, 'instanceof': true, 'new': true, 'default': true
    };

    var c, start, p, q;
    /* A script run as a program may start with a "#!" line, which is no JavaScript: it stays as
       it is, on a line of its own. */
    var hashbang = '';
    if (input.substring(0, 2) === '#!') {
        while (pos < len && input.charAt(pos) !== '\n' && input.charAt(pos) !== '\r') {
            pos += 1;
        }
        hashbang = input.substring(0, pos);
    }
    while (pos < len) {
        c = input.charAt(pos);

        if (c === '/' && input.charAt(pos + 1) === '/') {
            p = pos + 2;
            while (p < len && input.charAt(p) !== '\n' && input.charAt(p) !== '\r') {
                p += 1;
            }
            pos = p;
            continue;
        }
        if (c === '/' && input.charAt(pos + 1) === '*') {
            q = input.indexOf('*/', pos + 2);
            if (q < 0) {
                throw 'Error: Unterminated comment.';
            }
            /* a comment that spans lines ends a line as a line break would: "a = b" and "c"
               around one are two statements */
            if (/[\n\r\u2028\u2029]/.test(input.substring(pos + 2, q))) {
                pending_newline = true;
            } else {
                pending_space = true;
            }
            pos = q + 2;
            continue;
        }
        if (c === '\n' || c === '\r') {
            pending_newline = true;
            pos += 1;
            continue;
        }
        if (c <= ' ') {
            pending_space = true;
            pos += 1;
            continue;
        }

        if (pending_newline && keeps_newline(c)) {
            out[out.length] = '\n';
            last = '\n';
        } else if ((pending_space || pending_newline) && needs_space(c)) {
            out[out.length] = ' ';
            last = ' ';
        }
        pending_space = false;
        pending_newline = false;

        start = pos;
        if (c === '"' || c === "'" || c === '`') {
            /* copied as written: a tab inside stays a tab */
            pos = quoted_end(input, len, pos);
            q = input.substring(start, pos);
            out[out.length] = q;
            last = q.charAt(q.length - 1);
            significant_before = significant;
            significant = q;
            significant_at = start;
            ends_literal = false;
            continue;
        }

        if (c === '/' && (regexp_may_start() || (contextual_keywords.hasOwnProperty(significant) &&
                significant_before !== '.' && regexp_on_line(input, len, pos) > 0))) {
            pos = regexp_end(input, len, pos);
            q = input.substring(start, pos);
            out[out.length] = q;
            last = q.charAt(q.length - 1);
            significant_before = significant;
            significant = q;
            significant_at = start;
            ends_literal = true;
            continue;
        }

        if (is_alnum(c)) {
            p = pos + 1;
            while (p < len) {
                q = input.charCodeAt(p);
                if (!((q >= 97 && q <= 122) || (q >= 65 && q <= 90) || (q >= 48 && q <= 57) ||
                        q === 95 || q === 36 || q === 92 || q > 126)) {
                    break;
                }
                p += 1;
            }
            pos = p;
            q = input.substring(start, pos);
            out[out.length] = q;
            last = q.charAt(q.length - 1);
            significant_before = significant;
            significant = q;
            significant_at = start;
            ends_literal = false;
            continue;
        }

        if (c === '{') {
            braces[braces.length] = opens_object();
        } else if (c === '}') {
            closed_object = braces.length > 0 && braces.pop();
        }
        pos += 1;
        out[out.length] = c;
        last = c;
        significant_before = significant;
        significant = c;
        significant_at = start;
        ends_literal = false;
    }

    ret = out.join('');
    if (hashbang !== '') {
        ret = hashbang + (ret === '' || ret.charAt(0) === '\n' ? '' : '\n') + ret;
    }
    jsmin.oldSize = len;
    jsmin.newSize = ret.length;
    return comment + (comment !== '' ? '\n' : '') + ret;
}

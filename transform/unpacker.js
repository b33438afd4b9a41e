/*
 * Recovers the source of a script packed in the p,a,c,k,e,d form.
 *
 * Such a script is eval(function(p,a,c,k,e,d){...}(...)): the call builds the source text and
 * hands it to eval. Without the leading eval the same text is just the call, whose value is the
 * source. Anything else is evaluated as it is and its value returned.
 *
 * Only a leading "eval" at the very first character is removed, so a packed script with anything
 * before it is run as written.
 */
function decode(code) {
    code = (code === undefined || code === null) ? '' : String(code);
    if (code.substring(0, 4) === 'eval') {
        code = code.substring(4);
    }
    return eval(code);
}

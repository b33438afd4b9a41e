// A tiny tokenizer and evaluator for arithmetic, as a captcha solver might carry.
function tokenize(src) {
    var tokens = [];
    var i = 0;
    while (i < src.length) {
        var c = src.charAt(i);
        if (c === " ") {
            i++;
        } else if ("0123456789".indexOf(c) >= 0) {
            var num = "";
            while (i < src.length && "0123456789".indexOf(src.charAt(i)) >= 0) {
                num += src.charAt(i);
                i++;
            }
            tokens.push({ type: "num", value: parseInt(num, 10) });
        } else if ("+-*/()".indexOf(c) >= 0) {
            tokens.push({ type: "op", value: c });
            i++;
        } else {
            throw new Error("unexpected character " + c);
        }
    }
    return tokens;
}
function evaluate(src) {
    var tokens = tokenize(src);
    var pos = 0;
    function peek() { return tokens[pos]; }
    function next() { return tokens[pos++]; }
    function factor() {
        var t = next();
        if (t.type === "num") return t.value;
        if (t.value === "(") { var v = expr(); next(); return v; }
        if (t.value === "-") return -factor();
        throw new Error("bad token " + t.value);
    }
    function term() {
        var v = factor();
        while (peek() && (peek().value === "*" || peek().value === "/")) {
            v = next().value === "*" ? v * factor() : v / factor();
        }
        return v;
    }
    function expr() {
        var v = term();
        while (peek() && (peek().value === "+" || peek().value === "-")) {
            v = next().value === "+" ? v + term() : v - term();
        }
        return v;
    }
    return expr();
}
function check() {
    var out = [];
    var cases = ["1 + 2 * 3", "(4 + 6) / 5", "-3 * (2 - 7)", "100 / 8"];
    for (var i = 0; i < cases.length; i++) {
        out.push(cases[i] + " = " + evaluate(cases[i]));
    }
    try { evaluate("2 $ 3"); } catch (e) { out.push("error: " + e.message); }
    return out.join(", ");
}

// A Vigenere-like cipher with a hex encoder, the kind of thing a login page hides.
var ALPHABET = "abcdefghijklmnopqrstuvwxyz0123456789";
function shiftChar(c, k) {
    var i = ALPHABET.indexOf(c);
    if (i < 0) {
        return c;
    }
    return ALPHABET.charAt((i + k) % ALPHABET.length);
}
function encrypt(text, key) {
    var out = "";
    for (var i = 0; i < text.length; i++) {
        var k = ALPHABET.indexOf(key.charAt(i % key.length));
        out += shiftChar(text.charAt(i), k < 0 ? 0 : k);
    }
    return out;
}
function toHex(s) {
    var hex = "";
    for (var i = 0; i < s.length; i++) {
        var code = s.charCodeAt(i).toString(16);
        hex += code.length < 2 ? "0" + code : code;
    }
    return hex;
}
function check() {
    var secret = encrypt("password123", "login");
    return secret + ":" + toHex(secret) + ":" + encrypt("HELLO world", "key");
}

// A base64 encoder and a checksum, the usual companions of a signed request.
var B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
function encode64(input) {
    var out = "";
    var i = 0;
    while (i < input.length) {
        var a = input.charCodeAt(i++);
        var b = i < input.length ? input.charCodeAt(i++) : NaN;
        var c = i < input.length ? input.charCodeAt(i++) : NaN;
        var n1 = a >> 2;
        var n2 = ((a & 3) << 4) | (isNaN(b) ? 0 : b >> 4);
        var n3 = isNaN(b) ? 64 : ((b & 15) << 2) | (isNaN(c) ? 0 : c >> 6);
        var n4 = isNaN(c) ? 64 : c & 63;
        out += B64.charAt(n1) + B64.charAt(n2) + (n3 === 64 ? "=" : B64.charAt(n3)) + (n4 === 64 ? "=" : B64.charAt(n4));
    }
    return out;
}
function checksum(s) {
    var sum = 0;
    for (var i = 0; i < s.length; i++) {
        sum = (sum * 31 + s.charCodeAt(i)) % 65521;
    }
    return sum;
}
function token(user, pass) {
    var body = encode64(user + ":" + pass);
    return "Basic " + body + " #" + checksum(body);
}
function check() {
    return token("admin", "s3cret!") + " | " + encode64("a") + " | " + encode64("ab");
}

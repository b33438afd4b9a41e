// A request signer as web pages build them: sorted parameters, a salt, a hash.
var SALT = "k9#Lq2";
function hashText(text) {
    var h = 5381;
    for (var i = 0; i < text.length; i++) {
        h = ((h << 5) + h + text.charCodeAt(i)) & 0x7fffffff;
    }
    return h.toString(16);
}
function sortedQuery(params) {
    var keys = [];
    for (var k in params) {
        if (params.hasOwnProperty(k)) keys.push(k);
    }
    keys.sort();
    var parts = [];
    for (var i = 0; i < keys.length; i++) {
        parts.push(keys[i] + "=" + encodeURIComponent(params[keys[i]]));
    }
    return parts.join("&");
}
function sign(user, time) {
    var query = sortedQuery({ user: user, time: time, app: "web", ver: "2.1.0" });
    return "sign=" + hashText(query + "&salt=" + SALT) + "&" + query;
}
function check() {
    return sign("alice", 1700000000);
}

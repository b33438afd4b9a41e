// JSON: stringify (replacer function or list, indentation, toJSON, cycles refused) and parse
// (strict JSON grammar, reviver), for engines without it.
if (typeof JSON != "object" || JSON === null) JSON = {};
(function () {
  var hasOwn = Object.prototype.hasOwnProperty, toString = Object.prototype.toString;
  var escapes = { "\"": "\\\"", "\\": "\\\\", "\b": "\\b", "\f": "\\f", "\n": "\\n", "\r": "\\r", "\t": "\\t" };
  var needsEscape = /["\\\u0000-\u001f\ud800-\udfff]/g;

  function quote(s) {
    return "\"" + s.replace(needsEscape, function (c, at) {
      if (escapes[c]) return escapes[c];
      var code = c.charCodeAt(0);
      // A lone surrogate is written as an escape; a pair stays as it is.
      if (code >= 0xd800 && code <= 0xdbff) {
        var next = s.charCodeAt(at + 1);
        if (next >= 0xdc00 && next <= 0xdfff) return c;
      } else if (code >= 0xdc00 && code <= 0xdfff) {
        var prev = s.charCodeAt(at - 1);
        if (prev >= 0xd800 && prev <= 0xdbff) return c;
      } else if (code >= 0x20) {
        return c;
      }
      return "\\u" + ("0000" + code.toString(16)).slice(-4);
    }) + "\"";
  }

  if (typeof JSON.stringify != "function") {
    JSON.stringify = function (value, replacer, space) {
      var indent = "", stack = [], allow = null, i;
      if (typeof space == "number") {
        for (i = 0; i < Math.min(10, space); i++) indent += " ";
      } else if (typeof space == "string") {
        indent = space.slice(0, 10);
      }
      if (replacer && typeof replacer != "function") {
        if (toString.call(replacer) != "[object Array]") {
          replacer = null;
        } else {
          allow = [];
          for (i = 0; i < replacer.length; i++) {
            var item = replacer[i];
            if (typeof item == "string" || typeof item == "number" || item instanceof String || item instanceof Number) allow[allow.length] = String(item);
          }
          replacer = null;
        }
      }

      function property(holder, key, gap) {
        var v = holder[key];
        if (v !== null && typeof v == "object" && typeof v.toJSON == "function") v = v.toJSON(key);
        if (replacer) v = replacer.call(holder, key, v);
        if (v instanceof Number) v = Number(v);
        else if (v instanceof String) v = String(v);
        else if (v instanceof Boolean) v = v.valueOf();
        if (v === null) return "null";
        switch (typeof v) {
          case "string": return quote(v);
          case "number": return isFinite(v) ? String(v) : "null";
          case "boolean": return String(v);
          case "object": break;
          default: return undefined;
        }
        for (var s = 0; s < stack.length; s++) if (stack[s] === v) throw new TypeError("Converting circular structure to JSON");
        stack[stack.length] = v;
        var inner = gap + indent, parts = [], k, text;
        if (toString.call(v) == "[object Array]") {
          for (k = 0; k < v.length; k++) {
            text = property(v, String(k), inner);
            parts[parts.length] = text === undefined ? "null" : text;
          }
          text = parts.length == 0 ? "[]" : indent ? "[\n" + inner + parts.join(",\n" + inner) + "\n" + gap + "]" : "[" + parts.join(",") + "]";
        } else {
          var keys = allow;
          if (!keys) {
            keys = [];
            for (k in v) if (hasOwn.call(v, k)) keys[keys.length] = k;
          }
          for (k = 0; k < keys.length; k++) {
            text = property(v, keys[k], inner);
            if (text !== undefined) parts[parts.length] = quote(keys[k]) + (indent ? ": " : ":") + text;
          }
          text = parts.length == 0 ? "{}" : indent ? "{\n" + inner + parts.join(",\n" + inner) + "\n" + gap + "}" : "{" + parts.join(",") + "}";
        }
        stack.length--;
        return text;
      }
      return property({ "": value }, "", "");
    };
  }

  if (typeof JSON.parse != "function") {
    JSON.parse = function (text, reviver) {
      var s = String(text), at = 0;
      function fail(what) { throw new SyntaxError("JSON.parse: " + what + " at position " + at); }
      function white() { while (at < s.length && " \t\n\r".indexOf(s.charAt(at)) >= 0) at++; }
      function string() {
        var out = "", c;
        at++;
        for (;;) {
          if (at >= s.length) fail("unterminated string");
          c = s.charAt(at++);
          if (c == "\"") return out;
          if (c < " ") fail("bad control character in string");
          if (c != "\\") { out += c; continue; }
          c = s.charAt(at++);
          if (c == "u") {
            var hex = s.substring(at, at + 4);
            if (!/^[0-9a-fA-F]{4}$/.test(hex)) fail("bad unicode escape");
            out += String.fromCharCode(parseInt(hex, 16));
            at += 4;
          } else if (c == "b") { out += "\b"; } else if (c == "f") { out += "\f"; } else if (c == "n") { out += "\n"; }
          else if (c == "r") { out += "\r"; } else if (c == "t") { out += "\t"; } else if (c == "\"" || c == "\\" || c == "/") { out += c; }
          else fail("bad escape");
        }
      }
      var number = /-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?/g;
      function value() {
        white();
        var c = s.charAt(at), v, key;
        if (c == "{") {
          at++;
          v = {};
          white();
          if (s.charAt(at) == "}") { at++; return v; }
          for (;;) {
            white();
            if (s.charAt(at) != "\"") fail("expected a property name");
            key = string();
            white();
            if (s.charAt(at++) != ":") fail("expected ':'");
            v[key] = value();
            white();
            c = s.charAt(at++);
            if (c == "}") return v;
            if (c != ",") fail("expected ',' or '}'");
          }
        }
        if (c == "[") {
          at++;
          v = [];
          white();
          if (s.charAt(at) == "]") { at++; return v; }
          for (;;) {
            v[v.length] = value();
            white();
            c = s.charAt(at++);
            if (c == "]") return v;
            if (c != ",") fail("expected ',' or ']'");
          }
        }
        if (c == "\"") return string();
        if (s.substring(at, at + 4) == "true") { at += 4; return true; }
        if (s.substring(at, at + 5) == "false") { at += 5; return false; }
        if (s.substring(at, at + 4) == "null") { at += 4; return null; }
        number.lastIndex = at;
        var m = number.exec(s);
        if (m && m.index == at && m[0] !== "" && m[0] !== "-") { at += m[0].length; return Number(m[0]); }
        fail("unexpected " + (at < s.length ? "character" : "end"));
      }
      var result = value();
      white();
      if (at < s.length) fail("unexpected character");
      function walk(holder, key) {
        var v = holder[key], k, r;
        if (v && typeof v == "object") {
          for (k in v) {
            if (hasOwn.call(v, k)) {
              r = walk(v, k);
              if (r === undefined) delete v[k];
              else v[k] = r;
            }
          }
        }
        return reviver.call(holder, key, v);
      }
      return typeof reviver == "function" ? walk({ "": result }, "") : result;
    };
  }
})();

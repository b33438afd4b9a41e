// Typed arrays (Int8Array ... Float64Array), ArrayBuffer and DataView, standing in on plain
// arrays: JScript has none of them. A typed array here is an Array whose elements were converted
// to the element type when it was made or changed through its methods (set, fill); what it
// cannot do: an index write (a[i] = v) is stored as it is, not wrapped to the element range, and
// views made on one ArrayBuffer do not share their elements (each holds a copy of the bytes it
// was made from). Reading `x.buffer` is rewritten by 转为JScript into __typedArrayBuffer(x),
// which gives a typed array's current bytes as a new ArrayBuffer. A DataView reads and writes its
// ArrayBuffer's bytes themselves. `instanceof Uint8Array` is false: the elements live in an Array.
(function (global) {
  function toInteger(v) { v = Number(v); return v !== v ? 0 : v < 0 ? Math.ceil(v) : Math.floor(v); }
  function clampIndex(v, n, fallback) {
    if (v === undefined) return fallback;
    v = toInteger(v);
    return v < 0 ? Math.max(n + v, 0) : Math.min(v, n);
  }

  // IEEE 754 encoding and decoding, little-endian bytes.
  function packFloat(v, mantissaBits, exponentBits) {
    var bytes = [], bias = (1 << (exponentBits - 1)) - 1, e, m, sign = 0, i;
    v = Number(v);
    if (v !== v) { e = (1 << exponentBits) - 1; m = Math.pow(2, mantissaBits - 1); }
    else if (v == Infinity || v == -Infinity) { e = (1 << exponentBits) - 1; m = 0; sign = v < 0 ? 1 : 0; }
    else if (v === 0) { e = 0; m = 0; sign = 1 / v < 0 ? 1 : 0; }
    else {
      sign = v < 0 ? 1 : 0;
      v = Math.abs(v);
      e = Math.floor(Math.log(v) / Math.LN2);
      if (Math.pow(2, e) > v) e--;
      if (Math.pow(2, e + 1) <= v) e++;
      if (e >= 1 - bias) {
        m = v / Math.pow(2, e) - 1;
        e += bias;
        m = roundEven(m * Math.pow(2, mantissaBits));
        if (m >= Math.pow(2, mantissaBits)) { m = 0; e++; }
        if (e >= (1 << exponentBits) - 1) { e = (1 << exponentBits) - 1; m = 0; }
      } else {
        m = roundEven(v / Math.pow(2, 1 - bias - mantissaBits));
        e = 0;
        if (m >= Math.pow(2, mantissaBits)) { m -= Math.pow(2, mantissaBits); e = 1; }
      }
    }
    var total = mantissaBits + exponentBits + 1;
    for (i = 0; i < total / 8; i++) {
      var bits = 0;
      for (var b = 0; b < 8; b++) {
        var k = i * 8 + b, bit;
        if (k < mantissaBits) bit = Math.floor(m / Math.pow(2, k)) % 2;
        else if (k < mantissaBits + exponentBits) bit = Math.floor(e / Math.pow(2, k - mantissaBits)) % 2;
        else bit = sign;
        bits |= bit << b;
      }
      bytes[i] = bits;
    }
    return bytes;
  }
  function roundEven(x) {
    var f = Math.floor(x), d = x - f;
    return d < 0.5 ? f : d > 0.5 ? f + 1 : f % 2 == 0 ? f : f + 1;
  }
  function unpackFloat(bytes, mantissaBits, exponentBits) {
    var bias = (1 << (exponentBits - 1)) - 1, m = 0, e = 0, k, total = mantissaBits + exponentBits + 1;
    for (k = 0; k < mantissaBits; k++) if (bytes[k >> 3] & (1 << (k & 7))) m += Math.pow(2, k);
    for (k = 0; k < exponentBits; k++) if (bytes[(k + mantissaBits) >> 3] & (1 << ((k + mantissaBits) & 7))) e += Math.pow(2, k);
    var sign = bytes[(total - 1) >> 3] & 0x80 ? -1 : 1;
    if (e == (1 << exponentBits) - 1) return m ? NaN : sign * Infinity;
    if (e === 0) return sign * m * Math.pow(2, 1 - bias - mantissaBits);
    return sign * (1 + m / Math.pow(2, mantissaBits)) * Math.pow(2, e - bias);
  }

  // Each element type: its size, the conversion of a number to it, and its bytes both ways.
  function integerType(size, signed) {
    var range = Math.pow(2, size * 8), half = range / 2;
    return {
      size: size,
      convert: function (v) {
        v = toInteger(v) % range;
        if (v < 0) v += range;
        return signed && v >= half ? v - range : v;
      },
      toBytes: function (v) {
        v = this.convert(v);
        if (v < 0) v += range;
        var out = [];
        for (var i = 0; i < size; i++) { out[i] = v % 256; v = Math.floor(v / 256); }
        return out;
      },
      fromBytes: function (b) {
        var v = 0;
        for (var i = size - 1; i >= 0; i--) v = v * 256 + b[i];
        return signed && v >= half ? v - range : v;
      }
    };
  }
  function floatType(size, mantissaBits, exponentBits) {
    return {
      size: size,
      convert: function (v) { return size == 8 ? Number(v) : unpackFloat(packFloat(v, mantissaBits, exponentBits), mantissaBits, exponentBits); },
      toBytes: function (v) { return packFloat(v, mantissaBits, exponentBits); },
      fromBytes: function (b) { return unpackFloat(b, mantissaBits, exponentBits); }
    };
  }
  var clamped = integerType(1, false);
  clamped.convert = function (v) { v = Number(v); return v !== v || v <= 0 ? 0 : v >= 255 ? 255 : roundEven(v); };

  function ArrayBuffer(length) {
    if (!(this instanceof ArrayBuffer)) throw new TypeError("Constructor ArrayBuffer requires 'new'");
    var n = toInteger(length);
    if (n < 0) throw new RangeError("Invalid array buffer length");
    this.bytes = [];
    for (var i = 0; i < n; i++) this.bytes[i] = 0;
    this.byteLength = n;
  }
  ArrayBuffer.prototype.slice = function (begin, end) {
    var n = this.byteLength, b = clampIndex(begin, n, 0), e = clampIndex(end, n, n);
    var out = new ArrayBuffer(0);
    out.bytes = this.bytes.slice(b, Math.max(b, e));
    out.byteLength = out.bytes.length;
    return out;
  };
  ArrayBuffer.isView = function (v) { return !!(v && v.isTypedArrayStandIn) || v instanceof DataView; };

  function makeType(name, type) {
    var Typed = function (source, byteOffset, length) {
      var a = [], i, n;
      if (source instanceof ArrayBuffer) {
        var offset = byteOffset === undefined ? 0 : toInteger(byteOffset);
        if (offset % type.size) throw new RangeError("start offset of " + name + " should be a multiple of " + type.size);
        n = length === undefined ? (source.byteLength - offset) / type.size : toInteger(length);
        if (n !== Math.floor(n) || n < 0 || offset + n * type.size > source.byteLength) throw new RangeError("Invalid typed array length: " + n);
        for (i = 0; i < n; i++) a[i] = type.fromBytes(source.bytes.slice(offset + i * type.size, offset + (i + 1) * type.size));
      } else if (source !== null && typeof source == "object") {
        n = source.length >>> 0;
        for (i = 0; i < n; i++) a[i] = type.convert(source[i]);
      } else {
        n = toInteger(source);
        if (n < 0) throw new RangeError("Invalid typed array length: " + source);
        for (i = 0; i < n; i++) a[i] = 0;
      }
      for (var k in Typed.prototype) a[k] = Typed.prototype[k];
      a.byteLength = a.length * type.size;
      a.buffer = source instanceof ArrayBuffer ? source : null;
      a.byteOffset = 0;
      a.BYTES_PER_ELEMENT = type.size;
      return a;
    };
    Typed.BYTES_PER_ELEMENT = type.size;
    Typed.from = function (items) { return new Typed(items); };
    Typed.of = function () { return new Typed(arguments); };
    var P = Typed.prototype;
    P.isTypedArrayStandIn = true;
    P.set = function (source, offset) {
      var at = offset === undefined ? 0 : toInteger(offset), n = source.length >>> 0;
      if (at < 0 || at + n > this.length) throw new RangeError("offset is out of bounds");
      var copy = [];
      for (var i = 0; i < n; i++) copy[i] = source[i];
      for (i = 0; i < n; i++) this[at + i] = type.convert(copy[i]);
    };
    P.subarray = function (begin, end) {
      var n = this.length, b = clampIndex(begin, n, 0), e = clampIndex(end, n, n);
      return new Typed(Array.prototype.slice.call(this, b, Math.max(b, e)));
    };
    P.slice = P.subarray;
    P.fill = function (value, start, end) {
      var n = this.length, b = clampIndex(start, n, 0), e = clampIndex(end, n, n);
      value = type.convert(value);
      for (var i = b; i < e; i++) this[i] = value;
      return this;
    };
    P.getBuffer = function () {
      var out = new ArrayBuffer(0);
      for (var i = 0; i < this.length; i++) out.bytes = out.bytes.concat(type.toBytes(this[i]));
      out.byteLength = out.bytes.length;
      return out;
    };
    global[name] = Typed;
    return Typed;
  }

  var types = {
    Int8Array: integerType(1, true), Uint8Array: integerType(1, false), Uint8ClampedArray: clamped,
    Int16Array: integerType(2, true), Uint16Array: integerType(2, false),
    Int32Array: integerType(4, true), Uint32Array: integerType(4, false),
    Float32Array: floatType(4, 23, 8), Float64Array: floatType(8, 52, 11)
  };
  for (var name in types) if (Object.prototype.hasOwnProperty.call(types, name)) makeType(name, types[name]);

  function DataView(buffer, byteOffset, byteLength) {
    if (!(buffer instanceof ArrayBuffer)) throw new TypeError("First argument to DataView constructor must be an ArrayBuffer");
    this.buffer = buffer;
    this.byteOffset = byteOffset === undefined ? 0 : toInteger(byteOffset);
    this.byteLength = byteLength === undefined ? buffer.byteLength - this.byteOffset : toInteger(byteLength);
    if (this.byteOffset < 0 || this.byteOffset + this.byteLength > buffer.byteLength) throw new RangeError("Invalid DataView length");
  }
  function accessors(suffix, type) {
    DataView.prototype["get" + suffix] = function (at, littleEndian) {
      at = toInteger(at);
      if (at < 0 || at + type.size > this.byteLength) throw new RangeError("Offset is outside the bounds of the DataView");
      var b = this.buffer.bytes.slice(this.byteOffset + at, this.byteOffset + at + type.size);
      if (!littleEndian) b.reverse();
      return type.fromBytes(b);
    };
    DataView.prototype["set" + suffix] = function (at, value, littleEndian) {
      at = toInteger(at);
      if (at < 0 || at + type.size > this.byteLength) throw new RangeError("Offset is outside the bounds of the DataView");
      var b = type.toBytes(value);
      if (!littleEndian) b.reverse();
      for (var i = 0; i < type.size; i++) this.buffer.bytes[this.byteOffset + at + i] = b[i];
    };
  }
  accessors("Int8", types.Int8Array); accessors("Uint8", types.Uint8Array);
  accessors("Int16", types.Int16Array); accessors("Uint16", types.Uint16Array);
  accessors("Int32", types.Int32Array); accessors("Uint32", types.Uint32Array);
  accessors("Float32", types.Float32Array); accessors("Float64", types.Float64Array);

  global.__typedArrayBuffer = function (o) {
    return o !== null && typeof o == "object" && o.isTypedArrayStandIn ? o.getBuffer() : o.buffer;
  };
  global.ArrayBuffer = ArrayBuffer;
  global.DataView = DataView;
})(this);

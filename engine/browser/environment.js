// The console and the browser environment, one script for both engines. It is written in the
// language the system engine accepts (ES3 as JScript 5.7 reads it: no ES5 methods, no trailing
// commas, no reserved words as property names), because the same text runs there.
//
// The script is one function expression; the engine calls it with a host object:
//   host.browser         true: install the browser environment; false: the console alone
//   host.location        the page address, already chosen by the program
//   host.print(text)     takes one console line; returns false once it keeps no more
//   host.random(n)       n random bytes (numbers 0..255) from the system's random source
//   host.now()           milliseconds, fractional, from a steady clock
//   host.watch(o, path)  o, or a stand-in that notes reads of names o lacks (optional)
//   host.accessor(o, name, get, set)   a property with a getter and setter (ES3 has none)
//   host.uncaught(e)     told of an error a timer callback threw (optional)
//   host.missing(text)   lists text among the names the script reached for (optional)
//   host.window(global)  what window and its aliases are, when not the global object (optional)
// It returns what the engine drives: next() runs the next due timer callback (false when none
// is left or the budget is spent), droppedLines() and droppedTimers() for the notes.
(function (host) {
  var global = (function () { return this; })();
  var hasOwn = Object.prototype.hasOwnProperty;
  var objectTag = Object.prototype.toString;

  // ---- console -------------------------------------------------------------------------------

  // What one run may print: enough to debug with, bounded so a loop of prints cannot fill memory.
  var MAX_LINES = 1000, MAX_CHARS = 200000, MAX_LINE_CHARS = 10000;
  var MAX_ITEMS = 100, MAX_DEPTH = 2;
  var printedLines = 0, printedChars = 0, dropped = 0, full = false;

  function tagOf(v) {
    var t = objectTag.call(v);
    return t.substring(8, t.length - 1);
  }

  function functionName(f) {
    var m = /^\s*function\s*([\w$]*)/.exec(String(f));
    return m ? m[1] : '';
  }

  function quote(s) {
    return "'" + s.replace(/\\/g, '\\\\').replace(/'/g, "\\'").replace(/\n/g, '\\n')
                  .replace(/\r/g, '\\r') + "'";
  }

  function keyText(k) {
    return /^[A-Za-z_$][\w$]*$/.test(k) || /^(0|[1-9]\d*)$/.test(k) ? k : quote(k);
  }

  function read(o, k) {
    try {
      return o[k];
    } catch (e) {
      return '[Exception: ' + safeText(e) + ']';
    }
  }

  function safeText(v) {
    try {
      return String(v);
    } catch (e) {
      return objectTag.call(v);
    }
  }

  // "Name: message" as a browser shows an error; JScript's own text for one is "[object Error]".
  function errorText(e) {
    try {
      if (e instanceof Error && typeof e.message === 'string')
        return (typeof e.name === 'string' ? e.name : 'Error') + (e.message ? ': ' + e.message : '');
    } catch (ignored) {
    }
    return safeText(e);
  }

  // A value as a browser's console shows it inside another value (top: as an argument).
  function preview(v, depth, top) {
    var t = typeof v;
    if (v === null) return 'null';
    if (t === 'undefined') return 'undefined';
    if (t === 'number') return v === 0 && 1 / v < 0 ? '-0' : String(v);
    if (t === 'boolean') return String(v);
    if (t === 'string') return top ? v : quote(v);
    if (t === 'function') return top ? safeText(v) : 'function ' + functionName(v) + '()';
    if (t !== 'object') return safeText(v);
    var tag = tagOf(v);
    if (tag === 'Error' || v instanceof Error) return errorText(v);
    if (tag === 'Date' || tag === 'RegExp') return safeText(v);
    var isArray = tag === 'Array' || /^(Ui|I)nt(8|16|32)(Clamped)?Array$|^Float(32|64)Array$/.test(tag);
    var items = [], n = 0, k;
    if (isArray) {
      var length = read(v, 'length');
      if (depth >= MAX_DEPTH) return (tag === 'Array' ? 'Array' : tag) + '(' + length + ')';
      for (var i = 0; i < length && i < MAX_ITEMS; i++) items.push(preview(read(v, i), depth + 1, false));
      if (length > MAX_ITEMS) items.push('\u2026');
      return (top || tag !== 'Array' ? (tag === 'Array' ? '' : tag) + '(' + length + ') ' : '') +
             '[' + items.join(', ') + ']';
    }
    var name = '';
    var ctor = read(v, 'constructor');
    if (typeof ctor === 'function' && ctor !== Object) name = functionName(ctor);
    if (depth >= MAX_DEPTH) return (name ? name + ' ' : '') + '{\u2026}';
    for (k in v) {
      if (!hasOwn.call(v, k)) continue;
      if (n++ >= MAX_ITEMS) {
        items.push('\u2026');
        break;
      }
      items.push(keyText(k) + ': ' + preview(read(v, k), depth + 1, false));
    }
    return (name ? name + ' ' : '') + '{' + items.join(', ') + '}';
  }

  // The arguments of one console call as one line: a first text with %s %d %i %f %o %O %c
  // takes the values it names, the rest follow separated by blanks.
  function format(args, from) {
    var parts = [], next = from;
    if (typeof args[from] === 'string' && args[from].indexOf('%') >= 0) {
      var pattern = args[from];
      next = from + 1;
      pattern = pattern.replace(/%([sdifoOc%])/g, function (all, c) {
        if (c === '%') return '%';
        if (next >= args.length) return all;
        var v = args[next++];
        if (c === 's') return typeof v === 'string' ? v : preview(v, 1, false);
        if (c === 'd' || c === 'i') return typeof v === 'object' ? 'NaN' : String(parseInt(v, 10));
        if (c === 'f') return typeof v === 'object' ? 'NaN' : String(parseFloat(v));
        if (c === 'c') return '';
        return preview(v, 0, false);
      });
      parts.push(pattern);
    }
    for (var i = next; i < args.length; i++) parts.push(preview(args[i], 0, true));
    return parts.join(' ');
  }

  function emit(prefix, text) {
    if (full) {
      dropped++;
      return;
    }
    if (text.length > MAX_LINE_CHARS)
      text = text.substring(0, MAX_LINE_CHARS) + '\u2026\uff08\u6b64\u884c\u53e6\u6709 ' + (text.length - MAX_LINE_CHARS) + ' \u4e2a\u5b57\u7b26\u672a\u663e\u793a\uff09';
    text = prefix + text;
    if (printedLines >= MAX_LINES || printedChars + text.length > MAX_CHARS || host.print(text) === false) {
      full = true;
      dropped++;
      return;
    }
    printedLines++;
    printedChars += text.length;
  }

  function printer(prefix) {
    return function () {
      if (full) {
        dropped++;
        return;
      }
      emit(prefix, format(arguments, 0));
    };
  }

  var counts = {}, timers = {};
  var console = {
    log: printer(''),
    info: printer(''),
    debug: printer(''),
    warn: printer('[warn] '),
    error: printer('[error] '),
    dir: function (v) { emit('', preview(v, 0, false)); },
    trace: function () { emit('', 'console.trace ' + format(arguments, 0)); },
    table: function (v) { emit('', preview(v, 0, true)); },
    group: printer(''),
    groupCollapsed: printer(''),
    groupEnd: function () {},
    clear: function () {},
    assert: function (condition) {
      if (condition) return;
      var rest = [];
      for (var i = 1; i < arguments.length; i++) rest.push(arguments[i]);
      emit('[error] ', 'Assertion failed' + (rest.length ? ': ' + format(rest, 0) : ''));
    },
    count: function (label) {
      label = label === undefined ? 'default' : String(label);
      counts['$' + label] = (counts['$' + label] || 0) + 1;
      emit('', label + ': ' + counts['$' + label]);
    },
    countReset: function (label) {
      counts['$' + (label === undefined ? 'default' : String(label))] = 0;
    },
    time: function (label) {
      timers['$' + (label === undefined ? 'default' : String(label))] = host.now();
    },
    timeLog: function (label) { timeLine(label, false); },
    timeEnd: function (label) { timeLine(label, true); }
  };
  function timeLine(label, end) {
    label = label === undefined ? 'default' : String(label);
    var started = timers['$' + label];
    if (started === undefined) {
      emit('[warn] ', "Timer '" + label + "' does not exist");
      return;
    }
    emit('', label + ': ' + (host.now() - started) + ' ms');
    if (end) delete timers['$' + label];
  }
  global.console = console;

  var api = {
    next: function () { return false; },
    droppedLines: function () { return dropped; },
    droppedTimers: function () { return 0; }
  };
  if (!host.browser) return api;

  // ---- the browser environment --------------------------------------------------------------

  function watch(o, path) {
    return host.watch ? host.watch(o, path) : o;
  }
  function domError(name, message) {
    var e = new Error(message);
    e.name = name;
    return e;
  }
  function noop() {}
  // A stub that cannot do what the script asked, such as drawing, is listed with the names the
  // environment lacks: the script took a path a browser would not have sent it down.
  function stubbed(text) {
    if (host.missing) host.missing(text);
  }

  // window, self, top, parent and frames are the global object itself, or the host's stand-in
  // for it.
  var windowObject = host.window ? host.window(global) : global;
  global.window = global.self = global.top = global.parent = global.frames = windowObject;
  global.name = '';
  global.closed = false;
  global.opener = null;
  global.innerWidth = 1280;
  global.innerHeight = 720;
  global.outerWidth = 1296;
  global.outerHeight = 816;
  global.devicePixelRatio = 1;
  global.screenX = global.screenY = global.screenLeft = global.screenTop = 0;
  global.scrollX = global.scrollY = global.pageXOffset = global.pageYOffset = 0;
  global.isSecureContext = false;
  global.addEventListener = global.removeEventListener = noop;
  global.dispatchEvent = function () { return true; };
  global.scrollTo = global.scroll = global.focus = global.blur = global.close = global.open = noop;
  global.alert = function (text) { emit('[alert] ', text === undefined ? '' : safeText(text)); };
  global.confirm = function (text) {
    emit('[confirm] ', text === undefined ? '' : safeText(text));
    return false;
  };
  global.prompt = function (text) {
    emit('[prompt] ', text === undefined ? '' : safeText(text));
    return null;
  };

  // The page's address: protocol, host, port, path, query and fragment.
  var parts = /^(https?:)\/\/(?:[^\/?#@]*@)?([^\/?#:]*)(?::(\d*))?([^?#]*)(\?[^#]*)?(#.*)?$/i
                  .exec(host.location) ||
              /^(https?:)\/\/([^\/?#:]*)(?::(\d*))?([^?#]*)(\?[^#]*)?(#.*)?$/.exec('http://localhost/');
  var protocol = parts[1].toLowerCase(), hostname = parts[2].toLowerCase();
  var port = parts[3] || '';
  if ((protocol === 'http:' && port === '80') || (protocol === 'https:' && port === '443')) port = '';
  var pathname = parts[4] || '/', search = parts[5] || '', hash = parts[6] || '';
  if (search === '?') search = '';
  if (hash === '#') hash = '';
  var hostText = hostname + (port ? ':' + port : '');
  var href = protocol + '//' + hostText + pathname + search + hash;
  var rawLocation = {
    href: href,
    protocol: protocol,
    host: hostText,
    hostname: hostname,
    port: port,
    pathname: pathname,
    search: search,
    hash: hash,
    origin: protocol + '//' + hostText,
    assign: noop,
    replace: noop,
    reload: noop,
    toString: function () { return href; }
  };
  var location = watch(rawLocation, 'location');
  global.location = location;

  var plugins = [], mimeTypes = [];
  plugins.item = mimeTypes.item = function () { return null; };
  plugins.namedItem = mimeTypes.namedItem = function () { return null; };
  plugins.refresh = noop;
  var userAgent = 'Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 ' +
                  '(KHTML, like Gecko) Chrome/120.0.0.0 Safari/537.36';
  global.navigator = watch({
    appName: 'Netscape',
    appCodeName: 'Mozilla',
    appVersion: userAgent.substring(8),
    userAgent: userAgent,
    platform: 'Win32',
    product: 'Gecko',
    productSub: '20030107',
    vendor: 'Google Inc.',
    vendorSub: '',
    language: 'zh-CN',
    languages: ['zh-CN', 'zh'],
    cookieEnabled: true,
    onLine: true,
    doNotTrack: null,
    hardwareConcurrency: 8,
    maxTouchPoints: 0,
    webdriver: false,
    plugins: plugins,
    mimeTypes: mimeTypes,
    javaEnabled: function () { return false; },
    sendBeacon: function () { return true; }
  }, 'navigator');

  global.screen = watch({
    width: 1920, height: 1080, availWidth: 1920, availHeight: 1040, availLeft: 0, availTop: 0,
    colorDepth: 24, pixelDepth: 24
  }, 'screen');

  global.history = watch({
    length: 1, state: null, scrollRestoration: 'auto',
    back: noop, forward: noop, go: noop, pushState: noop, replaceState: noop
  }, 'history');

  // Chrome gives every page this object, and the user agent above is Chrome's: scripts check
  // the one against the other, and deeper probes (chrome.runtime, present only for extensions)
  // are listed.
  var chromeApp = {
    isInstalled: false,
    InstallState: {DISABLED: 'disabled', INSTALLED: 'installed', NOT_INSTALLED: 'not_installed'},
    RunningState: {CANNOT_RUN: 'cannot_run', READY_TO_RUN: 'ready_to_run', RUNNING: 'running'},
    getDetails: function () { return null; },
    getIsInstalled: function () { return false; },
    installState: function (callback) {
      if (typeof callback === 'function') callback('not_installed');
    },
    runningState: function () { return 'cannot_run'; }
  };
  var pageStart = new Date().getTime();
  global.chrome = watch({
    app: watch(chromeApp, 'window.chrome.app'),
    csi: function () {
      return {startE: pageStart, onloadT: pageStart + 120, pageT: new Date().getTime() - pageStart, tran: 15};
    },
    loadTimes: function () {
      var s = pageStart / 1000;
      return {
        requestTime: s, startLoadTime: s, commitLoadTime: s + 0.05, finishDocumentLoadTime: s + 0.1,
        finishLoadTime: s + 0.12, firstPaintTime: s + 0.11, firstPaintAfterLoadTime: 0,
        navigationType: 'Other', wasFetchedViaSpdy: false, wasNpnNegotiated: true,
        npnNegotiatedProtocol: 'h2', wasAlternateProtocolAvailable: false, connectionInfo: 'h2'
      };
    }
  }, 'window.chrome');

  // ---- document and elements ----

  function emptyList() {
    var list = [];
    list.item = function () { return null; };
    return list;
  }

  function makeElement(tag, path) {
    var name = String(tag).toUpperCase();
    var attributes = {};
    var raw = {
      tagName: name, nodeName: name, nodeType: 1, localName: name.toLowerCase(),
      id: '', className: '', innerHTML: '', outerHTML: '', innerText: '', textContent: '',
      title: '', lang: '', dir: '', hidden: false, src: '', href: '', type: '', value: '',
      width: 0, height: 0,
      offsetWidth: 0, offsetHeight: 0, offsetTop: 0, offsetLeft: 0, offsetParent: null,
      clientWidth: 0, clientHeight: 0, clientTop: 0, clientLeft: 0,
      scrollWidth: 0, scrollHeight: 0, scrollTop: 0, scrollLeft: 0,
      parentNode: null, parentElement: null, firstChild: null, lastChild: null,
      nextSibling: null, previousSibling: null,
      style: { cssText: '' },
      dataset: {},
      childNodes: [], children: [],
      setAttribute: function (n, v) { attributes['$' + String(n).toLowerCase()] = String(v); },
      getAttribute: function (n) {
        var k = '$' + String(n).toLowerCase();
        return hasOwn.call(attributes, k) ? attributes[k] : null;
      },
      hasAttribute: function (n) { return hasOwn.call(attributes, '$' + String(n).toLowerCase()); },
      removeAttribute: function (n) { delete attributes['$' + String(n).toLowerCase()]; },
      appendChild: function (child) {
        raw.childNodes.push(child);
        raw.children.push(child);
        raw.firstChild = raw.childNodes[0];
        raw.lastChild = child;
        try {
          child.parentNode = child.parentElement = element;
        } catch (e) {
        }
        return child;
      },
      insertBefore: function (child) { return raw.appendChild(child); },
      removeChild: function (child) {
        for (var i = 0; i < raw.childNodes.length; i++) {
          if (raw.childNodes[i] === child) {
            raw.childNodes.splice(i, 1);
            raw.children.splice(i, 1);
            break;
          }
        }
        raw.firstChild = raw.childNodes.length ? raw.childNodes[0] : null;
        raw.lastChild = raw.childNodes.length ? raw.childNodes[raw.childNodes.length - 1] : null;
        return child;
      },
      replaceChild: function (child, old) {
        raw.removeChild(old);
        return raw.appendChild(child);
      },
      cloneNode: function () { return makeElement(tag, path); },
      contains: function () { return false; },
      hasChildNodes: function () { return raw.childNodes.length > 0; },
      getElementsByTagName: emptyList,
      getElementsByClassName: emptyList,
      querySelector: function () { return null; },
      querySelectorAll: emptyList,
      getBoundingClientRect: function () {
        return {x: 0, y: 0, top: 0, left: 0, right: 0, bottom: 0, width: 0, height: 0};
      },
      getClientRects: emptyList,
      addEventListener: noop,
      removeEventListener: noop,
      dispatchEvent: function () { return true; },
      click: noop, focus: noop, blur: noop, remove: noop,
      getContext: function (type) {
        stubbed(path + '.getContext(' + (typeof type === 'string' ? '"' + type + '"' : '') +
                ')\uff08\u53ea\u8fd4\u56de null\uff09');
        return null;
      },
      toDataURL: function () { return 'data:,'; }
    };
    var element = watch(raw, path);
    return element;
  }

  var cookies = [];  // {name, value, path, expires}, in the order they were first set

  function cookieVisible(c, now) {
    return (c.expires === null || c.expires > now) &&
           (c.path === '/' || pathname === c.path || pathname.indexOf(c.path + '/') === 0 ||
            pathname.indexOf(c.path) === 0 && c.path.charAt(c.path.length - 1) === '/');
  }

  function readCookies() {
    var now = new Date().getTime(), shown = [], i;
    for (i = 0; i < cookies.length; i++)
      if (cookieVisible(cookies[i], now)) shown.push(cookies[i]);
    // Longer paths first, as browsers list them; otherwise in the order they were set.
    for (i = 1; i < shown.length; i++) {
      for (var j = i; j > 0 && shown[j - 1].path.length < shown[j].path.length; j--) {
        var t = shown[j];
        shown[j] = shown[j - 1];
        shown[j - 1] = t;
      }
    }
    var texts = [];
    for (i = 0; i < shown.length; i++)
      texts.push(shown[i].name === '' ? shown[i].value : shown[i].name + '=' + shown[i].value);
    return texts.join('; ');
  }

  function trim(s) {
    return s.replace(/^[\s\u00a0]+|[\s\u00a0]+$/g, '');
  }

  // One "name=value; attribute; ..." assignment, with the rules a browser applies to a script's
  // write: HttpOnly cannot be set from a script, Secure needs https, the domain must be the
  // page's own or a parent of it, an expiry in the past (or Max-Age 0) deletes.
  function writeCookie(text) {
    var pieces = String(text).split(';');
    var pair = pieces[0], eq = pair.indexOf('=');
    var name = eq < 0 ? '' : trim(pair.substring(0, eq));
    var value = trim(eq < 0 ? pair : pair.substring(eq + 1));
    var path = null, expires = null, maxAge = null;
    if (name === '' && value === '') return;
    for (var i = 1; i < pieces.length; i++) {
      var piece = pieces[i], at = piece.indexOf('=');
      var key = trim(at < 0 ? piece : piece.substring(0, at)).toLowerCase();
      var val = at < 0 ? '' : trim(piece.substring(at + 1));
      if (key === 'httponly') return;
      if (key === 'secure' && protocol !== 'https:') return;
      if (key === 'path' && val.charAt(0) === '/') path = val;
      if (key === 'expires') {
        var when = Date.parse(val);
        if (!isNaN(when)) expires = when;
      }
      if (key === 'max-age' && /^-?\d+$/.test(val)) maxAge = parseInt(val, 10);
      if (key === 'domain' && val !== '') {
        var d = val.toLowerCase().replace(/^\./, '');
        if (d !== hostname && hostname.substring(hostname.length - d.length - 1) !== '.' + d) return;
      }
    }
    if (maxAge !== null) expires = new Date().getTime() + maxAge * 1000;
    if (path === null) {
      var slash = pathname.lastIndexOf('/');
      path = slash <= 0 ? '/' : pathname.substring(0, slash);
    }
    for (i = 0; i < cookies.length; i++) {
      if (cookies[i].name === name && cookies[i].path === path) {
        cookies[i].value = value;
        cookies[i].expires = expires;
        if (expires !== null && expires <= new Date().getTime()) cookies.splice(i, 1);
        return;
      }
    }
    if (expires !== null && expires <= new Date().getTime()) return;
    cookies.push({name: name, value: value, path: path, expires: expires});
  }

  var rawDocument = {
    nodeType: 9,
    nodeName: '#document',
    referrer: '',
    title: '',
    URL: href,
    documentURI: href,
    baseURI: href,
    domain: hostname,
    location: location,
    readyState: 'complete',
    visibilityState: 'visible',
    hidden: false,
    characterSet: 'UTF-8',
    charset: 'UTF-8',
    inputEncoding: 'UTF-8',
    contentType: 'text/html',
    compatMode: 'CSS1Compat',
    defaultView: windowObject,
    cookie: '',
    forms: [], images: [], links: [], scripts: [], anchors: [], plugins: [], embeds: [],
    createElement: function (tag) {
      return makeElement(tag, 'document.createElement("' + String(tag).toLowerCase() + '")');
    },
    createElementNS: function (ns, tag) {
      return makeElement(tag, 'document.createElementNS("' + String(tag).toLowerCase() + '")');
    },
    createTextNode: function (text) {
      return {nodeType: 3, nodeName: '#text', data: String(text), textContent: String(text)};
    },
    createDocumentFragment: function () { return makeElement('#document-fragment', 'document.createDocumentFragment()'); },
    createComment: function (text) { return {nodeType: 8, nodeName: '#comment', data: String(text)}; },
    createEvent: function () { return {initEvent: noop}; },
    getElementById: function () { return null; },
    getElementsByTagName: emptyList,
    getElementsByClassName: emptyList,
    getElementsByName: emptyList,
    querySelector: function () { return null; },
    querySelectorAll: emptyList,
    addEventListener: noop,
    removeEventListener: noop,
    dispatchEvent: function () { return true; },
    hasFocus: function () { return true; },
    write: noop,
    writeln: noop,
    open: noop,
    close: noop
  };
  var html = makeElement('html', 'document.documentElement');
  rawDocument.documentElement = html;
  rawDocument.head = makeElement('head', 'document.head');
  rawDocument.body = makeElement('body', 'document.body');
  host.accessor(rawDocument, 'cookie', readCookies, writeCookie);
  global.document = watch(rawDocument, 'document');
  global.Image = function (width, height) {
    var img = makeElement('img', 'new Image()');
    if (width !== undefined) img.width = width;
    if (height !== undefined) img.height = height;
    return img;
  };

  // ---- storage, held for this run only ----

  function makeStorage() {
    var items = {};
    var storage = {
      length: 0,
      getItem: function (k) {
        k = '$' + String(k);
        return hasOwn.call(items, k) ? items[k] : null;
      },
      setItem: function (k, v) {
        k = '$' + String(k);
        if (!hasOwn.call(items, k)) storage.length++;
        items[k] = String(v);
      },
      removeItem: function (k) {
        k = '$' + String(k);
        if (!hasOwn.call(items, k)) return;
        delete items[k];
        storage.length--;
      },
      clear: function () {
        items = {};
        storage.length = 0;
      },
      key: function (n) {
        var i = 0;
        for (var k in items) if (hasOwn.call(items, k) && i++ === n) return k.substring(1);
        return null;
      }
    };
    return storage;
  }
  global.localStorage = makeStorage();
  global.sessionStorage = makeStorage();

  // ---- atob and btoa: Latin-1 text, the browser's errors ----

  var alphabet = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/';

  global.btoa = function (text) {
    if (arguments.length === 0) throw new TypeError("Failed to execute 'btoa' on 'Window': 1 argument required, but only 0 present.");
    var s = String(text), out = [];
    for (var i = 0; i < s.length; i++) {
      if (s.charCodeAt(i) > 255)
        throw domError('InvalidCharacterError', "Failed to execute 'btoa' on 'Window': The string to be encoded contains characters outside of the Latin1 range.");
    }
    for (i = 0; i < s.length; i += 3) {
      var a = s.charCodeAt(i), b = i + 1 < s.length ? s.charCodeAt(i + 1) : -1;
      var c = i + 2 < s.length ? s.charCodeAt(i + 2) : -1;
      out.push(alphabet.charAt(a >> 2));
      out.push(alphabet.charAt(((a & 3) << 4) | (b < 0 ? 0 : b >> 4)));
      out.push(b < 0 ? '=' : alphabet.charAt(((b & 15) << 2) | (c < 0 ? 0 : c >> 6)));
      out.push(c < 0 ? '=' : alphabet.charAt(c & 63));
    }
    return out.join('');
  };

  global.atob = function (text) {
    if (arguments.length === 0) throw new TypeError("Failed to execute 'atob' on 'Window': 1 argument required, but only 0 present.");
    var bad = "Failed to execute 'atob' on 'Window': The string to be decoded is not correctly encoded.";
    var s = String(text).replace(/[\t\n\f\r ]+/g, '');
    if (s.length % 4 === 0) s = s.replace(/==?$/, '');
    if (s.length % 4 === 1 || /[^A-Za-z0-9+\/]/.test(s)) throw domError('InvalidCharacterError', bad);
    var out = [], bits = 0, count = 0;
    for (var i = 0; i < s.length; i++) {
      bits = (bits << 6) | alphabet.indexOf(s.charAt(i));
      count += 6;
      if (count >= 8) {
        count -= 8;
        out.push(String.fromCharCode((bits >> count) & 255));
      }
    }
    return out.join('');
  };

  // ---- crypto and performance ----

  var start = host.now();
  global.performance = watch({
    now: function () { return host.now() - start; },
    timeOrigin: new Date().getTime(),
    mark: noop,
    measure: noop
  }, 'performance');

  // Only where typed arrays exist: getRandomValues fills them, and a script finding crypto takes
  // a path that needs them (the engine of the Windows script host has neither).
  if (typeof Uint8Array !== 'undefined') global.crypto = watch({
    getRandomValues: function (array) {
      if (array === null || typeof array !== 'object' || typeof array.length !== 'number')
        throw new TypeError("Failed to execute 'getRandomValues' on 'Crypto': parameter 1 is not of type 'ArrayBufferView'.");
      var tag = tagOf(array);
      if (/^Float/.test(tag))
        throw domError('TypeMismatchError', "Failed to execute 'getRandomValues' on 'Crypto': The provided ArrayBufferView is of type '" + tag + "', which is not an integer array type.");
      // A plain array (scripts for engines without typed arrays) takes bytes.
      var size = array.BYTES_PER_ELEMENT || 1;
      if (array.length * size > 65536)
        throw domError('QuotaExceededError', "Failed to execute 'getRandomValues' on 'Crypto': The ArrayBufferView's byte length (" + array.length * size + ') exceeds the number of bytes of entropy available via this API (65536).');
      var bytes = host.random(array.length * size);
      for (var i = 0; i < array.length; i++) {
        var v = 0;
        for (var j = size - 1; j >= 0; j--) v = v * 256 + bytes[i * size + j];
        array[i] = v;
      }
      return array;
    }
  }, 'crypto');

  // ---- XMLHttpRequest: records what would be sent, sends nothing ----

  global.XMLHttpRequest = function () {
    var headers = [], method = 'GET', url = '';
    var raw = {
      readyState: 0, status: 0, statusText: '', responseText: '', response: '',
      responseType: '', responseURL: '', timeout: 0, withCredentials: false,
      onreadystatechange: null, onload: null, onerror: null,
      open: function (m, u) {
        method = String(m).toUpperCase();
        url = String(u);
        raw.readyState = 1;
      },
      setRequestHeader: function (n, v) { headers.push(n + ': ' + v); },
      getResponseHeader: function () { return null; },
      getAllResponseHeaders: function () { return ''; },
      overrideMimeType: noop,
      abort: noop,
      addEventListener: noop,
      removeEventListener: noop,
      send: function (body) {
        emit('[XMLHttpRequest] ', '\u672a\u53d1\u9001 ' + method + ' ' + url +
             (headers.length ? ' \u5934: ' + headers.join('; ') : '') +
             (body === undefined || body === null ? '' : ' \u5185\u5bb9: ' + safeText(body)));
      }
    };
    return watch(raw, 'new XMLHttpRequest()');
  };

  // ---- timers: run in due order after the script and after the call ----

  // A self-renewing timer must not keep a run busy until its time limit: callbacks beyond the
  // budget are dropped and counted, and an interval fires a bounded number of times.
  var MAX_CALLBACKS = 1000, MAX_INTERVAL_RUNS = 100;
  var queue = [], nextId = 1, clock = 0, ran = 0, droppedTimers = 0;

  function schedule(callback, delay, args, repeat) {
    delay = Number(delay);
    if (!(delay > 0)) delay = 0;
    var timer = {id: nextId++, callback: callback, delay: delay, due: clock + delay, args: args,
                 repeat: repeat, runs: 0};
    queue.push(timer);
    return timer.id;
  }
  function rest(args, from) {
    var out = [];
    for (var i = from; i < args.length; i++) out.push(args[i]);
    return out;
  }
  function cancel(id) {
    for (var i = 0; i < queue.length; i++) {
      if (queue[i].id === id) {
        queue.splice(i, 1);
        return;
      }
    }
  }
  global.setTimeout = function (callback, delay) {
    return schedule(callback, delay, rest(arguments, 2), false);
  };
  global.setInterval = function (callback, delay) {
    return schedule(callback, delay, rest(arguments, 2), true);
  };
  global.clearTimeout = global.clearInterval = function (id) { cancel(id); };

  api.next = function () {
    if (queue.length === 0) return false;
    if (ran >= MAX_CALLBACKS) {
      droppedTimers += queue.length;
      queue = [];
      return false;
    }
    var first = 0;
    for (var i = 1; i < queue.length; i++)
      if (queue[i].due < queue[first].due) first = i;
    var timer = queue[first];
    clock = timer.due;
    timer.runs++;
    if (timer.repeat && timer.runs < MAX_INTERVAL_RUNS) {
      // Behind every timer already due at the same time, as a browser queues it.
      queue.splice(first, 1);
      timer.due = clock + (timer.delay > 0 ? timer.delay : 1);
      queue.push(timer);
    } else {
      queue.splice(first, 1);
    }
    ran++;
    try {
      if (typeof timer.callback === 'function') timer.callback.apply(global, timer.args);
      else new Function(String(timer.callback))();
    } catch (e) {
      emit('[error] ', 'Uncaught ' + errorText(e));
      if (host.uncaught) host.uncaught(e);
    }
    return true;
  };
  api.droppedTimers = function () { return droppedTimers; };
  return api;
})

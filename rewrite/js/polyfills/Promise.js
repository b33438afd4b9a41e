// Promise: then, catch, finally, resolve, reject, all, race. The script host has no event loop,
// so reactions run from a queue that is emptied as soon as the outermost Promise call returns,
// before the caller's next statement: values and order within the promise chain are the
// standard ones, but a chain settles before the code after it rather than after it.
(function (global) {
  var queue = [], draining = false;
  function later(fn) {
    queue[queue.length] = fn;
    if (draining) return;
    draining = true;
    try {
      for (var i = 0; i < queue.length; i++) queue[i]();
    } finally {
      queue = [];
      draining = false;
    }
  }
  function isThenable(v) { return v !== null && (typeof v == "object" || typeof v == "function") && typeof v.then == "function"; }

  function Promise(executor) {
    if (!(this instanceof Promise)) throw new TypeError("Promise constructor cannot be invoked without 'new'");
    if (typeof executor != "function") throw new TypeError("Promise resolver is not a function");
    this.state = "pending";
    this.value = undefined;
    this.reactions = [];
    var self = this, done = false;
    function resolve(v) { if (!done) { done = true; settleWith(self, v); } }
    function reject(e) { if (!done) { done = true; settle(self, "rejected", e); } }
    try { executor(resolve, reject); } catch (e) { reject(e); }
  }
  function settleWith(p, v) {
    if (v === p) return settle(p, "rejected", new TypeError("Chaining cycle detected for promise"));
    if (isThenable(v)) {
      later(function () {
        var done = false;
        try {
          v.then(function (x) { if (!done) { done = true; settleWith(p, x); } },
                 function (e) { if (!done) { done = true; settle(p, "rejected", e); } });
        } catch (e) {
          if (!done) { done = true; settle(p, "rejected", e); }
        }
      });
      return;
    }
    settle(p, "fulfilled", v);
  }
  function settle(p, state, value) {
    if (p.state != "pending") return;
    p.state = state;
    p.value = value;
    var reactions = p.reactions;
    p.reactions = [];
    for (var i = 0; i < reactions.length; i++) react(p, reactions[i]);
  }
  function react(p, r) {
    later(function () {
      var handler = p.state == "fulfilled" ? r.onFulfilled : r.onRejected;
      if (typeof handler != "function") {
        if (p.state == "fulfilled") settleWith(r.next, p.value);
        else settle(r.next, "rejected", p.value);
        return;
      }
      var result;
      try { result = handler(p.value); } catch (e) { settle(r.next, "rejected", e); return; }
      settleWith(r.next, result);
    });
  }
  Promise.prototype.then = function (onFulfilled, onRejected) {
    var next = new Promise(function () {});
    var r = { onFulfilled: onFulfilled, onRejected: onRejected, next: next };
    if (this.state == "pending") this.reactions[this.reactions.length] = r;
    else react(this, r);
    return next;
  };
  Promise.prototype["catch"] = function (onRejected) { return this.then(undefined, onRejected); };
  Promise.prototype["finally"] = function (fn) {
    return this.then(function (v) { fn(); return v; }, function (e) { fn(); throw e; });
  };
  Promise.resolve = function (v) {
    if (v instanceof Promise) return v;
    return new Promise(function (resolve) { resolve(v); });
  };
  Promise.reject = function (e) { return new Promise(function (resolve, reject) { reject(e); }); };
  Promise.all = function (items) {
    return new Promise(function (resolve, reject) {
      var results = [], left = items.length;
      if (left === 0) return resolve(results);
      for (var i = 0; i < items.length; i++) {
        (function (i) {
          Promise.resolve(items[i]).then(function (v) {
            results[i] = v;
            if (--left === 0) resolve(results);
          }, reject);
        })(i);
      }
    });
  };
  Promise.race = function (items) {
    return new Promise(function (resolve, reject) {
      for (var i = 0; i < items.length; i++) Promise.resolve(items[i]).then(resolve, reject);
    });
  };
  global.Promise = Promise;
})(this);

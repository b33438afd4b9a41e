// An esbuild 0.19.12 bundle (--bundle --format=iife --target=es5) of three small ES modules.
(function() {
  // src/format.js
  function pad(n, width) {
    var s = String(n);
    while (s.length < width)
      s = "0" + s;
    return s;
  }
  var units = ["B", "KB", "MB"];
  function human(bytes) {
    var i = 0;
    while (bytes >= 1024 && i < units.length - 1) {
      bytes /= 1024;
      i++;
    }
    return bytes.toFixed(1) + " " + units[i];
  }

  // src/stats.js
  function summary(values) {
    var total = values.reduce(function(a, b) {
      return a + b;
    }, 0);
    var sorted = values.slice().sort(function(a, b) {
      return a - b;
    });
    return {
      count: values.length,
      total: total,
      median: sorted[Math.floor(sorted.length / 2)],
      labels: values.map(function(v, i) {
        return pad(i, 3) + ":" + v;
      }).filter(function(s) {
        return s.indexOf(":0") < 0;
      })
    };
  }

  // src/main.js
  function test(text) {
    var values = text.split(",").map(Number);
    var s = summary(values);
    var keys = Object.keys(s).join("/");
    return JSON.stringify(s) + "|" + keys + "|" + human(s.total * 1e3) + "|" + " trimmed ".trim() + "|" + Array.isArray(values);
  }
  window.test = test;
})();

import { pad } from './format.js';
export function summary(values) {
  var total = values.reduce(function (a, b) { return a + b; }, 0);
  var sorted = values.slice().sort(function (a, b) { return a - b; });
  return {
    count: values.length,
    total: total,
    median: sorted[Math.floor(sorted.length / 2)],
    labels: values.map(function (v, i) { return pad(i, 3) + ':' + v; }).filter(function (s) { return s.indexOf(':0') < 0; })
  };
}

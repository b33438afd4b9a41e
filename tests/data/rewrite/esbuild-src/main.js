import { human } from './format.js';
import { summary } from './stats.js';
function test(text) {
  var values = text.split(',').map(Number);
  var s = summary(values);
  var keys = Object.keys(s).join('/');
  return JSON.stringify(s) + '|' + keys + '|' + human(s.total * 1000) + '|' + ' trimmed '.trim() + '|' + Array.isArray(values);
}
window.test = test;

export function pad(n, width) {
  var s = String(n);
  while (s.length < width) s = '0' + s;
  return s;
}
export var units = ['B', 'KB', 'MB'];
export function human(bytes) {
  var i = 0;
  while (bytes >= 1024 && i < units.length - 1) { bytes /= 1024; i++; }
  return bytes.toFixed(1) + ' ' + units[i];
}

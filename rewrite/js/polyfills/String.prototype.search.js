// String.prototype.startsWith, endsWith and includes.
(function () {
  var S = String.prototype;
  if (!S.startsWith) S.startsWith = function (search, at) {
    var s = String(this), p = at ? Math.max(Math.floor(Number(at)) || 0, 0) : 0;
    search = String(search);
    return s.substring(p, p + search.length) === search;
  };
  if (!S.endsWith) S.endsWith = function (search, end) {
    var s = String(this), e = end === undefined ? s.length : Math.min(Math.max(Math.floor(Number(end)) || 0, 0), s.length);
    search = String(search);
    return e - search.length >= 0 && s.substring(e - search.length, e) === search;
  };
  if (!S.includes) S.includes = function (search, at) {
    return String(this).indexOf(String(search), at || 0) != -1;
  };
})();

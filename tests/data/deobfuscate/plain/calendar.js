// Date arithmetic without Date: day of week and days in month, as a booking widget does.
var MONTH_NAMES = ["January", "February", "March", "April", "May", "June", "July",
    "August", "September", "October", "November", "December"];
var DAY_NAMES = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"];
function isLeap(year) {
    return (year % 4 === 0 && year % 100 !== 0) || year % 400 === 0;
}
function daysInMonth(year, month) {
    if (month === 2) {
        return isLeap(year) ? 29 : 28;
    }
    return [4, 6, 9, 11].indexOf(month) >= 0 ? 30 : 31;
}
function dayOfWeek(y, m, d) {
    var t = [0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4];
    if (m < 3) {
        y -= 1;
    }
    return (y + Math.floor(y / 4) - Math.floor(y / 100) + Math.floor(y / 400) + t[m - 1] + d) % 7;
}
function describe(y, m, d) {
    return DAY_NAMES[dayOfWeek(y, m, d)] + ", " + MONTH_NAMES[m - 1] + " " + d + " of " +
        daysInMonth(y, m) + " days";
}
function check() {
    return describe(2024, 2, 29) + " | " + describe(1999, 12, 31) + " | " + describe(2026, 7, 4);
}

// A shopping cart total with discounts and a formatted receipt.
var TAX_RATE = 0.08;
var CODES = { SAVE10: 10, HALF: 50, NONE: 0 };
function Cart() {
    this.items = [];
}
Cart.prototype.add = function (name, price, qty) {
    this.items.push({ name: name, price: price, qty: qty || 1 });
    return this;
};
Cart.prototype.subtotal = function () {
    var sum = 0;
    for (var i = 0; i < this.items.length; i++) {
        sum += this.items[i].price * this.items[i].qty;
    }
    return sum;
};
Cart.prototype.total = function (code) {
    var off = CODES[code] || 0;
    var net = this.subtotal() * (100 - off) / 100;
    return Math.round(net * (1 + TAX_RATE) * 100) / 100;
};
function receipt(cart, code) {
    var lines = [];
    for (var i = 0; i < cart.items.length; i++) {
        var it = cart.items[i];
        lines.push(it.name + " x" + it.qty + " @ " + it.price.toFixed(2));
    }
    lines.push("code: " + code);
    lines.push("total: " + cart.total(code).toFixed(2));
    return lines.join("; ");
}
function check() {
    var cart = new Cart().add("apple", 1.25, 4).add("bread", 3.5).add("cheese", 7.99, 2);
    return receipt(cart, "SAVE10") + " / " + new Cart().add("tea", 4).total("HALF");
}

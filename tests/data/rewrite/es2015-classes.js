// A small ES2015+ script of the kind pages carry: classes with inheritance and static members,
// let/const, arrows, template literals, destructuring, default and rest parameters, spread,
// for...of, shorthand and computed properties, reserved words as property names.
const CURRENCY = 'CNY';

class Item {
  constructor(name, price, quantity = 1) {
    this.name = name;
    this.price = price;
    this.quantity = quantity;
  }
  total() { return this.price * this.quantity; }
  describe() { return `${this.name} x${this.quantity} = ${this.total().toFixed(2)} ${CURRENCY}`; }
  static from([name, price, quantity]) { return new this(name, price, quantity); }
}

class DiscountedItem extends Item {
  constructor(name, price, quantity, rate = 0.1) {
    super(name, price, quantity);
    this.rate = rate;
  }
  total() { return super.total() * (1 - this.rate); }
  describe() { return `${super.describe()} (-${Math.round(this.rate * 100)}%)`; }
}

class Cart {
  constructor(...items) { this.items = [...items]; }
  add(...more) { this.items.push(...more); return this; }
  size() { return this.items.length; }
  sum() {
    let total = 0;
    for (const item of this.items) total += item.total();
    return total;
  }
  report() {
    const {items, ...rest} = {items: this.items.map(i => i.describe()), count: this.size(), default: 'ok'};
    const summary = {count: rest.count, [`sum_${CURRENCY}`]: this.sum().toFixed(2), class: rest.default};
    return items.join('; ') + ' | ' + JSON.stringify(summary) + ' | ' + Object.keys(summary).length;
  }
}

function test(name, price) {
  const cart = new Cart(Item.from(['pen', 2.5, 4]), new DiscountedItem('book', 40, 1, 0.25));
  cart.add(new Item(name, price));
  return cart.report();
}

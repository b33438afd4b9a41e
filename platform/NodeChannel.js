// The child's end of platform/NodeProcess's channel: its standard input and output, a socket on
// POSIX, two pipes on Windows. Every runner script of ours carries this text in place of its
// marker line, so the runners read and write frames alike. Kept to ASCII: the texts are embedded
// in C++ string literals.
const fs = require('fs');

// Exactly n bytes of standard input; the end of input ends the process.
function readExact(n) {
  const buffer = Buffer.allocUnsafe(n);
  let got = 0;
  while (got < n) {
    let r;
    try {
      r = fs.readSync(0, buffer, got, n - got, null);
    } catch (e) {
      if (e.code === 'EAGAIN' || e.code === 'EINTR') continue;
      process.exit(0);
    }
    if (r === 0) process.exit(0);  // the owner closed the channel: it is done with us
    got += r;
  }
  return buffer;
}

// The whole buffer to standard output; a closed channel ends the process.
function writeAll(buffer) {
  let done = 0;
  while (done < buffer.length) {
    try {
      done += fs.writeSync(1, buffer, done, buffer.length - done);
    } catch (e) {
      if (e.code === 'EAGAIN' || e.code === 'EINTR') continue;
      process.exit(0);
    }
  }
}

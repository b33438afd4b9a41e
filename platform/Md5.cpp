#include "platform/Md5.h"

#include <algorithm>

#include "platform/Digests.h"

namespace jsdebug::platform {

struct Md5Stream::State {
  Hasher hasher{DigestKind::Md5};
};

Md5Stream::Md5Stream() : state_(std::make_unique<State>()) {}
Md5Stream::~Md5Stream() = default;

bool Md5Stream::add(std::string_view bytes) {
  state_->hasher.update(bytes);
  return true;
}

bool Md5Stream::finish(Md5Digest& out) {
  const std::optional<std::string> raw = state_->hasher.finish();
  if (!raw || raw->size() != out.size()) return false;
  std::copy(raw->begin(), raw->end(), out.begin());
  return true;
}

bool md5(std::string_view bytes, Md5Digest& out) {
  Md5Stream stream;
  return stream.add(bytes) && stream.finish(out);
}

}  // namespace jsdebug::platform

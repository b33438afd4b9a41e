#pragma once
// The toolbox's operations by name, as the CLI's OP and the window's buttons take them. Every
// operation reads a GBK text and gives bytes or a reason (Outcome.h).

#include <string>
#include <string_view>
#include <vector>

#include "encode/Charset.h"
#include "encode/Outcome.h"

namespace jsdebug::encode {

struct Options {
  // Which bytes the text stands for, and how decoded bytes are read back as text.
  Charset charset = Charset::Gbk;
  // HMAC's key: a text in the same charset, or "hex:..." for raw bytes.
  std::string key;
  // Base64 encoding: "-" and "_" for "+" and "/"; "=" padding.
  bool urlSafe = false;
  bool pad = true;
  // Digests and HMAC in Base64 instead of lower-case hexadecimal.
  bool digestBase64 = false;
};

struct Operation {
  const char* name;     // the CLI's OP
  const char* caption;  // the window's button (GBK)
  bool usesKey;
  // Base64 encoding whose options the window offers on its "Base64编码" button already.
  bool cliOnly;
  Outcome (*run)(std::string_view text, const Options& options);
};

// In the order the window lays them out.
const std::vector<Operation>& operations();
const Operation* findOperation(std::string_view name);

// The HMAC key's bytes from Options::key, or why it cannot be read.
Outcome keyBytes(const Options& options);

}  // namespace jsdebug::encode

#pragma once
// "MD5加密": the digest of the editor's bytes, reported in the output log.

#include <string>
#include <string_view>

namespace jsdebug::workflow {
class Workbench;
}  // namespace jsdebug::workflow

namespace jsdebug::transform {

// RFC 1321 digest of the bytes as 32 lower-case hexadecimal digits.
std::string md5Hex(std::string_view bytes);

// Empties the output log and writes the digest of the editor's whole text (its GBK bytes)
// between separators. The editor is only read.
void md5Command(workflow::Workbench& bench);
// The same block for bytes already in hand, so the CLI digests a file without a second copy.
void showMd5(workflow::Workbench& bench, std::string_view bytes);
// The same block for a digest already taken (empty when there is none).
void showMd5Hex(workflow::Workbench& bench, const std::string& hex);

}  // namespace jsdebug::transform

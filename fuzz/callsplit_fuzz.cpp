// Splitting the call box's text into a name and its arguments, and the function-picking texts
// around it. Arbitrary text must never crash; a call built from a name and arguments splits back
// into exactly them; a picked signature survives its trip through the debug item's caption.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/Pieces.h"
#include "workflow/CallBox.h"

namespace {

void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "callsplit_fuzz: %s\n", what);
    std::abort();
  }
}

const char* const kPieces[] = {"test", "(", ")", "|", "'", "\"", ",", " ", "　", "中",
                               "[", "]", "function ", "\x81", "1", ")|", "\t", "a"};

std::string piecesText(FuzzedDataProvider& in, int most) {
  return jsdebug::fuzzing::piecesText(in, most, kPieces);
}

bool isBlank(const std::string& s, std::size_t i) {
  return s[i] == ' ' || (i + 1 < s.size() && s.compare(i, 2, "　") == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string box = piecesText(in, 40);
  const std::string name = piecesText(in, 8);
  const std::string arguments = piecesText(in, 16);
  const std::string tail = piecesText(in, 8);

  (void)jsdebug::workflow::splitCallToRun(box);
  (void)jsdebug::workflow::pickedSignature(box);
  (void)jsdebug::workflow::callFromCaption(box);

  // name(arguments) with the separators the split looks for kept out of the parts, the name
  // free of blanks at its start and lead bytes that could swallow the "(" after it.
  const bool plainName = !name.empty() && name.find_first_of("(|") == std::string::npos &&
                         !isBlank(name, 0) && static_cast<unsigned char>(name.back()) < 0x80;
  const bool plainArguments = (arguments + "|").find(")|") == std::string::npos &&
                              arguments.find('\x81') == std::string::npos &&
                              (arguments.empty() || static_cast<unsigned char>(arguments.back()) < 0x80);
  // Quotes and comment openers are left out too: a call ending in a comment loses it, and
  // "//" outside quotes starts one ("test(a//b)" never closes its parenthesis).
  const std::string call = name + "(" + arguments + ")";
  const bool noCommentOrQuote = call.find("//") == std::string::npos &&
                                call.find("/*") == std::string::npos &&
                                call.find_first_of("'\"`") == std::string::npos;
  if (plainName && plainArguments && noCommentOrQuote && name.find('\x81') == std::string::npos &&
      name.find("　") == std::string::npos && name.find_first_of("\x80\xFF") == std::string::npos) {
    const jsdebug::workflow::CallToRun split = jsdebug::workflow::splitCallToRun(call);
    require(split.name == name, "the name of name(arguments)");
    require(split.arguments == arguments, "the arguments of name(arguments)");
  }

  // The caption carries the signature between "[" and "]"; the call box gets it back with ")".
  const std::string signature = "test(" + arguments;
  if (signature.find_first_of("[]") == std::string::npos &&
      static_cast<unsigned char>(signature.back()) < 0x80)
    require(jsdebug::workflow::callFromCaption(jsdebug::workflow::debugItemCaption(signature)) ==
                signature + ")",
            "a signature through the debug item's caption");

  // "function " up to the first ")".
  if (name.find(')') == std::string::npos && name.find("function ") == std::string::npos &&
      (name.empty() || static_cast<unsigned char>(name.back()) < 0x80))
    require(jsdebug::workflow::pickedSignature("function " + name + ")" + tail) == name,
            "the signature after function");
  return 0;
}

#include "platform/CodePages.h"

#include <cstring>
#include <string>
#include <string_view>

#include "text/Codec.h"

namespace jsdebug::platform {
namespace {

thread_local std::uint32_t error = 0;

int fail(std::uint32_t code) {
  error = code;
  return 0;
}

constexpr char16_t kReplacement = 0xFFFD;

// Decodes UTF-8 into UTF-16, replacing each maximal invalid subpart by one U+FFFD, the practice
// Unicode recommends and current Windows follows. Returns false on the first invalid sequence
// when `strict`.
bool utf8ToUtf16(std::string_view in, std::u16string& out, bool strict) {
  out.reserve(in.size());
  std::size_t i = 0;
  while (i < in.size()) {
    auto b0 = static_cast<unsigned char>(in[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    }
    int extra = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    char32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
      extra = 1, cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
      extra = 2, cp = b0 & 0x0F;
      if (b0 == 0xE0) lo = 0xA0;
      if (b0 == 0xED) hi = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      extra = 3, cp = b0 & 0x07;
      if (b0 == 0xF0) lo = 0x90;
      if (b0 == 0xF4) hi = 0x8F;
    } else {
      if (strict) return false;
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    int got = 0;
    while (got < extra && j < in.size()) {
      auto b = static_cast<unsigned char>(in[j]);
      if (b < (got == 0 ? lo : 0x80) || b > (got == 0 ? hi : 0xBF)) break;
      cp = cp << 6 | (b & 0x3F);
      ++got, ++j;
    }
    if (got < extra) {
      if (strict) return false;
      out.push_back(kReplacement);
      i = j;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i = j;
  }
  return true;
}

// Lone surrogates become U+FFFD (EF BF BD), or a failure when `strict`.
bool utf16ToUtf8(std::u16string_view in, std::string& out, bool strict) {
  out.reserve(in.size() * 3);
  for (std::size_t i = 0; i < in.size(); ++i) {
    char32_t cp = in[i];
    if (cp >= 0xD800 && cp <= 0xDFFF) {
      if (cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
        ++i;
      } else {
        if (strict) return false;
        cp = kReplacement;
      }
    }
    gbk::appendUtf8(out, cp);
  }
  return true;
}

// GBK through the program's one codec. Characters it cannot hold come back as "?"; only when the
// caller asks which ones (or supplies its own default) is the text encoded character by character.
bool utf16ToGbk(std::u16string_view in, std::string& out, bool strict, const char* defaultChar,
                int* usedDefaultChar) {
  if (usedDefaultChar != nullptr) *usedDefaultChar = 0;
  if (!strict && defaultChar == nullptr && usedDefaultChar == nullptr) {
    out = gbk::fromUtf16(in);
    return true;
  }
  out.reserve(in.size() * 2);
  char fallback = defaultChar != nullptr ? defaultChar[0] : '?';
  for (std::size_t i = 0; i < in.size();) {
    bool pair = in[i] >= 0xD800 && in[i] <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
                in[i + 1] <= 0xDFFF;
    std::u16string_view one = in.substr(i, pair ? 2 : 1);
    std::string encoded = gbk::fromUtf16(one);
    if (encoded == "?" && one != u"?") {
      if (strict) return false;
      if (usedDefaultChar != nullptr) *usedDefaultChar = 1;
      out.push_back(fallback);
    } else {
      out += encoded;
    }
    i += one.size();
  }
  return true;
}

// Copies a converted text into the caller's buffer, or only reports its length.
template <typename Char>
int deliver(const std::basic_string<Char>& text, Char* destination, int capacity) {
  if (text.size() > static_cast<std::size_t>(INT32_MAX)) return fail(kERROR_INSUFFICIENT_BUFFER);
  int length = static_cast<int>(text.size());
  if (capacity == 0) return length;
  if (length > capacity) return fail(kERROR_INSUFFICIENT_BUFFER);
  std::memcpy(destination, text.data(), text.size() * sizeof(Char));
  return length;
}

}  // namespace

int JSDEBUG_STDCALL MultiByteToWideChar(unsigned codePage, std::uint32_t flags, const char* source,
                        int sourceLength, char16_t* destination, int destinationCapacity) {
  if (source == nullptr || sourceLength == 0 || sourceLength < -1 || destinationCapacity < 0 ||
      (destination == nullptr && destinationCapacity != 0))
    return fail(kERROR_INVALID_PARAMETER);
  if ((flags & ~kMB_ERR_INVALID_CHARS) != 0) return fail(kERROR_INVALID_FLAGS);
  bool strict = (flags & kMB_ERR_INVALID_CHARS) != 0;
  std::string_view in(source, sourceLength == -1 ? std::strlen(source) + 1
                                                 : static_cast<std::size_t>(sourceLength));
  std::u16string out;
  if (codePage == kCodePageUtf8) {
    if (!utf8ToUtf16(in, out, strict)) return fail(kERROR_NO_UNICODE_TRANSLATION);
  } else if (codePage == kCodePageGbk) {
    out = gbk::toUtf16(in);
    if (strict)
      for (char16_t u : out)
        if (u >= gbk::kEscapeFirst && u <= gbk::kEscapeLast) return fail(kERROR_NO_UNICODE_TRANSLATION);
  } else {
    return fail(kERROR_INVALID_PARAMETER);
  }
  return deliver(out, destination, destinationCapacity);
}

int JSDEBUG_STDCALL WideCharToMultiByte(unsigned codePage, std::uint32_t flags, const char16_t* source,
                        int sourceLength, char* destination, int destinationCapacity,
                        const char* defaultChar, int* usedDefaultChar) {
  if (source == nullptr || sourceLength == 0 || sourceLength < -1 || destinationCapacity < 0 ||
      (destination == nullptr && destinationCapacity != 0))
    return fail(kERROR_INVALID_PARAMETER);
  if ((flags & ~kWC_ERR_INVALID_CHARS) != 0) return fail(kERROR_INVALID_FLAGS);
  bool strict = (flags & kWC_ERR_INVALID_CHARS) != 0;
  std::size_t length = static_cast<std::size_t>(sourceLength);
  if (sourceLength == -1) {
    length = 0;
    while (source[length] != 0) ++length;
    ++length;
  }
  std::u16string_view in(source, length);
  std::string out;
  if (codePage == kCodePageUtf8) {
    // UTF-8 has no default character; Windows refuses one.
    if (defaultChar != nullptr || usedDefaultChar != nullptr) return fail(kERROR_INVALID_PARAMETER);
    if (!utf16ToUtf8(in, out, strict)) return fail(kERROR_NO_UNICODE_TRANSLATION);
  } else if (codePage == kCodePageGbk) {
    if (!utf16ToGbk(in, out, strict, defaultChar, usedDefaultChar))
      return fail(kERROR_NO_UNICODE_TRANSLATION);
  } else {
    return fail(kERROR_INVALID_PARAMETER);
  }
  return deliver(out, destination, destinationCapacity);
}

std::uint32_t lastError() { return error; }

}  // namespace jsdebug::platform

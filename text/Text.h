#pragma once
// Text helpers shared by every command. All texts are CP936 byte strings; positions handed to
// users and returned by findText are 1-based.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace jsdebug::text {

// 1-based byte position of needle in haystack at or after start, or -1. A start below 1 counts
// as 1. The scan walks whole CP936 characters, so a match never begins on a trail byte. An empty
// needle matches at the scan position while any text remains there. ignoreCase folds ASCII only.
int findText(std::string_view haystack, std::string_view needle, int start = 1,
             bool ignoreCase = false);

// ASCII letters in lower case; every other byte as it is. Byte-wise, so a caller comparing GBK
// text decides whether a trail byte may fold (findText does not let it).
char foldAsciiCase(char c);
// Byte-wise comparisons with ASCII letters folded: ProgIDs, module names, schemes, tag names.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// The text between the first `left` and the first `right` after it; empty when either is
// missing. "#引号" inside left or right stands for a double quote.
std::string TextBetween(std::string_view source, std::string_view left, std::string_view right);

// Full-width digits, signs and blanks are folded to ASCII first; leading blanks are skipped, an
// optional sign and the following digits are read; no digits give 0. Saturates at int32 bounds.
std::int32_t toInteger(std::string_view text);

// A text that is a whole integer and nothing else: full-width forms folded as toInteger does,
// blanks at both ends allowed, an optional sign and at least one digit. The value saturates at
// plus or minus 2^40, far past any 32-bit integer; nullopt for any other text ("12abc", "", "-").
std::optional<std::int64_t> wholeInteger(std::string_view text);

// The numeric value of a text as the go-to box reads it: full-width forms folded as toInteger
// does, leading blanks skipped, an optional sign, digits and a decimal fraction; anything else
// ends the number, and a text without digits gives 0.
double toNumber(std::string_view text);

// Integers as plain decimal, everything else with "%.13g".
std::string numberToText(double value);

// Removes ASCII blanks and full-width blanks (A1 A1) at both ends; tabs and line breaks stay.
std::string trimBlanks(std::string_view text);

// Replaces every occurrence of `from`, scanning from the start and continuing after each
// replacement, so a replacement is never scanned again. An empty `from` changes nothing.
std::string replaceAll(std::string_view source, std::string_view from, std::string_view to);

}  // namespace jsdebug::text

#include <gtest/gtest.h>

#include "text/Codec.h"
#include "transform/Md5.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::transform {
namespace {

TEST(Md5Hex, MatchesRfc1321Vectors) {
  EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", md5Hex(""));
  EXPECT_EQ("0cc175b9c0f1b6a831c399e269772661", md5Hex("a"));
  EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", md5Hex("abc"));
  EXPECT_EQ("57edf4a22be3c955ac49da2e2107b67a",
            md5Hex("12345678901234567890123456789012345678901234567890123456789012345678901234567890"));
}

TEST(Md5Hex, DigestsTheGbkBytesNotUtf8) {
  // Literals are compiled to CP936, so this is the two-byte GBK form of each character.
  const std::string gbk = "中文";
  ASSERT_EQ("\xD6\xD0\xCE\xC4", gbk);
  EXPECT_EQ("bcce109775e8e1972e9f5fcda3e12895", md5Hex(gbk));
  EXPECT_NE(md5Hex(gbk::toUtf8(gbk)), md5Hex(gbk));
}

TEST(Md5Hex, TakesEmbeddedNulAndHighBytes) {
  const std::string bytes("a\0b\xFF", 4);
  EXPECT_EQ("0dd4df5b5be53b9566c53387ec9a7bac", md5Hex(bytes));
}

const std::string kSeparator(65, '-');

TEST(Md5Command, ReplacesTheLogWithTheDigestOfTheEditorsGbkBytes) {
  workflow::HeadlessWorkbench bench;
  bench.log = "earlier output";
  bench.editor().setText("var s;");
  bench.editor().setText("中文");
  bench.editor().setSelection(0, 2);
  md5Command(bench);
  EXPECT_EQ("代码运算成功!!\r\n" + kSeparator + "\r\n\r\n返回内容：bcce109775e8e1972e9f5fcda3e12895\r\n\r\n" +
                kSeparator,
            bench.log);
  // The editor is only read: text, selection and undo history are as they were.
  EXPECT_EQ("中文", bench.editor().wholeText());
  EXPECT_EQ(0, bench.editor().getSelectionStart());
  EXPECT_EQ(2, bench.editor().getSelectionEnd());
  bench.editor().undo();
  EXPECT_EQ("var s;", bench.editor().wholeText());
}

TEST(Md5Command, EmptyEditorReportsTheDigestOfZeroBytes) {
  workflow::HeadlessWorkbench bench;
  md5Command(bench);
  EXPECT_EQ("代码运算成功!!\r\n" + kSeparator + "\r\n\r\n返回内容：d41d8cd98f00b204e9800998ecf8427e\r\n\r\n" +
                kSeparator,
            bench.log);
}

}  // namespace
}  // namespace jsdebug::transform

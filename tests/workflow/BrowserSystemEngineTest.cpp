// "加载代码" and "系统引擎运行" with the browser environment switch, on the real script host: the
// console exists only with the switch on, timers run after the load and after the call, the
// blocks follow the run's own block, and ES3 libraries from pages run without stubs.
#include <gtest/gtest.h>
#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <fstream>
#include <iterator>
#include <string>

#include "workflow/Debugging.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/OutputLog.h"

using namespace jsdebug;

namespace {

const std::string sep(65, '-');

std::string success(const std::string& result) {
  return "代码运算成功!!执行时间：0\r\n" + sep + "\r\n\r\n返回内容：" + result + "\r\n\r\n" + sep;
}
std::string loaded() {
  return "代码加载成功!!\r\n" + sep + "\r\n\r\n\r\n\r\n小提示：双击函数名调用方法自动写入调试框！\r\n\r\n\r\n\r\n" + sep;
}
std::string block(const std::string& header, const std::string& body) {
  return "\r\n" + header + sep + "\r\n\r\n" + body + "\r\n\r\n" + sep;
}
std::string console(const std::string& lines) { return block(kConsoleHeader, lines); }
std::string missing(const std::string& names) { return block(kMissingHeader, names); }

std::string fileText(const std::string& path) {
  std::ifstream in(std::string(JSDEBUG_TEST_DATA) + "/browser/" + path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct BrowserSystemEngine : ::testing::Test {
  HeadlessWorkbench bench;
  ScriptEngine engine{[](const std::string&) { FAIL() << "host creation failed"; }};
  TickCounter ticks = [] { return std::uint32_t{7}; };

  std::string run(bool browser, const std::string& script, const std::string& call) {
    bench.browserEnvironment = browser;
    bench.editor().setText(script);
    bench.callBox = call;
    runCall(bench, engine, ticks);
    return bench.log;
  }
  std::string load(bool browser, const std::string& script) {
    bench.browserEnvironment = browser;
    bench.editor().setText(script);
    loadCode(bench, engine);
    return bench.log;
  }
};

TEST_F(BrowserSystemEngine, ConsoleAndTimersOnlyWithTheSwitch) {
  // Off: JScript has no console, and nothing follows the failure block.
  const std::string off = run(false, "function f(){ console.log(1); return 2 }", "f()");
  EXPECT_EQ(0u, off.find(kRunFailedHeader)) << off;
  EXPECT_EQ(sep, off.substr(off.size() - sep.size()));
  EXPECT_EQ(std::string::npos, off.find(kConsoleHeader));

  struct Row {
    const char* name;
    const char* script;
    const char* call;  // empty: a load
    std::string log;
  };
  const Row rows[] = {
      {"prints at load and timers after it", "console.log('loading', [1, 'a']); setTimeout(function(){ console.warn('later') }, 5);",
       "", loaded() + console("loading (2) [1, 'a']\r\n[warn] later")},
      {"timers after the call, in due order",
       "var seen = ''; function f(){ setTimeout(function(){ seen += 'b'; console.log(seen) }, 20);"
       " setTimeout(function(){ seen += 'a' }, 10); return 'x' }",
       "f()", success("x") + console("ab")},
      {"the environment's objects",
       "function f(){ document.cookie = 'a=1'; document.cookie = 'b=2; max-age=0';"
       " return [navigator.appName, typeof window.setTimeout, document.cookie, location.href, btoa('ab'),"
       " localStorage.getItem('none')].join() }",
       "f()", success("Netscape,function,a=1,http://localhost/,YWI=,")},
      {"atob of bad text fails as a browser's would",
       "function f(){ try { atob('a') } catch (e) { return e.name } }", "f()", success("InvalidCharacterError")},
      {"names the script reached for",
       "function f(){ var w = document.body.scrollWidthX; var n = navigator.gpuX; return typeof w + typeof n }",
       "f()", success("undefinedundefined") + missing("document.body.scrollWidthX\r\nnavigator.gpuX")},
      {"a timer that renews itself forever is cut off",
       "function f(){ setTimeout(function g(){ setTimeout(g, 0) }, 0); return 1 }", "f()",
       success("1") + console("……定时器回调次数已到上限，另有 1 个未运行")},
      {"an error in a timer is printed and the result stands",
       "function f(){ setTimeout(function(){ throw new Error('in timer') }, 0); return 2 }", "f()",
       success("2") + console("[error] Uncaught Error: in timer")},
      {"a script that redefines window and navigator",
       "var navigator = {appName: 'mine'}; window = 3; function f(){ return navigator.appName + window }", "f()",
       success("mine3")},
      {"a cyclic value", "function f(){ var a = {}; a.me = a; console.log(a); return 3 }", "f()",
       success("3") + console("{me: {me: {…}}}")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.log, *row.call ? run(true, row.script, row.call) : load(true, row.script));
  }
}

TEST_F(BrowserSystemEngine, ManyPrintsAndAnUndefinedNameStayBounded) {
  const std::string log = run(true, "function f(){ for (var i = 0; i < 20000; i++) console.log(i); return nothere }", "f()");
  EXPECT_EQ(0u, log.find(kRunFailedHeader));
  EXPECT_NE(std::string::npos, log.find("\r\n999\r\n……另有 19000 行输出未显示\r\n\r\n" + sep)) << log.substr(0, 400);
  EXPECT_EQ(missing("nothere"), log.substr(log.size() - missing("nothere").size()));
  // The name still goes to the find box after a failed load, from the failure block.
  load(true, "console.log(\"【'x'\"); undefinedAtLoad();");
  EXPECT_EQ("undefinedAtLoad", bench.findBox);
}

std::string base64Decode(const std::string& text) {
  std::string out(text.size(), '\0');
  int n = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                          reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  if (n < 0) return {};
  std::size_t padding = text.size() >= 2 && text.substr(text.size() - 2) == "==" ? 2 : !text.empty() && text.back() == '=' ? 1 : 0;
  out.resize(static_cast<std::size_t>(n) - padding);
  return out;
}

std::string fromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

TEST_F(BrowserSystemEngine, Es3AesLibraryRuns) {
  std::string script;
  for (const char* part : {"core", "enc-base64", "md5", "evpkdf", "cipher-core", "aes"})
    script += fileText(std::string("crypto-js-3.3.0/") + part + ".js") + "\n";
  script +=
      "function aes(t){ var iv = CryptoJS.lib.WordArray.random(16);"
      " var key = CryptoJS.enc.Hex.parse('000102030405060708090a0b0c0d0e0f');"
      " return iv.toString() + ':' + CryptoJS.AES.encrypt(t, key, {iv: iv}).toString(); }";
  const std::string log = run(true, script, "aes('plain text')");
  const std::string head = "返回内容：";
  const std::size_t at = log.find(head);
  ASSERT_NE(std::string::npos, at) << log;
  const std::string result = log.substr(at + head.size(), log.find("\r\n", at) - at - head.size());
  ASSERT_EQ(32u, result.find(':')) << result;

  EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
  const std::string key = fromHex("000102030405060708090a0b0c0d0e0f"), iv = fromHex(result.substr(0, 32));
  const std::string cipher = base64Decode(result.substr(33));
  std::string plain(cipher.size() + 32, '\0');
  int n = 0, tail = 0;
  EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr, reinterpret_cast<const unsigned char*>(key.data()),
                     reinterpret_cast<const unsigned char*>(iv.data()));
  EVP_DecryptUpdate(ctx, reinterpret_cast<unsigned char*>(plain.data()), &n,
                    reinterpret_cast<const unsigned char*>(cipher.data()), static_cast<int>(cipher.size()));
  const bool ok = EVP_DecryptFinal_ex(ctx, reinterpret_cast<unsigned char*>(plain.data()) + n, &tail) > 0;
  EVP_CIPHER_CTX_free(ctx);
  EXPECT_TRUE(ok);
  EXPECT_EQ("plain text", plain.substr(0, static_cast<std::size_t>(n + tail)));
}

TEST_F(BrowserSystemEngine, Es3RsaLibraryLoadsAndEncrypts) {
  EVP_PKEY* key = EVP_RSA_gen(1024);
  ASSERT_NE(nullptr, key);
  BIO* bio = BIO_new(BIO_s_mem());
  PEM_write_bio_PUBKEY(bio, key);
  char* data = nullptr;
  const long size = BIO_get_mem_data(bio, &data);
  const std::string pem(data, static_cast<std::size_t>(size));
  BIO_free(bio);
  std::string quoted;
  for (char c : pem) quoted += c == '\n' ? std::string("\\n") : std::string(1, c);
  const std::string script = fileText("jsencrypt-2.3.1.min.js") + "\nvar PUBLIC_KEY = '" + quoted +
                             "';\nfunction enc(t){ var e = new JSEncrypt(); e.setPublicKey(PUBLIC_KEY); return e.encrypt(t); }";
  // Without the environment the library stops while it loads, as the Windows host would.
  EXPECT_NE(std::string::npos, run(false, script, "enc('x')").find("【'navigator' 未定义】"));

  const std::string log = run(true, script, "enc('secret 2')");
  const std::string head = "返回内容：";
  const std::size_t at = log.find(head);
  ASSERT_NE(std::string::npos, at) << log.substr(0, 600);
  const std::string cipher =
      base64Decode(log.substr(at + head.size(), log.find("\r\n", at) - at - head.size()));
  EVP_PKEY_CTX* ctx = EVP_PKEY_CTX_new(key, nullptr);
  std::string plain(512, '\0');
  std::size_t n = plain.size();
  const bool ok = EVP_PKEY_decrypt_init(ctx) > 0 && EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_PKCS1_PADDING) > 0 &&
                  EVP_PKEY_decrypt(ctx, reinterpret_cast<unsigned char*>(plain.data()), &n,
                                   reinterpret_cast<const unsigned char*>(cipher.data()), cipher.size()) > 0;
  EVP_PKEY_CTX_free(ctx);
  EVP_PKEY_free(key);
  EXPECT_TRUE(ok);
  EXPECT_EQ("secret 2", plain.substr(0, ok ? n : 0));
}

}  // namespace

// Runs the built ecview-cli dump as text and HTML on copies of the sample module.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/file_bytes.h"
#include "support/gbk_codec.h"
#include "tests/support/cli_runner.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

struct DumpRun {
  int status = -1;
  std::string out;  // standard output, or standard error with `errors`
};

DumpRun Dump(std::vector<std::string> arguments, bool errors = false) {
  arguments.insert(arguments.begin(), "dump");
  const test::CliResult r = test::RunCli(arguments);
  return {r.status, errors ? r.err : r.out};
}

class DumpTextAndHtml : public testing::Test {
 protected:
  void SetUp() override {
    sample_ = temp_.File("sample.ec");
    fs::copy_file(fs::path(EC_SOURCE_DIR) / "examples/sample.ec", sample_);
  }
  test::TempDir temp_;
  std::string sample_;
};

TEST_F(DumpTextAndHtml, TextWithLfOrCrLf) {
  const DumpRun lf = Dump({sample_});
  ASSERT_EQ(lf.status, 0);
  EXPECT_TRUE(lf.out.starts_with(".版本 2\n\n.子程序 ")) << lf.out.substr(0, 80);
  EXPECT_EQ(lf.out.find('\r'), std::string::npos);
  EXPECT_EQ(lf.out.find("\n\n\n"), std::string::npos);
  EXPECT_TRUE(lf.out.ends_with("\n") && !lf.out.ends_with("\n\n"));
  const DumpRun crlf = Dump({"--crlf", sample_});
  ASSERT_EQ(crlf.status, 0);
  EXPECT_NE(crlf.out.find(".版本 2\r\n\r\n"), std::string::npos);
  std::string stripped = crlf.out;
  std::erase(stripped, '\r');
  EXPECT_EQ(stripped, lf.out);
  // GBK for the E IDE, which reads no UTF-8.
  const DumpRun gbk = Dump({"--crlf", "--gbk", sample_});
  ASSERT_EQ(gbk.status, 0);
  EXPECT_EQ(gbk.out, Utf8ToGbk(crlf.out));
  EXPECT_NE(gbk.out, crlf.out);
  EXPECT_EQ(Dump({"--gbk", "--json", sample_}).status, 2);
}

TEST_F(DumpTextAndHtml, HtmlToAFile) {
  const std::string html = temp_.File("sample.html");
  ASSERT_EQ(Dump({"--html", "-o", html, sample_}).status, 0);
  const std::string text = ReadFileBytes(html).value_or("");
  EXPECT_TRUE(text.starts_with("<!DOCTYPE html>"));
  EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(text.find("<section id=\"summary\">"), std::string::npos);
  EXPECT_TRUE(text.ends_with("</html>\n"));
  // The sample must not have been written to: no --repair.
  EXPECT_EQ(ReadFileBytes(sample_), ReadFileBytes(EC_SOURCE_DIR "/examples/sample.ec"));
}

TEST_F(DumpTextAndHtml, ExitStatusesAndJsonUnchanged) {
  const DumpRun json = Dump({"--json", sample_});
  EXPECT_EQ(json.status, 0);
  EXPECT_TRUE(json.out.starts_with("{\"ok\":true")) << json.out.substr(0, 40);

  EXPECT_EQ(Dump({temp_.File("missing.ec")}).status, 2);
  EXPECT_EQ(Dump({"--json", "--html", sample_}).status, 2);
  EXPECT_EQ(Dump({"--crlf", "--html", sample_}).status, 2);
  EXPECT_EQ(Dump({"-o", temp_.File("no/such/folder/x.html"), "--html", sample_}).status, 2);

  const std::string junk = temp_.File("junk.ec");
  ASSERT_TRUE(WriteFileBytes(junk, "this is not a module"));
  const DumpRun rejected = Dump({"--html", junk}, true);
  EXPECT_EQ(rejected.status, 1);
  EXPECT_NE(rejected.out.find("module rejected"), std::string::npos) << rejected.out;
}

}  // namespace
}  // namespace ec

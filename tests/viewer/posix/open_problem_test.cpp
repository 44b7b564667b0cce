#include "viewer/open_problem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "tests/support/temp_dir.h"

namespace ec {
namespace {

TEST(OpenProblem, EachPathThatCannotBeShownIsToldApartBeforeReading) {
  test::TempDir dir;
  const std::string module = dir.File("模块.ec"), empty = dir.File("empty.ec"), big = dir.File("big.ec");
  std::ofstream(dir / "模块.ec") << "CNWT....";
  std::ofstream(dir / "empty.ec");
  std::ofstream(dir / "big.ec") << std::string(1001, 'x');
  const std::string fifo = dir.File("pipe.ec");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

  EXPECT_EQ(ProblemOpening(module), PathProblem::kNone);
  EXPECT_EQ(ProblemOpening(""), PathProblem::kNotFound);
  EXPECT_EQ(ProblemOpening(dir.File("missing.ec")), PathProblem::kNotFound);
  EXPECT_EQ(ProblemOpening(module + "/below.ec"), PathProblem::kNotFound);  // a file taken for a folder
  EXPECT_EQ(ProblemOpening(dir.File("")), PathProblem::kFolder);
  EXPECT_EQ(ProblemOpening(empty), PathProblem::kEmpty);
  EXPECT_EQ(ProblemOpening(big, 1000), PathProblem::kTooBig);
  EXPECT_EQ(ProblemOpening(big, 1001), PathProblem::kNone);
  // Opening a pipe for reading would wait for a writer: it is refused unopened.
  EXPECT_EQ(ProblemOpening(fifo), PathProblem::kUnreadable);
  EXPECT_EQ(ProblemOpening("/dev/null"), PathProblem::kUnreadable);

  EXPECT_EQ(OpenProblemText(PathProblem::kNone), "");
  EXPECT_NE(OpenProblemText(PathProblem::kEmpty).find("空"), std::string::npos);
  EXPECT_NE(OpenProblemText(PathProblem::kEmpty).find("头标志1错误"), std::string::npos);
  EXPECT_EQ(OpenProblemLine("/a/x.ec", OpenProblemText(PathProblem::kFolder)),
            "未能打开 /a/x.ec：这是文件夹，不是模块");
}

}  // namespace
}  // namespace ec

// The cuts of a page into blocks: where they fall, what each block reopens
// and closes, and that no page, however broken, makes the cutter lose text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/page_blocks.h"

namespace ec {
namespace {

std::vector<std::string> Htmls(std::string_view page, const std::vector<PageBlock>& blocks) {
  std::vector<std::string> out;
  for (const PageBlock& b : blocks) out.push_back(b.Html(page));
  return out;
}

TEST(PageBlocks, CutsCodeLinesTablesAndRowsReopeningWhatIsOpen) {
  // Code lines: the line break a cut falls on is the block's end.
  const std::string_view lines = "<div style=\"a\">一<br>二<br><b>三</b><br>四</div><br><hr>";
  const auto code = SplitPage(lines, {.units = 2});
  EXPECT_EQ(Htmls(lines, code), (std::vector<std::string>{"<div style=\"a\">一<br>二</div>",
                                                          "<div style=\"a\"><b>三</b><br>四</div><br><hr>"}));
  EXPECT_FALSE(code[1].opensWithTable);

  // Tables of the wrapper, then the rows of one long table.
  const std::string page =
      "<div w><table a><tr><td>1</td></tr></table><br><table b><tbody><tr><td>2</td></tr>"
      "<tr><td>3</td></tr><tr><td>4</td></tr></tbody></table><br></div>";
  const auto tables = SplitPage(page, {.units = 1});
  EXPECT_EQ(Htmls(page, tables), (std::vector<std::string>{
                                     "<div w><table a><tr><td>1</td></tr></table><br></div>",
                                     "<div w><table b><tbody><tr><td>2</td></tr></tbody></table></div>",
                                     "<div w><table b><tbody><tr><td>3</td></tr></tbody></table></div>",
                                     "<div w><table b><tbody><tr><td>4</td></tr></tbody></table><br></div>",
                                 }));
  EXPECT_FALSE(tables[0].opensWithTable);
  EXPECT_TRUE(tables[1].opensWithTable && tables[1].endsInsideTable);
  EXPECT_TRUE(tables[3].opensWithTable);
  EXPECT_FALSE(tables[3].endsInsideTable);
  EXPECT_EQ(tables[2].rows, 1u);
  // The parts of a cut table carry its number; a table that follows, cut
  // too, has its own, and one never cut none.
  const auto parts = [](const PageBlock& b) { return std::pair{b.tableFromBefore, b.tableGoingOn}; };
  EXPECT_EQ(parts(tables[0]), std::pair(0, 0));
  EXPECT_EQ(parts(tables[1]), std::pair(0, 1));
  EXPECT_EQ(parts(tables[2]), std::pair(1, 1));
  EXPECT_EQ(parts(tables[3]), std::pair(1, 0));
  const std::string two =
      "<table><tr>1</tr><tr>2</tr></table><table><tr>3</tr><tr>4</tr></table><table><tr>5</tr></table>";
  const auto cut = SplitPage(two, {.units = 1});
  ASSERT_EQ(cut.size(), 5u);
  EXPECT_EQ(parts(cut[1]), std::pair(1, 0));
  EXPECT_EQ(parts(cut[2]), std::pair(0, 2));
  EXPECT_EQ(parts(cut[3]), std::pair(2, 0));
  EXPECT_EQ(parts(cut[4]), std::pair(0, 0));

  // No cut inside a cell, a nested element or a span across lines.
  const std::string nested =
      "<div><span>a<br>b<br>c</span><table><tr><td><table><tr><td>x</td></tr>"
      "<tr><td>y</td></tr></table></td></tr></table></div>";
  EXPECT_EQ(SplitPage(nested, {.units = 1}).size(), 1u);
}

// The text outside the tags.
std::string Untagged(const std::string& html) {
  std::string text;
  for (size_t at = 0; at < html.size();) {
    const size_t open = html.find('<', at);
    text += html.substr(at, open == std::string::npos ? std::string::npos : open - at);
    if (open == std::string::npos) break;
    const size_t close = html.find('>', open);
    at = close == std::string::npos ? html.size() : close + 1;
  }
  return text;
}

TEST(PageBlocks, BrokenPagesKeepTheirTextAndReopenNoHugeTag) {
  // Unclosed tags and comments, stray end tags, upper case: the cuts only
  // add tags and take line breaks, so the text is the page's, in order.
  for (const std::string& page : {std::string("<DIV>a<BR>b<br/>c</Div></p><br>d<!-- x <br> y"), std::string("<div"),
                                  std::string("<"), std::string(""), std::string("<div>a<br><br><br></div>"),
                                  std::string("</div></table><tr>1<br><table><tr>2<tr>3<td>4</table>5")}) {
    const auto blocks = SplitPage(page, {.units = 1, .bytes = 1});
    ASSERT_FALSE(blocks.empty()) << page;
    std::string joined;
    for (const PageBlock& b : blocks) joined += b.Html(page);
    EXPECT_EQ(Untagged(joined), Untagged(page)) << page;
  }
  // A tag too long to repeat at every cut is not repeated: the page stays whole.
  const std::string wide = "<div style=\"" + std::string(8000, 'x') + "\">" + "a<br>b<br>c</div>";
  const auto blocks = SplitPage(wide, {.units = 1});
  EXPECT_EQ(Htmls(wide, blocks), std::vector<std::string>{wide});
}

}  // namespace
}  // namespace ec

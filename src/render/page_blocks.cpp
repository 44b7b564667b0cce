#include "render/page_blocks.h"

#include <algorithm>
#include <array>

#include "support/plain_text.h"

namespace ec {
namespace {

// Reopening longer tags at every cut would cost more than the cut saves (a
// page could name a megabyte of style); such a page is cut elsewhere or not at all.
constexpr size_t kLongestReopened = 4096;

struct OpenElement {
  std::string name;      // lower case
  std::string_view tag;  // the whole opening tag, "<" to ">"
};

struct Tag {
  std::string_view text;  // "<" to ">", or the rest of the page for a tag never closed
  std::string name;       // lower case, without "/"
  bool closing = false;
  bool empty = false;  // a comment, a void element or "<x/>": it opens nothing
};

bool IsVoid(std::string_view name) {
  static constexpr std::array<std::string_view, 10> kVoid = {"br",   "hr",  "img",  "meta", "input",
                                                             "link", "col", "area", "base", "wbr"};
  return std::find(kVoid.begin(), kVoid.end(), name) != kVoid.end();
}

bool IsNameChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// Elements that sit inside a line: a line break between them breaks only
// the line. Next to any other (a heading, a table) a break also parts
// paragraphs, which a cut there would lose.
bool IsInline(std::string_view name) {
  static constexpr std::array<std::string_view, 14> kInline = {"br", "span", "b",    "i",   "a",   "font", "strong",
                                                               "u",  "em",   "code", "sub", "sup", "s",    "img"};
  return std::find(kInline.begin(), kInline.end(), name) != kInline.end();
}

std::string_view UpTo(std::string_view html, size_t at, size_t end) {
  return html.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
}

Tag ReadTag(std::string_view html, size_t at) {
  Tag tag;
  if (html.substr(at).starts_with("<!--")) {
    const size_t end = html.find("-->", at + 4);
    tag.text = UpTo(html, at, end == std::string_view::npos ? end : end + 3);
    tag.empty = true;
    return tag;
  }
  const size_t end = html.find('>', at);
  tag.text = UpTo(html, at, end == std::string_view::npos ? end : end + 1);
  size_t from = 1;
  tag.closing = tag.text.size() > from && tag.text[from] == '/';
  if (tag.closing) ++from;
  size_t to = from;
  while (to < tag.text.size() && IsNameChar(tag.text[to])) ++to;
  tag.name = LowerAscii(tag.text.substr(from, to - from));
  tag.empty = tag.name.empty() || tag.closing || IsVoid(tag.name) || tag.text.ends_with("/>");
  return tag;
}

// Walks the page tag by tag, keeping the elements open, and cuts it.
class Splitter {
 public:
  Splitter(std::string_view html, const PageCut& cut) : html_(html), cut_(cut) {}

  std::vector<PageBlock> Run() {
    for (size_t at = html_.find('<'); at != std::string_view::npos; at = html_.find('<', at)) {
      const Tag tag = ReadTag(html_, at);
      const size_t after = at + tag.text.size();
      if (tag.closing) {
        Close(tag.name);
      } else if (tag.name == "br" && InTopLevelText() && !tableBefore_) {
        // A cut here takes the line break: the block's end breaks the line.
        if (Full(at, 1) && BreaksOnlyALine(after) && Cut(at, after, false)) {
          at = after;
          continue;
        }
        ++block_.lines;
      } else if (tag.name == "tr" && AtRowLevel()) {
        // Only a table taller than a block is cut between its rows: each
        // part sizes its own columns, which a declaration's table should not.
        if (rowsInTable_ >= std::max<size_t>(cut_.units, 1) && Full(at)) Cut(at, at, true);
        ++rowsInTable_;
        ++block_.rows;
      }
      if (!tag.empty && AtTableLevel()) {
        // Only a table that follows a table starts a block: before the first
        // one its document's empty line is the page's.
        if (tag.name == "table" && tableBefore_ && Full(at)) Cut(at, at, false);
        tableBefore_ = tag.name == "table";
        rowsInTable_ = 0;
        cutTable_ = 0;
      }
      if (!tag.empty) open_.push_back({tag.name, tag.text});
      inlineBefore_ = IsInline(tag.name) || (tag.name == "div" && !tag.closing && open_.size() == 1);
      at = after;
    }
    block_.begin = std::min(start_, html_.size());
    block_.end = html_.size();
    blocks_.push_back(std::move(block_));
    return std::move(blocks_);
  }

 private:
  bool TopLevelDiv(size_t i) const { return i == 0 && open_[0].name == "div"; }
  // A line break directly inside a top-level block of text.
  bool InTopLevelText() const { return open_.size() == 1 && TopLevelDiv(0); }
  // A table of the page or of a top-level block (the wrapper of the tables).
  bool AtTableLevel() const { return open_.empty() || InTopLevelText(); }
  // A row of such a table, in its body or not.
  bool AtRowLevel() const {
    const size_t n = open_.size();
    const auto table = [&](size_t i) { return open_[i].name == "table" && (i == 0 || (i == 1 && TopLevelDiv(0))); };
    if (n >= 1 && table(n - 1)) return true;
    return n >= 2 && open_[n - 1].name == "tbody" && table(n - 2);
  }

  // The line break before `after` stands between inline content: the tag
  // before it, and the next one, are inline (or its block's own ends).
  bool BreaksOnlyALine(size_t after) const {
    if (!inlineBefore_) return false;
    const size_t next = html_.find('<', after);
    if (next == std::string_view::npos) return true;
    const Tag tag = ReadTag(html_, next);
    return IsInline(tag.name) || (tag.closing && tag.name == "div");
  }

  // `more` counts the line a cut at a line break ends.
  bool Full(size_t at, size_t more = 0) const {
    return block_.lines + block_.rows + more >= cut_.units || at - start_ >= cut_.bytes;
  }

  // Ends the block before `at` and starts the next at `resume`, reopening
  // what is open. False when that would be no cut.
  bool Cut(size_t at, size_t resume, bool insideTable) {
    std::string reopened;
    for (const OpenElement& e : open_) reopened.append(e.tag);
    if (reopened.size() > kLongestReopened || at <= start_) return false;
    block_.begin = start_;
    block_.end = at;
    for (auto e = open_.rbegin(); e != open_.rend(); ++e) block_.closing.append("</").append(e->name).append(">");
    block_.endsInsideTable = insideTable;
    if (insideTable && cutTable_ == 0) cutTable_ = ++cutTables_;
    const int goingOn = insideTable ? cutTable_ : 0;
    block_.tableGoingOn = goingOn;
    blocks_.push_back(std::move(block_));
    block_ = PageBlock{};
    block_.tableFromBefore = goingOn;
    block_.opening = std::move(reopened);
    block_.opensWithTable = resume == at;
    start_ = resume;
    return true;
  }

  // An end tag closes its element and what is still open inside it; one
  // that closes nothing open is left alone, as a browser does.
  void Close(const std::string& name) {
    const auto match = std::find_if(open_.rbegin(), open_.rend(), [&](const OpenElement& e) { return e.name == name; });
    if (match != open_.rend()) open_.erase(match.base() - 1, open_.end());
  }

  std::string_view html_;
  PageCut cut_;
  std::vector<OpenElement> open_;
  std::vector<PageBlock> blocks_;
  PageBlock block_;
  size_t start_ = 0;
  // The last element opened at the tables' level is a table: the line
  // breaks there part tables and are kept (no cut of code lines), and the
  // next table may start a block.
  bool tableBefore_ = false;
  bool inlineBefore_ = false;  // the last tag read sits inside a line
  size_t rowsInTable_ = 0;     // of the table open at the tables' level
  int cutTable_ = 0;           // its number once it is cut, else 0
  int cutTables_ = 0;          // numbers given so far
};

}  // namespace

std::string PageBlock::Html(std::string_view page) const {
  std::string html;
  html.reserve(Size());
  html.append(opening).append(page.substr(begin, end - begin)).append(closing);
  return html;
}

std::vector<PageBlock> SplitPage(std::string_view html, const PageCut& cut) { return Splitter(html, cut).Run(); }

}  // namespace ec

#pragma once
// A page cut into blocks that the page view lays out one at a time: runs of
// code lines, runs of declaration tables, runs of rows of one long table.
//
// Each block is HTML that renders on its own: the elements open where it
// starts are opened again with their own tags (so it keeps the page's
// styles), and those still open where it ends are closed. Cuts fall only
// where the page's text breaks anyway: at a line break ("<br>") of a
// top-level block of text, before a table of the page or of a top-level
// block that follows another, and between the rows of such a table when
// it is taller than a block. So the texts of the blocks,
// one after the other, are the page's text; the one seam a cut adds is the
// empty line a text document keeps before and after a table, which the
// flags below name.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ec {

struct PageBlock {
  // The block's HTML is `opening` (the tags reopened), the page's bytes
  // [begin, end), then `closing`: the page's bytes are held once, by the page.
  std::string opening;
  size_t begin = 0, end = 0;
  std::string closing;
  // The block starts with a table cut off from the text before it: the empty
  // line its document holds before that table is not the page's.
  bool opensWithTable = false;
  // The block's last table goes on in the next block: the empty line its
  // document holds after that table is not the page's.
  bool endsInsideTable = false;
  // A table cut between its rows has a number (1, 2, ...) that all its parts
  // carry, so they can be given the same column widths; 0 for none. The
  // table the block's first table goes on from, and the one its last table
  // goes on in the next block (the same one in a middle part).
  int tableFromBefore = 0;
  int tableGoingOn = 0;
  // For height estimates: its lines of text outside tables, and its table rows.
  size_t lines = 0;
  size_t rows = 0;

  std::string Html(std::string_view page) const;
  size_t Size() const { return opening.size() + (end - begin) + closing.size(); }
};

struct PageCut {
  // A block is closed at the first cut after it holds this many lines and
  // rows together, or this many bytes.
  // A block lays out in a few milliseconds: a window's height of code, or
  // a dozen DLL commands' tables.
  size_t units = 40;
  size_t bytes = 16 * 1024;
};

// `html` cut into blocks; an empty page is one empty block. Bounded by the
// page: the blocks hold the tags reopened and closed at each cut.
std::vector<PageBlock> SplitPage(std::string_view html, const PageCut& cut = {});

}  // namespace ec

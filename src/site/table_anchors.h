#pragma once
// Anchors put into rendered declaration tables. The tables of a list come
// from one render, as the viewer shows them; every "<table" or "<tr" in that
// HTML comes from the templates (module texts are escaped), so the k-th one
// belongs to the k-th declaration.

#include <span>
#include <string>
#include <string_view>

namespace ec::site {

// Gives the elements `tag` ("table" or "tr") of `html`, after the first
// `skip` of them, the ids `ids` in order. False when the HTML holds fewer
// such elements than ids (the rest then go without).
bool AddIds(std::string& html, std::string_view tag, size_t skip, std::span<const std::string> ids);

// Closes the <div> elements `html` leaves open (the constant table leaves its
// wrapper open, as the IDE's pages do; on a page of many sections it would
// swallow the sections after it).
void CloseOpenDivs(std::string& html);

}  // namespace ec::site

// Cutting a page off where it has too many elements, or nests them too deeply, to lay out in
// reasonable time and memory.
#pragma once

#include <string_view>

namespace web {

// Parsing grows with the number of elements times their depth, so a hostile page of nested
// elements would hold the program for minutes, and every element costs a kilobyte or more laid
// out, so a page of a few megabytes of tags would take gigabytes. The page is parsed on the
// fetcher's thread, and a view that closes waits for a parse under way: these limits keep that
// under half a second. The pages the views show have a few thousand elements at most.
constexpr int kMaxNesting = 100;
constexpr int kMaxElements = 10000;

// The part of `html` before the first start tag that would open element number `max_depth + 1`
// of one nesting, or element number `max_elements + 1` of the page, counted cheaply: every start
// tag opens an element except void ones, self-closed ones and those a sibling closes by itself
// (p, li, td and the like, which still count towards the elements), every end tag closes one;
// comments and the text of script, style, title and textarea are skipped. The whole text when the
// page stays within both limits.
std::string_view LimitMarkup(std::string_view html, int max_depth = kMaxNesting, int max_elements = kMaxElements);

}  // namespace web

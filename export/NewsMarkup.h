#pragma once
// The markup of a news item's description, reduced to what the news page
// shows: text, paragraphs, line breaks, emphasis, lists, links and pictures.
// A feed comes over plain HTTP from a server the user does not control, so
// its descriptions are read as HTML written by anyone: every other element
// is dropped (its text kept, except for scripts, styles, frames, objects and
// the like, whose content goes with them), every attribute but a link's
// address and a picture's address and text is dropped, and only http and
// https addresses are kept.

#include <string>
#include <string_view>

class NewsMarkup {
 public:
  // The description (HTML, UTF-8) as a well-formed XHTML fragment (UTF-8)
  // made only of the elements p, br, b, strong, i, em, u, ul, ol, li, a
  // (href) and img (src, alt), and text. Bytes that are not UTF-8 and
  // characters XML cannot hold become U+FFFD.
  static std::string Sanitize(std::string_view html);
};

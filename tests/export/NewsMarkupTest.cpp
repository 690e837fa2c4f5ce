// The news descriptions' filter: what a hostile feed's markup becomes.
#include "export/NewsMarkup.h"
#include "export/XslTransform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(NewsMarkup, KeepsTextParagraphsEmphasisListsLinksAndWebPictures) {
  EXPECT_EQ(NewsMarkup::Sanitize(
                "<P class=\"intro\">Tome <B>29</B><br>de <i>Blake</i> &amp; <EM>Mortimer</EM></p>"
                "<ul><li><strong>Sortie</strong> le 4</li><li><u>Dargaud</u></li></ul><ol><li>un</li></ol>"
                "<a href=' HTTPS://editeur.example/espadon?tome=29&amp;x=1 ' target=_blank "
                "onclick=\"vol()\">Voir</a> <img alt=\"Couverture 29\" src=http://images.example/29.jpg "
                "width=90 onerror=vol()>"),
            "<p>Tome <b>29</b><br/>de <i>Blake</i> &amp; <em>Mortimer</em></p>"
            "<ul><li><strong>Sortie</strong> le 4</li><li><u>Dargaud</u></li></ul><ol><li>un</li></ol>"
            "<a href=\"HTTPS://editeur.example/espadon?tome=29&amp;x=1\">Voir</a> "
            "<img src=\"http://images.example/29.jpg\" alt=\"Couverture 29\"/>");
}

TEST(NewsMarkup, DropsWhatRunsLoadsOrLeavesWithEverythingInIt) {
  EXPECT_EQ(NewsMarkup::Sanitize(
                "A<script>document.write('<p>x</p>')</SCRIPT >B<style>p{}</style>C"
                "<iframe src=\"http://x.example/\"><p>cadre</p></iframe>D<object data=o><embed src=e>"
                "<object>imbriqué</object>objet</object>E<svg><script>s</script><a href=http://s/>v</a></svg>F"
                "<noscript><img src=http://n/></noscript>G<!-- <img src=http://c/> -->H<template>t</template>"
                "<meta http-equiv=refresh content=\"0;url=http://r/\"><link rel=stylesheet href=http://l/>"
                "<base href=http://b/><form action=http://f/><input value=i>I</form>J"),
            "ABCDEFGH I J");
  // Addresses that are not the web's: the link keeps its text, the picture goes.
  EXPECT_EQ(NewsMarkup::Sanitize("<a href=\"javascript:vol()\">1</a><a href=\"&#106;ava&#x73;cript:v()\">2</a>"
                                 "<a href=\"java\tscript:v()\">3</a><a href=file:///etc/passwd>4</a>"
                                 "<a href=//sans.example/>5</a><a href=relatif.html>6</a>"
                                 "<a href=\"data:text/html,x\">7</a><img src=file:///home/moi/photo.jpg>"
                                 "<img src=data:image/png;base64,AA><img src=\"http:///\"><img>"),
            "<a>1</a><a>2</a><a>3</a><a>4</a><a>5</a><a>6</a><a>7</a>");
  // Whatever is left open is closed, a stray end is ignored, a cut-off tag is dropped.
  EXPECT_EQ(NewsMarkup::Sanitize("</b>x<b><i>y</b>z<ul><li>a < b > c<script>jamais fermé"),
            "x<b><i>y</i></b>z<ul><li>a &lt; b &gt; c</li></ul>");
  EXPECT_EQ(NewsMarkup::Sanitize("fin <a href=\"http://x/"), "fin ");
  // Markup nested without end keeps its text (and takes linear time).
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<b>a";
  for (int i = 0; i < 100000; ++i) deep += "</i>";
  const std::string flat = NewsMarkup::Sanitize(deep);
  EXPECT_EQ(std::count(flat.begin(), flat.end(), 'a'), 100000);
  EXPECT_EQ(flat.rfind("<b>"), 63 * 4u);  // 64 levels, then text only
}

TEST(NewsMarkup, DecodesReferencesAndGivesTextXmlCanHold) {
  EXPECT_EQ(NewsMarkup::Sanitize("&eacute;t&#233; &#xE0; &euro;5 &hellip; &inconnu; &amp;lt; A&B &#0; &#x110000;"),
            "\xC3\xA9t\xC3\xA9 \xC3\xA0 \xE2\x82\xAC" "5 \xE2\x80\xA6 &amp;inconnu; &amp;lt; A&amp;B "
            "\xEF\xBF\xBD \xEF\xBF\xBD");
  // Bytes that are not UTF-8 and control characters: replacement characters.
  const std::string odd = NewsMarkup::Sanitize("Caf\xE9 \x01 \xED\xA0\x80 <b title=\"\x02\">ok</b>");
  EXPECT_EQ(odd, "Caf\xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD <b>ok</b>");
  std::string error;
  for (const char* html : {"<a href='http://x/\"&lt;'>q</a><img alt='\"<>&' src=http://p/>",
                           "<p><b><i></p></i>&#x1F600;</b>", "\xF0\x9F\x98"})
    EXPECT_TRUE(XslTransform::IsWellFormed("<f>" + NewsMarkup::Sanitize(html) + "</f>", &error))
        << html << ": " << error;
}

}  // namespace

// The default style sheet every page starts from.
#include "web/MasterStyle.h"

namespace web {

std::string_view MasterStyleSheet() {
  return R"css(
html { display: block; position: relative; }
head, script, style, title, meta, link, base, template, datalist, param { display: none; }
body { display: block; margin: 8px; height: 100%; }
div, p, address, article, aside, blockquote, center, dl, dd, dt, fieldset, figure, figcaption,
footer, form, header, hgroup, main, nav, section, h1, h2, h3, h4, h5, h6, ol, ul, menu, dir, pre,
legend, noscript, details, summary, listing, xmp, plaintext { display: block; }
p, blockquote, dl, figure, pre, listing, xmp, plaintext { margin-top: 1em; margin-bottom: 1em; }
blockquote, figure { margin-left: 40px; margin-right: 40px; }
dd { margin-left: 40px; }
center { text-align: center; }
h1 { font-size: 2em; margin-top: 0.67em; margin-bottom: 0.67em; font-weight: bold; }
h2 { font-size: 1.5em; margin-top: 0.83em; margin-bottom: 0.83em; font-weight: bold; }
h3 { font-size: 1.17em; margin-top: 1em; margin-bottom: 1em; font-weight: bold; }
h4 { margin-top: 1.33em; margin-bottom: 1.33em; font-weight: bold; }
h5 { font-size: 0.83em; margin-top: 1.67em; margin-bottom: 1.67em; font-weight: bold; }
h6 { font-size: 0.67em; margin-top: 2.33em; margin-bottom: 2.33em; font-weight: bold; }
ul, menu, dir { list-style-type: disc; margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
ol { list-style-type: decimal; margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
ul ul, ol ul { list-style-type: circle; margin-top: 0; margin-bottom: 0; }
ul ul ul, ol ol ul, ol ul ul, ul ol ul { list-style-type: square; }
li { display: list-item; }
table { display: table; border-collapse: separate; border-spacing: 2px; }
caption { display: table-caption; text-align: center; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { font-weight: bold; text-align: center; }
col { display: table-column; }
colgroup { display: table-column-group; }
b, strong { font-weight: bold; }
i, em, cite, var, dfn, address { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
tt, code, kbd, samp, pre, listing, xmp, plaintext { font-family: monospace; }
pre, listing, xmp, plaintext { white-space: pre; }
small { font-size: smaller; }
big { font-size: larger; }
sub { vertical-align: sub; font-size: smaller; }
sup { vertical-align: super; font-size: smaller; }
a:link, a[href] { color: #0000ee; text-decoration: underline; cursor: pointer; }
hr { display: block; margin-top: 0.5em; margin-bottom: 0.5em; border-style: solid;
     border-width: 1px 0 0 0; border-color: #a0a0a0; }
img { display: inline-block; }
input, button, select, textarea { display: inline-block; }
br { display: block; }
)css";
}

}  // namespace web

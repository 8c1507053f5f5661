#include <gtest/gtest.h>

#include "library/RtfText.h"

using quilmo::library::rtfToHtml;

namespace {
const QString kParagraph = "<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap; text-align:%1;\">%2</p>";
const QString kEmptyParagraph =
    "<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap; text-align:left; -qt-paragraph-type:empty;\">"
    "<br /></p>";
QString paragraph(const QString& runs, const QString& alignment = "left") { return kParagraph.arg(alignment, runs); }
QString run(const QString& style, const QString& text) { return "<span style=\"" + style + "\">" + text + "</span>"; }
}  // namespace

// Formats last to the end of their group; tables, pictures and unknown destinations show nothing.
TEST(RtfText, CharacterAndParagraphFormatsBecomeHtml) {
  const QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}\r\n"
      "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}{\\*\\generator Riched20 10.0;}\\uc1\r\n"
      "\\f0\\fs20{\\pard\\qc\\b\\fs24\\cf1 How it works\\par}\r\n"
      "\\par\r\n"
      "Right-click\\tab {\\i a \\ul file\\ulnone }<&>\\b x\\b0 y{\\pict\\wmetafile8 0a0b0c}\\line\r\n"
      "Caf\\'e9 \\ldblquote q\\rdblquote  \\{\\}\\\\ \\u8364?\\uc2\\u9731\\'3f\\'3f {\\cf2 red}\\plain plain\\par\r\n"
      "\\qr right}";
  EXPECT_EQ(rtfToHtml(rtf).toStdString(),
            (paragraph(run("font-weight:700;font-size:12pt;color:#000080", "How it works"), "center") +
             kEmptyParagraph +
             paragraph(run("font-size:10pt", "Right-click\t") + run("font-style:italic;font-size:10pt", "a ") +
                       run("font-style:italic;text-decoration:underline;font-size:10pt", "file") +
                       run("font-size:10pt", "&lt;&amp;&gt;") + run("font-weight:700;font-size:10pt", "x") +
                       run("font-size:10pt", QString::fromUtf8("y<br />Café “q” {}\\ €☃ ")) +
                       run("font-size:10pt;color:#ff0000", "red") + run("", "plain")) +
             paragraph(run("", "right"), "right"))
                .toStdString());
}

TEST(RtfText, PlainTextIsShownAsItIs) {
  EXPECT_EQ(rtfToHtml("a <b>\r\n\r\nc"), paragraph(run("", "a &lt;b&gt;")) + kEmptyParagraph + paragraph(run("", "c")));
  EXPECT_EQ(rtfToHtml(""), QString());
}

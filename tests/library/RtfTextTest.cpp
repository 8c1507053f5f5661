#include <gtest/gtest.h>

#include "library/RtfText.h"

using quilmo::library::rtfToPlainText;

TEST(RtfText, KeepsTheTextAndDropsTablesAndHiddenGroups) {
  const QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}\r\n"
      "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\r\n"
      "\\pard\\b\\f0\\fs24 How it works\\b0\\par\r\n"
      "Right-click a file\\tab to pick\r\n a program.\\par\r\n"
      "Caf\\'e9 \\ldblquote quoted\\rdblquote  \\{braces\\} back\\\\slash\\line\r\n"
      "\\u8364?uro and \\uc2\\u9731\\'3f\\'3f snow{\\pict\\wmetafile8 0a0b0c}.\\par\r\n}";
  EXPECT_EQ(rtfToPlainText(rtf),
            QString::fromUtf8("How it works\nRight-click a file\tto pick a program.\n"
                              "Café “quoted” {braces} back\\slash\n€uro and ☃ snow."));
}

TEST(RtfText, PlainTextIsShownAsItIs) {
  EXPECT_EQ(rtfToPlainText("Just words\r\nno markup"), QStringLiteral("Just words\r\nno markup"));
  EXPECT_EQ(rtfToPlainText(""), QString());
}

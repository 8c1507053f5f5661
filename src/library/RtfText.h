#pragma once
// A rich-text (RTF) document as HTML for a QTextDocument, for showing the help file
// AssHP.rtf with its formatting: bold, italic, underline, font sizes and colours of the
// characters, paragraphs with their alignment, line breaks, tabs, escaped and Unicode
// characters. Font tables, pictures and other hidden groups are left out.
#include <QByteArray>
#include <QString>

namespace quilmo::library {

QString rtfToHtml(const QByteArray& rtf);

}  // namespace quilmo::library

#pragma once
// The readable text of a rich-text (RTF) document, for showing the help file AssHP.rtf
// in a plain text box: paragraphs become line breaks, escaped and Unicode characters
// their characters; font and colour tables, pictures and other hidden groups are left out.
#include <QByteArray>
#include <QString>

namespace quilmo::library {

QString rtfToPlainText(const QByteArray& rtf);

}  // namespace quilmo::library

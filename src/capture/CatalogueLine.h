#pragma once
// The lines of a disc catalogue (and of the scan list, the same format), as UTF-8 bytes:
//   "E:\DOCS\","Read me, first.txt"   one per file, CR LF
//   1,234 files : 56 folders          the totals line, always last
// A line cannot hold a double quote, CR, LF or a backslash inside a name, nor bytes that
// are not UTF-8: each such character, and each such byte, is written as "?".
#include <QByteArray>
#include <QChar>
#include <string>
#include <string_view>

namespace quilmo::capture::CatalogueLine {

// The disc path of a drive's root folder: "E:\".
std::string rootFolder(QChar letter);

// Appends a file or folder name as a line can hold it (see above).
void appendName(std::string& out, std::string_view name);

// Appends the disc path of a subfolder: parent (ending with "\") + name + "\".
void appendFolder(std::string& out, std::string_view parent, std::string_view name);

// Appends one file line; folder is already a disc path such as "E:\DOCS\".
void appendFileLine(std::string& out, std::string_view folder, std::string_view name);

// Counts formatted "###,###,###,###" (zero gives an empty text), ended by CR LF.
QByteArray totalsLine(double files, double folders);

}  // namespace quilmo::capture::CatalogueLine

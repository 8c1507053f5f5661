#pragma once
// Builds small disc trees for the capture tests and reads back what the scanner wrote.
#include <QByteArrayList>
#include <QString>

namespace quilmo::test {

// Makes an empty file (and its folders) at folder + relative.
void touch(const QString& folder, const QString& relative);
// The same with a name Qt cannot spell (raw bytes such as invalid UTF-8).
void touchRaw(const QByteArray& path);
// A symbolic link at path pointing to target.
void link(const QString& target, const QString& path);
// The lines of a scan list or catalogue, without their CR LF ends.
QByteArrayList catalogueLines(const QString& path);

}  // namespace quilmo::test

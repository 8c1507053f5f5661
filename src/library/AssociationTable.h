#pragma once
// The program's own association table: lines "TYP C:\Tools\edit.exe" (type prefix, a
// blank, the program) kept sorted, as SoCLys shows them. QM.soc holds the table and is
// read at start-up; "Select" appends to it, edits and deletions rewrite it (crash-safe)
// together with QM.mmd, so the table after a restart is the one last seen. QM.EXL keeps
// the type prefixes met so far (EXLys).
#include <QString>
#include <QStringList>

#include "library/StepError.h"

namespace quilmo::library {

// Why a line cannot join the table, or empty: it must be a type prefix (three characters),
// a blank and a program, and hold no comma, which would split it when QM.soc is read.
QString whyAssociationLineIsRefused(const QString& line);

class AssociationTable {
 public:
  // Creates missing QM.soc, QM.mmd and QM.EXL and reads QM.soc and QM.EXL field-wise.
  explicit AssociationTable(const QString& dataPath);

  const QStringList& lines() const { return lines_; }  // SoCLys, sorted
  const QStringList& types() const { return types_; }  // EXLys, sorted

  // The program for a type prefix: the first line whose first three characters match it
  // ignoring case, from its fifth character on; empty when there is none.
  QString programFor(const QString& typePrefix) const;

  // A right click met this type: added to EXLys and QM.EXL unless already there.
  StepError noteType(const QString& typePrefix);

  // "Select": type + " " + program appended to QM.soc. Returns the new line's row.
  int select(const QString& typePrefix, const QString& program, StepError* error = nullptr);
  // "EDITed": the line at row replaced by text (row -1: text added). Nothing for empty text.
  StepError edit(int row, const QString& text);
  // "DELETE": the line at row removed; it becomes lastDeleted().
  StepError remove(int row);
  const QString& lastDeleted() const { return lastDeleted_; }

 private:
  int insertSorted(const QString& line);
  StepError saveTable();

  QString soc_, mmd_, exl_;
  QStringList lines_, types_;
  QString lastDeleted_;
};

}  // namespace quilmo::library

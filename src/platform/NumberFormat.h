#pragma once
// Counts shown to the user and written to files, digits grouped by three with commas.
#include <QString>

namespace quilmo {

// "###,###,###,###": zero gives an empty text.
QString groupedOrEmpty(double count);
// "#,###,##0": zero gives "0".
QString grouped(double count);

}  // namespace quilmo

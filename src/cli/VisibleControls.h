#pragma once
// Catalogued names are whatever a disc held, control characters included; written raw to
// a terminal they could move its cursor, retitle it or worse.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quilmo::cli {

// The UTF-8 text with every control character (C0 but tab, DEL, and C1 U+0080-U+009F)
// written as \xNN, NN its code in hex; all else byte for byte.
QByteArray withVisibleControls(QByteArrayView utf8);
// The same for a text.
QString visibleText(const QString& text);

}  // namespace quilmo::cli

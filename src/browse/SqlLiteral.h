#pragma once
#include <QString>

namespace rd {

// text as a quoted SQL literal, quotes doubled; empty text stays ''.
QString SqlLiteral(const QString& text);

}  // namespace rd

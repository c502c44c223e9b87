#pragma once
#include <QString>
#include <QStringList>

namespace rd {

// The columns a query returns, read without reading its rows.
class ResultColumns {
 public:
  // The column names in result order; false, the database's error shown,
  // when the text is not a single query that runs.
  static bool Read(const QString& select, QStringList* names);
};

}  // namespace rd

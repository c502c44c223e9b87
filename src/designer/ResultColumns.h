#pragma once
#include <QString>
#include <QStringList>

namespace rd {

// The columns a query returns, read without reading its rows.
class ResultColumns {
 public:
  // The query asked for as a derived table that returns no row, so that a
  // statement that writes, or more than one statement, cannot run.
  static QString NoRowQuery(const QString& select);
  // The column names in result order; false, the database's error shown,
  // when the text is not a single query that runs.
  static bool Read(const QString& select, QStringList* names);
};

}  // namespace rd

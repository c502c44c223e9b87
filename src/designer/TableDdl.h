#pragma once
#include <QString>
#include <vector>

#include "designer/DesignedColumn.h"

namespace rd {

// The CREATE TABLE statement of a designed table for one server type, or
// why the design cannot become a table.
class TableDdl {
 public:
  struct Result {
    QString statement;  // empty when refused
    // A language text with @1 the column (or table) and @2 the value at fault.
    int refusal = 0;
    QString subject;
    QString value;
    bool Ok() const { return refusal == 0; }
  };

  // "SQLSERVER" gets the designer's own text; any other type the SQLite
  // statement of the same meaning. The columns are in FieldIndex order.
  // Refused: names the server's parser cannot take bare, the program's own
  // tables, and what either server cannot build (SQL Server takes an
  // IDENTITY beside other keys and "(max)" sizes; SQLite's auto number is
  // the only key).
  static Result Create(const std::vector<DesignedColumn>& columns, const QString& serverType);

  // Letters, digits and "_", not beginning with a digit.
  static bool IsPlainName(const QString& name);
  // True when the default could end or comment out the statement: a ";",
  // "--" or "/*" outside quotes, or quotes and brackets that do not pair.
  static bool DefaultBreaksOut(const QString& value);
};

}  // namespace rd

#pragma once
#include <QString>

#include "expressions/TagCall.h"

namespace rd {

// The functions that tags call by name. Each reads the positions of its
// call that it needs (see TagCall) and gives text; a position its context
// does not have gives empty text. Arguments are used whole, commas
// included.
class clsCalculate {
 public:
  // 1: a query, read within the bound of a lookup. Its first field of the
  // first row; "" for null, no row or a failed query (whose error the
  // database box has shown; for a field's value a box naming the field and
  // its expression, and the call fails). In a display or save format it
  // gives the control's value unchanged and runs nothing.
  QString GetDBValue(const TagCall& call);
  // 0: window, 1: field name (case ignored). The field's value as text.
  QString GetFormValue(const TagCall& call);
  // 1: RsName, 2: Field, 3: commit, 4: number format. The next bill number.
  // A preview reads only; a commit takes the number atomically inside a
  // transaction that joins the caller's.
  QString GetAutoValue(const TagCall& call);
  // 4: date format. The server time, formatted.
  QString GetDTValue(const TagCall& call);
  // 1: text. Every "now()" (any case) replaced by the server time.
  QString GetDefaultValue(const TagCall& call);
  // 1: value, 2: format.
  QString GetFormatValue(const TagCall& call);
  // 0: window, 1: column key (case ignored). The sum of that column of the
  // window's grid; empty cells count 0, digit grouping is read; "0"
  // without rows. A cell that is no number fails the call (message shown).
  QString GetGridColSum(const TagCall& call);
  // 0: window, 1: key. "username" (any case) gives the login user.
  QString GetSysInfo(const TagCall& call);

  // Calls the function of that name, case ignored. Only the eight above
  // can be called; any other name gives "" and false in *known.
  QString CallByName(const QString& name, const TagCall& call, bool* known = nullptr);
  static bool HasFunction(const QString& name);
  // The last call failed and showed its message: its text stands for nothing.
  bool Failed() const { return failed_; }

 private:
  bool failed_ = false;
};

}  // namespace rd

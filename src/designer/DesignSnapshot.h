#pragma once
#include <QHash>
#include <QString>

#include "core/OpenDataWindows.h"

namespace rd {

// The stored record sources and modules as text, to tell which of them a
// session of the development window changed.
class DesignSnapshot {
 public:
  // Reads tblRecordset and tblMenu; a table that cannot be read counts as
  // empty.
  static DesignSnapshot Take();
  // The record sources and modules that differ in later.
  DesignChange ChangesTo(const DesignSnapshot& later) const;

 private:
  struct Entry {
    QString name;  // as stored
    QString rows;  // every cell of its rows
  };
  using Entries = QHash<QString, Entry>;  // by name in lower case
  static Entries Read(const QString& sql, const QString& nameColumn);

  Entries sources_;
  Entries modules_;
};

}  // namespace rd

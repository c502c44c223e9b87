#pragma once
#include <QString>
#include <vector>

namespace rd {

class Recordset;

// The definition of one record source as tblRecordset keeps it: the
// source-level texts of its first row and one entry per field row in
// field order.
class RecordSource {
 public:
  struct FieldRow {
    QString caption;  // [Language]
    bool isShow = false;
    QString totalSQL, totalFormat, totalLanguage;  // trimmed
  };

  // Reads the rows of rsName; false when the read failed (the database's
  // message already shown) or the source has no rows (*missing set).
  bool Load(const QString& rsName, bool* missing = nullptr);
  // Opens the field rows of rsName, by ID or in stored order; false (the
  // database's message shown) when the read failed.
  static bool OpenFieldRows(const QString& rsName, Recordset& rs, bool orderById = true);

  QString SelectSQL() const { return selectSQL_; }
  QString WhereArea() const { return whereArea_; }
  QString OrderArea() const { return orderArea_; }
  QString DeleteSQL() const { return deleteSQL_; }
  // At least 1: an empty or unreadable value counts as one line.
  int PrintLines() const { return printLines_; }
  const std::vector<FieldRow>& Fields() const { return fields_; }

  // The stored condition with a filter added: both bracketed, so that an
  // Or in the filter cannot widen the source's own restriction. A filter
  // of blanks leaves the condition as stored.
  static QString ApplyFilter(const QString& whereArea, const QString& filter);
  // SelectSQL, WhereArea and OrderArea joined by blanks.
  static QString Query(const QString& selectSQL, const QString& whereArea,
                       const QString& orderArea);

 private:
  QString selectSQL_, whereArea_, orderArea_, deleteSQL_;
  int printLines_ = 1;
  std::vector<FieldRow> fields_;
};

}  // namespace rd

#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "expressions/FieldDef.h"

namespace rd {

class CompiledAssignments;

// What the expression routines see of an editor window: its caption
// labels (Label1, element 0 the template), the input controls by kind and
// index, and its detail grid (vsData) when it has one. Every editor
// implements it once, over its control arrays.
class EditorFields {
 public:
  virtual ~EditorFields();

  // Label1.Count, the template included.
  virtual int LabelCount() const = 0;
  // Label1(i).Tag: the FieldDefTag of a field.
  virtual QString LabelTag(int label) const = 0;

  // The value of input control index of a kind: the text of Text, TextArea,
  // Combo and ComboList; "0", "1" or "2" of Check; "yyyy-MM-dd hh:mm:ss" of
  // DateTime. "" when there is no such control.
  virtual QString FieldValue(ControlKind kind, int index) const = 0;
  // Stores a value as FieldValue reads it. A Check takes 0, 1, 2, a
  // Boolean or a number (non-zero is 1); a DateTime a date text. A value
  // the control cannot take leaves it unchanged and gives false.
  virtual bool SetFieldValue(ControlKind kind, int index, const QString& value) = 0;
  // The display format of a date picker.
  virtual bool SetPickerFormat(int index, const QString& customFormat) = 0;

  // The detail grid: row 0 the captions, Rows() counting it.
  virtual int GridRows() const { return 0; }
  virtual int GridCols() const { return 0; }
  virtual QString GridColKey(int) const { return QString(); }
  virtual QString GridTextMatrix(int, int) const { return QString(); }

  // Title of the window's message boxes.
  virtual QString Caption() const = 0;

  // The fields in label order (labels 1 up), read again when a tag changed.
  const std::vector<FieldDef>& Fields() const;
  // The first field whose name equals name, case ignored; null when none.
  const FieldDef* FindField(const QString& name) const;
  QString Value(const FieldDef& field) const { return FieldValue(field.kind, field.index); }
  bool SetValue(const FieldDef& field, const QString& value) {
    return SetFieldValue(field.kind, field.index, value);
  }

  // Assignment lists compiled for these fields, by text; dropped whenever
  // the fields change.
  std::shared_ptr<const CompiledAssignments> Compiled(const QString& assignments) const;

 private:
  mutable QStringList tags_;
  mutable std::vector<FieldDef> fields_;
  mutable QHash<QString, std::shared_ptr<const CompiledAssignments>> compiled_;
};

}  // namespace rd

#pragma once
#include <QString>
#include <QStringList>

namespace rd {

// The kinds of input control a field can have.
enum class ControlKind { Text, TextArea, Combo, ComboList, DateTime, Check, Other };

// One field of an editor, read from its caption label's tag:
// Field|ControlType|index|IsInput|IsKey|MaxLength|InputRange|InputExp|
// IsBillID|CustomBillID|Calculate|DefaultValue|DisplayFormat|SaveFormat|SpecField
struct FieldDef {
  enum Part {
    kField = 0, kControlType = 1, kIndex = 2, kIsInput = 3, kIsKey = 4, kMaxLength = 5,
    kInputRange = 6, kInputExp = 7, kIsBillID = 8, kCustomBillID = 9, kCalculate = 10,
    kDefaultValue = 11, kDisplayFormat = 12, kSaveFormat = 13, kSpecField = 14
  };

  int label = 0;  // index of the caption label
  QStringList parts;
  ControlKind kind = ControlKind::Other;
  int index = 0;  // of the input control in its array

  static FieldDef FromTag(int label, const QString& tag);
  // The ControlType text, compared exactly.
  static ControlKind KindOf(const QString& controlType);

  QString Part(int i) const { return i < parts.size() ? parts[i] : QString(); }
  const QString& Field() const { return field_; }
  // A control whose value is its text.
  bool IsTextLike() const {
    return kind == ControlKind::Text || kind == ControlKind::TextArea ||
           kind == ControlKind::Combo || kind == ControlKind::ComboList;
  }

 private:
  QString field_;
};

}  // namespace rd

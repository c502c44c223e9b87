#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include "expressions/EditorFields.h"
#include "edit/TwoStateCheckBox.h"
#include "platform/widgets/ControlArray.h"
#include "platform/widgets/DTPicker.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

// The caption labels and input controls of an editor window, as control
// arrays whose element 0 is the invisible design template (made here as
// children of the window, sized as designed); the editor loads, places and
// tags the elements. The expression routines reach the fields through it.
class FieldControls : public EditorFields {
 public:
  explicit FieldControls(QWidget* window);

  ControlArray<QLabel> Label1;          // Tag: the FieldDefTag
  ControlArray<QLineEdit> Text1;        // "Text"
  ControlArray<QPlainTextEdit> Text2;   // "TextArea"
  ControlArray<QComboBox> Combo1;       // "Combo", editable
  ControlArray<QComboBox> Combo2;       // "ComboList", list only
  ControlArray<DTPicker> DTPicker1;     // "DateTime"
  ControlArray<TwoStateCheckBox> Check1;  // "Check": 0, 1, or 2 (grey) set from code
  QPointer<FlexGrid> vsData;            // the detail grid, when the window has one

  // The next element of the array of a kind, loaded; null for Other.
  QWidget* LoadControl(ControlKind kind, int* index);
  QWidget* Control(ControlKind kind, int index) const;
  // The check value of a box: 0 unchecked, 1 checked, 2 grey.
  static int CheckValue(const QCheckBox& box);

  int LabelCount() const override { return Label1.Count(); }
  QString LabelTag(int label) const override { return Label1.Tag(label); }
  QString FieldValue(ControlKind kind, int index) const override;
  bool SetFieldValue(ControlKind kind, int index, const QString& value) override;
  bool SetPickerFormat(int index, const QString& customFormat) override;
  int GridRows() const override { return vsData ? vsData->Rows() : 0; }
  int GridCols() const override { return vsData ? vsData->Cols() : 0; }
  QString GridColKey(int col) const override { return vsData ? vsData->ColKey(col) : QString(); }
  QString GridTextMatrix(int row, int col) const override {
    return vsData ? vsData->TextMatrix(row, col) : QString();
  }
  QString Caption() const override { return window_ ? window_->windowTitle() : QString(); }

 private:
  static bool setCheck(QCheckBox& box, const QString& value);
  QPointer<QWidget> window_;
};

}  // namespace rd

#include "edit/FieldControls.h"

#include "platform/script/VbValue.h"
#include "platform/ui/Twips.h"

namespace rd {

namespace {

template <typename T>
T* makeTemplate(QWidget* window, const char* name, int width, int height) {
  T* control = new T(window);
  control->setObjectName(QLatin1String(name));
  control->setGeometry(Twips::ToPx(0, 0, width, height));
  return control;
}

template <typename T>
T* loadNext(ControlArray<T>& array, int* index) {
  const int i = array.UBound() + 1;
  T* control = array.Load(i);
  if (control && index) *index = i;
  return control;
}

}  // namespace

FieldControls::FieldControls(QWidget* window) : window_(window) {
  Label1.SetTemplate(makeTemplate<QLabel>(window, "Label1", 1200, 375));
  Text1.SetTemplate(makeTemplate<QLineEdit>(window, "Text1", 2175, 375));
  auto* area = makeTemplate<QPlainTextEdit>(window, "Text2", 6495, 1095);
  area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text2.SetTemplate(area);
  auto* combo = makeTemplate<QComboBox>(window, "Combo1", 2175, 375);
  combo->setEditable(true);
  Combo1.SetTemplate(combo);
  Combo2.SetTemplate(makeTemplate<QComboBox>(window, "Combo2", 2175, 375));
  DTPicker1.SetTemplate(makeTemplate<DTPicker>(window, "DTPicker1", 2175, 375));
  Check1.SetTemplate(makeTemplate<TwoStateCheckBox>(window, "Check1", 2175, 375));
}

QWidget* FieldControls::LoadControl(ControlKind kind, int* index) {
  switch (kind) {
    case ControlKind::Text: return loadNext(Text1, index);
    case ControlKind::TextArea: {
      // Copying the template's maximumBlockCount switches the undo history off.
      QPlainTextEdit* area = loadNext(Text2, index);
      if (!area) return nullptr;
      area->setUndoRedoEnabled(true);
      area->setTabChangesFocus(true);
      return area;
    }
    case ControlKind::Combo: {
      QComboBox* combo = loadNext(Combo1, index);
      if (combo) combo->setEditable(true);
      return combo;
    }
    case ControlKind::ComboList: return loadNext(Combo2, index);
    case ControlKind::DateTime: return loadNext(DTPicker1, index);
    case ControlKind::Check: return loadNext(Check1, index);
    case ControlKind::Other: break;
  }
  return nullptr;
}

QWidget* FieldControls::Control(ControlKind kind, int index) const {
  switch (kind) {
    case ControlKind::Text: return Text1[index];
    case ControlKind::TextArea: return Text2[index];
    case ControlKind::Combo: return Combo1[index];
    case ControlKind::ComboList: return Combo2[index];
    case ControlKind::DateTime: return DTPicker1[index];
    case ControlKind::Check: return Check1[index];
    case ControlKind::Other: break;
  }
  return nullptr;
}

int FieldControls::CheckValue(const QCheckBox& box) {
  switch (box.checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

QString FieldControls::FieldValue(ControlKind kind, int index) const {
  switch (kind) {
    case ControlKind::Text:
      if (QLineEdit* edit = Text1[index]) return edit->text();
      break;
    case ControlKind::TextArea:
      if (QPlainTextEdit* edit = Text2[index]) return edit->toPlainText();
      break;
    case ControlKind::Combo:
      if (QComboBox* combo = Combo1[index]) return combo->currentText();
      break;
    case ControlKind::ComboList:
      if (QComboBox* combo = Combo2[index]) return combo->currentText();
      break;
    case ControlKind::DateTime:
      if (DTPicker* picker = DTPicker1[index]) return picker->ValueText();
      break;
    case ControlKind::Check:
      if (QCheckBox* box = Check1[index]) return QString::number(CheckValue(*box));
      break;
    case ControlKind::Other: break;
  }
  return QString();
}

bool FieldControls::setCheck(QCheckBox& box, const QString& value) {
  int state = -1;
  double number = 0;
  const QString t = value.trimmed();
  if (t == QLatin1String("2"))
    state = 2;
  else if (VbValue::ParseNumber(t, &number))
    state = number != 0 ? 1 : 0;
  else if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
    state = 1;
  else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
    state = 0;
  if (state < 0) return false;
  box.setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
  return true;
}

bool FieldControls::SetFieldValue(ControlKind kind, int index, const QString& value) {
  switch (kind) {
    case ControlKind::Text:
      if (QLineEdit* edit = Text1[index]) {
        if (edit->text() != value) edit->setText(value);
        return true;
      }
      break;
    case ControlKind::TextArea:
      if (QPlainTextEdit* edit = Text2[index]) {
        if (edit->toPlainText() != value) edit->setPlainText(value);
        return true;
      }
      break;
    case ControlKind::Combo:
      if (QComboBox* combo = Combo1[index]) {
        combo->setEditText(value);
        return true;
      }
      break;
    case ControlKind::ComboList:
      // A list takes only its own items; empty text clears the choice.
      if (QComboBox* combo = Combo2[index]) {
        const int item = combo->findText(value, Qt::MatchExactly);
        if (item < 0 && !value.isEmpty()) return false;
        combo->setCurrentIndex(item);
        return true;
      }
      break;
    case ControlKind::DateTime:
      if (DTPicker* picker = DTPicker1[index]) return picker->SetValue(QVariant(value));
      break;
    case ControlKind::Check:
      if (QCheckBox* box = Check1[index]) return setCheck(*box, value);
      break;
    case ControlKind::Other: break;
  }
  return false;
}

bool FieldControls::SetPickerFormat(int index, const QString& customFormat) {
  DTPicker* picker = DTPicker1[index];
  if (!picker) return false;
  picker->SetCustomFormat(customFormat);
  return true;
}

}  // namespace rd

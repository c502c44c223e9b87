#include "edit/modForm.h"

#include <QPointer>
#include <QStringList>

#include "core/modCommon.h"
#include "edit/FieldControls.h"
#include "edit/ModalShow.h"
#include "edit/RecordForm.h"
#include "edit/frmOption.h"

namespace rd {

namespace {
constexpr int kPickerCaption = 1026;
}  // namespace

bool SelectOption(QWidget* editor, FieldControls& fields, const QString& buttonTag) {
  if (!editor) return false;
  const QStringList parts = buttonTag.split(QLatin1Char('|'));
  const QString optionRs = parts.value(1);
  QStringList targets, sources;
  for (const QString& pair : parts.value(2).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    targets << pair.section(QLatin1Char('='), 0, 0).trimmed();
    sources << pair.section(QLatin1Char('='), 1).trimmed();
  }
  editor->setProperty("ReturnValue", QString());
  editor->setProperty("OKFlag", false);

  QPointer<frmOption> picker = new frmOption(editor);
  picker->SetForm(editor);
  picker->setWindowTitle(ReplaceParams(GetLangString(kPickerCaption), {editor->windowTitle()}));
  picker->setWindowIcon(editor->windowIcon());
  picker->SetRsName(optionRs);
  picker->SetReturnField(sources.join(QLatin1Char(';')));
  if (picker->RefreshData()) ModalShow::Exec(picker);
  delete picker;

  if (!editor->property("OKFlag").toBool()) return false;
  const QStringList values = editor->property("ReturnValue").toString().split(QLatin1Char(';'));
  for (int j = 0; j < targets.size(); ++j) {
    const FieldDef* field = fields.FindField(targets[j]);
    if (!field || field->kind == ControlKind::Other) continue;
    fields.SetValue(*field, values.value(j));
    if (j == 0)
      if (QWidget* control = fields.Control(field->kind, field->index)) control->setFocus();
  }
  return true;
}

bool FillCombo(QComboBox* combo, const QString& optionRs, const QString& returnField) {
  return RecordForm::FillCombo(combo, optionRs, returnField);
}

}  // namespace rd

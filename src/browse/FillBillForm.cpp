#include "browse/FillBillForm.h"

#include "core/modCommon.h"

#include <QWidget>

#include "browse/BillCopy.h"
#include "expressions/EditorFields.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ToolbarButton.h"

namespace rd {

namespace {

EditorFields* FieldsOf(QWidget* editor) {
  if (auto* fields = dynamic_cast<EditorFields*>(editor)) return fields;
  for (QObject* child : editor->findChildren<QObject*>(Qt::FindDirectChildrenOnly))
    if (auto* fields = dynamic_cast<EditorFields*>(child)) return fields;
  return nullptr;
}

bool Fail(QWidget* editor, const QString& text) {
  if (!text.isEmpty())
    MsgBox(text, MsgIcon::Critical, MsgButtons::OkOnly, editor ? editor->windowTitle() : QString());
  return false;
}

}  // namespace

bool FillBillForm(QWidget* editor, const QString&, QObject* button, const QString& parameter1,
                  const QString& key, const QString& picked) {
  // The viewer shows a stored bill: a copy would mix another one into it.
  EditorFields* fields =
      editor && !editor->inherits("rd::frmMultiView") ? FieldsOf(editor) : nullptr;
  if (!fields) return Fail(editor, GetLangString(1224));
  auto* toolbarButton = qobject_cast<ToolbarButton*>(button);
  auto* grid = editor->findChild<FlexGrid*>(QStringLiteral("vsData"));

  QStringList gridKeys;
  for (int col = 0; grid && col < grid->Cols(); ++col) gridKeys << grid->ColKey(col);
  QString error;
  const auto copy = BillCopy::Read(parameter1, key, picked,
                                   toolbarButton ? toolbarButton->Tag() : QString(), gridKeys,
                                   grid != nullptr, &error);
  if (!copy) return Fail(editor, error);

  if (!copy->ApplyHeader(*fields, &error)) return Fail(editor, error);
  if (copy->CopiesDetail()) {
    for (int row = grid->Rows() - 1; row >= 1; --row) grid->RemoveItem(row);
    for (const QStringList& cells : copy->DetailRows()) {
      grid->AddItem(QString());
      const int row = grid->Rows() - 1;
      for (int col = 1; col < cells.size(); ++col) grid->SetTextMatrix(row, col, cells[col]);
    }
  }
  // The single-record editor has no grid to total.
  if (editor->metaObject()->indexOfMethod("GridCalculate()") >= 0)
    QMetaObject::invokeMethod(editor, "GridCalculate", Qt::DirectConnection);
  return true;
}

}  // namespace rd

#include "designer/frmField.h"

#include "browse/RecordSource.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/frmFieldEdit.h"
#include "masterdetail/ListPrint.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kEditCaption = 1021;
// The window opens modally with this size, in twips.
constexpr int kWidth = 9000;
constexpr int kHeight = 6000;
}  // namespace

frmField::frmField(QWidget* parent) : BrowseWindow(parent) {
  setObjectName(QStringLiteral("frmField"));
  resize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
  InitControl();
  CloseOnEscape();
}

bool frmField::InitControl() {
  BuildListToolbar();
  return true;
}

QString frmField::TableFilter() const {
  return "TableName='" + SqlStr(tableName_) + "'";
}

bool frmField::RefreshData(const QString& filter) {
  QString sql = QStringLiteral(
      "select ID,TableName,FieldIndex,FieldName,FieldType,FieldLength,IsKey,IsAuto,AllowEmpty,"
      "DefaultValue from tblTable ");
  const QString table = tableName_.isEmpty() ? QStringLiteral("where 1=0")
                                             : "where tablename='" + SqlStr(tableName_) + "'";
  // Bracketed, so that an "Or" of the query dialog stays within this table.
  sql += RecordSource::ApplyFilter(table, filter);
  if (!ShowRecords(sql, QStringLiteral("order by FieldIndex"))) return false;
  FlexGrid* grid = vsData();
  grid->setUpdatesEnabled(false);
  grid->SetColHidden(1, true);
  ShowRecordCount(grid->Rows() - 1);
  grid->Refresh();
  grid->setUpdatesEnabled(true);
  return true;
}

int frmField::GetNextFieldIndex() const {
  if (tableName_.isEmpty()) return 0;
  Recordset rs;
  if (!OpenRecordset("select max(FieldIndex) from tblTable where TableName='" +
                         SqlStr(tableName_) + "'",
                     rs, 1) ||
      rs.Eof())
    return 0;
  const QVariant highest = rs.Fields(0).Value;
  return highest.isNull() ? 0 : highest.toInt() + 1;
}

bool frmField::AddData() {
  frmFieldEdit editor(this);
  editor.SetForm(this);
  editor.SetEditMode(0);
  editor.setWindowIcon(windowIcon());
  editor.SetMaxID(QString::number(GetNextFieldIndex()));
  editor.setWindowTitle(CaptionFor(kEditCaption));
  editor.InitControl();
  RunEditor(editor);
  return true;
}

bool frmField::ModifyData() {
  const int row = vsData()->SelectedRow(0);
  if (row < 1 || !ReadGridRows(row, row)) return false;
  frmFieldEdit editor(this);
  editor.SetForm(this);
  editor.SetID(vsData()->TextMatrix(row, 1).trimmed().toLongLong());
  editor.SetEditMode(1);
  editor.setWindowIcon(windowIcon());
  editor.setWindowTitle(CaptionFor(kEditCaption));
  editor.InitControl();
  if (!editor.GetData()) return false;
  RunEditor(editor);
  return true;
}

void frmField::vsData_DblClick() {
  if (vsData()->SelectedRows() > 0) ModifyData();
}

void frmField::RunEditor(frmFieldEdit& editor) { editor.exec(); }

bool frmField::HandleOwnButton(const QString& key) {
  if (key == QLatin1String("Print"))
    return PrintEveryRow(
        [this] { return ListPrint::Print(*this, *vsData(), *stbTemplate(), windowTitle()); });
  if (key != QLatin1String("Refresh")) return false;
  RefreshData(tableName_.isEmpty() ? QStringLiteral("1=0") : TableFilter());
  return true;
}

bool frmField::DeleteRecord(const QStringList& /*cells*/, qlonglong id, QString* error) {
  return ExecuteSQL("delete from tblTable WHERE ID=" + QString::number(id), error);
}

}  // namespace rd

#include "browse/frmSingleTable.h"

#include <QDialog>
#include <QMdiSubWindow>
#include <QPointer>
#include <QVBoxLayout>

#include "browse/RecordSource.h"
#include "browse/modToolbar.h"
#include "core/RecordEditor.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "edit/engine/modExpressions.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

namespace {
constexpr int kAddCaption = 1021;
constexpr int kModifyCaption = 1022;
constexpr int kDeleteQuestion = 1023;
constexpr int kQueryCaption = 1024;
constexpr int kRecordCount = 1006;

// The record's ID as grid column 1 holds it; 0 when it is not a whole number.
qlonglong RecordID(const FlexGrid& grid, int row) {
  bool ok = false;
  const qlonglong id = grid.TextMatrix(row, 1).trimmed().toLongLong(&ok);
  return ok ? id : 0;
}
}  // namespace

frmSingleTable::frmSingleTable(QWidget* parent)
    : QWidget(parent),
      tbrMain_(new Toolbar(this)),
      vsData_(new FlexGrid(this)),
      stbTemplate_(new StatusBar(this)),
      imgBar_(new ImageList(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  tbrMain_->setObjectName(QStringLiteral("tbrMain"));
  vsData_->setObjectName(QStringLiteral("vsData"));
  stbTemplate_->setObjectName(QStringLiteral("stbTemplate"));
  imgBar_->setObjectName(QStringLiteral("imgBar"));
  AddStandardImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tbrMain_);
  layout->addWidget(vsData_, 1);
  layout->addWidget(stbTemplate_);

  connect(tbrMain_, &Toolbar::ButtonClick, this, &frmSingleTable::tbrMain_ButtonClick);
  connect(vsData_, &FlexGrid::DblClick, this, &frmSingleTable::vsData_DblClick);
}

void frmSingleTable::InitControl() { BuildToolbar(this, ModuleName(), QStringLiteral("Browse")); }

bool frmSingleTable::RefreshData(const QString& filter) {
  RecordSource source;
  bool missing = false;
  if (!source.Load(RsName(), &missing)) {
    if (missing) Warn(QStringLiteral("The record source \"%1\" is not defined.").arg(RsName()));
    return false;
  }
  selectSQL_ = source.SelectSQL();
  whereArea_ = RecordSource::ApplyFilter(source.WhereArea(), filter);
  orderArea_ = source.OrderArea();
  printLines_ = source.PrintLines();

  Recordset rs;
  if (!OpenRecordset(RecordSource::Query(selectSQL_, whereArea_, orderArea_), rs, 1)) return false;
  vsData_->setUpdatesEnabled(false);
  vsData_->SetDataSource(rs);
  const std::vector<RecordSource::FieldRow>& fields = source.Fields();
  // Field row i is grid column i; rows beyond the query's columns are ignored.
  const int columns = std::min<int>(int(fields.size()), vsData_->Cols() - 1);
  for (int i = 1; i <= columns; ++i) {
    const RecordSource::FieldRow& f = fields[i - 1];
    if (!f.caption.isEmpty()) vsData_->SetTextMatrix(0, i, f.caption);
    vsData_->SetColHidden(i, !f.isShow);
  }
  ShowTotals(source, rs.RecordCount());
  vsData_->Refresh();
  vsData_->setUpdatesEnabled(true);
  return true;
}

void frmSingleTable::ShowTotals(const RecordSource& source, int recordCount) {
  stbTemplate_->ClearPanels();
  stbTemplate_->AddPanel(ReplaceParams(GetLangString(kRecordCount), {QString::number(recordCount)}))
      ->SetAutoSize(StatusBarPanel::Spring);
  for (const RecordSource::FieldRow& f : source.Fields()) {
    if (f.totalSQL.isEmpty()) continue;
    stbTemplate_
        ->AddPanel(f.totalLanguage + ": " +
                   GetSqlValue(f.totalSQL + ' ' + whereArea_, f.totalFormat))
        ->SetAutoSize(StatusBarPanel::Contents);
  }
}

bool frmSingleTable::ModifyData() {
  const int row = vsData_->SelectedRow(0);
  if (row < 1) return false;
  return OpenEditor(1, row, kModifyCaption);
}

bool frmSingleTable::AddData() { return OpenEditor(0, 0, kAddCaption); }

bool frmSingleTable::OpenEditor(int editMode, int row, int captionKey) {
  QPointer<QWidget> window = WindowRegistry::Create(QStringLiteral("frmEdit"), this);
  auto* editor = dynamic_cast<RecordEditor*>(window.data());
  if (!editor) {
    delete window;
    return false;
  }
  editor->SetForm(this);
  editor->SetEditMode(editMode);
  editor->SetAllowAdd(CanAdd());
  editor->SetModuleName(ModuleName());
  editor->SetRsName(RsName());
  if (editMode == 1) editor->SetID(row);
  const bool loaded = editor->Load();
  if (loaded) {
    window->setWindowIcon(windowIcon());
    window->setWindowTitle(ReplaceParams(GetLangString(captionKey), {windowTitle()}));
    if (auto* dialog = qobject_cast<QDialog*>(window.data())) dialog->exec();
  }
  delete window;
  return loaded;
}

bool frmSingleTable::DeleteData() {
  if (MsgBox(GetLangString(kDeleteQuestion), MsgIcon::Question, MsgButtons::OkCancel, windowTitle(),
             this) != MsgResult::Ok)
    return false;
  const int selected = vsData_->SelectedRows();
  if (selected == 0) return true;

  RecordSource source;
  bool missing = false;
  if (!source.Load(RsName(), &missing)) {
    if (missing) Warn(QStringLiteral("The record source \"%1\" is not defined.").arg(RsName()));
    return false;
  }
  std::vector<qlonglong> ids;
  int refused = 0;
  for (int i = 0; i < selected; ++i) {
    const qlonglong id = RecordID(*vsData_, vsData_->SelectedRow(i));
    if (id != 0)
      ids.push_back(id);
    else
      ++refused;
  }
  QString error;
  for (qlonglong id : ids) {
    QString sql = source.DeleteSQL();
    sql.replace(QLatin1String("@ID"), QString::number(id));
    if (!ExecuteSQL(sql, &error)) break;
  }
  if (!ids.empty()) RefreshData(QString());
  if (!error.isEmpty())
    MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
  else if (refused > 0)
    Warn(QStringLiteral("%1 of the selected rows have no record number and were not deleted.")
             .arg(refused));
  return true;
}

bool frmSingleTable::QueryData() {
  QPointer<QWidget> dialog = WindowRegistry::Create(QStringLiteral("frmQuery"), this);
  if (!dialog) return false;
  dialog->setProperty("Form", QVariant::fromValue<QObject*>(this));
  dialog->setWindowIcon(windowIcon());
  dialog->setWindowTitle(ReplaceParams(GetLangString(kQueryCaption), {windowTitle()}));
  QMetaObject::invokeMethod(dialog, "InitControl");
  if (auto* modal = qobject_cast<QDialog*>(dialog.data())) modal->exec();
  delete dialog;
  return true;
}

bool frmSingleTable::CanAdd() const { return tbrMain_->Button(QStringLiteral("Add")) != nullptr; }

bool frmSingleTable::CanModify() const {
  return tbrMain_->Button(QStringLiteral("Modify")) != nullptr;
}

void frmSingleTable::tbrMain_ButtonClick(ToolbarButton* button) {
  const QString key = button->Key();
  if (key == QLatin1String("Add"))
    AddData();
  else if (key == QLatin1String("Modify"))
    ModifyData();
  else if (key == QLatin1String("Delete"))
    DeleteData();
  else if (key == QLatin1String("Refresh"))
    RefreshData(QString());
  else if (key == QLatin1String("Query"))
    QueryData();
  else if (key == QLatin1String("Print"))
    return;  // printing comes with the report runtime
  else if (key == QLatin1String("Close"))
    Unload();
  else
    ExecuteButtonFunction(this, ModuleName(), button);
}

void frmSingleTable::vsData_DblClick() {
  if (vsData_->SelectedRows() > 0 && CanModify()) ModifyData();
}

void frmSingleTable::Warn(const QString& text) {
  MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
}

void frmSingleTable::Unload() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->close();
  else
    close();
}

}  // namespace rd

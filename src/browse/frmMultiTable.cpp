#include "browse/frmMultiTable.h"

#include <QPointer>

#include "browse/RecordSource.h"
#include "core/SqlTemplate.h"
#include "core/Globals.h"
#include "core/MasterDetailEditor.h"
#include "core/ModalRunner.h"
#include "core/ModuleRelation.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Connection.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kAddCaption = 1021;
constexpr int kModifyCaption = 1022;
constexpr int kViewCaption = 1030;

// The one viewer of all master windows, and the window whose row it shows.
QPointer<QWidget> sharedViewer;
const frmMultiTable* viewerForm = nullptr;

}  // namespace

frmMultiTable::frmMultiTable(QWidget* parent) : BrowseWindow(parent) {}

frmMultiTable::~frmMultiTable() {
  // The viewer reads this window's grid; it goes with it.
  if (viewerForm == this) {
    delete sharedViewer;
    viewerForm = nullptr;
  }
}

QString frmMultiTable::TotalQuery(const QString& totalSQL) const { return totalSQL; }

bool frmMultiTable::HandleOwnButton(const QString& key) {
  if (key != QLatin1String("View")) return false;
  ViewData();
  return true;
}

void frmMultiTable::SetMembers(MasterDetailEditor& editor, int editMode, int row) {
  editor.SetForm(this);
  editor.SetEditMode(editMode);
  editor.SetModuleName(ModuleName());
  editor.SetRsName(RsName());
  editor.SetRsName2(RsName2());
  editor.SetRelation(Relation());
  if (row > 0) editor.SetID(row);
}

bool frmMultiTable::InitControl() {
  if (!ModuleRelation::Parse(Relation())) {
    Warn(ModuleRelation::RefusalText(ShownName(), Relation()));
    return false;
  }
  return BrowseWindow::InitControl();
}

bool frmMultiTable::AddData() { return OpenEditor(0, 0, kAddCaption); }

bool frmMultiTable::ModifyData() {
  const int row = ActionRecordRow();
  return row > 0 && OpenEditor(1, row, kModifyCaption);
}

bool frmMultiTable::OpenEditor(int editMode, int row, int captionKey) {
  QPointer<QWidget> window = WindowRegistry::Create(QStringLiteral("frmMultiEdit"), this);
  auto* editor = dynamic_cast<MasterDetailEditor*>(window.data());
  if (!editor) {
    delete window;
    return false;
  }
  SetMembers(*editor, editMode, row);
  // Messages shown while the editor builds carry its caption.
  window->setWindowTitle(CaptionFor(captionKey));
  window->setWindowIcon(windowIcon());
  const bool loaded = editor->Load();
  if (loaded) ModalRunner().Run(window);
  delete window;
  return loaded;
}

bool frmMultiTable::ViewData() {
  const int row = ActionRecordRow();
  if (row < 1) return false;
  if (!sharedViewer) {
    sharedViewer = WindowRegistry::Create(QStringLiteral("frmMultiView"), window());
    if (!sharedViewer) return false;
    sharedViewer->setWindowFlag(Qt::Window, true);
  }
  auto* viewer = dynamic_cast<MasterDetailEditor*>(sharedViewer.data());
  if (!viewer) {
    delete sharedViewer;
    return false;
  }
  SetMembers(*viewer, 1, row);
  viewerForm = this;
  sharedViewer->setWindowTitle(CaptionFor(kViewCaption));
  sharedViewer->setWindowIcon(windowIcon());
  if (!viewer->Load()) {
    delete sharedViewer;
    viewerForm = nullptr;
    return false;
  }
  sharedViewer->show();
  sharedViewer->raise();
  sharedViewer->activateWindow();
  return true;
}

void frmMultiTable::vsData_DblClick() {
  if (vsData()->Row() > 0 && CanModify()) ModifyData();
}

bool frmMultiTable::CheckDelete() {
  // Master field "=" detail field; without both nothing may be deleted,
  // or details would stay behind or the wrong ones go.
  const std::optional<ModuleRelation> link = ModuleRelation::Parse(Relation());
  if (!link) {
    Warn(ReplaceParams(GetLangString(1202), {Relation()}));
    return false;
  }
  const QString masterField = link->masterField;
  detailField_ = link->detailField;
  masterColumn_ = 0;
  for (int i = 1; i < vsData()->Cols(); ++i)
    if (vsData()->ColKey(i).compare(masterField, Qt::CaseInsensitive) == 0) masterColumn_ = i;
  if (masterColumn_ == 0) {
    Warn(ReplaceParams(GetLangString(1203), {masterField}));
    return false;
  }
  return true;
}

bool frmMultiTable::LoadDeleteTemplates() {
  if (!BrowseWindow::LoadDeleteTemplates()) return false;
  RecordSource detail;
  if (!LoadSource(RsName2(), detail)) return false;
  detailDeleteSQL_ = detail.DeleteSQL();
  return true;
}

bool frmMultiTable::DeleteRecord(const QStringList& cells, qlonglong id, QString* error) {
  const QString masterValue = cells.value(masterColumn_);
  const QString details = SqlTemplate::Fill(detailDeleteSQL_, {{detailField_, masterValue}});
  // Without a database the statement fails with its own message.
  if (!DbConnection) return ExecuteSQL(details, error);
  Transaction transaction(*DbConnection);
  if (!transaction.Started()) {
    *error = DbConnection->LastError();
    return false;
  }
  if (!ExecuteSQL(details, error) || !BrowseWindow::DeleteRecord(cells, id, error)) return false;
  if (!transaction.Commit()) {
    *error = DbConnection->LastError();
    return false;
  }
  return true;
}

}  // namespace rd

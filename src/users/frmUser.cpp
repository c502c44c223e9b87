#include "users/frmUser.h"

#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "masterdetail/ListPrint.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"
#include "users/CentredWindow.h"
#include "users/UserStore.h"
#include "users/frmUserEdit.h"

namespace rd {

namespace {
constexpr int kEditCaption = 1021;
constexpr int kFirstColumnHead = 1050;
constexpr int kPrintHeading = 1089;
constexpr int kColumns = 5;
// The window opens modally with this size, in twips.
constexpr int kWidth = 9000;
constexpr int kHeight = 6000;
}  // namespace

frmUser::frmUser(QWidget* parent) : BrowseWindow(parent) {
  setObjectName(QStringLiteral("frmUser"));
  resize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
  CentreOnFirstShow(this, kHeight, kWidth);
  InitControl();
  CloseOnEscape();
}

bool frmUser::InitControl() {
  BuildListToolbar();
  return true;
}

bool frmUser::RefreshData(const QString& filter) {
  QString sql = QStringLiteral("select * from tblUser ");
  if (!filter.isEmpty()) sql += QStringLiteral(" WHERE ") + filter;
  FlexGrid* grid = vsData();
  if (!ShowRecords(sql.trimmed(), QString())) return false;
  grid->setUpdatesEnabled(false);
  grid->SetColHidden(1, true);
  for (int c = 1; c <= kColumns && c < grid->Cols(); ++c)
    grid->SetTextMatrix(0, c, GetLangString(kFirstColumnHead + c));
  for (int c = 1; c < grid->Cols(); ++c) grid->SetColAlignment(c, Qt::AlignCenter);
  ShowRecordCount(grid->Rows() - 1);
  grid->Refresh();
  grid->setUpdatesEnabled(true);
  return true;
}

bool frmUser::AddData() {
  frmUserEdit editor(this);
  editor.SetForm(this);
  editor.SetEditMode(0);
  editor.setWindowIcon(windowIcon());
  editor.setWindowTitle(CaptionFor(kEditCaption));
  RunEditor(editor);
  return true;
}

bool frmUser::ModifyData() {
  const int row = vsData()->SelectedRow(0);
  if (row < 1 || !ReadGridRows(row, row)) return false;
  frmUserEdit editor(this);
  editor.SetForm(this);
  editor.SetID(vsData()->TextMatrix(row, 1).trimmed().toLongLong());
  editor.SetOldUserName(vsData()->TextMatrix(row, 2));
  editor.SetEditMode(1);
  editor.setWindowIcon(windowIcon());
  editor.setWindowTitle(CaptionFor(kEditCaption));
  if (!editor.GetData()) {
    // The user is gone: show the list as it is now.
    RefreshData(QString());
    return false;
  }
  RunEditor(editor);
  return true;
}

bool frmUser::HandleOwnButton(const QString& key) {
  if (key != QLatin1String("Print")) return false;
  PrintEveryRow([this] {
    return ListPrint::Print(*this, *vsData(), *stbTemplate(),
                            ReplaceParams(GetLangString(kPrintHeading), {QString(), windowTitle()}));
  });
  return true;
}

void frmUser::RunEditor(frmUserEdit& editor) { editor.exec(); }

bool frmUser::DeleteRecord(const QStringList& /*cells*/, qlonglong id, QString* error) {
  return UserStore::Delete(id, error);
}

}  // namespace rd

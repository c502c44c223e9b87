#include "browse/BrowseWindow.h"

#include <QDialog>
#include <QEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

#include "browse/GridRecordID.h"
#include "browse/PrintData.h"
#include "browse/RecordSource.h"
#include "browse/modToolbar.h"
#include "core/Globals.h"
#include "core/SqlTemplate.h"
#include "core/SystemTables.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "expressions/modExpressions.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

namespace {
constexpr int kDeleteQuestion = 1023;
constexpr int kQueryCaption = 1024;
constexpr int kRecordCount = 1006;
constexpr int kDatabaseBusy = 1275;
constexpr int kListReread = 1276;
constexpr int kSourceUnreadable = 1278;

constexpr FixedButton kListButtons[] = {{"Add", 1014},     {"Modify", 1015}, {"Delete", 1016},
                                       {"Refresh", 1020}, {"Query", 1017},  {"Print", 1018},
                                       {"Close", 1019}};
}  // namespace

BrowseWindow::BrowseWindow(QWidget* parent)
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
  // The keyboard works on the records: focusing the window focuses the grid.
  setFocusProxy(vsData_);
  AddStandardImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tbrMain_);
  layout->addWidget(vsData_, 1);
  layout->addWidget(stbTemplate_);

  vsData_->viewport()->installEventFilter(this);
  connect(tbrMain_, &Toolbar::ButtonClick, this, &BrowseWindow::tbrMain_ButtonClick);
  connect(vsData_, &FlexGrid::DblClick, this, &BrowseWindow::vsData_DblClick);
  // Shown after the key, scroll or paint that read has returned.
  connect(vsData_, &FlexGrid::ReadFailed, this, &BrowseWindow::ShowReadFailure,
          Qt::QueuedConnection);
  connect(vsData_, &FlexGrid::RowsReread, this, &BrowseWindow::ShowRowsReread,
          Qt::QueuedConnection);
  connect(vsData_, &FlexGrid::RecordCountChanged, this, [this](int records) {
    if (StatusBarPanel* count = stbTemplate_->Panel(1))
      count->SetText(ReplaceParams(GetLangString(kRecordCount), {QString::number(records)}));
  });
}

bool BrowseWindow::InitControl() {
  if (!CheckSystemTables(ModuleTables(), this) || !CanReadSource(RsName())) return false;
  BuildToolbar(this, ModuleName(), QStringLiteral("Browse"));
  return true;
}

void BrowseWindow::BuildListToolbar() { SetFixedButtons(*tbrMain_, kListButtons); }

bool BrowseWindow::LoadSource(const QString& rsName, RecordSource& source) {
  bool missing = false;
  if (source.Load(rsName, &missing)) return true;
  if (missing) Warn(ReplaceParams(GetLangString(1200), {rsName}));
  return false;
}

bool BrowseWindow::CanReadSource(const QString& rsName) {
  RecordSource source;
  if (!LoadSource(rsName, source)) return false;
  const QString query = RecordSource::Query(source.SelectSQL(), source.WhereArea(), QString());
  QStringList columns;
  if (DbConnection->QueryColumns((query + ' ' + source.OrderArea()).trimmed(), &columns))
    return true;
  WarnSourceUnreadable(rsName, ReadFailureText());
  return false;
}

void BrowseWindow::WarnSourceUnreadable(const QString& rsName, const QString& reason) {
  if (reason == DbConnection->DamagedText())
    Warn(reason);
  else if (!reason.isEmpty())
    Warn(ReplaceParams(GetLangString(kSourceUnreadable),
                       {ShownName(), rsName, reason}));
}

bool BrowseWindow::ShowRecords(const QString& query, const QString& orderBy) {
  PagedQuery::Failure failure;
  if (std::shared_ptr<PagedQuery> paged = OpenPagedQuery(query, orderBy, &failure)) {
    vsData_->SetPagedSource(std::move(paged));
    return true;
  }
  if (failure.Busy()) {
    Warn(GetLangString(kDatabaseBusy));
    return false;
  }
  // A read stopped at its bound is not tried again whole.
  if (Connection::IsInterruptedCode(failure.code)) {
    WarnSourceUnreadable(RsName(), failure.error);
    return false;
  }
  Recordset rs;
  const QString sql = orderBy.isEmpty() ? query : query + ' ' + orderBy;
  if (!OpenRecordset(sql, rs, 1)) return false;
  vsData_->SetDataSource(rs);
  return true;
}

bool BrowseWindow::RefreshData(const QString& filter) {
  RecordSource source;
  if (!LoadSource(RsName(), source)) return false;
  const QString whereArea = RecordSource::ApplyFilter(source.WhereArea(), filter);
  vsData_->setUpdatesEnabled(false);
  const bool shown =
      ShowRecords(RecordSource::Query(source.SelectSQL(), whereArea, QString()).trimmed(),
                  source.OrderArea().trimmed());
  if (!shown) {
    vsData_->setUpdatesEnabled(true);
    return false;
  }
  // Only a query that opened becomes the window's query.
  selectSQL_ = source.SelectSQL();
  whereArea_ = whereArea;
  orderArea_ = source.OrderArea();
  printLines_ = source.PrintLines();
  const std::vector<RecordSource::FieldRow>& fields = source.Fields();
  // Field row i is grid column i; rows beyond the query's columns are ignored.
  const int columns = std::min<int>(int(fields.size()), vsData_->Cols() - 1);
  for (int i = 1; i <= columns; ++i) {
    const RecordSource::FieldRow& f = fields[i - 1];
    vsData_->SetTextMatrix(0, i, f.caption);
    vsData_->SetColHidden(i, !f.isShow);
  }
  ShowRecordCount(vsData_->Rows() - 1);
  for (const RecordSource::FieldRow& f : fields)
    if (!f.totalSQL.isEmpty())
      pendingTotals_.push_back({f.totalLanguage, TotalQuery(f.totalSQL), f.totalFormat});
  vsData_->Refresh();
  vsData_->setUpdatesEnabled(true);
  return true;
}

void BrowseWindow::ShowRecordCount(int recordCount) {
  pendingTotals_.clear();
  stbTemplate_->ClearPanels();
  stbTemplate_->AddPanel(ReplaceParams(GetLangString(kRecordCount), {QString::number(recordCount)}))
      ->SetAutoSize(StatusBarPanel::Spring);
}

bool BrowseWindow::eventFilter(QObject* watched, QEvent* event) {
  // The totals scan the records: read after the rows are on the screen.
  if (event->type() == QEvent::Paint && !pendingTotals_.empty())
    QTimer::singleShot(0, this, &BrowseWindow::ShowPendingTotals);
  return QWidget::eventFilter(watched, event);
}

void BrowseWindow::ShowPendingTotals() {
  const std::vector<Total> totals = std::move(pendingTotals_);
  pendingTotals_.clear();
  for (const Total& total : totals)
    stbTemplate_->AddPanel(total.label + ": " + GetSqlValue(total.sql, total.format))
        ->SetAutoSize(StatusBarPanel::Contents);
}

void BrowseWindow::PrintRecords() {
  ShowPendingTotals();
  PrintEveryRow([this] { return PrintData::Print(*this, *vsData_, *stbTemplate_, printLines_); });
}

bool BrowseWindow::ReadGridRows(int first, int last) {
  return vsData_->ReadRows(first, last) == PagedQuery::Status::Read;
}

bool BrowseWindow::FollowSelection() {
  const int selected = vsData_->SelectedRows();
  // Failed and Moved are told by ReadFailed and RowsReread.
  if (vsData_->FollowDatabase() != PagedQuery::Status::Read) return false;
  if (vsData_->SelectedRows() == selected) return true;
  ShowRowsReread();
  return false;
}

int BrowseWindow::ActionRecordRow() {
  if (!FollowSelection()) return 0;
  const int row = vsData_->ActionRow();
  return row >= 1 && ReadGridRows(row, row) ? row : 0;
}

bool BrowseWindow::PrintEveryRow(const std::function<bool()>& print) {
  // The printout keeps the rows it was given; the grid's held rows go.
  const bool held = vsData_->AllRowsHeld();
  const bool printed = vsData_->FinishRead() == PagedQuery::Status::Read && print();
  if (!held) vsData_->LetGoOfRows();
  return printed;
}

void BrowseWindow::ShowReadFailure(const QString& error, int code) {
  if (PagedQuery::Failure{error, code}.Busy()) {
    Warn(GetLangString(kDatabaseBusy));
    return;
  }
  if (Connection::IsInterruptedCode(code)) {
    WarnSourceUnreadable(RsName(), error);
    return;
  }
  // A damaged file is named once, whichever read met it first.
  const QString told = FailureToTell(error);
  if (!told.isEmpty()) MsgBox(told, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
}

void BrowseWindow::ShowRowsReread() {
  MsgBox(GetLangString(kListReread), MsgIcon::Information, MsgButtons::OkOnly, windowTitle(), this);
}

bool BrowseWindow::LoadDeleteTemplates() {
  RecordSource source;
  if (!LoadSource(RsName(), source)) return false;
  deleteSQL_ = source.DeleteSQL();
  return true;
}

QString BrowseWindow::MasterDeleteStatement(qlonglong id) const {
  return SqlTemplate::Fill(deleteSQL_, {{QStringLiteral("ID"), QString::number(id)}});
}

bool BrowseWindow::DeleteRecord(const QStringList& /*cells*/, qlonglong id, QString* error) {
  return ExecuteSQL(MasterDeleteStatement(id), error);
}

bool BrowseWindow::DeleteData() {
  if (MsgBox(GetLangString(kDeleteQuestion), MsgIcon::Question, MsgButtons::OkCancel, windowTitle(),
             this) != MsgResult::Ok)
    return false;
  if (!CheckDelete() || !FollowSelection()) return false;
  const int selected = vsData_->SelectedRows();
  if (selected == 0) return true;
  if (!LoadDeleteTemplates()) return false;

  // Rows first, every one read, and nothing deleted when one cannot be:
  // the refresh after the delete renumbers them.
  std::vector<std::pair<QStringList, qlonglong>> records;
  int refused = 0;
  for (int i = 0; i < selected; ++i) {
    const int row = vsData_->SelectedRow(i);
    if (!ReadGridRows(row, row)) return false;
    QStringList cells;
    for (int c = 0; c < vsData_->Cols(); ++c) cells << vsData_->TextMatrix(row, c);
    if (const std::optional<qlonglong> id = GridRecordID(*vsData_, row))
      records.emplace_back(std::move(cells), *id);
    else
      ++refused;
  }
  QString error;
  int deleted = 0;
  bool busy = false;
  for (const auto& [cells, id] : records) {
    if (!DeleteRecord(cells, id, &error)) {
      busy = DbConnection && Connection::IsBusyCode(DbConnection->LastErrorCode());
      break;
    }
    ++deleted;
  }
  // A delete the lock refused changed nothing, and a read would meet the lock.
  if (!records.empty() && !(busy && deleted == 0)) RefreshData(QString());
  if (busy)
    Warn(GetLangString(kDatabaseBusy));
  else if (!error.isEmpty())
    MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
  else if (refused > 0)
    Warn(ReplaceParams(GetLangString(1201), {QString::number(refused)}));
  return true;
}

bool BrowseWindow::QueryData() {
  QPointer<QWidget> dialog = WindowRegistry::Create(QStringLiteral("frmQuery"), this);
  if (!dialog) return false;
  dialog->setProperty("Form", QVariant::fromValue<QObject*>(this));
  dialog->setWindowIcon(windowIcon());
  dialog->setWindowTitle(CaptionFor(kQueryCaption));
  QMetaObject::invokeMethod(dialog, "InitControl");
  if (auto* modal = qobject_cast<QDialog*>(dialog.data())) modal->exec();
  delete dialog;
  return true;
}

bool BrowseWindow::CanModify() const {
  return tbrMain_->Button(QStringLiteral("Modify")) != nullptr;
}

void BrowseWindow::tbrMain_ButtonClick(ToolbarButton* button) {
  const QString key = button->Key();
  if (HandleOwnButton(key))
    return;
  else if (key == QLatin1String("Add"))
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
    PrintRecords();
  else if (key == QLatin1String("Close"))
    Unload();
  else
    ExecuteButtonFunction(this, ModuleName(), button);
}

QString BrowseWindow::ShownName() const {
  return windowTitle().isEmpty() ? ModuleName() : windowTitle();
}

QString BrowseWindow::CaptionFor(int key) const {
  return ReplaceParams(GetLangString(key), {windowTitle()});
}

void BrowseWindow::Warn(const QString& text) {
  MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
}

void BrowseWindow::CloseOnEscape() {
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &BrowseWindow::Unload);
}

void BrowseWindow::Unload() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->close();
  else
    close();
}

}  // namespace rd

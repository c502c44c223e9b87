#include "designer/frmRecordset.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/GuardedHandler.h"
#include "designer/RecordsetColumns.h"
#include "designer/RecordsetFields.h"
#include "designer/RecordsetTemplates.h"
#include "designer/ResultColumns.h"
#include "designer/frmRsEdit.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/ButtonRow.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/EnterKey.h"

namespace rd {

namespace {
using C = RecordsetColumns;
constexpr int kModifyCaption = 1022;
constexpr int kSelectFailed = 1074;
constexpr int kReplaceSource = 1250;
constexpr int kNoFieldRows = 1252;
constexpr int kWidth = 10500;
constexpr int kHeight = 10800;

QPlainTextEdit* MultiLine(const char* name, int lines, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setTabChangesFocus(true);
  box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
  return box;
}

QLineEdit* SingleLine(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLabel* Caption(const char* text, QWidget* box) {
  auto* label = new QLabel(QString::fromLatin1(text));
  label->setBuddy(box);
  return label;
}

void AddRow(QGridLayout* grid, int row, const char* caption, QWidget* box) {
  grid->addWidget(Caption(caption, box), row, 0, Qt::AlignTop);
  grid->addWidget(box, row, 1, 1, 3);
}
}  // namespace

frmRecordset::frmRecordset(QWidget* parent)
    : QDialog(parent),
      txtName_(SingleLine("txtName", this)),
      txtSelect_(MultiLine("txtSelect", 3, this)),
      txtWhere_(MultiLine("txtWhere", 2, this)),
      txtOrder_(MultiLine("txtOrder", 2, this)),
      txtInsert_(MultiLine("txtInsert", 2, this)),
      txtUpdate_(MultiLine("txtUpdate", 2, this)),
      txtDelete_(SingleLine("txtDelete", this)),
      txtLines_(SingleLine("txtLines", this)),
      txtGrid_(SingleLine("txtGrid", this)),
      cmdExecute_(Button("cmdExecute", "Execute", this)),
      chkSave_(new QCheckBox(QStringLiteral("Save Value"), this)),
      vsData_(new FlexGrid(this)),
      cmdListModify_(Button("cmdListModify", "Modify", this)),
      cmdSave_(Button("cmdSave", "&Save", this)),
      cmdCancel_(Button("cmdCancel", "Cancel", this)) {
  setObjectName(QStringLiteral("frmRecordset"));
  chkSave_->setObjectName(QStringLiteral("chkSave"));
  vsData_->setObjectName(QStringLiteral("vsData"));
  txtLines_->setText(QStringLiteral("1"));
  resize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));

  auto* boxes = new QGridLayout;
  boxes->addWidget(Caption("Name", txtName_), 0, 0);
  boxes->addWidget(txtName_, 0, 1);
  boxes->addWidget(Caption("Print Lines", txtLines_), 0, 2);
  boxes->addWidget(txtLines_, 0, 3);
  AddRow(boxes, 1, "Select SQL", txtSelect_);
  AddRow(boxes, 2, "Where", txtWhere_);
  AddRow(boxes, 3, "Order", txtOrder_);
  AddRow(boxes, 4, "Insert SQL", txtInsert_);
  AddRow(boxes, 5, "Update SQL", txtUpdate_);
  AddRow(boxes, 6, "Delete SQL", txtDelete_);
  AddRow(boxes, 7, "Grid Calculate", txtGrid_);
  boxes->setColumnStretch(1, 1);
  auto* execute = new QHBoxLayout;
  execute->addWidget(cmdExecute_);
  execute->addWidget(chkSave_);
  execute->addStretch();
  boxes->addLayout(execute, 8, 1, 1, 3);

  auto* frame = new QGroupBox(QStringLiteral("Field"), this);
  auto* fieldLayout = new QVBoxLayout(frame);
  auto* listButtons = new QHBoxLayout;
  listButtons->addStretch();
  listButtons->addWidget(cmdListModify_);
  fieldLayout->addLayout(listButtons);
  fieldLayout->addWidget(vsData_, 1);

  QHBoxLayout* buttons = ButtonRow({cmdSave_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addWidget(frame, 1);
  layout->addLayout(buttons);

  connect(cmdExecute_, &QPushButton::clicked, this, &frmRecordset::cmdExecute_Click);
  connect(cmdListModify_, &QPushButton::clicked, this, &frmRecordset::cmdListModify_Click);
  connect(vsData_, &FlexGrid::DblClick, this, &frmRecordset::cmdListModify_Click);
  OnEnterKey(vsData_, this, &frmRecordset::cmdListModify_Click);
  connect(cmdSave_, &QPushButton::clicked, this, &frmRecordset::cmdSave_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QObject* frmRecordset::vsDataObject() const { return vsData_; }

bool frmRecordset::RefreshData(const QString& filter) {
  QString sql = C::SelectAll();
  if (!filter.trimmed().isEmpty()) sql += " WHERE " + filter;
  Recordset rs;
  if (!OpenRecordset(sql, rs, 1)) return false;
  vsData_->SetDataSource(rs);
  HideSourceColumns();
  vsData_->Refresh();
  loadedName_.clear();
  if (editMode_ == 0 || rs.Eof()) return true;
  loadedName_ = NullToStr(rs.Value("RsName"));
  txtName_->setText(loadedName_);
  txtLines_->setText(NullToStr(rs.Value("PrintLines")));
  txtSelect_->setPlainText(NullToStr(rs.Value("SelectSQL")));
  txtWhere_->setPlainText(NullToStr(rs.Value("WhereArea")));
  txtOrder_->setPlainText(NullToStr(rs.Value("OrderArea")));
  txtInsert_->setPlainText(NullToStr(rs.Value("InsertSQL")));
  txtUpdate_->setPlainText(NullToStr(rs.Value("UpdateSQL")));
  txtDelete_->setText(NullToStr(rs.Value("DeleteSQL")));
  txtGrid_->setText(NullToStr(rs.Value("GridCalculate")));
  return true;
}

void frmRecordset::HideSourceColumns() {
  for (int c = 1; c < vsData_->Cols(); ++c)
    vsData_->SetColHidden(c, c < C::kField || c > C::kSpecField);
}

void frmRecordset::cmdExecute_Click() {
  RunGuarded(this, [this] { Execute(); });
}

void frmRecordset::Execute() {
  QStringList columns;
  if (!ResultColumns::Read(txtSelect_->toPlainText(), &columns)) {
    MsgBox(GetLangString(kSelectFailed), MsgIcon::Exclamation, MsgButtons::OkOnly,
           windowTitle(), this);
    return;
  }
  const Recordset stored = vsData_->DataSource();
  ShowFieldRows(RecordsetFields::Build(columns, chkSave_->isChecked() ? &stored : nullptr));
  const RecordsetTemplates templates = RecordsetTemplates::Generate(txtName_->text(), columns);
  txtInsert_->setPlainText(templates.insertSQL);
  txtUpdate_->setPlainText(templates.updateSQL);
  txtDelete_->setText(templates.deleteSQL);
}

void frmRecordset::ShowFieldRows(const std::vector<QStringList>& rows) {
  vsData_->SetRows(1);
  for (const QStringList& cells : rows) {
    vsData_->AddItem(QString());
    const int r = vsData_->Rows() - 1;
    for (int c = 1; c < vsData_->Cols(); ++c) vsData_->SetTextMatrix(r, c, cells.value(c));
  }
  vsData_->Refresh();
}

void frmRecordset::cmdListModify_Click() {
  RunGuarded(this, [this] { ModifyField(); });
}

void frmRecordset::ModifyField() {
  const int row = vsData_->SelectedRow(0);
  if (row == -1) return;
  frmRsEdit editor(this);
  editor.SetForm(this);
  editor.SetSelectRow(row);
  editor.setWindowTitle(ReplaceParams(GetLangString(kModifyCaption), {windowTitle()}));
  editor.setWindowIcon(windowIcon());
  editor.InitControl();
  if (editor.GetData()) RunEditor(editor);
}

void frmRecordset::RunEditor(frmRsEdit& editor) { editor.exec(); }

void frmRecordset::cmdSave_Click() {
  RunGuarded(this, [this] {
    if (SaveData()) accept();
  });
}

bool frmRecordset::MayTakeName(const QString& name) {
  if (name.compare(loadedName_, Qt::CaseInsensitive) == 0 || !RecordsetSave::Exists(name))
    return true;
  return MsgBox(ReplaceParams(GetLangString(kReplaceSource), {name}), MsgIcon::Question,
                MsgButtons::OkCancel, windowTitle(), this) == MsgResult::Ok;
}

bool frmRecordset::SaveData() {
  const std::vector<QStringList> fields = FieldRows();
  // A source without field rows would store nothing, or erase the one it replaces.
  if (fields.empty()) {
    MsgBox(GetLangString(kNoFieldRows), MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(),
           this);
    return false;
  }
  const RecordsetSave::Source source = SourceTexts();
  if (!MayTakeName(source.name.trimmed())) return false;
  QString error;
  if (RecordsetSave::Save(source, fields, &error)) return true;
  MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
  return false;
}

RecordsetSave::Source frmRecordset::SourceTexts() const {
  return {txtName_->text(),           txtSelect_->toPlainText(), txtWhere_->toPlainText(),
          txtOrder_->toPlainText(),   txtInsert_->toPlainText(), txtUpdate_->toPlainText(),
          txtDelete_->text(),         txtLines_->text(),         txtGrid_->text()};
}

std::vector<QStringList> frmRecordset::FieldRows() const {
  std::vector<QStringList> rows;
  for (int r = 1; r < vsData_->Rows(); ++r) {
    QStringList cells;
    for (int c = 0; c < vsData_->Cols(); ++c) cells << vsData_->TextMatrix(r, c);
    rows.push_back(cells);
  }
  return rows;
}

}  // namespace rd

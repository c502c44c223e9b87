#include "designer/frmFieldEdit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/BareNames.h"
#include "designer/QueryLists.h"
#include "designer/frmField.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ButtonRow.h"

namespace rd {

namespace {
constexpr int kNamePrompt = 1069;
constexpr int kNameMissing = 1070;
constexpr int kSystemTable = 1247;
constexpr int kRowGone = 1216;
constexpr const char* kAuditColumns[] = {"CreatedBy", "CreationDate", "ModifiedBy",
                                         "ModifiedDate"};

QString Flag(const QCheckBox* box) {
  return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setBuddy(buddy);
  return label;
}
}  // namespace

frmFieldEdit::frmFieldEdit(QWidget* parent)
    : QDialog(parent),
      txtIndex_(new QLineEdit(this)),
      txtFieldName_(new QComboBox(this)),
      cboType_(new QComboBox(this)),
      txtLength_(new QLineEdit(QStringLiteral("50"), this)),
      txtDefault_(new QLineEdit(this)),
      chkKey_(new QCheckBox(QStringLiteral("Key"), this)),
      chkAuto_(new QCheckBox(QStringLiteral("Auto Number"), this)),
      chkAllowEmpty_(new QCheckBox(QStringLiteral("Allow Empty"), this)),
      cmdSave_(new QPushButton(QStringLiteral("Save"), this)),
      cmdAdd_(new QPushButton(QStringLiteral("Save && Add"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  txtIndex_->setObjectName(QStringLiteral("txtIndex"));
  txtFieldName_->setObjectName(QStringLiteral("txtFieldName"));
  cboType_->setObjectName(QStringLiteral("cboType"));
  txtLength_->setObjectName(QStringLiteral("txtLength"));
  txtDefault_->setObjectName(QStringLiteral("txtDefault"));
  chkKey_->setObjectName(QStringLiteral("chkKey"));
  chkAuto_->setObjectName(QStringLiteral("chkAuto"));
  chkAllowEmpty_->setObjectName(QStringLiteral("chkAllowEmpty"));
  cmdSave_->setObjectName(QStringLiteral("cmdSave"));
  cmdAdd_->setObjectName(QStringLiteral("cmdAdd"));
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  for (QComboBox* box : {txtFieldName_, cboType_}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
  }
  chkAllowEmpty_->setChecked(true);

  auto* fields = new QGridLayout;
  fields->addWidget(Caption("Field Index", txtIndex_, this), 0, 0);
  fields->addWidget(txtIndex_, 0, 1, 1, 3);
  fields->addWidget(Caption("Field Name", txtFieldName_, this), 1, 0);
  fields->addWidget(txtFieldName_, 1, 1, 1, 3);
  fields->addWidget(Caption("Field Type", cboType_, this), 2, 0);
  fields->addWidget(cboType_, 2, 1);
  fields->addWidget(Caption("Length", txtLength_, this), 2, 2);
  fields->addWidget(txtLength_, 2, 3);
  fields->addWidget(Caption("Default Value", txtDefault_, this), 3, 0);
  fields->addWidget(txtDefault_, 3, 1, 1, 3);
  fields->addWidget(chkKey_, 4, 1, 1, 3);
  fields->addWidget(chkAuto_, 5, 1, 1, 3);
  fields->addWidget(chkAllowEmpty_, 6, 1, 1, 3);
  fields->setColumnStretch(1, 1);
  QHBoxLayout* buttons = ButtonRow({cmdSave_, cmdAdd_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  cmdAdd_->setDefault(true);

  connect(cmdSave_, &QPushButton::clicked, this, &frmFieldEdit::cmdSave_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &frmFieldEdit::cmdAdd_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(chkKey_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) chkAllowEmpty_->setChecked(false);
  });
  // Only a name picked from the list presets the type, not one typed.
  connect(txtFieldName_->lineEdit(), &QLineEdit::textEdited, this, [this] { nameTyped_ = true; });
  txtFieldName_->view()->installEventFilter(this);
  connect(txtFieldName_, &QComboBox::activated, this, &frmFieldEdit::txtFieldName_Click);
}

bool frmFieldEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtFieldName_->view() && event->type() == QEvent::Show) nameTyped_ = false;
  return QDialog::eventFilter(watched, event);
}

void frmFieldEdit::InitControl() {
  cboType_->clear();
  AddQueryRows(QStringLiteral("select ID from tblFieldType order by TypeIndex"), {cboType_});
  SelectFirstType();
  if (editMode_ == 0) txtIndex_->setText(maxID_);
  const QString typed = txtFieldName_->currentText();
  txtFieldName_->clear();
  for (const char* name : kAuditColumns) txtFieldName_->addItem(QString::fromLatin1(name));
  txtFieldName_->setEditText(typed);
}

bool frmFieldEdit::GetData() {
  Recordset rs;
  if (!OpenRecordset("select * from tblTable where id=" + QString::number(id_), rs, 1))
    return false;
  if (rs.Eof()) {
    Warn(GetLangString(kRowGone));
    return false;
  }
  txtIndex_->setText(NullToStr(rs.Fields("FieldIndex").Value));
  txtFieldName_->setEditText(NullToStr(rs.Fields("FieldName").Value));
  cboType_->setEditText(NullToStr(rs.Fields("FieldType").Value));
  txtLength_->setText(NullToStr(rs.Fields("FieldLength").Value));
  txtDefault_->setText(NullToStr(rs.Fields("DefaultValue").Value));
  chkKey_->setChecked(VariantToBoolean(rs.Fields("IsKey").Value));
  chkAuto_->setChecked(VariantToBoolean(rs.Fields("IsAuto").Value));
  chkAllowEmpty_->setChecked(VariantToBoolean(rs.Fields("AllowEmpty").Value));
  return true;
}

void frmFieldEdit::txtFieldName_Click() {
  const bool typed = nameTyped_;
  nameTyped_ = false;
  if (typed) return;
  const QString name = txtFieldName_->currentText();
  if (name == QLatin1String("CreationDate") || name == QLatin1String("ModifiedDate"))
    cboType_->setEditText(QStringLiteral("datetime"));
}

QString frmFieldEdit::TableNameToUse() {
  if (form_ && !form_->TableName().isEmpty()) return form_->TableName();
  const QString name =
      Ui::Instance().InputBox(GetLangString(kNamePrompt), windowTitle(), this).trimmed();
  if (name.isEmpty()) Warn(GetLangString(kNameMissing));
  if (!BareNames::IsSystemTable(name)) return name;
  Warn(ReplaceParams(GetLangString(kSystemTable), {name}));
  return QString();
}

bool frmFieldEdit::SaveData() {
  const QString tableName = TableNameToUse();
  if (tableName.isEmpty()) return false;
  QString sql;
  if (editMode_ != 0) {
    sql = "update tblTable set FieldIndex='" + SqlStr(txtIndex_->text().trimmed()) +
          "',IsKey='" + Flag(chkKey_) + "',IsAuto='" + Flag(chkAuto_) + "',FieldName='" +
          SqlStr(txtFieldName_->currentText().trimmed()) + "',FieldType='" +
          SqlStr(cboType_->currentText().trimmed()) + "',FieldLength='" +
          SqlStr(txtLength_->text().trimmed()) + "',AllowEmpty='" + Flag(chkAllowEmpty_) +
          "',DefaultValue='" + SqlStr(txtDefault_->text().trimmed()) +
          "' where ID=" + QString::number(id_);
  } else {
    const QStringList values = {SqlStr(tableName),
                                SqlStr(txtIndex_->text().trimmed()),
                                Flag(chkKey_),
                                Flag(chkAuto_),
                                SqlStr(txtFieldName_->currentText()),
                                SqlStr(cboType_->currentText()),
                                SqlStr(txtLength_->text()),
                                Flag(chkAllowEmpty_),
                                SqlStr(txtDefault_->text())};
    sql = QStringLiteral(
              "insert into tblTable(TableName,FieldIndex,IsKey,IsAuto,FieldName,FieldType,"
              "FieldLength,AllowEmpty,DefaultValue) ") +
          "Values('" + values.join(QStringLiteral("','")) + "')";
  }
  QString error;
  if (!ExecuteSQL(sql, &error)) {
    MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
    return false;
  }
  if (form_) form_->SetTableName(tableName);
  return true;
}

void frmFieldEdit::cmdSave_Click() {
  if (!SaveData()) return;
  if (form_) form_->RefreshData(form_->TableFilter());
  accept();
}

void frmFieldEdit::cmdAdd_Click() {
  if (!SaveData()) return;
  if (form_) form_->RefreshData(form_->TableFilter());
  ClearForNextRow();
}

void frmFieldEdit::ClearForNextRow() {
  bool whole = false;
  const int index = txtIndex_->text().trimmed().toInt(&whole);
  // An index that is not a whole number stays for the user to mend.
  if (whole) txtIndex_->setText(QString::number(index + 1));
  txtFieldName_->setEditText(QString());
  SelectFirstType();
  txtLength_->setText(QStringLiteral("50"));
  txtDefault_->clear();
  chkKey_->setChecked(false);
  chkAuto_->setChecked(false);
  chkAllowEmpty_->setChecked(true);
  editMode_ = 0;
  txtIndex_->setFocus();
}

void frmFieldEdit::SelectFirstType() {
  if (cboType_->count() == 0) return;
  cboType_->setCurrentIndex(0);
  cboType_->setEditText(cboType_->itemText(0));
}

void frmFieldEdit::Warn(const QString& text) {
  MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
}

}  // namespace rd

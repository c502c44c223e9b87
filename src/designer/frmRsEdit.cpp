#include "designer/frmRsEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/GuardedHandler.h"
#include "designer/QueryLists.h"
#include "designer/RecordsetColumns.h"
#include "platform/widgets/ButtonRow.h"
#include "platform/widgets/ComboPick.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ReadOnlyLook.h"

namespace rd {

namespace {
using C = RecordsetColumns;
constexpr int kNoFieldRow = 1251;
const QString kFormatPreset = QStringLiteral("<GetFormatValue:yyyy-MM-dd hh:mm:ss>");

template <class Box>
Box* Named(Box* box, const char* name) {
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QComboBox* List(const char* name, bool editable, QWidget* parent) {
  auto* box = Named(new QComboBox(parent), name);
  box->setEditable(editable);
  if (editable) box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

void SetEditable(QLineEdit* box, bool editable) {
  box->setReadOnly(!editable);
  ShowAsReadOnly(box, !editable);
}
}  // namespace

frmRsEdit::frmRsEdit(QWidget* parent)
    : QDialog(parent),
      txtField_(Named(new QLineEdit(this), "txtField")),
      cboControlType_(List("cboControlType", false, this)),
      txtLanguage_(Named(new QLineEdit(this), "txtLanguage")),
      chkKey_(Named(new QCheckBox(QStringLiteral("Key"), this), "chkKey")),
      chkShow_(Named(new QCheckBox(QStringLiteral("Show"), this), "chkShow")),
      chkReadOnly_(Named(new QCheckBox(QStringLiteral("ReadOnly"), this), "chkReadOnly")),
      chkInput_(Named(new QCheckBox(QStringLiteral("Input"), this), "chkInput")),
      cboInputRange_(List("cboInputRange", false, this)),
      txtInputExp_(Named(new QLineEdit(this), "txtInputExp")),
      txtMaxLength_(Named(new QLineEdit(this), "txtMaxLength")),
      txtDefaultValue_(List("txtDefaultValue", true, this)),
      txtDisplayFormat_(List("txtDisplayFormat", true, this)),
      txtSaveFormat_(List("txtSaveFormat", true, this)),
      txtOptionRs_(List("txtOptionRs", true, this)),
      txtReturnField_(Named(new QLineEdit(this), "txtReturnField")),
      txtTotalSQL_(Named(new QLineEdit(this), "txtTotalSQL")),
      txtTotalFormat_(Named(new QLineEdit(this), "txtTotalFormat")),
      txtTotalLanguage_(Named(new QLineEdit(this), "txtTotalLanguage")),
      txtCalculate_(Named(new QLineEdit(this), "txtCalculate")),
      chkBillID_(Named(new QCheckBox(QStringLiteral("Bill ID"), this), "chkBillID")),
      txtBillID_(Named(new QLineEdit(this), "txtBillID")),
      cboSpecField_(List("cboSpecField", false, this)),
      cmdSave_(Named(new QPushButton(QStringLiteral("&Save"), this), "cmdSave")),
      cmdCancel_(Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel")),
      texts_{{C::kField, txtField_},           {C::kLanguage, txtLanguage_},
             {C::kInputExp, txtInputExp_},     {C::kMaxLength, txtMaxLength_},
             {C::kReturnField, txtReturnField_}, {C::kTotalSQL, txtTotalSQL_},
             {C::kTotalFormat, txtTotalFormat_}, {C::kTotalLanguage, txtTotalLanguage_},
             {C::kCalculate, txtCalculate_},   {C::kCustomBillID, txtBillID_}},
      lists_{{C::kDefaultValue, txtDefaultValue_},
             {C::kDisplayFormat, txtDisplayFormat_},
             {C::kSaveFormat, txtSaveFormat_},
             {C::kOptionRs, txtOptionRs_}},
      picks_{{C::kControlType, cboControlType_},
             {C::kInputRange, cboInputRange_},
             {C::kSpecField, cboSpecField_}},
      flags_{{C::kIsKey, chkKey_},
             {C::kIsShow, chkShow_},
             {C::kIsReadOnly, chkReadOnly_},
             {C::kIsInput, chkInput_},
             {C::kIsBillID, chkBillID_}} {
  setObjectName(QStringLiteral("frmRsEdit"));
  SetEditable(txtField_, false);

  auto* fields = new QGridLayout;
  int row = 0;
  const auto add = [&](const char* caption, QWidget* box, int column) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    label->setBuddy(box);
    fields->addWidget(label, row, column * 2);
    fields->addWidget(box, row, column * 2 + 1);
    if (column == 1) ++row;
  };
  add("Field", txtField_, 0);
  add("ControlType", cboControlType_, 1);
  add("Language", txtLanguage_, 0);
  add("MaxLength", txtMaxLength_, 1);
  auto* checks = new QHBoxLayout;
  for (QCheckBox* box : {chkKey_, chkShow_, chkReadOnly_, chkInput_}) checks->addWidget(box);
  fields->addLayout(checks, row++, 1, 1, 3);
  add("InputRange", cboInputRange_, 0);
  add("InputExp", txtInputExp_, 1);
  add("Default Value", txtDefaultValue_, 0);
  add("DisplayFormat", txtDisplayFormat_, 1);
  add("SaveFormat", txtSaveFormat_, 0);
  add("OptionRs", txtOptionRs_, 1);
  add("ReturnField", txtReturnField_, 0);
  add("Calculate", txtCalculate_, 1);
  add("TotalSQL", txtTotalSQL_, 0);
  add("TotalFormat", txtTotalFormat_, 1);
  add("TotalLanguage", txtTotalLanguage_, 0);
  add("Specifically Field", cboSpecField_, 1);
  fields->addWidget(chkBillID_, row, 1);
  add("Custom Bill ID ", txtBillID_, 1);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);
  QHBoxLayout* buttons = ButtonRow({cmdSave_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  cmdSave_->setDefault(true);

  connect(cboInputRange_, &QComboBox::currentTextChanged, this, &frmRsEdit::UnlockInputExp);
  connect(chkBillID_, &QCheckBox::toggled, this, &frmRsEdit::UnlockBillID);
  connect(cmdSave_, &QPushButton::clicked, this, &frmRsEdit::cmdSave_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
  UnlockInputExp();
  UnlockBillID();
}

bool frmRsEdit::InitControl() {
  for (const auto& pick : picks_) pick.box->clear();
  AddQueryRows(QStringLiteral("select * from tblControlType order by TypeIndex"), {cboControlType_});
  AddQueryRows(QStringLiteral("select * from tblInputRange order by InputIndex"), {cboInputRange_});
  AddQueryRows(QStringLiteral("select * from tblSpecField order by FieldIndex"), {cboSpecField_});
  for (const auto& pick : picks_)
    if (pick.box->count() > 0) pick.box->setCurrentIndex(0);
  for (const auto& list : lists_) list.box->clear();
  AddQueryRows(QStringLiteral("select RsName from tblRecordset group by RsName"), {txtOptionRs_});
  txtOptionRs_->setCurrentIndex(-1);
  txtDefaultValue_->addItems({QStringLiteral("<GetDefaultValue:now()>"),
                              QStringLiteral("<GetSysInfo:UserName>")});
  txtDisplayFormat_->addItem(kFormatPreset);
  txtSaveFormat_->addItem(kFormatPreset);
  return true;
}

FlexGrid* frmRsEdit::Grid() const {
  FlexGrid* grid =
      form_ ? qobject_cast<FlexGrid*>(form_->property("vsData").value<QObject*>()) : nullptr;
  return grid && selectRow_ >= 1 && selectRow_ < grid->Rows() ? grid : nullptr;
}

bool frmRsEdit::GetData() {
  const FlexGrid* grid = Grid();
  if (!grid) {
    Warn(ReplaceParams(GetLangString(kNoFieldRow), {QString::number(selectRow_)}));
    return false;
  }
  const auto cell = [&](int column) { return grid->TextMatrix(selectRow_, column); };
  for (const auto& text : texts_) text.box->setText(cell(text.column));
  for (const auto& list : lists_) list.box->setEditText(cell(list.column));
  for (const auto& flag : flags_) flag.box->setChecked(C::FlagSet(cell(flag.column)));
  for (const auto& pick : picks_) {
    if (pick.box == cboSpecField_ && cell(pick.column).isEmpty() && pick.box->count() > 0)
      pick.box->setCurrentIndex(0);
    else
      ShowStoredItem(pick.box, cell(pick.column));
  }
  UnlockInputExp();
  UnlockBillID();
  return true;
}

void frmRsEdit::UnlockInputExp() {
  SetEditable(txtInputExp_, cboInputRange_->currentText().toLower() == QLatin1String("custom"));
}

void frmRsEdit::UnlockBillID() { SetEditable(txtBillID_, chkBillID_->isChecked()); }

void frmRsEdit::cmdSave_Click() {
  RunGuarded(this, [this] {
    if (SaveData()) accept();
  });
}

bool frmRsEdit::SaveData() {
  FlexGrid* grid = Grid();
  if (!grid) {
    Warn(ReplaceParams(GetLangString(kNoFieldRow), {QString::number(selectRow_)}));
    return false;
  }
  for (const auto& text : texts_) grid->SetTextMatrix(selectRow_, text.column, text.box->text());
  for (const auto& list : lists_)
    grid->SetTextMatrix(selectRow_, list.column, list.box->currentText());
  for (const auto& pick : picks_)
    grid->SetTextMatrix(selectRow_, pick.column, pick.box->currentText());
  for (const auto& flag : flags_)
    grid->SetTextMatrix(selectRow_, flag.column,
                        flag.box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  return true;
}

void frmRsEdit::Warn(const QString& text) {
  MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
}

}  // namespace rd

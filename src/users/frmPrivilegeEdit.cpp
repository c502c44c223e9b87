#include "users/frmPrivilegeEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "core/modCommon.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ButtonRow.h"
#include "platform/widgets/ComboPick.h"
#include "platform/widgets/FlexGrid.h"
#include "users/ModuleNodeTag.h"
#include "users/PrivilegeItemStore.h"
#include "users/frmPrivilegeList.h"

namespace rd {

namespace {
constexpr int kName = 1118;
constexpr int kDescription = 1119;
constexpr int kMode = 1120;
constexpr int kSave = 1062;
constexpr int kCancel = 1039;
}  // namespace

frmPrivilegeEdit::frmPrivilegeEdit(QWidget* parent)
    : QDialog(parent),
      Label1_(new QLabel(GetLangString(kName), this)),
      Label2_(new QLabel(GetLangString(kDescription), this)),
      Label3_(new QLabel(GetLangString(kMode), this)),
      txtName_(new QLineEdit(this)),
      txtDesc_(new QLineEdit(this)),
      cboMode_(new QComboBox(this)),
      cmdSave_(new QPushButton(GetLangString(kSave), this)),
      cmdCancel_(new QPushButton(GetLangString(kCancel), this)) {
  txtName_->setObjectName(QStringLiteral("txtName"));
  txtDesc_->setObjectName(QStringLiteral("txtDesc"));
  cboMode_->setObjectName(QStringLiteral("cboMode"));
  cmdSave_->setObjectName(QStringLiteral("cmdSave"));
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  Label1_->setBuddy(txtName_);
  Label2_->setBuddy(txtDesc_);
  Label3_->setBuddy(cboMode_);

  auto* fields = new QGridLayout;
  fields->addWidget(Label1_, 0, 0);
  fields->addWidget(txtName_, 0, 1);
  fields->addWidget(Label2_, 1, 0);
  fields->addWidget(txtDesc_, 1, 1);
  fields->addWidget(Label3_, 2, 0);
  fields->addWidget(cboMode_, 2, 1);
  QHBoxLayout* buttons = ButtonRow({cmdSave_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  cmdSave_->setDefault(true);

  connect(cmdSave_, &QPushButton::clicked, this, &frmPrivilegeEdit::cmdSave_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmPrivilegeEdit::InitControl() {
  const ModuleNodeTag tag(nodeTag_);
  cboMode_->clear();
  cboMode_->addItem(ModuleNodeTag::ModeName(ModuleNodeTag::Browse));
  if (tag.IsMultiRs()) cboMode_->addItem(ModuleNodeTag::ModeName(ModuleNodeTag::View));
  cboMode_->addItem(ModuleNodeTag::ModeName(ModuleNodeTag::Add));
  cboMode_->addItem(ModuleNodeTag::ModeName(ModuleNodeTag::Modify));
  cboMode_->setCurrentIndex(0);
  return true;
}

bool frmPrivilegeEdit::GetData() {
  if (!form_) return true;
  const FlexGrid* grid = form_->trvModule();
  txtName_->setText(grid->TextMatrix(row_, 1));
  txtDesc_->setText(grid->TextMatrix(row_, 2));
  ShowStoredItem(cboMode_, grid->TextMatrix(row_, 3));
  txtName_->setReadOnly(true);
  QPalette locked = txtName_->palette();
  locked.setColor(QPalette::Base, palette().color(QPalette::Window));
  txtName_->setPalette(locked);
  return true;
}

bool frmPrivilegeEdit::SaveItem() {
  const QString name = txtName_->text();
  const QString description = txtDesc_->text();
  const QString mode = cboMode_->currentText();
  QString error;
  const bool saved = editMode_ == 0
                         ? PrivilegeItemStore::Add(menuId_, name, description, mode, &error)
                         : PrivilegeItemStore::Modify(menuId_, name, description, mode, &error);
  if (!saved) {
    MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
    return false;
  }
  if (form_) form_->RefreshData();
  return true;
}

void frmPrivilegeEdit::cmdSave_Click() {
  if (SaveItem()) accept();
}

}  // namespace rd

#include "designer/frmModuleEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/ModuleRelation.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/ModuleStore.h"
#include "designer/QueryLists.h"
#include "designer/ToolbarTab.h"
#include "designer/frmToolbarEdit.h"
#include "edit/ModalShow.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ButtonRow.h"
#include "platform/widgets/ComboPick.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kEmptyId = 1260;
constexpr int kCycle = 1261;
constexpr int kIdInUse = 1262;
const QString kTop = QStringLiteral("Top");

struct TabNames {
  const char* option;
  const char* grid;
  const char* commandPrefix;
};
constexpr TabNames kTabNames[kToolbarModeCount] = {
    {"optToolbar", "vsData", ""},
    {"optView", "vsView", "View"},
    {"optAdd", "vsAdd", "Add"},
    {"optModify", "vsModify", "Modify"},
};
constexpr int kModifyMode = 3;

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setBuddy(buddy);
  return label;
}

QComboBox* List(const char* name, bool editable, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(editable);
  if (editable) box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

}  // namespace

frmModuleEdit::frmModuleEdit(QWidget* parent)
    : QDialog(parent),
      txtID_(new QLineEdit(this)),
      txtMenuIndex_(new QLineEdit(this)),
      txtLanguage_(new QLineEdit(this)),
      cboParent_(List("cboParent", false, this)),
      txtRsName_(List("txtRsName", true, this)),
      txtRsName2_(List("txtRsName2", true, this)),
      txtRelation_(new QLineEdit(this)),
      cboFormTemplate_(List("cboFormTemplate", false, this)),
      SSTab1_(new QTabWidget(this)),
      cmdSave_(new QPushButton(QStringLiteral("&Save"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("frmModuleEdit"));
  txtID_->setObjectName(QStringLiteral("txtID"));
  txtMenuIndex_->setObjectName(QStringLiteral("txtMenuIndex"));
  txtLanguage_->setObjectName(QStringLiteral("txtLanguage"));
  txtRelation_->setObjectName(QStringLiteral("txtRelation"));
  SSTab1_->setObjectName(QStringLiteral("SSTab1"));
  cmdSave_->setObjectName(QStringLiteral("cmdSave"));
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

  auto* fields = new QGridLayout;
  fields->addWidget(Caption("ID", txtID_, this), 0, 0);
  fields->addWidget(txtID_, 0, 1);
  fields->addWidget(Caption("Menu Index", txtMenuIndex_, this), 0, 2);
  fields->addWidget(txtMenuIndex_, 0, 3);
  fields->addWidget(Caption("Language", txtLanguage_, this), 1, 0);
  fields->addWidget(txtLanguage_, 1, 1);
  fields->addWidget(Caption("Parent", cboParent_, this), 1, 2);
  fields->addWidget(cboParent_, 1, 3);
  fields->addWidget(Caption("RsName", txtRsName_, this), 2, 0);
  fields->addWidget(txtRsName_, 2, 1);
  fields->addWidget(Caption("RsName2", txtRsName2_, this), 2, 2);
  fields->addWidget(txtRsName2_, 2, 3);
  fields->addWidget(Caption("Relation", txtRelation_, this), 3, 0);
  fields->addWidget(txtRelation_, 3, 1);
  fields->addWidget(Caption("FormTemplate", cboFormTemplate_, this), 3, 2);
  fields->addWidget(cboFormTemplate_, 3, 3);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);

  for (int mode = 0; mode < kToolbarModeCount; ++mode) {
    const TabNames& names = kTabNames[mode];
    tabs_[mode] = new ToolbarTab(QString::fromLatin1(names.option),
                                 QString::fromLatin1(names.grid),
                                 QString::fromLatin1(names.commandPrefix), mode != kModifyMode,
                                 SSTab1_);
    SSTab1_->addTab(tabs_[mode], QString::fromLatin1(kToolbarModes[mode]));
    connect(tabs_[mode], &ToolbarTab::AddRequested, this,
            [this](FlexGrid* grid) { OpenButtonEditor(grid, -1); });
    connect(tabs_[mode], &ToolbarTab::ChangeRequested, this, &frmModuleEdit::OpenButtonEditor);
  }
  auto* toolbar = new QGroupBox(QStringLiteral("Toolbar"), this);
  auto* toolbarLayout = new QVBoxLayout(toolbar);
  toolbarLayout->addWidget(SSTab1_);

  QHBoxLayout* buttons = ButtonRow({cmdSave_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(toolbar, 1);
  layout->addLayout(buttons);
  cmdSave_->setAutoDefault(false);
  cmdCancel_->setAutoDefault(false);
  resize(720, 520);

  connect(cmdSave_, &QPushButton::clicked, this, &frmModuleEdit::cmdSave_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmModuleEdit::InitControl() {
  cboParent_->clear();
  cboParent_->addItem(kTop);
  AddQueryRows(QStringLiteral("select * from tblMenu order by ID"), {cboParent_});
  cboParent_->setCurrentIndex(0);
  cboFormTemplate_->clear();
  AddQueryRows(QStringLiteral("select FormTemplateName from tblFormTemplate order by FormIndex"),
          {cboFormTemplate_});
  if (cboFormTemplate_->count() > 0) cboFormTemplate_->setCurrentIndex(0);
  txtRsName_->clear();
  txtRsName2_->clear();
  AddQueryRows(QStringLiteral("select RsName from tblRecordset group by RsName"),
          {txtRsName_, txtRsName2_});
  txtRsName_->setEditText(QString());
  txtRsName2_->setEditText(QString());
  Recordset empty;
  if (OpenRecordset(ModuleStore::EmptyToolbarQuery(), empty, 1))
    for (ToolbarTab* tab : tabs_) tab->Bind(empty);
  return true;
}

bool frmModuleEdit::GetData() {
  auto* list = form_ ? qobject_cast<FlexGrid*>(form_->property("lvDetail").value<QObject*>())
                     : nullptr;
  if (!list) return false;
  auto column = [&](int c) { return list->TextMatrix(selectRow_, c); };
  txtID_->setText(column(1));
  loadedID_ = txtID_->text();
  txtMenuIndex_->setText(column(2));
  txtLanguage_->setText(column(3));
  if (column(4) == QLatin1String("0"))
    cboParent_->setCurrentIndex(0);
  else
    ShowStoredItem(cboParent_, column(4), 1);
  txtRsName_->setEditText(column(5));
  txtRsName2_->setEditText(column(6));
  txtRelation_->setText(column(7));
  if (column(8).isEmpty()) {
    if (cboFormTemplate_->count() > 0) cboFormTemplate_->setCurrentIndex(0);
  } else {
    ShowStoredItem(cboFormTemplate_, column(8));
  }
  for (int mode = 0; mode < kToolbarModeCount; ++mode) {
    tabs_[mode]->SetCustom(column(9 + mode).toLower() == QLatin1String("custom"));
    Recordset rows;
    if (OpenRecordset(
            ModuleStore::ToolbarQuery(txtID_->text(), QString::fromLatin1(kToolbarModes[mode])),
            rows, 1))
      tabs_[mode]->Bind(rows);
  }
  return true;
}

void frmModuleEdit::OpenButtonEditor(FlexGrid* grid, int row) {
  frmToolbarEdit editor(this);
  editor.setWindowIcon(windowIcon());
  editor.SetEditMode(row == -1 ? 0 : 1);
  editor.SetGird(grid);
  editor.SetFormTemplateName(cboFormTemplate_->currentText());
  editor.SetMenuID(txtID_->text());
  if (row != -1) editor.SetID(row);
  editor.InitControl();
  if (row != -1 && !editor.GetData()) return;
  ModalShow::Exec(&editor);
}

ModuleDefinition frmModuleEdit::Definition() const {
  ModuleDefinition m;
  m.id = txtID_->text().trimmed();
  m.menuIndex = txtMenuIndex_->text().trimmed();
  m.language = txtLanguage_->text().trimmed();
  m.parent = cboParent_->currentIndex() == 0 ? QStringLiteral("0") : cboParent_->currentText();
  m.rsName = txtRsName_->currentText().trimmed();
  m.rsName2 = txtRsName2_->currentText().trimmed();
  m.relation = txtRelation_->text().trimmed();
  m.formTemplateName = cboFormTemplate_->currentText().trimmed();
  for (int mode = 0; mode < kToolbarModeCount; ++mode) {
    m.toolbarKinds[mode] =
        tabs_[mode]->IsCustom() ? QStringLiteral("Custom") : QStringLiteral("Standard");
    m.buttons[mode] = tabs_[mode]->Rows();
  }
  return m;
}

bool frmModuleEdit::SaveData() {
  const ModuleDefinition m = Definition();
  const QString loadedId = editMode_ != 0 ? loadedID_ : QString();
  QString error;
  switch (ModuleStore::Check(m, loadedId, &error)) {
    case ModuleStore::Refusal::None:
      break;
    case ModuleStore::Refusal::EmptyId:
      Refuse(GetLangString(kEmptyId), txtID_);
      return false;
    case ModuleStore::Refusal::BadRelation:
      Refuse(ModuleRelation::RefusalText(m.id, m.relation), txtRelation_);
      return false;
    case ModuleStore::Refusal::IdInUse:
      Refuse(ReplaceParams(GetLangString(kIdInUse), {m.id}), txtID_);
      return false;
    case ModuleStore::Refusal::Cycle:
      Refuse(ReplaceParams(GetLangString(kCycle), {m.id, m.parent}), cboParent_);
      return false;
    case ModuleStore::Refusal::Unreadable:
      MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
      return false;
  }
  if (ModuleStore::Save(m, loadedId, &error)) return true;
  MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
  return false;
}

void frmModuleEdit::Refuse(const QString& text, QWidget* field) {
  MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
  field->setFocus();
}

void frmModuleEdit::cmdSave_Click() {
  if (SaveData()) accept();
}

}  // namespace rd

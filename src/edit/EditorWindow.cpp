#include "edit/EditorWindow.h"

#include <QPushButton>
#include <exception>

#include "core/modCommon.h"
#include "expressions/modExpressions.h"
#include "edit/modForm.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TabOrder.h"

namespace rd {

namespace {
constexpr int kSave = 1056;
constexpr int kSaveAndAdd = 1057;
constexpr int kCancel = 1039;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 375;
constexpr int kButtonPitch = 1440;
}  // namespace

EditorWindow::EditorWindow(QWidget* parent) : QDialog(parent), fields_(new RecordForm(this)) {
  setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint & ~Qt::WindowContextHelpButtonHint);
}

EditorWindow::~EditorWindow() = default;

QPushButton* EditorWindow::MakeButton(QWidget* parent, const char* name, int left, int top) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  // A focused button takes Enter; elsewhere Enter goes to the default one.
  button->setAutoDefault(true);
  button->setGeometry(Twips::ToPx(left, top, kButtonWidth, kButtonHeight));
  return button;
}

void EditorWindow::AddEditButtons(int saveLeft) {
  cmdSave_ = MakeButton(this, "cmdSave", saveLeft, 0);
  cmdAdd_ = MakeButton(this, "cmdAdd", saveLeft + kButtonPitch, 0);
  cmdCancel_ = MakeButton(this, "cmdCancel", saveLeft + 2 * kButtonPitch, 0);
  cmdAdd_->setDefault(true);

  connect(cmdSave_, &QPushButton::clicked, this, &EditorWindow::cmdSave_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &EditorWindow::cmdAdd_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &EditorWindow::cmdCancel_Click);
  connect(fields_, &RecordForm::SelectClicked, this, &EditorWindow::cmdSelect_Click);
  connect(fields_, &RecordForm::FieldEvent, this,
          [this](int label, ControlKind kind, bool lostFocus) {
            if (!RecalculatesOn(kind, lostFocus)) return;
            try {
              CalculateField(*fields_, fields_->Label1.Tag(label));
              SetDisplayFormat(*fields_);
            } catch (const std::exception& e) {
              showError(QString::fromUtf8(e.what()));
            }
          });
  // Enter makes a new line in a text area, elsewhere it presses the enter button.
  connect(fields_, &RecordForm::TextAreaFocus, this,
          [this](bool entered) { EnterButton()->setDefault(!entered); });
}

void EditorWindow::SetEditButtonTexts() {
  cmdSave_->setText(GetLangString(kSave));
  cmdAdd_->setText(GetLangString(kSaveAndAdd));
  cmdCancel_->setText(GetLangString(kCancel));
}

void EditorWindow::MoveEditButtons(int top) {
  for (QPushButton* button : {cmdSave_, cmdAdd_, cmdCancel_})
    button->move(button->x(), Twips::ToPx(top));
}

bool EditorWindow::RecalculatesOn(ControlKind, bool) const { return true; }

void EditorWindow::showError(const QString& text) {
  MsgBox(text, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
}

bool EditorWindow::Load() {
  if (!BuildForm()) return false;
  if (QWidget* first = SetVisualTabOrder(this)) first->setFocus();
  fields_->RecalculateAll();
  SetDisplayFormat(*fields_);
  return true;
}

bool EditorWindow::CheckData() {
  const std::optional<RecordForm::KeyScope> scope = CheckScope();
  return scope && fields_->CheckData(*scope);
}

void EditorWindow::cmdSave_Click() {
  try {
    fields_->FinishEditing();
    if (SaveData()) accept();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void EditorWindow::cmdAdd_Click() {
  try {
    fields_->FinishEditing();
    if (!SaveData()) return;
    // The cleared form is a new record, also for what clearing runs.
    editMode_ = 0;
    ClearData();
    SetDefaultValue(*fields_);
    fields_->RecalculateAll();
    SetDisplayFormat(*fields_);
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void EditorWindow::cmdCancel_Click() { reject(); }

void EditorWindow::cmdSelect_Click(int index) {
  try {
    SelectOption(this, *fields_, fields_->cmdSelect.Tag(index));
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

}  // namespace rd

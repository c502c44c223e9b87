#pragma once
#include <QDialog>
#include <optional>

#include "edit/FieldControls.h"
#include "edit/RecordForm.h"

class QPushButton;

namespace rd {

class FlexGrid;

// What every record editor window shares: the generated fields, the
// members its opener sets, the option picker's answer, loading, validation
// and the Save / Save && Add / Cancel buttons. A window supplies how its
// fields are built, where key checks look and how it saves.
class EditorWindow : public QDialog {
  Q_OBJECT
  Q_PROPERTY(int EditMode READ EditMode WRITE SetEditMode)
  Q_PROPERTY(QString RsName READ RsName WRITE SetRsName)
  Q_PROPERTY(int ID READ ID WRITE SetID)
  Q_PROPERTY(QString ReturnValue READ ReturnValue WRITE SetReturnValue)
  Q_PROPERTY(bool OKFlag READ OKFlag WRITE SetOKFlag)
 public:
  explicit EditorWindow(QWidget* parent = nullptr);
  ~EditorWindow() override;

  int EditMode() const { return editMode_; }
  void SetEditMode(int mode) { editMode_ = mode; }
  QString RsName() const { return rsName_; }
  void SetRsName(const QString& v) { rsName_ = v; }
  int ID() const { return id_; }
  void SetID(int row) { id_ = row; }
  QString ReturnValue() const { return returnValue_; }
  void SetReturnValue(const QString& v) { returnValue_ = v; }
  bool OKFlag() const { return okFlag_; }
  void SetOKFlag(bool v) { okFlag_ = v; }

  // Builds the fields from the members, then calculates and formats them;
  // false when the window cannot be shown.
  virtual bool Load();

  // Validates the fields; the first refusal shows its message.
  bool CheckData();
  virtual bool SaveData() = 0;
  virtual bool ClearData() = 0;

  RecordForm& Fields() const { return *fields_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdAdd() const { return cmdAdd_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 public slots:
  void cmdSave_Click();
  void cmdAdd_Click();
  void cmdCancel_Click();
  void cmdSelect_Click(int index);

 protected:
  virtual bool BuildForm() = 0;
  // Where the key checks of CheckData look; nothing when they cannot run.
  virtual std::optional<RecordForm::KeyScope> CheckScope() const = 0;
  // Whether a field event of that kind recalculates the fields.
  virtual bool RecalculatesOn(ControlKind kind, bool lostFocus) const;
  // The button Enter presses outside a text area.
  virtual QPushButton* EnterButton() const { return cmdAdd_; }

  // A button at left/top (twips) that takes Enter while it has the focus.
  static QPushButton* MakeButton(QWidget* parent, const char* name, int left, int top);
  // Creates Save, Save && Add (the default) and Cancel side by side from
  // saveLeft (twips) and wires them and the field events.
  void AddEditButtons(int saveLeft);
  void SetEditButtonTexts();
  // Moves Save, Save && Add and Cancel to top (twips).
  void MoveEditButtons(int top);
  void showError(const QString& text);

  RecordForm* fields_;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdAdd_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  int editMode_ = 0;
  QString rsName_;
  int id_ = 0;
  QString returnValue_;
  bool okFlag_ = false;
};

}  // namespace rd

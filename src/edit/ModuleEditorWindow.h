#pragma once
#include <QPointer>
#include <functional>

#include "edit/EditorWindow.h"
#include "core/SqlTemplate.h"

namespace rd {

class ImageList;
class ModuleWindow;
class Toolbar;
class ToolbarButton;

// An editor window opened by a module window: it shows the opener's grid
// row ID, has the module's toolbar and refreshes the opener after a save.
class ModuleEditorWindow : public EditorWindow {
  Q_OBJECT
  Q_PROPERTY(QString ModuleName READ ModuleName WRITE SetModuleName)
 public:
  explicit ModuleEditorWindow(QWidget* parent = nullptr);
  ~ModuleEditorWindow() override;

  void SetOpener(ModuleWindow* form);
  // The opener while it exists.
  ModuleWindow* Form() const;
  QString ModuleName() const { return moduleName_; }
  void SetModuleName(const QString& v) { moduleName_ = v; }

  Toolbar* tbrMain() const { return tbrMain_; }

 public slots:
  void tbrMain_ButtonClick(rd::ToolbarButton* button);

 protected:
  // Builds the toolbar for mode across clientWidth; its height in twips,
  // the design height, whatever the buttons' hints say before they show.
  int PlaceToolbar(const QString& mode, int clientWidth);
  static constexpr int kToolbarHeight = 900;
  // Whether a toolbar button other than Close runs its function.
  virtual bool RunsButton(const QString& key) const;
  // The record number of the opener's grid row ID; nothing when it has none.
  std::optional<qlonglong> RecordID() const;
  // Key checks against the stored rows of the record source.
  std::optional<RecordForm::KeyScope> CheckScope() const override;

  // False, with a message when it is the reason, when the record cannot
  // be saved: no database, or a modified record without record number.
  bool ReadyToSave();
  using RecordWriter = std::function<bool(const SqlTemplate::Values& values, QString* error)>;
  // Takes the values (bill numbers included; the record number first in
  // modify mode) and writes them with write, all in one transaction; then
  // refreshes the opener. False after a message when anything fails.
  bool SaveRecord(const RecordWriter& write);

  Toolbar* tbrMain_;
  ImageList* imgBar_;
  QString moduleName_;

 private:
  ModuleWindow* opener_ = nullptr;
  QPointer<QObject> openerObject_;
};

}  // namespace rd

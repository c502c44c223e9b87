#pragma once
#include <QObject>
#include <QPushButton>
#include <optional>

#include "edit/FieldControls.h"
#include "core/SqlTemplate.h"

namespace rd {

class FlexGrid;

// Where and how an editor places its generated fields.
struct FormLayout {
  int columns = 2;          // fields to a row
  int columnWidth = 4320;   // twips from one column to the next
  int left = 120;           // Left of column 1
  int rowHeight = 500;      // twips from one row to the next
  int areaExtra = 650;      // further drop of the rows after each text area
  bool readOnly = false;    // a viewer: every control locked or disabled
  bool orderById = true;    // field rows ordered by ID, else as stored
};

// The generated fields of an editor window: one caption label (tagged with
// its FieldDefTag) and one input control per field row of a record source,
// the option buttons, and what every editor does with them: loading a
// grid row, defaults, calculations, validation and the values to save.
// The window owns it, lays out its own buttons from LastTop()/LastHeight()
// and decides which control events recalculate.
class RecordForm : public QObject, public FieldControls {
  Q_OBJECT
 public:
  // Runs what leaving the focused field runs, for a save that Enter
  // started while the focus is still in that field.
  void FinishEditing();
  explicit RecordForm(QWidget* window);

  ControlArray<QPushButton> cmdSelect;  // Tag: the SelectButtonTag

  // Generates the fields of rsName from top (twips) down. False, after
  // one message, when the field rows cannot be read.
  bool Build(const QString& rsName, const FormLayout& layout, int top);
  // Top of the last placed visible field (top when none) and the height
  // of the last created input control (0 when none), in twips.
  int LastTop() const { return lastTop_; }
  int LastHeight() const { return lastHeight_; }
  // Label k's input control; null when it has none.
  QWidget* InputControl(int label) const;

  // Fills every field from row of the grid (column k for label k).
  bool LoadData(const FlexGrid& grid, int row);
  // CalculateField for every label, then nothing else.
  void RecalculateAll();

  // Where a key must be unique: among the stored rows of the record source,
  // or, with a grid, among its rows but gridRow (as the database compares
  // text: case and trailing blanks ignored).
  struct KeyScope {
    int editMode = 0;          // 0 add, else modify
    qlonglong recordId = 0;    // the edited record (modify)
    QString selectSQL, whereArea;  // of the record source as stored
    const FlexGrid* grid = nullptr;
    int gridRow = -1;
  };
  // Validates the visible fields in label order; the first failure shows
  // its message, focuses the field and gives false.
  bool CheckData(const KeyScope& scope);
  // The value of every savable field, in label order, after the save
  // formats and the audit columns; in add mode the bill numbers are taken
  // (written into their controls, inside the caller's transaction).
  // Nothing when a bill number could not be taken or a format tag names no
  // function (its message shown).
  std::optional<SqlTemplate::Values> SaveValues(int editMode, const QString& rsName);
  // Empties the fields for the next record, from the last label to the
  // first: bill previews, server time, first list items.
  bool ClearData(const QString& rsName);
  // Puts back the texts SaveValues wrote into bill-number fields.
  void RestoreBillTexts();

  // Fills a combo box from the first source of mapping on optionRs.
  static bool FillCombo(QComboBox* combo, const QString& optionRs, const QString& mapping);

 signals:
  // An input control of label k was left (lostFocus) or a list item chosen.
  void FieldEvent(int label, rd::ControlKind kind, bool lostFocus);
  void TextAreaFocus(bool entered);
  // Option button j was pressed.
  void SelectClicked(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int labelOf(QObject* control) const;
  void setupControl(QWidget* control, ControlKind kind, bool readOnly, bool isShow);
  bool fail(const QString& text, const FieldDef& field);
  // Whether key is taken in the scope; nothing when the stored rows
  // cannot be read.
  std::optional<bool> keyTaken(const FieldDef& field, const QString& key,
                               const KeyScope& scope) const;

  QWidget* window_;
  int lastTop_ = 0;
  int lastHeight_ = 0;
  std::vector<std::pair<int, QString>> billTexts_;  // Text1 index, text before saving
};

}  // namespace rd

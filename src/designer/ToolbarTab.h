#pragma once
#include <QWidget>
#include <functional>
#include <vector>

#include "designer/RowMove.h"
#include "designer/ToolbarRow.h"

class QPushButton;
class QRadioButton;

namespace rd {

class FlexGrid;
class Recordset;

// One tab of the module editor: the toolbar kind of a window mode
// (option 0 "Standard", 1 "Custom"), its buttons in a grid, and the
// commands Add, Modify, Delete and the four moves. Add and Modify are the
// opener's business (the button editor); the rest acts on the grid here.
//
// Controls are named as in the mode's tab: the option pair and the grid
// by the names given, the commands "cmd" + prefix + "Add", "Modify",
// "Delete", "Top", "Previous", "Next", "Bottom".
class ToolbarTab : public QWidget {
  Q_OBJECT
 public:
  ToolbarTab(const QString& optionName, const QString& gridName, const QString& commandPrefix,
             bool doubleClickChanges, QWidget* parent = nullptr);

  FlexGrid* Grid() const { return grid_; }
  QRadioButton* Option(int index) const { return options_[index ? 1 : 0]; }
  QPushButton* Command(const QString& name) const;

  bool IsCustom() const;
  void SetCustom(bool custom);
  // Shows the rows with the grid's ten columns; the automatic ID and the
  // module ID stay hidden.
  void Bind(const Recordset& rows);
  std::vector<ToolbarRow> Rows() const;

  void Delete();
  void Move(RowMove move);

 signals:
  void AddRequested(rd::FlexGrid* grid);
  void ChangeRequested(rd::FlexGrid* grid, int row);

 private:
  void AddCommand(const QString& name, const QString& caption, const std::function<void()>& run);
  void RequestChange();

  QRadioButton* options_[2];
  FlexGrid* grid_;
  QWidget* commands_;
  QString prefix_;
};

}  // namespace rd

#include "designer/ToolbarTab.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/modCommon.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/EnterKey.h"

namespace rd {

namespace {
constexpr int kDeleteQuestion = 1023;
constexpr int kFirstButtonColumn = 3;
}  // namespace

ToolbarTab::ToolbarTab(const QString& optionName, const QString& gridName,
                       const QString& commandPrefix, bool doubleClickChanges, QWidget* parent)
    : QWidget(parent),
      options_{new QRadioButton(QStringLiteral("Standard"), this),
               new QRadioButton(QStringLiteral("Custom"), this)},
      grid_(new FlexGrid(this)),
      commands_(new QWidget(this)),
      prefix_(commandPrefix) {
  for (int i = 0; i < 2; ++i) options_[i]->setObjectName(optionName + QString::number(i));
  options_[0]->setChecked(true);
  grid_->setObjectName(gridName);

  auto* commands = new QVBoxLayout(commands_);
  commands->setContentsMargins(0, 0, 0, 0);
  AddCommand(QStringLiteral("Add"), QStringLiteral("Add"), [this] { emit AddRequested(grid_); });
  AddCommand(QStringLiteral("Modify"), QStringLiteral("Modify"), [this] { RequestChange(); });
  AddCommand(QStringLiteral("Delete"), QStringLiteral("Delete"), [this] { Delete(); });
  AddCommand(QStringLiteral("Top"), QStringLiteral(">>"), [this] { Move(RowMove::Top); });
  AddCommand(QStringLiteral("Previous"), QStringLiteral(">"), [this] { Move(RowMove::Up); });
  AddCommand(QStringLiteral("Next"), QStringLiteral("<"), [this] { Move(RowMove::Down); });
  AddCommand(QStringLiteral("Bottom"), QStringLiteral("<<"), [this] { Move(RowMove::Bottom); });
  commands->addStretch();

  auto* kinds = new QHBoxLayout;
  kinds->addWidget(options_[0]);
  kinds->addWidget(options_[1]);
  kinds->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(grid_, 1);
  body->addWidget(commands_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kinds);
  layout->addLayout(body);

  if (doubleClickChanges) {
    const auto change = [this] {
      if (grid_->SelectedRows() > 0) RequestChange();
    };
    connect(grid_, &FlexGrid::DblClick, this, change);
    OnEnterKey(grid_, this, change);
  }
}

void ToolbarTab::AddCommand(const QString& name, const QString& caption,
                            const std::function<void()>& run) {
  auto* button = new QPushButton(caption, commands_);
  button->setObjectName("cmd" + prefix_ + name);
  button->setAutoDefault(false);
  commands_->layout()->addWidget(button);
  connect(button, &QPushButton::clicked, this, run);
}

QPushButton* ToolbarTab::Command(const QString& name) const {
  return commands_->findChild<QPushButton*>("cmd" + prefix_ + name);
}

bool ToolbarTab::IsCustom() const { return options_[1]->isChecked(); }

void ToolbarTab::SetCustom(bool custom) { options_[custom ? 1 : 0]->setChecked(true); }

void ToolbarTab::Bind(const Recordset& rows) {
  grid_->SetDataSource(rows);
  grid_->SetColHidden(1, true);
  grid_->SetColHidden(2, true);
  grid_->Refresh();
}

std::vector<ToolbarRow> ToolbarTab::Rows() const {
  std::vector<ToolbarRow> rows;
  for (int r = 1; r < grid_->Rows(); ++r) {
    auto cell = [&](int offset) { return grid_->TextMatrix(r, kFirstButtonColumn + offset); };
    rows.push_back({cell(0), cell(1), cell(2), cell(3), cell(4), cell(5), cell(6), cell(7)});
  }
  return rows;
}

void ToolbarTab::RequestChange() {
  const int row = grid_->SelectedRow(0);
  if (row != -1) emit ChangeRequested(grid_, row);
}

void ToolbarTab::Delete() {
  const int selected = grid_->SelectedRows();
  if (selected == 0) return;
  if (MsgBox(GetLangString(kDeleteQuestion), MsgIcon::Question, MsgButtons::OkCancel,
             window()->windowTitle(), this) != MsgResult::Ok)
    return;
  std::vector<int> rows;
  for (int i = 0; i < selected; ++i) rows.push_back(grid_->SelectedRow(i));
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) grid_->RemoveItem(*row);
}

void ToolbarTab::Move(RowMove move) {
  const int row = grid_->SelectedRow(0);
  const int target = RowMoveTarget(move, row, grid_->Rows());
  if (target != -1) grid_->SetRowPosition(row, target);
}

}  // namespace rd

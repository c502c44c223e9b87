#include "browse/frmQuery.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "browse/QueryCondition.h"
#include "core/ModuleWindow.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {
namespace {
constexpr int kWidth = 8025, kHeight = 5010, kRowStep = 960;
constexpr int kRowCaption = 1012, kIncomplete = 1013, kOK = 1038, kCancel = 1039;

QComboBox* NewList(QWidget* parent, int left, int top, int width) {
  auto* list = new QComboBox(parent);
  list->setEditable(false);
  list->setGeometry(Twips::ToPx(left, top, width, 315));
  return list;
}
}  // namespace

frmQuery::frmQuery(QWidget* parent) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
  for (int r = 0; r < kRows; ++r) {
    const int top = 120 + kRowStep * r;
    Label1[r] = new QLabel(this);
    Label1[r]->setGeometry(Twips::ToPx(120, top, 1575, 375));
    Label1[r]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cboField[r] = NewList(this, 1680, top, 2175);
    cboSymbol[r] = NewList(this, 3960, top, 975);
    txtValue[r] = new QLineEdit(this);
    txtValue[r]->setGeometry(Twips::ToPx(5040, top, 2895, 375));
    if (r < kRows - 1) cboJoin[r] = NewList(this, 1680, 600 + kRowStep * r, 855);
  }
  cmdOK = new QPushButton(GetLangString(kOK), this);
  cmdOK->setGeometry(Twips::ToPx(5160, 4560, 1335, 375));
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(GetLangString(kCancel), this);
  cmdCancel->setGeometry(Twips::ToPx(6600, 4560, 1335, 375));
  connect(cmdOK, &QPushButton::clicked, this, &frmQuery::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmQuery::cmdCancel_Click);

  QList<QWidget*> order;
  for (int r = 0; r < kRows; ++r) {
    order << cboField[r] << cboSymbol[r];
    if (r < kRows - 1) order << cboJoin[r];
  }
  order << cmdOK << cmdCancel;
  for (QLineEdit* box : txtValue) order << box;
  for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmQuery::SetForm(QObject* form) { form_ = form; }

ModuleWindow* frmQuery::Window() const { return dynamic_cast<ModuleWindow*>(form_.data()); }

bool frmQuery::InitControl() {
  FieldKeys.clear();
  FieldCaptions.clear();
  if (ModuleWindow* window = Window(); window && window->vsData()) {
    const FlexGrid* grid = window->vsData();
    for (int i = 1; i < grid->Cols(); ++i) {
      const QString key = grid->ColKey(i);
      if (grid->ColHidden(i) || !QueryCondition::UsableKey(key)) continue;
      const QString caption = grid->TextMatrix(0, i);
      FieldKeys << key;
      // Blank entries in the field lists could not be told apart: a field
      // without a caption is listed by its name.
      FieldCaptions << (caption.trimmed().isEmpty() ? key : caption);
    }
  }
  for (int r = 0; r < kRows; ++r) {
    Label1[r]->setText(ReplaceParams(GetLangString(kRowCaption), {QString::number(r + 1)}));
    cboSymbol[r]->clear();
    cboSymbol[r]->addItems(QueryCondition::Symbols());
    cboSymbol[r]->setCurrentIndex(-1);
    if (r < kRows - 1) {
      cboJoin[r]->clear();
      cboJoin[r]->addItems(QueryCondition::Joins());
      cboJoin[r]->setCurrentIndex(-1);
    }
    cboField[r]->clear();
    cboField[r]->addItems(FieldCaptions);
    cboField[r]->setCurrentIndex(-1);
  }
  return true;
}

namespace {
std::vector<QueryCondition::Row> RowsOf(const frmQuery& dialog) {
  std::vector<QueryCondition::Row> rows(frmQuery::kRows);
  for (int r = 0; r < frmQuery::kRows; ++r) {
    rows[size_t(r)].field = dialog.cboField[r]->currentIndex();
    rows[size_t(r)].symbol = dialog.cboSymbol[r]->currentText();
    if (r > 0) rows[size_t(r)].join = dialog.cboJoin[r - 1]->currentText();
    rows[size_t(r)].value = dialog.txtValue[r]->text();
  }
  return rows;
}
}  // namespace

bool frmQuery::CheckInput() {
  const QueryCondition::Problem problem = QueryCondition(FieldKeys).Check(RowsOf(*this));
  QWidget* focus = nullptr;
  switch (problem.what) {
    case QueryCondition::Missing::Nothing: return true;
    case QueryCondition::Missing::Field: focus = cboField[problem.row]; break;
    case QueryCondition::Missing::Symbol: focus = cboSymbol[problem.row]; break;
    case QueryCondition::Missing::Join: focus = cboJoin[problem.row - 1]; break;
  }
  MsgBox(GetLangString(kIncomplete), MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(),
         this);
  focus->setFocus();
  return false;
}

void frmQuery::cmdOK_Click() {
  if (!CheckInput()) return;
  const QString condition = QueryCondition(FieldKeys).Build(RowsOf(*this));
  if (ModuleWindow* window = Window()) {
    bool refreshed = false;
    try {
      refreshed = window->RefreshData(condition);
    } catch (const std::exception& e) {
      MsgBox(QString::fromLocal8Bit(e.what()), MsgIcon::Critical, MsgButtons::OkOnly,
             windowTitle(), this);
    }
    // The window has shown why; the rows stay for the user to correct.
    if (!refreshed) return;
  }
  accept();
}

void frmQuery::cmdCancel_Click() { reject(); }

void RegisterQueryWindow() {
  WindowRegistry::Register(QStringLiteral("frmQuery"),
                           [](QWidget* parent) { return new frmQuery(parent); });
}

}  // namespace rd

#include "masterdetail/MasterDetailWindow.h"

#include <QGroupBox>
#include <exception>

#include "core/ModuleRelation.h"
#include "expressions/modExpressions.h"
#include "masterdetail/DetailGrid.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kFrameWidth = 11055;

void unloadFields(RecordForm& form) {
  form.Label1.UnloadAll();
  form.Text1.UnloadAll();
  form.Text2.UnloadAll();
  form.Combo1.UnloadAll();
  form.Combo2.UnloadAll();
  form.DTPicker1.UnloadAll();
  form.Check1.UnloadAll();
  form.cmdSelect.UnloadAll();
}
}  // namespace

MasterDetailWindow::MasterDetailWindow(QWidget* parent)
    : ModuleEditorWindow(parent), frame1_(new QGroupBox(this)), vsData_(new FlexGrid(frame1_)) {
  fields_->Text2[0]->resize(Twips::ToPx(9255), Twips::ToPx(1095));
  frame1_->setObjectName(QStringLiteral("Frame1"));
  // The title sits on the frame's line, clear of the field above.
  frame1_->setStyleSheet(QStringLiteral(
      "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 8px; top: 4px; padding: 0 3px; }"));
  frame1_->setGeometry(Twips::ToPx(0, 0, kFrameWidth, kFrameHeight));
  vsData_->setObjectName(QStringLiteral("vsData"));
  fields_->vsData = vsData_;
}

MasterDetailWindow::~MasterDetailWindow() = default;

bool MasterDetailWindow::Load() {
  if (!ModuleRelation::Parse(relation_)) {
    showError(ModuleRelation::RefusalText(ModuleName(), relation_));
    return false;
  }
  try {
    unloadFields(*fields_);
    return ModuleEditorWindow::Load();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
    return false;
  }
}

std::optional<int> MasterDetailWindow::BuildMasterArea(const QString& mode, bool readOnly) {
  const int toolbarHeight = PlaceToolbar(mode, kClientWidth);
  FormLayout layout;
  layout.columns = 3;
  layout.columnWidth = 3650;
  layout.areaExtra = 650;
  layout.readOnly = readOnly;
  if (!fields_->Build(rsName_, layout, toolbarHeight)) return std::nullopt;
  const int frameTop = fields_->LastTop() + fields_->LastHeight();
  frame1_->move(0, Twips::ToPx(frameTop));
  return frameTop;
}

QString MasterDetailWindow::MasterRelationValue() const {
  const std::optional<ModuleRelation> link = ModuleRelation::Parse(relation_);
  if (!link) return QString();
  const FieldDef* field = fields_->FindField(link->masterField);
  return field ? fields_->Value(*field) : QString();
}

bool MasterDetailWindow::RefreshData(const QString& filter) {
  DetailGrid::Query query;
  const bool ok = DetailGrid::Refresh(*vsData_, rsName2_, filter, &query);
  selectSQL_ = query.selectSQL;
  whereArea_ = query.whereArea;
  orderArea_ = query.orderArea;
  return ok;
}

}  // namespace rd

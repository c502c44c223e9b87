#include "masterdetail/frmMultiView.h"

#include <QGroupBox>
#include <QPushButton>

#include "core/ModuleWindow.h"
#include "expressions/FieldDef.h"
#include "edit/RecordForm.h"
#include "masterdetail/DetailGrid.h"
#include "masterdetail/ViewPrint.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"

namespace rd {

frmMultiView::frmMultiView(QWidget* parent) : MasterDetailWindow(parent) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose, false);
  editMode_ = 1;
  fields_->Label1[0]->resize(Twips::ToPx(1065), Twips::ToPx(375));
  frame1_->setTitle(QStringLiteral("List"));
  vsData_->setGeometry(Twips::ToPx(120, 240, 10815, 2880));
  cmdCancel_ = MakeButton(this, "cmdCancel", 9720, 0);
  cmdCancel_->setText(QStringLiteral("Close"));
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(tbrMain_, &Toolbar::ButtonClick, this, [this](ToolbarButton* button) {
    if (button && button->Key() == QLatin1String("Print")) cmdPrint_Click();
  });
}

frmMultiView::~frmMultiView() = default;

bool frmMultiView::BuildForm() {
  const std::optional<int> frameTop = BuildMasterArea(QStringLiteral("View"), true);
  if (!frameTop) return false;
  const int closeTop = *frameTop + kFrameHeight + 100;
  cmdCancel_->move(cmdCancel_->x(), Twips::ToPx(closeTop));
  // Sizable: the user may resize it; the controls keep their places.
  resize(Twips::ToPx(kClientWidth), Twips::ToPx(closeTop + 880 - kBorderHeight));

  ModuleWindow* opener = Form();
  if (opener && opener->vsData()) fields_->LoadData(*opener->vsData(), id_);
  RefreshData(DetailGrid::RelationFilter(relation_, MasterRelationValue()));
  return true;
}

// Print is the viewer's own (cmdPrint_Click), not a button function.
bool frmMultiView::RunsButton(const QString& key) const { return key != QLatin1String("Print"); }

void frmMultiView::cmdPrint_Click() {
  ViewPrint::Source source;
  if (auto* opener = dynamic_cast<QWidget*>(Form())) source.caption = opener->windowTitle();
  source.icon = windowIcon();
  for (int i = 1; i < vsData_->Cols(); ++i)
    source.columns.push_back({vsData_->ColWidth(i), vsData_->ColHidden(i), vsData_->ColKey(i),
                              vsData_->TextMatrix(0, i)});
  source.gridWidth = Twips::FromPx(vsData_->width());
  source.rows = vsData_->DataSource();
  const ControlArray<QLabel>& labels = fields_->Label1;
  for (int i = 1; i < labels.Count(); ++i) {
    QLabel* label = labels[i];
    if (!label || label->isHidden()) continue;
    FieldDef def = FieldDef::FromTag(i, labels.Tag(i));
    def.kind = FieldDef::KindOf(def.Part(FieldDef::kControlType).trimmed());
    source.masterFields.emplace_back(label->text(), fields_->FieldValue(def.kind, def.index));
  }
  ViewPrint::Print(source);
}

}  // namespace rd

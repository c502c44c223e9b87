#include "masterdetail/frmMultiView.h"

#include <QGroupBox>
#include <QPushButton>

#include "core/ModuleWindow.h"
#include "edit/windows/RecordForm.h"
#include "masterdetail/DetailGrid.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

frmMultiView::frmMultiView(QWidget* parent) : MasterDetailWindow(parent) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose, false);
  editMode_ = 1;
  fields_->Label1[0]->resize(Twips::ToPx(1065), Twips::ToPx(375));
  frame1_->setTitle(QStringLiteral("List"));
  vsData_->setGeometry(Twips::ToPx(120, 240, 10815, 2880));
  cmdCancel_ = MakeButton(this, "cmdCancel", 9720, 0);
  cmdCancel_->setText(QStringLiteral("Close"));
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

frmMultiView::~frmMultiView() = default;

bool frmMultiView::BuildForm() {
  const std::optional<int> frameTop = BuildMasterArea(QStringLiteral("View"), true);
  if (!frameTop) return false;
  const int closeTop = *frameTop + kFrameHeight + 100;
  cmdCancel_->move(cmdCancel_->x(), Twips::ToPx(closeTop));
  setFixedSize(Twips::ToPx(kClientWidth), Twips::ToPx(closeTop + 880 - kBorderHeight));

  ModuleWindow* opener = Form();
  if (opener && opener->vsData()) fields_->LoadData(*opener->vsData(), id_);
  RefreshData(DetailGrid::RelationFilter(relation_, MasterRelationValue()));
  return true;
}

// Print does nothing in the viewer.
bool frmMultiView::RunsButton(const QString& key) const { return key != QLatin1String("Print"); }

}  // namespace rd

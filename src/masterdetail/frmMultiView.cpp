#include "masterdetail/frmMultiView.h"

#include <QGroupBox>
#include <QPushButton>
#include <exception>

#include "browse/modToolbar.h"
#include "core/ModuleWindow.h"
#include "edit/engine/modExpressions.h"
#include "edit/windows/RecordForm.h"
#include "masterdetail/DetailGrid.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

namespace {
constexpr int kClientWidth = 11130;
constexpr int kFrameWidth = 11055;
constexpr int kFrameHeight = 3255;
constexpr int kBorderHeight = 400;
}  // namespace

frmMultiView::frmMultiView(QWidget* parent)
    : QDialog(parent),
      form_(new RecordForm(this)),
      tbrMain_(new Toolbar(this)),
      imgBar_(new ImageList(this)),
      frame1_(new QGroupBox(QStringLiteral("List"), this)),
      vsData_(new FlexGrid(frame1_)),
      cmdCancel_(new QPushButton(QStringLiteral("Close"), this)) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose, false);
  tbrMain_->setObjectName(QStringLiteral("tbrMain"));
  imgBar_->setObjectName(QStringLiteral("imgBar"));
  AddStandardImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);
  form_->Label1[0]->resize(Twips::ToPx(1065), Twips::ToPx(375));
  form_->Text2[0]->resize(Twips::ToPx(9255), Twips::ToPx(1095));
  frame1_->setObjectName(QStringLiteral("Frame1"));
  frame1_->setGeometry(Twips::ToPx(0, 0, kFrameWidth, kFrameHeight));
  vsData_->setObjectName(QStringLiteral("vsData"));
  vsData_->setGeometry(Twips::ToPx(120, 240, 10815, 2880));
  form_->vsData = vsData_;
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel_->setAutoDefault(false);
  cmdCancel_->setGeometry(Twips::ToPx(9720, 0, 1335, 375));
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(tbrMain_, &Toolbar::ButtonClick, this, &frmMultiView::tbrMain_ButtonClick);
}

frmMultiView::~frmMultiView() = default;

void frmMultiView::SetForm(ModuleWindow* form) {
  opener_ = form;
  openerObject_ = dynamic_cast<QObject*>(form);
}

ModuleWindow* frmMultiView::Form() const { return openerObject_ ? opener_ : nullptr; }

bool frmMultiView::Load() {
  try {
    form_->Text1.UnloadAll();
    form_->Label1.UnloadAll();
    form_->Text2.UnloadAll();
    form_->Combo1.UnloadAll();
    form_->Combo2.UnloadAll();
    form_->DTPicker1.UnloadAll();
    form_->Check1.UnloadAll();
    form_->cmdSelect.UnloadAll();
    if (!BuildForm()) return false;
    form_->RecalculateAll();
    SetDisplayFormat(*form_);
    return true;
  } catch (const std::exception& e) {
    MsgBox(QString::fromUtf8(e.what()), MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
    return false;
  }
}

bool frmMultiView::BuildForm() {
  BuildToolbar(this, moduleName_, QStringLiteral("View"));
  const int toolbarHeight = Twips::FromPx(tbrMain_->sizeHint().height());
  tbrMain_->setGeometry(0, 0, Twips::ToPx(kClientWidth), Twips::ToPx(toolbarHeight));
  FormLayout layout;
  layout.columns = 3;
  layout.columnWidth = 3650;
  layout.areaExtra = 650;
  layout.readOnly = true;
  if (!form_->Build(rsName_, layout, toolbarHeight)) return false;

  const int frameTop = form_->LastTop() + form_->LastHeight();
  frame1_->move(0, Twips::ToPx(frameTop));
  const int closeTop = frameTop + kFrameHeight + 100;
  cmdCancel_->move(cmdCancel_->x(), Twips::ToPx(closeTop));
  setFixedSize(Twips::ToPx(kClientWidth), Twips::ToPx(closeTop + 880 - kBorderHeight));

  ModuleWindow* opener = Form();
  if (opener && opener->vsData()) form_->LoadData(*opener->vsData(), id_);
  QString masterField, value;
  if (DetailGrid::SplitRelation(relation_, &masterField, nullptr))
    if (const FieldDef* field = form_->FindField(masterField)) value = form_->Value(*field);
  RefreshData(DetailGrid::RelationFilter(relation_, value));
  return true;
}

bool frmMultiView::RefreshData(const QString& filter) {
  DetailGrid::Query query;
  const bool ok = DetailGrid::Refresh(*vsData_, rsName2_, filter, &query);
  selectSQL_ = query.selectSQL;
  whereArea_ = query.whereArea;
  orderArea_ = query.orderArea;
  return ok;
}

void frmMultiView::tbrMain_ButtonClick(ToolbarButton* button) {
  if (!button) return;
  try {
    if (button->Key() == QLatin1String("Close"))
      reject();
    else if (button->Key() != QLatin1String("Print"))
      ExecuteButtonFunction(this, moduleName_, button);
  } catch (const std::exception& e) {
    MsgBox(QString::fromUtf8(e.what()), MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
  }
}

}  // namespace rd

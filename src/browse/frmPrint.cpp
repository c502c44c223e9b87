#include "browse/frmPrint.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "browse/PrintData.h"
#include "core/Globals.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"

namespace rd {

namespace {
constexpr int kCaption = 1122, kDefault = 1123, kOK = 1038, kCancel = 1039;

struct OptionPlace {
  int top, width, height;
};
constexpr OptionPlace kOptions[] = {{360, 2055, 375}, {840, 1815, 255}, {1200, 1815, 375}};
}  // namespace

frmPrint::frmPrint(QWidget* parent) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(Twips::ToPx(4680), Twips::ToPx(2520));
  setWindowTitle(GetLangString(kCaption));
  Frame1 = new QGroupBox(GetLangString(kCaption), this);
  Frame1->setGeometry(Twips::ToPx(120, 120, 4455, 1695));
  for (int i = 0; i < int(optPrint.size()); ++i) {
    optPrint[i] = new QRadioButton(GetLangString(kDefault + i), Frame1);
    optPrint[i]->setGeometry(
        Twips::ToPx(360, kOptions[i].top, kOptions[i].width, kOptions[i].height));
  }
  cmdOK = new QPushButton(GetLangString(kOK), this);
  cmdOK->setGeometry(Twips::ToPx(720, 2040, 1335, 375));
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(GetLangString(kCancel), this);
  cmdCancel->setGeometry(Twips::ToPx(2520, 2040, 1335, 375));
  cmdCancel->setAutoDefault(false);
  connect(cmdOK, &QPushButton::clicked, this, &frmPrint::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::cmdCancel_Click);

  optPrint[PrintData::Orientation()]->setChecked(true);
}

void frmPrint::cmdOK_Click() {
  int value = 2;
  if (optPrint[0]->isChecked())
    value = 0;
  else if (optPrint[1]->isChecked())
    value = 1;
  if (SaveSetting("Print", "Orientation", QString::number(value), this)) accept();
}

void frmPrint::cmdCancel_Click() { reject(); }

void RegisterPrintWindow() {
  WindowRegistry::Register(QStringLiteral("frmPrint"),
                           [](QWidget* parent) { return new frmPrint(parent); });
}

}  // namespace rd

#include "core/frmMain.h"

#include <QCloseEvent>
#include <QDate>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTime>
#include <QTimer>

#include "core/ContactAddresses.h"
#include "core/Globals.h"
#include "core/MenuTree.h"
#include "core/ModalRunner.h"
#include "core/ModuleWindow.h"
#include "core/OpenAddress.h"
#include "core/SystemTables.h"
#include "core/WindowRegistry.h"
#include "core/frmAbout.h"
#include "core/frmChangePwd.h"
#include "core/frmChangeUser.h"
#include "core/frmLockScreen.h"
#include "core/modBackup.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "core/modUser.h"
#include "core/modSingleTable.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/StatusBar.h"
#include "toolkit/cMenus.h"

namespace rd {
namespace {

QPointer<frmMain>& current() {
  static QPointer<frmMain> w;
  return w;
}

constexpr int kSingleWidth = 9000, kSingleHeight = 6500;
constexpr int kMasterWidth = 8500, kMasterHeight = 6000;

// Template, record source, detail record source and relation, joined by "|".
QString MenuItemTag(const Recordset& rs) {
  return QStringList{NullToStr(rs.Value("FormTemplateName")), NullToStr(rs.Value("RsName")),
                     NullToStr(rs.Value("RsName2")), NullToStr(rs.Value("Relation"))}
      .join(QLatin1Char('|'));
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent),
      stbMain_(new StatusBar(this)),
      mdiArea_(new QMdiArea(this)),
      clock_(new QTimer(this)),
      modal_(std::make_unique<ModalRunner>()) {
  setAttribute(Qt::WA_DeleteOnClose);
  resize(Twips::ToPx(12000), Twips::ToPx(8400));
  setCentralWidget(mdiArea_);
  setStatusBar(stbMain_);
  AddStatusPanels();
  current() = this;

  setWindowTitle(AppTitle);
  m_Menus = std::make_unique<cMenus>();
  connect(m_Menus.get(), &cMenus::Click, this, &frmMain::m_Menus_Click);
  BuildMenus();
  UserNamePanel()->SetText(
      ReplaceParams(GetLangString(1040), {UserInfo ? UserInfo->LoginUser : QString()}));
}

frmMain::~frmMain() {
  if (current() == this) current() = nullptr;
}

frmMain* frmMain::Current() { return current(); }

StatusBarPanel* frmMain::UserNamePanel() const { return stbMain_->Panel(QStringLiteral("UserName")); }

void frmMain::SetModalRunner(std::unique_ptr<ModalRunner> runner) {
  modal_ = runner ? std::move(runner) : std::make_unique<ModalRunner>();
}

void frmMain::AddStatusPanels() {
  stbMain_->AddPanel(QString(), QStringLiteral("UserName"))->SetAutoSize(StatusBarPanel::Spring);
  stbMain_->AddPanel(QString::fromLatin1(Contact::HomePage))->SetAutoSize(StatusBarPanel::Contents);
  stbMain_->AddPanel(QString::fromLatin1(Contact::SupportMail))
      ->SetAutoSize(StatusBarPanel::Contents);
  stbMain_->AddPanel()->SetAutoSize(StatusBarPanel::Contents);
  stbMain_->AddPanel()->SetAutoSize(StatusBarPanel::Contents);
  UpdateClock();
  connect(clock_, &QTimer::timeout, this, &frmMain::UpdateClock);
  clock_->start(1000);
}

void frmMain::UpdateClock() {
  const QLocale locale;
  stbMain_->Panel(4)->SetText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
  stbMain_->Panel(5)->SetText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

// ---- the menu bar ----

void frmMain::BuildMenus() {
  m_Menus->SetDrawStyle(1);
  m_Menus->ImageList = &imlMenus;
  m_Menus->CreateFromForm(this, true);
  if (!AddMenuItems() && DbConnection && DbConnection->Damaged())
    QTimer::singleShot(0, this, &frmMain::OfferRestore);
}

void frmMain::OfferRestore() {
  if (!RestoreDatabase(this)) return;
  while (m_Menus->ItemCount() > 0 && m_Menus->RemoveItem(1)) {
  }
  AddMenuItems();
}

bool frmMain::AddMenuItems() {
  MenuTree tree;
  QSet<QString> granted;
  const bool isAdmin = UserInfo && UserInfo->IsAdmin;
  const bool read = ReadMenuTree(tree);
  if (read) {
    if (!isAdmin) ReadGrantedKeys(UserInfo ? UserInfo->LoginUser : QString(), granted);
    // Children go under the index their parent was added at: an ID made of
    // digits would read as an item position if it were looked up as a key.
    tree.Walk([&](const MenuTree::Row& row, int parentIndex) {
      return m_Menus->AddItem({.Parent = parentIndex,
                               .Caption = row.Caption,
                               .Key = row.ID,
                               .Enabled = isAdmin || granted.contains(row.ID.toLower()),
                               .Tag = row.Tag});
    });
  }
  AddHelpMenu();
  return read;
}

bool frmMain::ReadMenuTree(MenuTree& tree) const {
  Recordset rs;
  if (!OpenRecordset(QStringLiteral("select * from tblMenu order by MenuIndex"), rs, 1))
    return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (rs.Value("ID").isNull()) continue;
    tree.Append({NullToStr(rs.Value("ID")), NullToStr(rs.Value("Language")),
                 NullToStr(rs.Value("Parent")), MenuItemTag(rs)});
  }
  return true;
}

void frmMain::AddHelpMenu() {
  const int help =
      m_Menus->AddItem({.Caption = GetLangString(1043), .Key = QStringLiteral("mnuHelp")});
  if (!help) return;
  const std::pair<const char*, QString> items[] = {
      {"mnuContents", GetLangString(1044)}, {"mnuSupport", GetLangString(1045)},
      {"mnuFeedback", GetLangString(1047)}, {"mnuUpdate", GetLangString(1049)},
      {"mnuHelpBar0", QStringLiteral("-")},  {"mnuAbout", GetLangString(1048)}};
  for (const auto& [key, caption] : items)
    m_Menus->AddItem({.Parent = help, .Caption = caption, .Key = QString::fromLatin1(key)});
}

// ---- dispatch ----

void frmMain::m_Menus_Click(int index) {
  if (!m_Menus || index < 1 || index > m_Menus->ItemCount()) return;
  const QString key = m_Menus->ItemKey(index);
  const QString caption = m_Menus->ItemCaption(index);
  if (key == QLatin1String("mnuContents")) {
    OpenAddress(QString::fromLatin1(Contact::HelpPage), this);
  } else if (key == QLatin1String("mnuSupport") || key == QLatin1String("mnuUpdate")) {
    OpenAddress(QString::fromLatin1(Contact::HomePage), this);
  } else if (key == QLatin1String("mnuFeedback")) {
    OpenAddress(QStringLiteral("mailto:") + QString::fromLatin1(Contact::SupportMail), this);
  } else if (key == QLatin1String("mnuAbout")) {
    frmAbout about(this);
    modal_->Run(&about);
  } else if (key == QLatin1String("mnuToolsUser")) {
    OpenUserWindow(key, caption);
  } else if (key == QLatin1String("mnuToolsBackup")) {
    BackupDatabase(this);
  } else if (key == QLatin1String("mnuToolsRestore")) {
    RestoreDatabase(this);
  } else if (key == QLatin1String("mnuToolsPrint")) {
    RunRegisteredTool(QStringLiteral("frmPrint"), caption);
  } else if (key == QLatin1String("mnuToolsDevelop")) {
    if (CheckSystemTables(DesignerTables(), this))
      RunModal(WindowRegistry::Create(QStringLiteral("frmDevelope"), this));
  } else if (key == QLatin1String("mnuToolsLock")) {
    auto* lock = new frmLockScreen(this);
    lock->Load();
    RunTool(lock, caption);
  } else if (key == QLatin1String("mnuToolsCU")) {
    ChangeUser(caption);
  } else if (key == QLatin1String("mnuToolsPwd")) {
    RunTool(new frmChangePwd(this), caption);
  } else if (key == QLatin1String("mnuToolsPri")) {
    if (CheckSystemTables(PrivilegeTables(), this))
      RunRegisteredTool(QStringLiteral("frmPrivilege"), caption);
  } else if (key == QLatin1String("mnuToolsPriList")) {
    if (CheckSystemTables(PrivilegeTables(), this))
      RunRegisteredTool(QStringLiteral("frmPrivilegeList"), caption);
  } else if (key == QLatin1String("mnuExit")) {
    close();
  } else {
    OpenModule(key, caption, m_Menus->ItemTag(index));
  }
}

void frmMain::RunModal(QWidget* window) {
  if (!window) return;
  QPointer<QWidget> alive(window);
  modal_->Run(window);
  delete alive.data();
}

void frmMain::RunTool(QWidget* window, const QString& caption) {
  if (!window) return;
  window->setWindowIcon(windowIcon());
  window->setWindowTitle(caption);
  RunModal(window);
}

void frmMain::RunRegisteredTool(const QString& className, const QString& caption) {
  RunTool(WindowRegistry::Create(className, this), caption);
}

void frmMain::OpenUserWindow(const QString& key, const QString& caption) {
  QWidget* window = WindowRegistry::Create(QStringLiteral("frmUser"), this);
  if (!window) return;
  auto* module = dynamic_cast<ModuleWindow*>(window);
  if (module) module->SetModuleName(key);
  window->setWindowIcon(windowIcon());
  window->setWindowTitle(caption);
  if (module) module->RefreshData(QString());
  RunModal(window);
}

void frmMain::ChangeUser(const QString& caption) {
  hide();
  auto* dialog = new frmChangeUser(this);
  dialog->Load();
  dialog->setWindowIcon(windowIcon());
  dialog->setWindowTitle(caption);
  dialog->show();
}

void frmMain::OpenModule(const QString& key, const QString& caption, const QString& tag) {
  const QStringList parts = tag.split(QLatin1Char('|'));
  const QString form = parts.value(0);
  const bool single = form == QLatin1String("SingleRs");
  if (!single && form != QLatin1String("MultiRs")) return;
  QWidget* window = FindBrowseForm(key);
  if (!window) window = CreateModuleWindow(!single, key, caption, parts);
  if (window) ShowChild(window);
}

QWidget* frmMain::CreateModuleWindow(bool master, const QString& key, const QString& caption,
                                     const QStringList& tagParts) {
  QWidget* window = WindowRegistry::Create(
      master ? QStringLiteral("frmMultiTable") : QStringLiteral("frmSingleTable"));
  auto* module = dynamic_cast<ModuleWindow*>(window);
  if (!module) {
    delete window;
    return nullptr;
  }
  module->SetModuleName(key);
  module->SetRsName(tagParts.value(1));
  if (master) {
    module->SetRsName2(tagParts.value(2));
    module->SetRelation(tagParts.value(3));
  }
  window->setWindowTitle(caption);
  window->setWindowIcon(windowIcon());
  // A window that cannot read what it shows does not open.
  if (!module->InitControl() || !module->RefreshData(QString())) {
    delete window;
    return nullptr;
  }
  mdiArea_->addSubWindow(window);
  if (master)
    CenterForm(window, kMasterHeight, kMasterWidth);
  else
    CenterForm(window, kSingleHeight, kSingleWidth);
  return window;
}

void frmMain::ShowChild(QWidget* window) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
    sub->show();
    mdiArea_->setActiveSubWindow(sub);
  } else {
    window->show();
    window->raise();
    window->activateWindow();
  }
  window->setFocus();
}

void frmMain::closeEvent(QCloseEvent* e) {
  mdiArea_->closeAllSubWindows();
  // The click being handled may come from inside the menu manager.
  if (m_Menus) m_Menus.release()->deleteLater();
  ReleaseGlobals();
  if (current() == this) current() = nullptr;
  e->accept();
}

}  // namespace rd

#include "designer/frmDevelope.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QStyle>

#include "browse/modToolbar.h"
#include "core/Globals.h"
#include "core/ModalRunner.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "designer/BareNames.h"
#include "designer/DesignedTables.h"
#include "designer/TableDdl.h"
#include "designer/frmField.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"
#include "platform/widgets/TreeNode.h"
#include "platform/widgets/TreeView.h"
#include "toolkit/ctlSplitterEx.h"
#include "platform/widgets/EnterKey.h"

namespace rd {

namespace {
constexpr int kTitle = 1000;
constexpr int kAddCaption = 1021;
constexpr int kModifyCaption = 1022;
constexpr int kDeleteQuestion = 1023;
constexpr int kReplaceQuestion = 1071;
constexpr int kCreated = 1072;
constexpr int kNotCreated = 1073;
constexpr int kSystemTableKept = 1285;
constexpr int kWidth = 9600;
constexpr int kHeight = 6600;

const QString kRoot = QStringLiteral("R");
const QString kTable = QStringLiteral("Table");
const QString kRecordset = QStringLiteral("Recordset");
const QString kModule = QStringLiteral("Module");

QString ListQuery(const QString& classKey) {
  if (classKey == kRoot) return QStringLiteral("select [Language] from tblClass Order by ClassIndex");
  if (classKey == kTable) return QStringLiteral("select TableName from tbltable group by TableName");
  if (classKey == kRecordset)
    return QStringLiteral("select RsName from tblRecordset group by RsName");
  if (classKey == kModule)
    return QStringLiteral(
        "select ID,MenuIndex,[Language],Parent,RsName,RsName2,Relation,FormTemplateName,"
        "BrowseToolbar,ViewToolbar,AddToolbar,ModifyToolbar from tblMenu order by [ID]");
  return QString();
}

void AddTreeImages(ImageList& images) {
  QStyle* style = QApplication::style();
  const QStyle::StandardPixmap pictures[] = {QStyle::SP_FileIcon, QStyle::SP_DirClosedIcon,
                                             QStyle::SP_DirOpenIcon, QStyle::SP_ComputerIcon};
  for (int i = 0; i < 4; ++i)
    images.Add(QString::number(i + 1), style->standardIcon(pictures[i]).pixmap(16, 16));
}
}  // namespace

frmDevelope::frmDevelope(QWidget* parent)
    : QDialog(parent),
      tbrMain_(new Toolbar(this)),
      imgBar_(new ImageList(this)),
      imgTreeView_(new ImageList(this)),
      trvModule_(new TreeView(this)),
      lvDetail_(new FlexGrid(this)),
      ctlSplitterEx1_(new ctlSplitterEx(this)),
      mnuTable_(new QMenu(QStringLiteral("Table"), this)),
      mnuRs_(new QMenu(QStringLiteral("Recordset"), this)),
      mnuModule_(new QMenu(QStringLiteral("Module"), this)),
      designBefore_(DesignSnapshot::Take()) {
  setObjectName(QStringLiteral("frmDevelope"));
  setWindowTitle(QStringLiteral("Develope Tool"));
  tbrMain_->setObjectName(QStringLiteral("tbrMain"));
  trvModule_->setObjectName(QStringLiteral("trvModule"));
  lvDetail_->setObjectName(QStringLiteral("lvDetail"));
  ctlSplitterEx1_->setObjectName(QStringLiteral("ctlSplitterEx1"));
  resize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));

  AddStandardImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);
  for (const QString& key : {QStringLiteral("Refresh"), QStringLiteral("Close")})
    tbrMain_->AddButton(key, key)->SetImage(key);
  AddTreeImages(*imgTreeView_);
  trvModule_->SetImageList(imgTreeView_);
  BuildMenus();

  connect(tbrMain_, &Toolbar::ButtonClick, this, &frmDevelope::tbrMain_ButtonClick);
  connect(trvModule_, &TreeView::NodeClick, this, &frmDevelope::trvModule_NodeClick);
  // The right button, the menu key and Shift+F10 pop the class's menu up.
  for (QWidget* pane : {static_cast<QWidget*>(trvModule_), static_cast<QWidget*>(lvDetail_)}) {
    pane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane, &QWidget::customContextMenuRequested, this,
            [this, pane](QPoint at) { ShowPopup(pane->mapToGlobal(at)); });
  }
  connect(lvDetail_, &FlexGrid::DblClick, this, &frmDevelope::lvDetail_DblClick);
  OnEnterKey(lvDetail_, this, &frmDevelope::lvDetail_DblClick);

  InitTree();
  QMetaObject::invokeMethod(ctlSplitterEx1_, "AttachObjects", Q_ARG(QWidget*, trvModule_),
                            Q_ARG(QWidget*, lvDetail_), Q_ARG(bool, true));
  QMetaObject::invokeMethod(ctlSplitterEx1_, "TileMode", Q_ARG(int, 1));
  TreeNode* root = trvModule_->Node(kRoot);
  trvModule_->SetSelectedItem(root);
  trvModule_NodeClick(root);
}

void frmDevelope::BuildMenus() {
  struct Item {
    QMenu* menu;
    const char* name;
    const char* caption;
    void (frmDevelope::*slot)();
  };
  const Item items[] = {
      {mnuTable_, "mnuAddTable", "New Table Structure", &frmDevelope::mnuAddTable_Click},
      {mnuTable_, "mnuModifyTable", "Modify Table Structure", &frmDevelope::mnuModifyTable_Click},
      {mnuTable_, "mnuCreateTable", "Create Table", &frmDevelope::mnuCreateTable_Click},
      {mnuTable_, "mnuDropTable", "Delete Structure and Table", &frmDevelope::mnuDropTable_Click},
      {mnuRs_, "mnuAddRs", "New Recordset", &frmDevelope::mnuAddRs_Click},
      {mnuRs_, "mnuModifyRs", "Modify Recordset", &frmDevelope::mnuModifyRs_Click},
      {mnuRs_, "mnuDeleteRs", "Delete Recordset", &frmDevelope::mnuDeleteRs_Click},
      {mnuModule_, "mnuAddModule", "New Module", &frmDevelope::mnuAddModule_Click},
      {mnuModule_, "mnuModifyModule", "Modify Module", &frmDevelope::mnuModifyModule_Click},
      {mnuModule_, "mnuDeleteModule", "Delete Module", &frmDevelope::mnuDeleteModule_Click},
  };
  mnuTable_->setObjectName(QStringLiteral("mnuTable"));
  mnuRs_->setObjectName(QStringLiteral("mnuRs"));
  mnuModule_->setObjectName(QStringLiteral("mnuModule"));
  for (const Item& item : items) {
    QAction* action = item.menu->addAction(QString::fromLatin1(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    connect(action, &QAction::triggered, this, item.slot);
  }
}

QObject* frmDevelope::lvDetailObject() const { return lvDetail_; }

void frmDevelope::InitTree() {
  if (parentWidget()) setWindowIcon(parentWidget()->window()->windowIcon());
  trvModule_->ClearNodes();
  TreeNode* last = trvModule_->Add(QString(), TreeView::Last, kRoot, GetLangString(kTitle),
                                   QStringLiteral("4"));
  Recordset rs;
  if (OpenRecordset(QStringLiteral("select * from tblClass Order by ClassIndex"), rs, 1)) {
    for (; !rs.Eof(); rs.MoveNext()) {
      TreeNode* node = trvModule_->Add(kRoot, TreeView::Child, NullToStr(rs.Fields("ID").Value),
                                       NullToStr(rs.Fields("Language").Value),
                                       QStringLiteral("2"));
      if (node) last = node;
    }
  }
  if (last) last->EnsureVisible();
}

QString frmDevelope::SelectedClass() const {
  const TreeNode* node = trvModule_->SelectedItem();
  return node ? node->Key() : QString();
}

void frmDevelope::trvModule_NodeClick(TreeNode* node) {
  if (!node) return;
  Recordset rs;
  if (OpenRecordset(ListQuery(node->Key()), rs, 1)) lvDetail_->SetDataSource(rs);
  // No row is chosen until the user picks one.
  lvDetail_->SetRow(0);
  lvDetail_->Refresh();
}

void frmDevelope::RefreshList() {
  if (TreeNode* node = trvModule_->SelectedItem()) trvModule_NodeClick(node);
}

void frmDevelope::tbrMain_ButtonClick(ToolbarButton* button) {
  if (button->Key() == QLatin1String("Refresh"))
    RefreshList();
  else if (button->Key() == QLatin1String("Close"))
    close();
}

QMenu* frmDevelope::PopupMenu() const {
  const QString key = SelectedClass();
  if (key == kTable) return mnuTable_;
  if (key == kRecordset) return mnuRs_;
  if (key == kModule) return mnuModule_;
  return nullptr;
}

void frmDevelope::ShowPopup(QPoint at) {
  if (QMenu* menu = PopupMenu()) menu->popup(at);
}

void frmDevelope::lvDetail_DblClick() {
  if (lvDetail_->SelectedRows() == 0) return;
  const QString key = SelectedClass();
  if (key == kTable)
    mnuModifyTable_Click();
  else if (key == kRecordset)
    mnuModifyRs_Click();
  else if (key == kModule)
    mnuModifyModule_Click();
}

bool frmDevelope::FirstSelected(int* row, QString* name) const {
  if (lvDetail_->SelectedRows() == 0) return false;
  *row = lvDetail_->SelectedRow(0);
  *name = lvDetail_->TextMatrix(*row, 1);
  return true;
}

void frmDevelope::RunEditor(QWidget* editor) { ModalRunner().Run(editor); }

void frmDevelope::Show(QWidget* editor) {
  QPointer<QWidget> alive(editor);
  RunEditor(editor);
  delete alive.data();
  RefreshList();
}

void frmDevelope::OpenTableStructure(int editMode, const QString& tableName,
                                     const QString& command) {
  auto* window = new frmField(this);
  window->SetEditMode(editMode);
  window->SetTableName(tableName);
  window->setWindowIcon(windowIcon());
  window->setWindowTitle(windowTitle() + " - " + command);
  window->RefreshData(tableName.isEmpty() ? QStringLiteral("1=0") : window->TableFilter());
  window->setWindowFlag(Qt::Window, true);
  window->move(frameGeometry().center() - window->rect().center());
  Show(window);
}

void frmDevelope::mnuAddTable_Click() {
  OpenTableStructure(0, QString(), QStringLiteral("New Table Structure"));
}

void frmDevelope::mnuModifyTable_Click() {
  int row = 0;
  QString name;
  if (FirstSelected(&row, &name))
    OpenTableStructure(1, name, QStringLiteral("Modify Table Structure"));
}

QWidget* frmDevelope::CreateEditor(const QString& className, int editMode, int captionKey) {
  QWidget* editor = WindowRegistry::Create(className, this);
  if (!editor) return nullptr;
  editor->setProperty("Form", QVariant::fromValue<QObject*>(this));
  editor->setProperty("EditMode", editMode);
  editor->setWindowIcon(windowIcon());
  editor->setWindowTitle(ReplaceParams(GetLangString(captionKey), {windowTitle()}));
  return editor;
}

void frmDevelope::mnuAddRs_Click() {
  QWidget* editor = CreateEditor(QStringLiteral("frmRecordset"), 0, kAddCaption);
  if (!editor) return;
  QMetaObject::invokeMethod(editor, "RefreshData", Q_ARG(QString, QStringLiteral("1=0")));
  Show(editor);
}

void frmDevelope::mnuModifyRs_Click() {
  int row = 0;
  QString name;
  if (!FirstSelected(&row, &name)) return;
  QWidget* editor = CreateEditor(QStringLiteral("frmRecordset"), 1, kModifyCaption);
  if (!editor) return;
  editor->setProperty("ID", row);
  editor->setProperty("RsName", name);
  QMetaObject::invokeMethod(editor, "RefreshData",
                            Q_ARG(QString, "RsName='" + SqlStr(name) + "'"));
  Show(editor);
}

void frmDevelope::mnuAddModule_Click() {
  QWidget* editor = CreateEditor(QStringLiteral("frmModuleEdit"), 0, kAddCaption);
  if (!editor) return;
  QMetaObject::invokeMethod(editor, "InitControl");
  Show(editor);
}

void frmDevelope::mnuModifyModule_Click() {
  int row = 0;
  QString name;
  if (!FirstSelected(&row, &name)) return;
  QWidget* editor = CreateEditor(QStringLiteral("frmModuleEdit"), 1, kAddCaption);
  if (!editor) return;
  editor->setProperty("SelectRow", row);
  QMetaObject::invokeMethod(editor, "InitControl");
  QMetaObject::invokeMethod(editor, "GetData");
  Show(editor);
}

void frmDevelope::DeleteSelected(
    const std::function<bool(const QString&, QString*)>& deleteOne) {
  const int selected = lvDetail_->SelectedRows();
  if (selected == 0) return;
  QStringList names;
  for (int i = 0; i < selected; ++i) names << lvDetail_->TextMatrix(lvDetail_->SelectedRow(i), 1);
  for (const QString& name : names) {
    if (MsgBox(GetLangString(kDeleteQuestion), MsgIcon::Question, MsgButtons::OkCancel,
               windowTitle(), this) != MsgResult::Ok)
      continue;
    QString error;
    if (!deleteOne(name, &error)) Say(error, MsgIcon::Critical);
  }
  RefreshList();
}

void frmDevelope::mnuDeleteModule_Click() {
  DeleteSelected([](const QString& name, QString* error) {
    return ExecuteSQL("delete from tblMenu where ID='" + SqlStr(name) + "'", error);
  });
}

void frmDevelope::mnuDeleteRs_Click() {
  DeleteSelected([](const QString& name, QString* error) {
    return ExecuteSQL("delete from tblRecordset where RsName='" + SqlStr(name) + "'", error);
  });
}

void frmDevelope::mnuDropTable_Click() {
  DeleteSelected([this](const QString& name, QString* error) {
    if (!DesignedTables::DeleteWithTable(name, error)) return false;
    if (BareNames::IsSystemTable(name.trimmed()))
      Say(ReplaceParams(GetLangString(kSystemTableKept), {name.trimmed()}), MsgIcon::Information);
    return true;
  });
}

void frmDevelope::mnuCreateTable_Click() {
  const int selected = lvDetail_->SelectedRows();
  QStringList names;
  for (int i = 0; i < selected; ++i) names << lvDetail_->TextMatrix(lvDetail_->SelectedRow(i), 1);
  for (const QString& name : names) CreateTable(name);
}

void frmDevelope::CreateTable(const QString& tableName) {
  const std::optional<std::vector<DesignedColumn>> columns = DesignedTables::Read(tableName);
  if (!columns || columns->empty()) return;
  const TableDdl::Result ddl = TableDdl::Create(*columns, ServerType);
  if (!ddl.Ok()) {
    Say(GetLangString(kNotCreated) + "\n\n" +
            ReplaceParams(GetLangString(ddl.refusal), {ddl.subject, ddl.value}),
        MsgIcon::Exclamation);
    return;
  }
  const QString name = columns->front().tableName.trimmed();
  const bool exists = DesignedTables::TableExists(name);
  if (exists && MsgBox(ReplaceParams(GetLangString(kReplaceQuestion), {name}), MsgIcon::Question,
                       MsgButtons::OkCancel, windowTitle(), this) != MsgResult::Ok)
    return;
  QString error;
  if (DesignedTables::Replace(name, ddl.statement, exists, &error))
    Say(GetLangString(kCreated), MsgIcon::Information);
  else
    Say(GetLangString(kNotCreated) + "\n\n" + error, MsgIcon::Exclamation);
}

void frmDevelope::Say(const QString& text, MsgIcon icon) {
  MsgBox(text, icon, MsgButtons::OkOnly, windowTitle(), this);
}

void frmDevelope::done(int result) {
  QDialog::done(result);
  DesignSnapshot now = DesignSnapshot::Take();
  const DesignChange change = designBefore_.ChangesTo(now);
  designBefore_ = std::move(now);
  FollowDesignChange(change);
}

void frmDevelope::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int toolbarHeight = tbrMain_->sizeHint().height();
  tbrMain_->setGeometry(0, 0, width(), toolbarHeight);
  ctlSplitterEx1_->FillParentBelow(toolbarHeight);
}

}  // namespace rd

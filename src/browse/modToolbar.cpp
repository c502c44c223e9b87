#include "browse/modToolbar.h"

#include <QApplication>
#include <QKeySequence>
#include <QStyle>
#include <QWidget>

#include "browse/ButtonFunction.h"
#include "browse/clsToolbar.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

namespace {

struct StandardButton {
  const char* key;
  int textKey;
  QStyle::StandardPixmap picture;
};

constexpr StandardButton kStandardButtons[] = {
    {"View", 1029, QStyle::SP_FileDialogInfoView},
    {"Add", 1014, QStyle::SP_FileIcon},
    {"Modify", 1015, QStyle::SP_FileDialogDetailedView},
    {"Delete", 1016, QStyle::SP_TrashIcon},
    {"Query", 1017, QStyle::SP_FileDialogContentsView},
    {"Print", 1018, QStyle::SP_DialogSaveButton},
    {"Refresh", 1020, QStyle::SP_BrowserReload},
    {"Close", 1019, QStyle::SP_DialogCloseButton},
};

// The desktop's keys for the standard commands; a key lives on its button,
// so it works only while the button is on the toolbar.
QList<QKeySequence> StandardKeys(const QString& key) {
  if (key == QLatin1String("View"))
    return {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)};
  if (key == QLatin1String("Add")) return {Qt::Key_Insert, QKeySequence::New};
  if (key == QLatin1String("Modify")) return {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2};
  if (key == QLatin1String("Delete")) return {QKeySequence::Delete};
  if (key == QLatin1String("Refresh")) return {Qt::Key_F5};
  if (key == QLatin1String("Query")) return {QKeySequence::Find};
  if (key == QLatin1String("Print")) return {QKeySequence::Print};
  return {};
}

// The caption as caption and tooltip, the picture of the key and the
// desktop's keys for it.
void Dress(ToolbarButton& button, const QString& key, const QString& caption) {
  button.SetCaption(caption);
  button.SetToolTipText(caption);
  button.SetImage(key);
  button.setShortcuts(StandardKeys(key));
}

const StandardButton* FindStandard(const QString& name) {
  for (const StandardButton& b : kStandardButtons)
    if (name.compare(QLatin1String(b.key), Qt::CaseInsensitive) == 0) return &b;
  return nullptr;
}

Toolbar* ToolbarOf(QWidget* window) {
  return window ? window->findChild<Toolbar*>(QStringLiteral("tbrMain")) : nullptr;
}

// A query whose failure is nobody's business but the caller's.
bool QuietOpen(const QString& sql, Recordset& rs) {
  return DbConnection && rs.Open(sql, *DbConnection);
}

QString ToolbarTypeColumn(const QString& lowerMode) {
  if (lowerMode == QLatin1String("view")) return QStringLiteral("ViewToolbar");
  if (lowerMode == QLatin1String("add")) return QStringLiteral("AddToolbar");
  if (lowerMode == QLatin1String("modify")) return QStringLiteral("ModifyToolbar");
  return QStringLiteral("BrowseToolbar");
}

QString ButtonTag(const Recordset& row) {
  return NullToStr(row.Value("ButtonFunction")) + '|' + NullToStr(row.Value("Parameter1")) + '|' +
         NullToStr(row.Value("Parameter2")) + '|' + NullToStr(row.Value("Parameter3"));
}

QString PicturePath(QString image) {
  image.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return IsFullPath(image) ? image : ProgramFolder::File(image);
}

void AddStandardButtons(QWidget* window, Toolbar& bar, const QString& menuId, const QString& mode,
                        bool multiRs) {
  QStringList keys;
  const QString lowerMode = mode.toLower();
  if (lowerMode == QLatin1String("browse")) {
    if (multiRs) keys << QStringLiteral("View");
    keys << "Add"
         << "Modify"
         << "Delete"
         << "Query"
         << "Print"
         << "Refresh";
  } else if (lowerMode == QLatin1String("view")) {
    keys << QStringLiteral("Print");
  }
  for (const QString& key : keys) {
    if (!HasPrivilege(PrivilegeKey(menuId, key, mode))) continue;
    if (bar.AddButton(key, key)) SetButtonCaption(window, key);
  }
}

void AddCustomRow(QWidget* window, Toolbar& bar, const Recordset& row, const QString& menuId,
                  const QString& mode) {
  const QString text = NullToStr(row.Value("Text"));
  if (text.isEmpty() || !HasPrivilege(PrivilegeKey(menuId, text, mode))) return;
  ToolbarButton* button = bar.AddButton(text, text, ToolbarButton::Default);
  if (!button) return;  // a second row with the same key
  if (NullToStr(row.Value("ButtonType")).toLower() != QLatin1String("custom")) {
    SetButtonCaption(window, text);
    return;
  }
  const QString image = NullToStr(row.Value("Image"));
  ImageList* images = bar.Images();
  if (!image.isEmpty() && images && images->AddFile(text, PicturePath(image)) > 0)
    button->SetImage(text);
  button->SetToolTipText(NullToStr(row.Value("ToolTipText")));
  button->SetTag(ButtonTag(row));
}

}  // namespace

QString PrivilegeKey(const QString& menuId, const QString& key, const QString& mode) {
  return menuId + '-' + key + '-' + mode;
}

void BuildToolbar(QWidget* window, const QString& menuId, const QString& mode) {
  Toolbar* bar = ToolbarOf(window);
  if (!bar) return;
  bar->ClearButtons();
  Recordset menu;
  const bool menuRead = OpenRecordset(
      "select FormTemplateName,BrowseToolbar,ViewToolbar,AddToolbar,ModifyToolbar from tblMenu "
      "where ID=" +
          SqlLiteral(menuId),
      menu, 1);
  if (menuRead) {
    const QString type = NullToStr(menu.Value(ToolbarTypeColumn(mode.toLower()))).toLower();
    const bool multiRs =
        NullToStr(menu.Value("FormTemplateName")).toLower() == QLatin1String("multirs");
    Recordset rows;
    if (type != QLatin1String("custom")) {
      AddStandardButtons(window, *bar, menuId, mode, multiRs);
    } else if (OpenRecordset("select ButtonType,Text,ToolTipText,Image,ButtonFunction,Parameter1,"
                             "Parameter2,Parameter3 from tblToolbar where MenuID=" +
                                 SqlLiteral(menuId) + " and mode=" + SqlLiteral(mode) +
                                 " order by ButtonIndex",
                             rows, 1)) {
      for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        AddCustomRow(window, *bar, rows, menuId, mode);
    }
  }
  const QString close = QStringLiteral("Close");
  if (bar->AddButton(close, close)) SetButtonCaption(window, close);
}

bool SetButtonCaption(QWidget* window, const QString& name) {
  const StandardButton* standard = FindStandard(name);
  Toolbar* bar = ToolbarOf(window);
  ToolbarButton* button = standard && bar ? bar->Button(QLatin1String(standard->key)) : nullptr;
  if (button) Dress(*button, QLatin1String(standard->key), GetLangString(standard->textKey));
  return true;
}

bool HasPrivilege(const QString& key) {
  const QString user = UserInfo ? UserInfo->LoginUser : QString();
  Recordset rs;
  if (QuietOpen("select isadmin from tblUser where username=" + SqlLiteral(user), rs) &&
      !rs.Eof() && VariantToBoolean(rs.Fields(0).Value))
    return true;
  return QuietOpen("select * from tblPrivilege where UserName=" + SqlLiteral(user) +
                       " and ModuleID=" + SqlLiteral(key),
                   rs) &&
         !rs.Eof();
}

bool IsFullPath(const QString& path) {
  return path.contains(QLatin1Char(':')) || path.startsWith(QLatin1Char('/'));
}

bool ExecuteButtonFunction(QWidget* window, const QString& moduleName, ToolbarButton* button) {
  if (!button) return true;
  const ButtonFunction f = ButtonFunction::Parse(button->Tag());
  if (f.kind != ButtonFunction::System) return true;
  QString error;
  clsToolbar functions;
  if (!f.valid)
    error = ReplaceParams(GetLangString(1204), {button->Key()});
  else if (functions.Call(f.method,
                          {QVariant::fromValue<QObject*>(window), moduleName,
                           QVariant::fromValue<QObject*>(button), f.argument},
                          &error))
    return true;
  MsgBox(error, MsgIcon::Exclamation, MsgButtons::OkOnly,
         window ? window->windowTitle() : QString());
  return false;
}

void SetFixedButtons(Toolbar& toolbar, std::span<const FixedButton> buttons) {
  for (const FixedButton& b : buttons) {
    const QString key = QString::fromLatin1(b.key);
    ToolbarButton* button = toolbar.Button(key);
    if (!button) button = toolbar.AddButton(key);
    if (button) Dress(*button, key, GetLangString(b.language));
  }
}

void AddStandardImages(ImageList& images) {
  QStyle* style = QApplication::style();
  for (const StandardButton& b : kStandardButtons)
    images.Add(QLatin1String(b.key), style->standardIcon(b.picture).pixmap(24, 24));
}

}  // namespace rd

#pragma once
#include <QList>
#include <QStringList>

#include "platform/ui/Ui.h"

// Records every message box and answers from a script; installed for the
// lifetime of the object.
class ScriptedUi : public rd::Ui {
 public:
  struct Box {
    QString text;
    rd::MsgIcon icon;
    rd::MsgButtons buttons;
    QString title;
  };

  static ScriptedUi* Install();  // owned by the service
  static void Uninstall();

  rd::MsgResult MsgBox(const QString& text, rd::MsgIcon icon, rd::MsgButtons buttons,
                       const QString& title, QWidget* parent) override;
  QString GetOpenFileName(const QString&, const QString&, const QString&, QWidget*) override;
  QString GetSaveFileName(const QString&, const QString&, const QString&, QWidget*) override;
  bool OpenUrl(const QString& url) override;
  QString InputBox(const QString& prompt, const QString& title, QWidget*) override;

  QList<Box> boxes;
  QList<rd::MsgResult> answers;  // taken in order; Ok (or Cancel) when empty
  QStringList files;             // answers of the file dialogs, in order
  QStringList urls;              // addresses asked to open
  bool opensUrls = true;         // false: no program here opens an address
  QStringList inputs;            // answers of the input boxes, in order; "" when empty
  QStringList prompts;           // prompts of the input boxes shown
  QStringList texts() const;
};

#include "ScriptedUi.h"

ScriptedUi* ScriptedUi::Install() {
  auto* ui = new ScriptedUi;
  rd::Ui::Install(std::unique_ptr<rd::Ui>(ui));
  return ui;
}

void ScriptedUi::Uninstall() { rd::Ui::Install(nullptr); }

rd::MsgResult ScriptedUi::MsgBox(const QString& text, rd::MsgIcon icon, rd::MsgButtons buttons,
                                 const QString& title, QWidget*) {
  boxes.append({text, icon, buttons, title});
  if (!answers.isEmpty()) return answers.takeFirst();
  return rd::MsgResult::Ok;
}

QString ScriptedUi::GetOpenFileName(const QString&, const QString&, const QString&, QWidget*) {
  return files.isEmpty() ? QString() : files.takeFirst();
}

QString ScriptedUi::GetSaveFileName(const QString&, const QString&, const QString&, QWidget*) {
  return files.isEmpty() ? QString() : files.takeFirst();
}

bool ScriptedUi::OpenUrl(const QString& url) {
  urls << url;
  return opensUrls;
}

QString ScriptedUi::InputBox(const QString& prompt, const QString&, QWidget*) {
  prompts << prompt;
  return inputs.isEmpty() ? QString() : inputs.takeFirst();
}

QStringList ScriptedUi::texts() const {
  QStringList t;
  for (const Box& b : boxes) t << b.text;
  return t;
}

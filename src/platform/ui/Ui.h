#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace rd {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OkOnly, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// Message boxes, file dialogs and opening of addresses, behind one
// replaceable service so that tests can script the answers.
class Ui {
 public:
  virtual ~Ui() = default;
  virtual MsgResult MsgBox(const QString& text, MsgIcon icon = MsgIcon::None,
                           MsgButtons buttons = MsgButtons::OkOnly,
                           const QString& title = QString(), QWidget* parent = nullptr);
  // An empty result means the dialog was cancelled.
  virtual QString GetOpenFileName(const QString& title, const QString& folder,
                                  const QString& filter, QWidget* parent = nullptr);
  virtual QString GetSaveFileName(const QString& title, const QString& suggested,
                                  const QString& filter, QWidget* parent = nullptr);
  virtual bool OpenUrl(const QString& url);
  // One line of text asked for; empty when cancelled.
  virtual QString InputBox(const QString& prompt, const QString& title = QString(),
                           QWidget* parent = nullptr);

  static Ui& Instance();
  // Replaces the service (tests); null restores the real one.
  static void Install(std::unique_ptr<Ui> ui);
};

inline MsgResult MsgBox(const QString& text, MsgIcon icon = MsgIcon::None,
                        MsgButtons buttons = MsgButtons::OkOnly, const QString& title = QString(),
                        QWidget* parent = nullptr) {
  return Ui::Instance().MsgBox(text, icon, buttons, title, parent);
}

}  // namespace rd

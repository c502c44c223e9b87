#include "core/modCommon.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "core/Globals.h"
#include "platform/ini/Ini.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/Ui.h"

namespace rd {
namespace {

bool isTrimmed(QChar c) { return c == ' ' || c == '\r' || c == '\n' || c == QChar(0); }

}  // namespace

QString GetIniString(const QString& section, const QString& key, const QString& file) {
  return TrimAll(Ini::Read(file, section, key));
}

bool SaveSetting(const QString& section, const QString& key, const QString& value,
                 QWidget* parent) {
  if (Ini::Write(ConfigFile, section, key, value)) return true;
  MsgBox(ReplaceParams(GetLangString(1217), {ConfigFile}), MsgIcon::Critical, MsgButtons::OkOnly,
         AppTitle, parent);
  return false;
}

QString TrimLeft(const QString& s) {
  qsizetype i = 0;
  while (i < s.size() && isTrimmed(s[i])) ++i;
  return s.mid(i);
}

QString TrimRight(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && isTrimmed(s[n - 1])) --n;
  return s.left(n);
}

QString TrimAll(const QString& s) { return TrimRight(TrimLeft(s)); }

QString TrimLeft(QString& s) { return s = TrimLeft(std::as_const(s)); }
QString TrimRight(QString& s) { return s = TrimRight(std::as_const(s)); }
QString TrimAll(QString& s) { return s = TrimAll(std::as_const(s)); }

int SystemDefaultLcid() {
  struct Entry {
    QLocale::Language language;
    QLocale::Territory territory;
    int lcid;
  };
  static const Entry table[] = {
      {QLocale::English, QLocale::UnitedStates, 1033},  {QLocale::English, QLocale::UnitedKingdom, 2057},
      {QLocale::Chinese, QLocale::China, 2052},         {QLocale::Chinese, QLocale::Taiwan, 1028},
      {QLocale::German, QLocale::Germany, 1031},        {QLocale::French, QLocale::France, 1036},
      {QLocale::Japanese, QLocale::Japan, 1041},        {QLocale::Korean, QLocale::SouthKorea, 1042},
      {QLocale::Spanish, QLocale::Spain, 3082},         {QLocale::Italian, QLocale::Italy, 1040},
      {QLocale::Russian, QLocale::Russia, 1049},        {QLocale::Portuguese, QLocale::Brazil, 1046},
  };
  const QLocale system = QLocale::system();
  for (const Entry& e : table)
    if (e.language == system.language() && e.territory == system.territory()) return e.lcid;
  return 1033;
}

namespace {

const QString kShippedLanguage = QStringLiteral(":/shipped/Language/1033.ini");

}  // namespace

QString GetLanguageFile(const QString& lcidText, QString* unreadable) {
  bool ok = false;
  const int parsed = TrimAll(lcidText).toInt(&ok);
  const QString lcid = QString::number(ok ? parsed : SystemDefaultLcid());
  QString path = ProgramFolder::File("Language/" + lcid + ".ini");
  LanguageID = lcid;
  if (!QFileInfo(path).isFile()) {
    path = ProgramFolder::File("Language/1033.ini");
    LanguageID = "1033";
  }
  if (QFileInfo(path).isFile() && QFile(path).open(QIODevice::ReadOnly)) return path;
  if (unreadable) *unreadable = path;
  LanguageID = "1033";
  return kShippedLanguage;
}

QStringList MissingMessageKeys(const QString& file) {
  QStringList missing;
  const QStringList present = Ini::Keys(file, "Language");
  for (const QString& key : Ini::Keys(kShippedLanguage, "Language"))
    if (!present.contains(key, Qt::CaseInsensitive)) missing << key;
  return missing;
}

QString GetLangString(int key, const QString& file) {
  const QString name = QString::number(key);
  const QString text = GetIniString("Language", name, file.isEmpty() ? LanguageFile : file);
  if (!text.isEmpty()) return text;
  return GetIniString("Language", name, kShippedLanguage);
}

QString ReplaceParams(const QString& text, const QStringList& values) {
  QString out = text;
  for (int i = 0; i < values.size(); ++i) out.replace("@" + QString::number(i + 1), values[i]);
  return out;
}

bool TextToBoolean(const QString& text, bool* ok) {
  const QString t = text.trimmed();
  bool valid = true;
  bool result = false;
  if (t.compare("true", Qt::CaseInsensitive) == 0) {
    result = true;
  } else if (t.compare("false", Qt::CaseInsensitive) != 0) {
    const double d = QLocale::c().toDouble(t, &valid);
    result = valid && d != 0;
  }
  if (ok) *ok = valid;
  return result;
}

bool VariantToBoolean(const QVariant& v) {
  if (!v.isValid() || v.isNull()) return false;
  switch (v.typeId()) {
    case QMetaType::Bool: return v.toBool();
    case QMetaType::QString: return TextToBoolean(v.toString());
    default: {
      bool ok = false;
      const double d = v.toDouble(&ok);
      return ok && d != 0;
    }
  }
}

}  // namespace rd

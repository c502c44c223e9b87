#include "platform/ini/Ini.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include "platform/text/AnsiText.h"

namespace rd {
namespace {

struct Lines {
  QStringList lines;
  QString eol = "\r\n";
  bool bom = false;
};

Lines load(const QString& file) {
  Lines out;
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return out;
  QByteArray data = f.readAll();
  if (data.startsWith("\xEF\xBB\xBF")) {
    out.bom = true;
    data.remove(0, 3);
  }
  if (!data.contains("\r\n") && data.contains('\n')) out.eol = "\n";
  QString text = QString::fromUtf8(data);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  out.lines = text.split('\n');
  if (!out.lines.isEmpty() && out.lines.last().isEmpty()) out.lines.removeLast();
  return out;
}

// The section name of a line "[name]", or a null string when it is none.
QString sectionOf(const QString& line) {
  QString t = line.trimmed();
  if (t.startsWith('[')) {
    int end = t.indexOf(']');
    if (end > 0) return t.mid(1, end - 1).trimmed();
  }
  return QString();
}

bool keyMatches(const QString& line, const QString& key, QString* value) {
  int eq = line.indexOf('=');
  if (eq < 0) return false;
  if (line.left(eq).trimmed().compare(key.trimmed(), Qt::CaseInsensitive) != 0) return false;
  if (value) *value = line.mid(eq + 1).trimmed();
  return true;
}

}  // namespace

QString Ini::Read(const QString& file, const QString& section, const QString& key) {
  Lines f = load(file);
  bool inSection = false;
  for (const QString& line : f.lines) {
    QString s = sectionOf(line);
    if (!s.isNull()) {
      if (inSection) break;  // only the first section of that name counts
      inSection = s.compare(section.trimmed(), Qt::CaseInsensitive) == 0;
      continue;
    }
    QString value;
    if (inSection && keyMatches(line, key, &value)) return CutToBytes(value, MaxValueBytes);
  }
  return QString("");
}

bool Ini::Write(const QString& file, const QString& section, const QString& key,
                const QString& value) {
  Lines f = load(file);
  const QString entry = key + "=" + value;
  int sectionLine = -1;
  int lastInSection = -1;
  for (int i = 0; i < f.lines.size(); ++i) {
    QString s = sectionOf(f.lines[i]);
    if (!s.isNull()) {
      if (sectionLine >= 0) break;
      if (s.compare(section.trimmed(), Qt::CaseInsensitive) == 0) {
        sectionLine = i;
        lastInSection = i;
      }
      continue;
    }
    if (sectionLine < 0) continue;
    if (keyMatches(f.lines[i], key, nullptr)) {
      f.lines[i] = entry;
      sectionLine = -2;  // replaced
      break;
    }
    if (!f.lines[i].trimmed().isEmpty()) lastInSection = i;
  }
  if (sectionLine == -1) {
    f.lines << "[" + section + "]" << entry;
  } else if (sectionLine >= 0) {
    f.lines.insert(lastInSection + 1, entry);
  }
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  QByteArray data;
  if (f.bom) data = "\xEF\xBB\xBF";
  data += f.lines.join(f.eol).toUtf8();
  data += f.eol.toUtf8();
  out.write(data);
  return out.commit();
}

}  // namespace rd

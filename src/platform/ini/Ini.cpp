#include "platform/ini/Ini.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/text/AnsiText.h"

namespace rd {
namespace {

// One line of the file: its bytes and its line end, kept as they were.
// The lines of a UTF-16 file are held as UTF-8 and written back as UTF-16.
struct Line {
  QByteArray text;
  QByteArray eol;
};

struct Document {
  std::optional<QStringConverter::Encoding> utf16;
  QByteArray bom;
  std::vector<Line> lines;
  QByteArray eol = "\r\n";  // for lines the write adds
};

std::optional<QStringConverter::Encoding> utf16Of(const QByteArray& data) {
  if (data.startsWith("\xFF\xFE")) return QStringConverter::Utf16LE;
  if (data.startsWith("\xFE\xFF")) return QStringConverter::Utf16BE;
  return std::nullopt;
}

Document load(const QString& file) {
  Document doc;
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return doc;
  QByteArray data = f.readAll();
  if ((doc.utf16 = utf16Of(data))) {
    doc.bom = data.left(2);
    QStringDecoder decode(*doc.utf16);
    data = QString(decode(data.mid(2))).toUtf8();
  } else if (data.startsWith("\xEF\xBB\xBF")) {
    doc.bom = data.left(3);
    data.remove(0, 3);
  }
  bool eolSeen = false;
  qsizetype start = 0;
  for (qsizetype i = 0; i < data.size(); ++i) {
    const char c = data[i];
    if (c != '\r' && c != '\n') continue;
    const qsizetype length = c == '\r' && i + 1 < data.size() && data[i + 1] == '\n' ? 2 : 1;
    doc.lines.push_back({data.mid(start, i - start), data.mid(i, length)});
    if (!eolSeen) doc.eol = doc.lines.back().eol;
    eolSeen = true;
    i += length - 1;
    start = i + 1;
  }
  if (start < data.size()) doc.lines.push_back({data.mid(start), QByteArray()});
  return doc;
}

// A line as text: UTF-8 where it is valid, else one character per byte of
// the 8-bit encoding.
QString decode(const QByteArray& bytes) {
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
    return QString::fromLatin1(bytes);
  QStringDecoder utf8(QStringConverter::Utf8);
  const QString text = utf8(bytes);
  return utf8.hasError() ? FromAnsi(bytes) : text;
}

QByteArray serialize(const Document& doc) {
  QByteArray body;
  for (const Line& line : doc.lines) body += line.text + line.eol;
  if (!doc.utf16) return doc.bom + body;
  QStringEncoder encode(*doc.utf16);
  return doc.bom + QByteArray(encode(QString::fromUtf8(body)));
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

// A value in one matching pair of quotes reads without them.
QString unquoted(const QString& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.mid(1, value.size() - 2);
  return value;
}

bool holdsLineBreak(const QString& text) {
  return text.contains('\r') || text.contains('\n');
}

}  // namespace

QString Ini::Read(const QString& file, const QString& section, const QString& key) {
  const Document doc = load(file);
  bool inSection = false;
  for (const Line& raw : doc.lines) {
    const QString line = decode(raw.text);
    QString s = sectionOf(line);
    if (!s.isNull()) {
      if (inSection) break;  // only the first section of that name counts
      inSection = s.compare(section.trimmed(), Qt::CaseInsensitive) == 0;
      continue;
    }
    QString value;
    if (inSection && keyMatches(line, key, &value))
      return CutToBytes(unquoted(value), MaxValueBytes);
  }
  return QString("");
}

QStringList Ini::Keys(const QString& file, const QString& section) {
  QStringList keys;
  bool inSection = false;
  for (const Line& raw : load(file).lines) {
    const QString line = decode(raw.text);
    QString s = sectionOf(line);
    if (!s.isNull()) {
      if (inSection) break;
      inSection = s.compare(section.trimmed(), Qt::CaseInsensitive) == 0;
      continue;
    }
    const qsizetype eq = line.indexOf('=');
    if (inSection && eq > 0) keys << line.left(eq).trimmed();
  }
  return keys;
}

bool Ini::Write(const QString& file, const QString& section, const QString& key,
                const QString& value) {
  if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value)) return false;
  Document doc = load(file);
  const QByteArray entry = (key + "=" + value).toUtf8();
  int sectionLine = -1;
  int lastInSection = -1;
  bool replaced = false;
  for (int i = 0; i < int(doc.lines.size()) && !replaced; ++i) {
    const QString line = decode(doc.lines[i].text);
    QString s = sectionOf(line);
    if (!s.isNull()) {
      if (sectionLine >= 0) break;
      if (s.compare(section.trimmed(), Qt::CaseInsensitive) == 0) sectionLine = lastInSection = i;
      continue;
    }
    if (sectionLine < 0) continue;
    if (keyMatches(line, key, nullptr)) {
      doc.lines[i].text = entry;
      replaced = true;
    } else if (!line.trimmed().isEmpty()) {
      lastInSection = i;
    }
  }
  if (!replaced) {
    std::vector<Line> added;
    if (sectionLine < 0) added.push_back({("[" + section + "]").toUtf8(), doc.eol});
    added.push_back({entry, doc.eol});
    const int at = sectionLine < 0 ? int(doc.lines.size()) : lastInSection + 1;
    // The line before gets an end of its own when it had none.
    if (at > 0 && doc.lines[at - 1].eol.isEmpty()) doc.lines[at - 1].eol = doc.eol;
    doc.lines.insert(doc.lines.begin() + at, added.begin(), added.end());
  }
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  out.write(serialize(doc));
  return out.commit();
}

}  // namespace rd

#include "toolkit/cMenus.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>

#include "toolkit/cMenusInternal.h"

namespace rd {

using namespace menus;

namespace {
const QByteArray kHeader = "[Taddo-Menus-Shortcuts]";
const QByteArray kVersion = "[V-1-0-0]";
}  // namespace


bool cMenus::applyKeyAccel(clsStoreMenu& rec, const QString& keyAccel) {
  rec.KeyAccel = keyAccel;
  return true;
}

QString cMenus::ItemKeyAccel(const QVariant& Index) const {
  const clsStoreMenu* rec = item(Index);
  return rec ? rec->KeyAccel : QString();
}

void cMenus::SetItemKeyAccel(const QVariant& Index, const QString& keyAccel) {
  clsStoreMenu* rec = item(Index);
  if (!rec || rec->TopMenu || rec->KeyAccel == keyAccel) return;
  applyKeyAccel(*rec, keyAccel);
  ReplaceItem(IndexForID(rec->ID));
}

int cMenus::IndexForKeyAccel(const QString& KeyAccel) const {
  if (KeyAccel.isEmpty()) return 0;
  for (int i = 1; i <= ItemCount(); ++i)
    if (accelNames(items_[i - 1]->KeyAccel).contains(KeyAccel)) return i;
  return 0;
}

bool cMenus::KeyAccelPressed(const QString& name) {
  if (!hWndKeyOwner || QApplication::activeWindow() != hWndKeyOwner->window()) return false;
  const int i = IndexForKeyAccel(name);
  if (!i || !ItemEnabled(i) || ItemSeparator(i)) return false;
  emit Click(i);
  return true;
}

bool cMenus::SaveShortcuts(const QString& FileName) const {
  QByteArray bytes;
  auto put = [&](const QByteArray& text) { bytes += text; bytes += '\0'; };
  put({});
  put(kHeader);
  put(kVersion);
  for (int i = 1; i <= ItemCount(); ++i) {
    const clsStoreMenu& rec = *items_[i - 1];
    const QByteArray key = rec.Name.toLocal8Bit(), accel = rec.KeyAccel.toLocal8Bit();
    if (key.contains('\0') || accel.contains('\0')) return false;
    if (rec.Name.isEmpty()) {
      put("I");
      put(QByteArray::number(i));
    } else {
      put("K");
      put(key);
    }
    put(accel);
  }
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool cMenus::LoadShortcuts(const QString& FileName) {
  QFile file(FileName);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return false;
  const QList<QByteArray> parts = file.readAll().split('\0');
  if (parts.size() < 3 || !parts[0].isEmpty() || parts[1] != kHeader || parts[2] != kVersion)
    return false;
  // Read every triple first, so that a damaged file changes nothing.
  QList<std::pair<int, QString>> found;
  for (qsizetype i = 3; i < parts.size(); i += 3) {
    const QByteArray& marker = parts[i];
    if (marker != "I" && marker != "K") break;
    if (i + 2 >= parts.size()) return false;
    const QString ref = QString::fromLocal8Bit(parts[i + 1]);
    int index = 0;
    if (marker == "I") {
      bool ok = false;
      index = ref.toInt(&ok);
      if (!ok) return false;
      if (!at(index)) index = 0;
    } else {
      index = IndexForKey(ref);
    }
    if (index) found.append({index, QString::fromLocal8Bit(parts[i + 2])});
  }
  for (const auto& [index, text] : found) SetItemKeyAccel(index, text);
  return true;
}

}  // namespace rd

#include "platform/widgets/ImageList.h"

namespace rd {

ImageList::ImageList(QObject* parent) : QObject(parent) {}

int ImageList::Add(const QString& key, const QPixmap& picture) {
  if (picture.isNull() || (!key.isEmpty() && IndexOf(key) > 0)) return 0;
  images_.push_back({key, picture});
  return Count();
}

int ImageList::AddFile(const QString& key, const QString& path) {
  return Add(key, QPixmap(path));
}

bool ImageList::Remove(const QString& key) {
  const int index = IndexOf(key);
  if (index == 0) return false;
  images_.erase(images_.begin() + (index - 1));
  return true;
}

void ImageList::Clear() {
  images_.clear();
}

int ImageList::IndexOf(const QString& key) const {
  if (key.isEmpty()) return 0;
  for (size_t i = 0; i < images_.size(); ++i)
    if (images_[i].key == key) return int(i) + 1;
  return 0;
}

QString ImageList::Key(int index) const {
  return index >= 1 && index <= Count() ? images_[index - 1].key : QString();
}

QPixmap ImageList::Picture(int index) const {
  return index >= 1 && index <= Count() ? images_[index - 1].picture : QPixmap();
}

QIcon ImageList::Icon(int index) const {
  const QPixmap picture = Picture(index);
  return picture.isNull() ? QIcon() : QIcon(picture);
}

}  // namespace rd

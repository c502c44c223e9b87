#pragma once
#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <vector>

namespace rd {

// Pictures found by key or by 1-based index, as toolbars and trees name them.
class ImageList : public QObject {
  Q_OBJECT
 public:
  explicit ImageList(QObject* parent = nullptr);

  // The new picture's index; 0 when the key is taken or the picture is null.
  int Add(const QString& key, const QPixmap& picture);
  // Loads a picture file; 0 when the file gives no picture or the key is taken.
  int AddFile(const QString& key, const QString& path);
  bool Remove(const QString& key);
  void Clear();

  int Count() const { return int(images_.size()); }
  // 0 when no picture has the key (keys compare exactly).
  int IndexOf(const QString& key) const;
  QString Key(int index) const;
  QPixmap Picture(int index) const;
  QPixmap Picture(const QString& key) const { return Picture(IndexOf(key)); }
  QIcon Icon(int index) const;
  QIcon Icon(const QString& key) const { return Icon(IndexOf(key)); }

 private:
  struct Image {
    QString key;
    QPixmap picture;
  };
  std::vector<Image> images_;
};

}  // namespace rd
